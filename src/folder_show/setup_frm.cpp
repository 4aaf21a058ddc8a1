#include "folder_show/setup_frm.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <algorithm>

#include "core/folders/folder_lists.h"
#include "core/general/general.h"
#include "core/layout/setup_layout.h"
#include "core/settings/settings.h"
#include "platform/services.h"
#include "widgets/window_chrome.h"
#include "widgets/window_options.h"

using General::Twips_To_Pixels;
using Platform::Services;

namespace {

using General::Twips;

// The outer width in twips of a window whose client area is `client_width` pixels wide.
int Outer_Width_Twips(int client_width) {
  return (client_width + Window_Options::Sizable_Frame.width()) * General::Twips_Per_Pixel;
}

int Client_Pixels(int outer_twips, int frame_pixels) {
  return Twips_To_Pixels(outer_twips) - frame_pixels;
}

}  // namespace

Setup_Frm::Setup_Frm() {
  setWindowTitle(QStringLiteral("Slide Show from Folder"));
  // A sizable border without a maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(Window_Chrome::Standard_Font());

  Close_Btn = Window_Chrome::Exit_Button(*this, {1440, 6075, 1725, 285});
  Music_Chk = new Music_Button(this);
  Music_Chk->setGeometry(Twips(4905, 5175, 420, 420));
  Message_Chk = new QCheckBox(QStringLiteral("Display Pause Message"), this);
  Message_Chk->setGeometry(Twips(3240, 4860, 2040, 240));
  Loop_Chk = new QCheckBox(QStringLiteral("Loop"), this);
  Loop_Chk->setGeometry(Twips(4410, 4500, 735, 240));
  Shuff_Chk = new QCheckBox(QStringLiteral("Shuffle"), this);
  Shuff_Chk->setGeometry(Twips(3375, 4500, 870, 240));
  Run_btn = new QPushButton(QStringLiteral("Run Slide Show"), this);
  Run_btn->setGeometry(Twips(90, 5175, 4740, 420));
  Run_btn->setDefault(true);
  Run_btn->setAutoDefault(true);

  Display_Fra = new QGroupBox(QStringLiteral("Display Mode"), this);
  Display_Fra->setGeometry(Twips(3150, 135, 2130, 1455));
  const auto mode = Window_Options::Make_Display_Mode(*Display_Fra, 1725, 1230);
  Maintain_Opt = mode.Maintain_Opt;
  Strech_Opt = mode.Strech_Opt;
  Ratio_Chk = mode.Ratio_Chk;

  Colour_Fra = new QGroupBox(QStringLiteral("Background Colour"), this);
  Colour_Fra->setGeometry(Twips(3150, 2925, 2130, 1455));
  Picker = new Colour_Picker(Colour_Fra, Colour_Picker::Setup_Layout, true);

  Delay_Fra = new QGroupBox(QStringLiteral("Delay"), this);
  Delay_Fra->setGeometry(Twips(3150, 1710, 2130, 1095));
  const auto delay = Window_Options::Make_Delay(*Delay_Fra);
  Delay_Scroll = delay.Delay_Scroll;
  Delay_Lbl = delay.Delay_Lbl;
  Delay_Scroll->setGeometry(Twips(135, 630, 1860, 285));
  Delay_Lbl->setGeometry(Twips(630, 270, 870, 285));

  Main_Fra = new QGroupBox(QStringLiteral("Select Folder"), this);
  Main_Fra->setGeometry(Twips(90, 135, 2985, 4920));
  Dir1 = new Folder_List(Main_Fra);
  Dir1->setGeometry(Twips(90, 1080, 2805, 3465));
  Subs_Chk = new QCheckBox(QStringLiteral("Include Subfolders"), Main_Fra);
  Subs_Chk->setGeometry(Twips(315, 765, 1725, 240));
  Drive1 = new Drive_List(Main_Fra);
  Drive1->setGeometry(Twips(90, 315, 2805, 315));
  Num_Files_Lbl = new QLabel(QStringLiteral("Number of Files: 0"), Main_Fra);
  Num_Files_Lbl->setGeometry(Twips(90, 4590, 2805, 240));
  Num_Files_Lbl->setAlignment(Qt::AlignCenter);

  // Tab order: the folder first, then the options, then the button.
  Window_Options::Tab_Order({Drive1, Subs_Chk, Dir1, Maintain_Opt, Strech_Opt, Ratio_Chk,
                             Delay_Scroll, Shuff_Chk, Loop_Chk, Message_Chk, Run_btn, Music_Chk});

  connect(Close_Btn, &QPushButton::clicked, this, &QWidget::close);
  connect(Run_btn, &QPushButton::clicked, this, &Setup_Frm::Run_btn_Click);
  connect(Delay_Scroll, &QScrollBar::valueChanged, this, &Setup_Frm::Show_Delay);
  connect(Maintain_Opt, &QRadioButton::toggled, this, &Setup_Frm::Option_Click);
  connect(Strech_Opt, &QRadioButton::toggled, this, &Setup_Frm::Option_Click);
  connect(Subs_Chk, &QCheckBox::clicked, this, &Setup_Frm::Subs_Chk_Click);
  connect(Music_Chk, &Music_Button::Released_Inside, this, &Setup_Frm::Music_Chk_MouseUp);
  connect(Drive1, &Drive_List::Change, this, &Setup_Frm::Drive1_Change);
  connect(Dir1, &Folder_List::Change, this, &Setup_Frm::Dir1_Change);

  // The client area shows the controls down to the run button; its height never changes.
  const int client_height = Twips_To_Pixels(Client_Height);
  setMinimumSize(Client_Pixels(Setup_Layout::Outer_Width_Min, Window_Options::Sizable_Frame.width()),
                 client_height);
  setMaximumHeight(client_height);
  resize(Twips_To_Pixels(Client_Width), client_height);
  Show_Delay();
}

