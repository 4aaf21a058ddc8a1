#include "maker/maker_frm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "core/colour/colours.h"
#include "core/folders/folder_lists.h"
#include "core/general/general.h"
#include "core/layout/maker_layout.h"
#include "core/settings/settings.h"
#include "core/show_file/maker_file.h"
#include "core/show_file/show_paths.h"
#include "platform/services.h"
#include "widgets/drag_list.h"
#include "widgets/window_chrome.h"
#include "widgets/window_options.h"

using Platform::Services;

namespace {

const QString Title = QStringLiteral("Slide Show Maker");

// System colours of the music path box: button faces while music is off, window backgrounds
// while it is on.
constexpr std::int32_t Button_Face = -2147483633;
constexpr std::int32_t Window_Background = -2147483643;

using General::Twips;

// The colour picker's boxes in the maker's narrower frame.
const Colour_Picker::Layout Maker_Picker_Layout = {
    {112, 270, 1545, 810}, {112, 1080, 1230, 285}, {1372, 1080, 285, 285}};

struct Tool {
  const char* key;
  bool toggle;
  const char* tip;
  QStyle::StandardPixmap icon;
  QKeySequence::StandardKey keys = QKeySequence::UnknownKey;  // the desktop's usual keys, if any
};
// The toolbar: three toggles, then the document commands; null keys are separators.
const Tool Tools[] = {
    {"Loop", true, "Loop the Slide Show", QStyle::SP_BrowserReload},
    {"Shuffle", true, "Shuffle the pictures in the Slide Show", QStyle::SP_MediaSeekForward},
    {"Message", true, "Display Pause Message", QStyle::SP_MessageBoxInformation},
    {nullptr, false, nullptr, QStyle::SP_CustomBase},
    {"Clear", false, "Clear Loaded Images", QStyle::SP_DialogResetButton},
    {nullptr, false, nullptr, QStyle::SP_CustomBase},
    {"Load", false, "Load Slide Show", QStyle::SP_DialogOpenButton, QKeySequence::Open},
    {"Save", false, "Save Slide Show", QStyle::SP_DialogSaveButton, QKeySequence::Save},
    {nullptr, false, nullptr, QStyle::SP_CustomBase},
    {"Preview", false, "Preview Slide Show", QStyle::SP_MediaPlay},
};

}  // namespace

// Applies the lines of a show file to the maker's controls as a user would set them; every line
// that is not the option expected at its place becomes an entry of the picture list.
class Maker_Frm::Reader final : public ShowFile::Sink {
 public:
  explicit Reader(Maker_Frm& w) : w_(w) {}
  void Flag(ShowFile::Key key, bool on) override {
    using ShowFile::Key;
    switch (key) {
      case Key::Strech:
        (on ? w_.Strech_Opt : w_.Maintain_Opt)->setChecked(true);
        w_.Option_Click();
        break;
      case Key::Ratio: w_.Ratio_Chk->setChecked(on); break;
      case Key::Shuff: w_.Shuff_Chk->setChecked(on); w_.Set_Button(2, w_.Shuff_Chk); break;
      case Key::Loop: w_.Loop_Chk->setChecked(on); w_.Set_Button(1, w_.Loop_Chk); break;
      case Key::Message: w_.Message_Chk->setChecked(on); w_.Set_Button(3, w_.Message_Chk); break;
      case Key::UseMusic: w_.Music_Chk->setChecked(on); w_.Music_Chk_Click(); break;
      default: break;
    }
  }
  bool Number(ShowFile::Key key, const QString& value) override {
    if (key == ShowFile::Key::Delay) {
      // A whole number of seconds (a fraction rounded, halves to the even neighbour) that the
      // scroll bar can show.
      const std::optional<std::int16_t> seconds = Settings::To_Whole(value);
      if (!seconds || *seconds < 0 || *seconds > 60) return false;
      w_.Delay_Scroll->setValue(*seconds);
      w_.Show_Delay();
      return true;
    }
    const std::optional<std::int32_t> colour = ShowFile::Colour_Value(value);
    if (!colour) return false;
    w_.Picker->Save_Colour->Set_BackColor(*colour);
    return true;
  }
  void Music(const QString& path) override { w_.Music_Txt->setText(path); }
  void Picture(const QString& path) override { w_.List1->addItem(path); }

