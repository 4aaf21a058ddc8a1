#include "search/search_frm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include "core/general/general.h"
#include "core/show_file/show_file.h"
#include "platform/general.h"
#include "platform/services.h"
#include "widgets/window_chrome.h"

using General::Twips_To_Pixels;
using Platform::Services;

namespace {

using General::Twips;

// The label and the bar show the walk's progress at most this often (milliseconds), so that the
// walk never waits on the screen.
constexpr qint64 Paint_Interval = 40;

}  // namespace

Search_Frm::Search_Frm() {
  setWindowTitle(QStringLiteral("Searching Subfolders"));
  // A fixed border with a close box only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFont(Window_Chrome::Standard_Font());

  Frame1 = new QGroupBox(QStringLiteral("Directory Depth"), this);
  Frame1->setGeometry(Twips(45, 90, 6180, 690));
  Search_Bar = new QProgressBar(Frame1);
  Search_Bar->setGeometry(Twips(90, 315, 6000, 240));
  Search_Bar->setRange(0, 100);
  Search_Bar->setValue(0);
  Search_Bar->setTextVisible(false);
  Frame2 = new QGroupBox(QStringLiteral("Current Directory"), this);
  Frame2->setGeometry(Twips(45, 855, 6180, 690));
  Label1 = new QLabel(Frame2);
  Label1->setGeometry(Twips(135, 315, 5955, 240));
  Label1->setTextFormat(Qt::PlainText);
  Close_Btn = Window_Chrome::Exit_Button(*this, {45, 1800, 1725, 285});
  connect(Close_Btn, &QPushButton::clicked, this, &Search_Frm::Close_Btn_Click);

  Trigger_Timer.setSingleShot(true);
  Trigger_Timer.setInterval(100);
  connect(&Trigger_Timer, &QTimer::timeout, this, &Search_Frm::Trigger_Timer_Timer);

  setFixedSize(Twips_To_Pixels(Client_Width), Twips_To_Pixels(Client_Height));
}

void Search_Frm::Form_Load() {
  Window_Chrome::Centre_On_Screen(*this, size());
  StopRequested = false;
}

void Search_Frm::Start(const QString& folder, Platform::Show_Origin origin) {
  Dir_Txt = folder;
  Origin = origin;
  show();
}

void Search_Frm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The walk starts once, a moment after the window is on screen.
  if (!started_) {
    started_ = true;
    Trigger_Timer.start();
  }
}

void Search_Frm::Trigger_Timer_Timer() {
  Trigger_Timer.stop();
  Search_Folders();
}

void Search_Frm::Dir1_Change(const QString& folder) {
  shown_folder_ = folder;
  Show_Progress(false);
}

void Search_Frm::Show_Progress(bool last) {
  // Painting every folder would make the walk wait on the screen: the label and the bar are
  // painted at most every Paint_Interval while the walk runs, and left at their last state after.
  if (!last && painted_.isValid() && painted_.elapsed() < Paint_Interval) return;
  painted_.start();
  Label1->setText(shown_folder_);
  Search_Bar->setMaximum(Bar_State.maximum);
  Search_Bar->setValue(Bar_State.value);
  if (!last && isVisible()) {
    Label1->repaint();
    Search_Bar->repaint();
  }
}

void Search_Frm::Search_Folders() {
  List1.clear();
  Bar_State = {Search_Bar->maximum(), Search_Bar->value()};
  // The window may be closed by the program while the walk lets events through: the walk then
  // ends without touching it.
  QPointer<Search_Frm> self(this);
  Folder_Walk::Hooks hooks;
  hooks.Dir1_Change = [self](const QString& folder) {
    if (self) self->Dir1_Change(folder);
  };
  hooks.Get_Files = [self] {
    if (self) self->Get_Files();
  };
  hooks.Stop_Requested = [self] { return !self || self->StopRequested || self->closed_; };
  Folder_Walk::Walker walk(Services::Directories());
  walk_ = &walk;
  const Folder_Walk::End end = walk.Search_Folders(Dir_Txt, hooks);
  if (!self) return;
  walk_ = nullptr;
  if (closed_) return;
  Show_Progress(true);
  if (end == Folder_Walk::End::Stopped || StopRequested) {
    Stopped(0);
    return;
  }
  // Finish.
  if (!Save_Temp_File()) return;
  close();
  Services::Navigator().Play(General::Run_File_Path(), Origin);
}

void Search_Frm::Get_Files() {
  QPointer<Search_Frm> self(this);
  Show_Progress(false);
  QCoreApplication::processEvents();
  if (!self || closed_ || !walk_) return;
  const QString& folder = walk_->Dir1();
  for (const QString& name : walk_->File1()) List1.push_back(General::Join_Path(folder, name));
  Bar_State = Search_Bar_Rule::Step(Bar_State.value, walk_->Depth());
}

bool Search_Frm::Save_Temp_File() {
  if (List1.isEmpty()) {
    Services::MsgBox().MsgBox(
        QStringLiteral("No vaild images found (e.g. *.bmp, *.jpg or *.gif) in Directory!"),
        Platform::vbExclamation, QStringLiteral("Vistabel"));
    // Started from the maker's preview: back to the maker, whose list may not be saved yet.
    if (Origin == Platform::Show_Origin::Maker_Preview) {
      close();
      Services::Navigator().Show_Ended(Origin);
      return false;
    }
    General::End_Program(1);
    return false;
  }
  // The folder window's options: the open window's, or as the settings hold them.
  const ShowFile::Options options = Services::Navigator().Folder_Options();
  const QString run_file = General::Run_File_Path();
  if (!ShowFile::Write(Services::Disk(), run_file, options, List1)) {
    Services::MsgBox().MsgBox(QStringLiteral("Could not write the file\r\n\r\n") + run_file,
                              Platform::vbCritical, QStringLiteral("Slide Show"));
    Stopped(1);
    return false;
  }
  return true;
}

void Search_Frm::Stopped(int exit_code) {
  close();
  if (Origin == Platform::Show_Origin::Command_Line) {
    General::End_Program(exit_code);
    return;
  }
  Services::Navigator().Show(Platform::Window::Folder_Window);
}

void Search_Frm::keyPressEvent(QKeyEvent* event) {
  if (Window_Chrome::Esc_Clicks(*event, *Close_Btn)) return;
  QWidget::keyPressEvent(event);
}

void Search_Frm::closeEvent(QCloseEvent* event) {
  if (event->spontaneous()) {
    // The close box asks the search to stop; the search closes the window itself.
    StopRequested = true;
    event->ignore();
    return;
  }
  Trigger_Timer.stop();
  closed_ = true;
  event->accept();
}