void Setup_Frm::Form_Load() {
  using namespace Settings;
  Restore_Window_Size();
  Window_Chrome::Centre_On_Screen(*this, Window_Options::Outer_Size(*this));
  // Each control takes its value as it would from the user: the label, the enabled state.
  (Get_Truth(Display_Mode) ? Maintain_Opt : Strech_Opt)->setChecked(true);
  Option_Click();
  Ratio_Chk->setChecked(Get_Whole(Keep_Ratio) != 0);
  Delay_Scroll->setValue(Get_Whole(Delay));
  Show_Delay();
  Loop_Chk->setChecked(Get_Whole(Loop) != 0);
  Shuff_Chk->setChecked(Get_Whole(Shuffle) != 0);
  Message_Chk->setChecked(Get_Whole(Pause_Message) != 0);
  Subs_Chk->setChecked(Get_Whole(Sub_Dirs) != 0);
  Picker->Save_Colour->Set_BackColor(Window_Options::Saved_Colour(Colour));
  Music_Chk->setChecked(Get_Whole(UseMusic) != 0);
  General::MusicPath = Get_Text(MusicPath);
  Window_Options::Restore_Folder(*Drive1, *Dir1, Settings::Drive, Settings::Path);
  Dir1_Change();
}

void Setup_Frm::Restore_Window_Size() {
  Window_Options::Restore_Window_Size(*this, Settings::WindowX, Settings::WindowY);
}

void Setup_Frm::Save_Settings() {
  using namespace Settings;
  Save_Truth(Display_Mode, Maintain_Opt->isChecked());
  Save_Whole(Keep_Ratio, Ratio_Chk->isChecked() ? 1 : 0);
  Save_Whole(Delay, static_cast<std::int16_t>(Delay_Scroll->value()));
  Save_Whole(Loop, Loop_Chk->isChecked() ? 1 : 0);
  Save_Whole(Shuffle, Shuff_Chk->isChecked() ? 1 : 0);
  Save_Whole(Pause_Message, Message_Chk->isChecked() ? 1 : 0);
  Save_Whole(Sub_Dirs, Subs_Chk->isChecked() ? 1 : 0);
  Save_Colour(Colour, Picker->Save_Colour->BackColor());
  Save_Text(Drive, Drive1->Drive());
  Save_Text(Path, Dir1->Path());
  Save_Whole(UseMusic, Music_Chk->isChecked() ? 1 : 0);
  Save_Text(MusicPath, General::MusicPath);
  Window_Options::Save_Window_Size(*this, WindowX, WindowY);
}

ShowFile::Options Setup_Frm::Run_Options() const {
  return Window_Options::Options_Of(*this, General::MusicPath);
}

void Setup_Frm::Show_Delay() { Window_Options::Show_Delay(*Delay_Scroll, *Delay_Lbl); }

// ---- events ----

void Setup_Frm::Option_Click() { Ratio_Chk->setEnabled(Strech_Opt->isChecked()); }

void Setup_Frm::Drive1_Change() {
  if (Dir1->Set_Path(Drive1->Drive())) return;
  Services::MsgBox().MsgBox(QStringLiteral("Drive ") + Drive1->Drive() +
                                QStringLiteral(" is not available!"),
                            Platform::vbCritical, QStringLiteral("Invaild Drive"));
}