 private:
  Maker_Frm& w_;
};

Maker_Frm::Maker_Frm() {
  setWindowTitle(QStringLiteral("Make Slide Show File"));
  // A sizable border without a maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(Window_Chrome::Standard_Font());
  const Maker_Layout::Places& at = Maker_Layout::Design();

  Close_Btn = Window_Chrome::Exit_Button(*this, {315, 7605, 1410, 285});

  Music_Fra = new QGroupBox(QStringLiteral("Sound\\Music"), this);
  Music_Btn = new QPushButton(QStringLiteral("..."), Music_Fra);
  Music_Btn->setEnabled(false);
  Music_Btn->setToolTip(QStringLiteral("Choose the music file"));
  Music_Txt = new QLineEdit(Music_Fra);
  Music_Txt->setEnabled(false);
  Music_Chk = new Music_Button(Music_Fra);

  cmdDown = new QPushButton(this);
  cmdDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  cmdDown->setToolTip(QStringLiteral("Move the picture down"));
  cmdUp = new QPushButton(this);
  cmdUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  cmdUp->setToolTip(QStringLiteral("Move the picture up"));
  Add_Btn = new QPushButton(QStringLiteral("ADD"), this);

  Loop_Chk = new QCheckBox(QStringLiteral("Loop"), this);
  Loop_Chk->setGeometry(Twips(2970, 7650, 870, 195));
  Loop_Chk->setChecked(true);
  Loop_Chk->hide();
  Message_Chk = new QCheckBox(QStringLiteral("Message"), this);
  Message_Chk->setGeometry(Twips(1890, 7650, 1005, 240));
  Message_Chk->setChecked(true);
  Message_Chk->hide();
  Shuff_Chk = new QCheckBox(QStringLiteral("Shuffle"), this);
  Shuff_Chk->setGeometry(Twips(3915, 7650, 870, 240));
  Shuff_Chk->hide();

  Delay_Fra = new QGroupBox(QStringLiteral("Delay"), this);
  const auto delay = Window_Options::Make_Delay(*Delay_Fra);
  Delay_Scroll = delay.Delay_Scroll;
  Delay_Lbl = delay.Delay_Lbl;

  Colour_Fra = new QGroupBox(QStringLiteral("Background Colour"), this);
  Colour_Fra->setGeometry(at[Maker_Layout::Colour_Fra]);
  Picker = new Colour_Picker(Colour_Fra, Maker_Picker_Layout, false);

  Display_Fra = new QGroupBox(QStringLiteral("Display Mode"), this);
  const auto mode = Window_Options::Make_Display_Mode(*Display_Fra, 1860, 1400);
  Maintain_Opt = mode.Maintain_Opt;
  Strech_Opt = mode.Strech_Opt;
  Ratio_Chk = mode.Ratio_Chk;

  Check1 = new QCheckBox(QStringLiteral("Show Thumbnail"), this);
  Check1->setFont(Window_Chrome::Standard_Font());
  Check1->setChecked(true);

  Toolbar1 = new QToolBar(this);
  Toolbar1->setMovable(false);
  Toolbar1->setFloatable(false);
  Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  Toolbar1->setIconSize(QSize(16, 16));
  for (const Tool& t : Tools) {
    if (!t.key) {
      Toolbar1->addSeparator();
      continue;
    }
    const QString key = QString::fromLatin1(t.key);
    QAction* a = Toolbar1->addAction(style()->standardIcon(t.icon), key);
    a->setToolTip(QString::fromLatin1(t.tip));
    a->setCheckable(t.toggle);
    a->setShortcut(t.keys);
    a->setData(key);
    connect(a, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
  }

  List1 = new mdlSubclass::Drag_List(this);
  Dir1 = new Folder_List(this);
  Drive1 = new Drive_List(this);
  File1 = new QListWidget(this);
  File1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  Label2 = new QLabel(QStringLiteral("0"), this);
  // Any count is drawn whole: from a little after "Pictures Loaded:" (where a single digit stood
  // centred in the design's narrow box) to the right.
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label2->setIndent(General::Twips_To_Pixels(120));
  Label1 = new QLabel(QStringLiteral("Pictures Loaded:"), this);
  Image1 = new QLabel(this);
  Image1->setFrameStyle(QFrame::Box | QFrame::Plain);
  Image1->setScaledContents(true);  // stretched to the box, both ways
  Image2 = new QLabel(this);
  Image2->setFrameStyle(QFrame::Box | QFrame::Plain);

  // Tab order: the folder, the files, the options, the picture list.
  Window_Options::Tab_Order({Drive1, Dir1, File1, Add_Btn, Maintain_Opt, Strech_Opt, Ratio_Chk,
                             Delay_Scroll, Music_Chk, Music_Txt, Music_Btn, List1, cmdUp, cmdDown,
                             Check1});

  connect(Close_Btn, &QPushButton::clicked, this, &QWidget::close);
  connect(Add_Btn, &QPushButton::clicked, this, &Maker_Frm::Add_Btn_Click);
  connect(File1, &QListWidget::itemDoubleClicked, this, &Maker_Frm::File1_DblClick);
  connect(File1, &QListWidget::currentItemChanged, this, &Maker_Frm::File1_Click);
  connect(List1, &QListWidget::itemDoubleClicked, this, &Maker_Frm::List1_DblClick);
  connect(List1, &QListWidget::itemSelectionChanged, this, &Maker_Frm::List1_Click);
  connect(List1, &mdlSubclass::Drag_List::Selected_Entry_Pressed, this, &Maker_Frm::List1_Click);
  connect(cmdUp, &QPushButton::clicked, this, &Maker_Frm::cmdUp_Click);
  connect(cmdDown, &QPushButton::clicked, this, &Maker_Frm::cmdDown_Click);
  connect(Check1, &QCheckBox::clicked, this, &Maker_Frm::Check1_Click);
  connect(Delay_Scroll, &QScrollBar::valueChanged, this, &Maker_Frm::Show_Delay);
  connect(Maintain_Opt, &QRadioButton::toggled, this, &Maker_Frm::Option_Click);
  connect(Strech_Opt, &QRadioButton::toggled, this, &Maker_Frm::Option_Click);
  connect(Music_Chk, &QPushButton::clicked, this, &Maker_Frm::Music_Chk_Click);
  connect(Music_Btn, &QPushButton::clicked, this, &Maker_Frm::Music_Btn_Click);
  connect(Drive1, &Drive_List::Change, this, &Maker_Frm::Drive1_Change);
  connect(Dir1, &Folder_List::Change, this, &Maker_Frm::Dir1_Change);
  File1->installEventFilter(this);
  List1->installEventFilter(this);

  resize(Maker_Layout::Design_Outer_Width() - Window_Options::Sizable_Frame.width(),
         Twips(0, 0, 0, 7215).height());
  Fit_Toolbar();
  Music_Chk_Click();
  Show_Delay();
}

void Maker_Frm::Form_Load() {
  using namespace Settings;
  Restore_Window_Size();
  Window_Chrome::Centre_On_Screen(*this, Window_Options::Outer_Size(*this));
  Image2->hide();
  Init_DragList();
  // Each control takes its value as it would from the user: the label, the enabled state, the
  // toolbar's buttons, the thumbnail box.
  (Get_Truth(Maker_Display_Mode) ? Maintain_Opt : Strech_Opt)->setChecked(true);
  Option_Click();
  Ratio_Chk->setChecked(Get_Whole(Maker_Keep_Ratio) != 0);
  Delay_Scroll->setValue(std::clamp<int>(Get_Whole(Maker_Delay), 0, 60));
  Show_Delay();
  Picker->Save_Colour->Set_BackColor(Window_Options::Saved_Colour(Maker_Colour));
  Loop_Chk->setChecked(Get_Whole(Maker_Loop) != 0);
  Set_Button(1, Loop_Chk);
  Shuff_Chk->setChecked(Get_Whole(Maker_Shuffle) != 0);
  Set_Button(2, Shuff_Chk);
  Message_Chk->setChecked(Get_Whole(Maker_Pause_Message) != 0);
  Set_Button(3, Message_Chk);
  Check1->setChecked(Get_Whole(Preview) != 0);
  Check1_Click();
  Window_Options::Restore_Folder(*Drive1, *Dir1, Settings::Maker_Drive, Settings::Maker_Path);
  Dir1_Change();
  Update_Count();
}

void Maker_Frm::Restore_Window_Size() {
  Window_Options::Restore_Window_Size(*this, Settings::MakerX, Settings::MakerY);
}

void Maker_Frm::Init_DragList() { List1->Make_Drag_List(true); }

void Maker_Frm::Save_Settings() {
  using namespace Settings;
  Save_Truth(Maker_Display_Mode, Maintain_Opt->isChecked());
  Save_Whole(Maker_Keep_Ratio, Ratio_Chk->isChecked() ? 1 : 0);
  Save_Whole(Maker_Delay, static_cast<std::int16_t>(Delay_Scroll->value()));
  Save_Colour(Maker_Colour, Picker->Save_Colour->BackColor());
  Save_Whole(Maker_Loop, Loop_Chk->isChecked() ? 1 : 0);
  Save_Whole(Maker_Shuffle, Shuff_Chk->isChecked() ? 1 : 0);
  Save_Whole(Maker_Pause_Message, Message_Chk->isChecked() ? 1 : 0);
  Save_Whole(Preview, Check1->isChecked() ? 1 : 0);
  Save_Text(Maker_Drive, Drive1->Drive());
  Save_Text(Maker_Path, Dir1->Path());
  Window_Options::Save_Window_Size(*this, MakerX, MakerY);
}

void Maker_Frm::Update_Count() { Label2->setText(QString::number(List1->count())); }

ShowFile::Options Maker_Frm::Show_Options() const {
  return Window_Options::Options_Of(*this, Music_Txt->text());
}

QStringList Maker_Frm::Entries() const {
  QStringList entries;
  entries.reserve(List1->count());
  for (int i = 0; i < List1->count(); ++i) entries << List1->item(i)->text();
  return entries;
}

// ---- saving and loading ----

bool Maker_Frm::Save_File(bool preview) {
  if (List1->count() == 0) {
    Services::MsgBox().MsgBox(QStringLiteral("NO FILES!!!"), Platform::vbExclamation,
                              QStringLiteral("ERROR"));
    return false;
  }
  QString target;
  if (preview) {
    target = General::Preview_File_Path();
    Dialog1.FileName(target);
  } else {
    try {
      Dialog1.FileName(QString());
      Dialog1.DialogTitle(QStringLiteral("Save Slide Show File"));
      Dialog1.Filter(QStringLiteral("Slide Show Files (*.sli)|*.sli"));
      Dialog1.ShowSave();
    } catch (const Platform::Dialog_Error&) {
      Services::MsgBox().MsgBox(QStringLiteral("Error Saving!"), Platform::vbCritical, Title);
      return false;
    }
    const QString chosen = Dialog1.FileName();
    if (chosen.isEmpty()) return false;  // cancelled
    target = Maker_File::Save_Target(chosen);
    // The dialog asked about replacing the name the user typed, not the one with ".sli" added.
    if (target != chosen && QFileInfo::exists(target)) {
      const int answer = Services::MsgBox().MsgBox(
          target + QStringLiteral("\r\nalready exists. Do you want to replace it?"),
          Platform::vbYesNo | Platform::vbQuestion, Title);
      if (answer != Platform::vbYes) return false;
    }
    Dialog1.FileName(target);
  }
  if (!ShowFile::Write(Services::Disk(), target, Show_Options(), Entries())) {
    Services::MsgBox().MsgBox(QStringLiteral("Error Saving!"), Platform::vbCritical, Title);
    return false;
  }
  if (preview) return true;
  saved_entries_ = Entries();
  const int answer = Services::MsgBox().MsgBox(
      QStringLiteral("Successfully saved file...\r\n\r\n") + target +
          QStringLiteral("\r\n\r\nWould you like to run this Slide Show now?"),
      Platform::vbYesNo | Platform::vbQuestion, Title);
  if (answer == Platform::vbYes) {
    // The close saves the settings and shows the main menu; a close under way plays it after.
    if (closing_) {
      play_after_close_ = target;
      return true;
    }
    close();
    Services::Navigator().Play(target, Platform::Show_Origin::Maker);
  }
  return true;
}

void Maker_Frm::Load_File() {
  if (List1->count() > 0) {
    const int answer = Services::MsgBox().MsgBox(
        QStringLiteral("Do you want to save the current Slide Show first?"),
        Platform::vbYesNoCancel | Platform::vbQuestion, Title);
    if (answer == Platform::vbCancel) return;
    if (answer == Platform::vbYes) {
      // The save only: the user starts the load again.
      Save_File(false);
      return;
    }
  }
  try {
    Dialog1.FileName(QString());
    Dialog1.DialogTitle(QStringLiteral("Load Slide Show File"));
    Dialog1.Filter(QStringLiteral("Slide Show Files (*.sli)|*.sli|All Files (*.*)|*.*"));
    Dialog1.ShowOpen();
  } catch (const Platform::Dialog_Error&) {
    Services::MsgBox().MsgBox(QStringLiteral("Error Loading in File!"), Platform::vbCritical, Title);
    return;
  }
  const QString path = Dialog1.FileName();
  if (path.isEmpty()) return;  // cancelled
  List1->clear();
  Reader reader(*this);
  const ShowFile::Scan_Result result = ShowFile::Read(path, reader);
  // A failed load keeps what it read so far: the entries and the options applied.
  if (!result.ok())
    Services::MsgBox().MsgBox(QStringLiteral("Error Loading in File!"), Platform::vbCritical, Title);
  saved_entries_ = Entries();
  Update_Count();
}

bool Maker_Frm::Keep_Open() {
  // A list built since the last save or load is not thrown away unasked.
  if (List1->count() == 0 || Entries() == saved_entries_) return false;
  const int answer = Services::MsgBox().MsgBox(
      QStringLiteral("Do you want to save the current Slide Show first?"),
      Platform::vbYesNoCancel | Platform::vbQuestion, Title);
  if (answer == Platform::vbCancel) return true;
  // A save that was cancelled or failed keeps the list, and the window with it.
  return answer == Platform::vbYes && !Save_File(false);
}

// ---- the toolbar and the options ----

QAction* Maker_Frm::Button(int index) const {
  const QList<QAction*> actions = Toolbar1->actions();
  return index >= 1 && index <= actions.size() ? actions[index - 1] : nullptr;
}

void Maker_Frm::Set_Button_Down(int button) {
  if (QAction* a = Button(button)) a->setChecked(true);
}

void Maker_Frm::Set_Button_Up(int button) {
  if (QAction* a = Button(button)) a->setChecked(false);
}

void Maker_Frm::Set_Button(int button, const QCheckBox* box) {
  box->isChecked() ? Set_Button_Down(button) : Set_Button_Up(button);
}

void Maker_Frm::Toolbar1_ButtonClick(const QString& key) {
  auto flip = [](QCheckBox* box) { box->setChecked(!box->isChecked()); };
  if (key == QLatin1String("Shuffle")) {
    flip(Shuff_Chk);
  } else if (key == QLatin1String("Message")) {
    flip(Message_Chk);
  } else if (key == QLatin1String("Loop")) {
    flip(Loop_Chk);
  } else if (key == QLatin1String("Preview")) {
    // The player starts only on a preview file that was written whole.
    if (!Save_File(true)) return;
    Services::Navigator().Play(General::Preview_File_Path(), Platform::Show_Origin::Maker_Preview);
  } else if (key == QLatin1String("Clear")) {
    const int answer = Services::MsgBox().MsgBox(
        QStringLiteral("Do you really want to remove all the files from the loaded images list?"),
        Platform::vbYesNoCancel | Platform::vbQuestion, Title);
    if (answer == Platform::vbCancel || answer == Platform::vbNo) return;
    List1->clear();
    Update_Count();
  } else if (key == QLatin1String("Save")) {
    Save_File(false);
  } else if (key == QLatin1String("Load")) {
    Load_File();
  }
}

void Maker_Frm::Show_Delay() { Window_Options::Show_Delay(*Delay_Scroll, *Delay_Lbl); }

void Maker_Frm::Option_Click() { Ratio_Chk->setEnabled(Strech_Opt->isChecked()); }

void Maker_Frm::Music_Chk_Click() {
  const bool on = Music_Chk->isChecked();
  Music_Txt->setEnabled(on);
  Music_Btn->setEnabled(on);
  QPalette p = Music_Txt->palette();
  p.setColor(QPalette::Base, Platform::Colour_Of(on ? Window_Background : Button_Face));
  Music_Txt->setPalette(p);
}

void Maker_Frm::Music_Btn_Click() {
  Dialog1.FileName(QString());
  Dialog1.DialogTitle(QStringLiteral("Load Music File"));
  Dialog1.Filter(QStringLiteral(
      "All Supported Files (*.mp3,*.wav,*.mid)|*.mp3;*.wav;*.mid|All Files (*.*)|*.*"));
  try {
    Dialog1.ShowOpen();
  } catch (const Platform::Dialog_Error&) {
    return;
  }
  if (!Dialog1.FileName().isEmpty()) Music_Txt->setText(Dialog1.FileName());
}

// ---- the lists ----

QString Maker_Frm::File1_Current() const {
  const QListWidgetItem* item = File1->currentItem();
  return item ? item->text() : QString();
}

void Maker_Frm::Add_Btn_Click() {
  for (int i = 0; i < File1->count(); ++i) {
    if (!File1->item(i)->isSelected()) continue;
    Text1 = General::Join_Path(Dir1->Path(), File1->item(i)->text());
    List1->addItem(Text1);
    Update_Count();
  }
}

void Maker_Frm::File1_DblClick() {
  const QString name = File1_Current();
  if (name.isEmpty()) return;
  Text1 = General::Join_Path(Dir1->Path(), name);
  List1->addItem(Text1);
  Update_Count();
}

void Maker_Frm::List1_DblClick() {
  const int i = mdlDragList::Selected_Index(*List1);
  if (i < 0) return;
  const int answer = Services::MsgBox().MsgBox(
      QStringLiteral("Do you really want to remove the file..\r\n\r\n") + List1->item(i)->text() +
          QStringLiteral("\r\n\r\nfrom the loaded images list?"),
      Platform::vbYesNoCancel | Platform::vbQuestion, Title);
  if (answer != Platform::vbYes) return;
  delete List1->takeItem(i);
  Update_Count();
}

void Maker_Frm::cmdUp_Click() {
  if (List1->count() == 0 || mdlDragList::Selected_Index(*List1) < 0) return;
  mdlDragList::Move_Item_Up(*List1);
}

void Maker_Frm::cmdDown_Click() {
  if (List1->count() == 0 || mdlDragList::Selected_Index(*List1) < 0) return;
  mdlDragList::Move_Item_Down(*List1);
}

void Maker_Frm::File1_Click() {
  if (!Check1->isChecked()) return;
  const QString name = File1_Current();
  Text1 = General::Join_Path(Dir1->Path(), name);
  if (!name.isEmpty()) Load_Thumbnail(Text1);
}

void Maker_Frm::List1_Click() {
  if (!Check1->isChecked()) return;
  const int i = mdlDragList::Selected_Index(*List1);
  Text1 = i >= 0 ? List1->item(i)->text() : QString();
  Load_Thumbnail(Text1);
}

void Maker_Frm::Check1_Click() {
  if (Check1->isChecked()) {
    Image2->hide();
    Image1->show();
    File1_Click();
  } else {
    Image1->hide();
    Image2->show();
  }
}

void Maker_Frm::Load_Thumbnail(const QString& path) {
  if (path.isEmpty()) {
    Image1->clear();
    return;
  }
  // Decoded at the box's size: a large photo costs little more than a small one. A file that is
  // not a readable picture leaves the box empty.
  const QImage image =
      Services::Pictures().Load(path, Platform::Decode_Request{Image1->contentsRect().size(), {}});
  if (image.isNull()) {
    Image1->clear();
  } else {
    Image1->setPixmap(QPixmap::fromImage(image));
  }
}

QImage Maker_Frm::Thumbnail() const {
  const QPixmap p = Image1->pixmap();
  return p.isNull() ? QImage() : p.toImage();
}

void Maker_Frm::Drive1_Change() {
  if (Dir1->Set_Path(Drive1->Drive())) return;
  Services::MsgBox().MsgBox(QStringLiteral("Invaild drive ") + Drive1->Drive() + QStringLiteral("."),
                            Platform::vbCritical, QStringLiteral("ERROR"));
}

void Maker_Frm::Dir1_Change() {
  const QSignalBlocker block(File1);
  File1->clear();
  File1->addItems(Folder_Lists::Picture_Files(Dir1->Files()));
  File1->setCurrentRow(-1);
}

// ---- the window ----

bool Maker_Frm::eventFilter(QObject* watched, QEvent* event) {
  // At most one of the two lists shows a selection: the one being worked in.
  if (event->type() == QEvent::FocusIn) {
    if (watched == File1) {
      List1->clearSelection();
    } else if (watched == List1) {
      File1->setCurrentRow(-1);
      File1->clearSelection();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Maker_Frm::keyPressEvent(QKeyEvent* event) {
  if (Window_Chrome::Esc_Clicks(*event, *Close_Btn)) return;
  QWidget::keyPressEvent(event);
}

void Maker_Frm::Fit_Toolbar() {
  // The toolbar's height and its buttons' widths depend on the desktop's style and fonts: the
  // controls below it move down with it, and the window is at least as wide as its buttons.
  const QSize hint = Toolbar1->sizeHint();
  Toolbar1->setGeometry(0, 0, std::max(width(), hint.width()), hint.height());
  if (Toolbar1->layout()) Toolbar1->layout()->activate();
  int right = hint.width();
  if (QWidget* last = Toolbar1->widgetForAction(Button(10))) right = last->geometry().right() + 1;
  shift_ = Maker_Layout::Shift(hint.height());
  min_outer_width_ = Maker_Layout::Min_Outer_Width(right);
  const QSize frame = Window_Options::Sizable_Frame;
  const int height = Maker_Layout::Outer_Height(shift_) - frame.height();
  setMinimumSize(min_outer_width_ - frame.width(), height);
  setMaximumHeight(height);
  resize(std::max(width(), min_outer_width_ - frame.width()), height);
  Arrange();
}

void Maker_Frm::Arrange() {
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const int outer_width = width() + Window_Options::Sizable_Frame.width();
  const Maker_Layout::Places p = Maker_Layout::Arrange(outer_width, shift_);
  Toolbar1->setGeometry(0, 0, std::max(width(), Toolbar1->sizeHint().width()),
                        Toolbar1->sizeHint().height());
  namespace L = Maker_Layout;
  const std::pair<QWidget*, L::Control> places[] = {
      {Music_Fra, L::Music_Fra},
      {Music_Btn, L::Music_Btn},
      {Music_Txt, L::Music_Txt},
      {Music_Chk, L::Music_Chk},
      {cmdDown, L::cmdDown},
      {cmdUp, L::cmdUp},
      {Add_Btn, L::Add_Btn},
      {Delay_Fra, L::Delay_Fra},
      {Delay_Scroll, L::Delay_Scroll},
      {Delay_Lbl, L::Delay_Lbl},
      {Colour_Fra, L::Colour_Fra},
      {Display_Fra, L::Display_Fra},
      {Check1, L::Check1},
      {List1, L::List1},
      {Dir1, L::Dir1},
      {Drive1, L::Drive1},
      {File1, L::File1},
      {Label2, L::Label2},
      {Label1, L::Label1},
      {Image1, L::Image1},
      {Image2, L::Image2},
  };

  for (const auto& [widget, control] : places) widget->setGeometry(p[control]);
}

void Maker_Frm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Arrange();
}

void Maker_Frm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Fit_Toolbar();
}

void Maker_Frm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Fit_Toolbar();
}

void Maker_Frm::closeEvent(QCloseEvent* event) {
  closing_ = true;
  const bool keep = Keep_Open();
  closing_ = false;
  if (keep) {
    event->ignore();
    return;
  }
  Save_Settings();
  List1->Make_Drag_List(false);
  event->accept();
  // The main menu comes back (loaded afresh when it was closed) before this window is gone.
  Services::Navigator().Show(Platform::Window::Menu);
  // The show saved on the way out, when the user chose to run it.
  if (!play_after_close_.isEmpty())
    Services::Navigator().Play(std::exchange(play_after_close_, {}), Platform::Show_Origin::Maker);
}