void Setup_Frm::Dir1_Change() {
  File1 = Folder_Lists::Picture_Files(Dir1->Files());
  Num_Files_Lbl->setText(QStringLiteral("Number of Files: ") + QString::number(File1.size()));
}

void Setup_Frm::Subs_Chk_Click() {
  Num_Files_Lbl->setText((Subs_Chk->isChecked() ? QStringLiteral("No. of Files in Root: ")
                                                : QStringLiteral("Number of Files: ")) +
                         QString::number(File1.size()));
}

void Setup_Frm::Music_Chk_MouseUp() {
  if (!Music_Chk->isChecked()) return;
  Dialog1.FileName(QString());
  Dialog1.DialogTitle(QStringLiteral("Load Music File"));
  Dialog1.Filter(QStringLiteral(
      "All Supported Files (*.mp3,*.wav,*.mid)|*.mp3;*.wav;*.mid|All Files (*.*)|*.*"));
  Dialog1.ShowOpen();
  if (!Dialog1.FileName().isEmpty()) General::MusicPath = Dialog1.FileName();
}

void Setup_Frm::Run_btn_Click() {
  Save_Settings();
  if (Subs_Chk->isChecked()) {
    // The whole tree: the search collects the pictures, even when this folder holds none.
    hide();
    Services::Navigator().Search(Dir1->Path(), Platform::Show_Origin::Folder_Window);
    return;
  }
  if (File1.isEmpty()) {
    Services::MsgBox().MsgBox(QStringLiteral("No Files in Directory!"), Platform::vbExclamation,
                              QStringLiteral("ERROR"));
    return;
  }
  QStringList pictures;
  pictures.reserve(File1.size());
  for (const QString& name : File1) pictures.push_back(General::Join_Path(Dir1->Path(), name));
  const QString run_file = General::Run_File_Path();
  if (!ShowFile::Write(Services::Disk(), run_file, Run_Options(), pictures)) {
    // No show starts; the window stays as it is.
    Services::MsgBox().MsgBox(QStringLiteral("Could not write the file\r\n\r\n") + run_file,
                              Platform::vbCritical, QStringLiteral("Slide Show"));
    return;
  }
  hide();
  Services::Navigator().Play(run_file, Platform::Show_Origin::Folder_Window);
}

// ---- the window ----

void Setup_Frm::keyPressEvent(QKeyEvent* event) {
  // Esc is the hidden Exit button's key, Enter the run button's (unless a focused button takes it).
  if (Window_Chrome::Esc_Clicks(*event, *Close_Btn)) return;
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    Run_btn->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Setup_Frm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Arrange();
}

void Setup_Frm::Arrange() {
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const Setup_Layout::Places p = Setup_Layout::Arrange(Outer_Width_Twips(width()));
  auto place = [](QWidget* w, int left_twips, int width_twips) {
    w->setGeometry(Twips_To_Pixels(left_twips), w->y(), Twips_To_Pixels(width_twips), w->height());
  };
  place(Display_Fra, p.Frame_Left, 2130);
  place(Delay_Fra, p.Frame_Left, 2130);
  place(Colour_Fra, p.Frame_Left, 2130);
  place(Main_Fra, 90, p.Main_Fra_Width);
  place(Dir1, 90, p.List_Width);
  place(Drive1, 90, p.List_Width);
  place(Num_Files_Lbl, 90, p.List_Width);
  place(Run_btn, 90, p.Run_btn_Width);
  place(Music_Chk, p.Music_Chk_Left, 420);
  place(Shuff_Chk, p.Shuff_Chk_Left, 870);
  place(Loop_Chk, p.Loop_Chk_Left, 735);
  place(Message_Chk, p.Message_Chk_Left, 2040);
  // A caption a little longer in this font than in the design may use the room up to the edge of
  // its frame or window.
  for (QWidget* w : {static_cast<QWidget*>(Maintain_Opt), static_cast<QWidget*>(Strech_Opt),
                     static_cast<QWidget*>(Ratio_Chk), static_cast<QWidget*>(Message_Chk),
                     static_cast<QWidget*>(Loop_Chk), static_cast<QWidget*>(Shuff_Chk),
                     static_cast<QWidget*>(Subs_Chk)}) {
    const int room = w->parentWidget()->width() - 3 - w->x();
    const int wanted = std::min(w->sizeHint().width(), room);
    if (wanted > w->width()) w->resize(wanted, w->height());
  }
}

void Setup_Frm::closeEvent(QCloseEvent* event) {
  Save_Settings();
  event->accept();
  // The main menu comes back (loaded afresh when it was closed) before this window is gone.
  Services::Navigator().Show(Platform::Window::Menu);
}
