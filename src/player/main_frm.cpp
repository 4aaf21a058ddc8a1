#include "player/main_frm.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QResizeEvent>
#include <QScreen>

#include "core/colour/colours.h"
#include "core/decode/decode_plan.h"
#include "core/general/general.h"
#include "core/play/form_ratio.h"
#include "core/play/shuffle.h"
#include "core/show_file/show_file.h"
#include "core/show_file/show_paths.h"
#include "platform/general.h"
#include "player/mouse.h"
#include "player/picture_box.h"

using Platform::Services;

namespace {

// The window's normal (not full-screen) client size, 7065 x 5310 twips.
const QSize kNormalSize(General::Twips_To_Pixels(7065), General::Twips_To_Pixels(5310));

// Receives the show file's options and pictures for the player.
class Player_Reader final : public ShowFile::Sink {
 public:
  explicit Player_Reader(Main_Frm& f) : frm(f) {}
  void Flag(ShowFile::Key key, bool on) override {
    switch (key) {
      case ShowFile::Key::Strech: frm.StrechOn = on; break;
      case ShowFile::Key::Ratio: frm.RatioOn = on; break;
      case ShowFile::Key::Shuff: frm.ShuffleOn = on; break;
      case ShowFile::Key::Loop: frm.LoopOn = on; break;
      case ShowFile::Key::Message: frm.MessageOn = on; break;
      case ShowFile::Key::UseMusic: General::UseMusic = on ? 1 : 0; break;
      default: break;
    }
  }
  bool Number(ShowFile::Key key, const QString& value) override {
    if (key == ShowFile::Key::Delay) {
      const auto ms = ShowFile::Delay_Milliseconds(value);
      if (!ms) return false;
      frm.Timer1_Interval = *ms;
      return true;
    }
    const auto colour = ShowFile::Colour_Value(value);
    if (!colour) return false;
    frm.BackCol = *colour;
    return true;
  }
  void Music(const QString& path) override { General::MusicPath = path; }
  void Picture(const QString& path) override { frm.List2.push_back(path); }

 private:
  Main_Frm& frm;
};

}  // namespace

Main_Frm::Main_Frm() {
  setWindowTitle(QString());
  // Full screen, or a window with a close box only: a maximised window would keep the pointer
  // and escape the ratio keeper.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::black);
  setPalette(p);
  resize(kNormalSize);

  Image1 = new PictureBox(this);
  Image1->setGeometry(0, 0, General::Twips_To_Pixels(1275), General::Twips_To_Pixels(1050));

  Paused_lbl = new QLabel(QStringLiteral("Paused"), this);
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPointSizeF(26.25);
  Paused_lbl->setFont(font);
  Paused_lbl->setAlignment(Qt::AlignCenter);
  Paused_lbl->setStyleSheet(QStringLiteral("color: rgb(128,128,128); background: black;"));
  Paused_lbl->resize(General::Twips_To_Pixels(2700), General::Twips_To_Pixels(615));
  Paused_lbl->hide();

  Timer1.setInterval(Timer1_Interval);
  connect(&Timer1, &QTimer::timeout, this, &Main_Frm::Timer1_Timer);
  Hotkeys_Timer.setInterval(100);
  connect(&Hotkeys_Timer, &QTimer::timeout, this, &Main_Frm::Hotkeys_Timer_Timer);
  Hide_Mouse_Timer.setInterval(2000);
  connect(&Hide_Mouse_Timer, &QTimer::timeout, this, &Main_Frm::Hide_Mouse_Timer_Timer);
  Music_Timer.setInterval(100);
  connect(&Music_Timer, &QTimer::timeout, this, &Main_Frm::Music_Timer_Timer);

  // Movement over the picture brings the pointer back.
  Image1->setMouseTracking(true);
  Image1->installEventFilter(this);

  pictures_ = new Picture_Source(this);
  connect(pictures_, &Picture_Source::Ready, this, &Main_Frm::Picture_Ready);
}

Main_Frm::~Main_Frm() = default;

void Main_Frm::Form_Load() {
  Mouse::Attach(this);
  Mouse_Wheel::HookWheel(this);
  Centre_Paused_Label();
  Paused = false;
  SetTopMostWindow(true);
  // The show starts in full screen.
  setWindowState(Qt::WindowFullScreen);
  Hotkeys_Timer.start();
  Hide_Mouse_Timer.start();
}

// ---- loading and leaving the show ----

void Main_Frm::Start(const QString& show_file, Platform::Show_Origin origin) {
  File_Path_Txt = show_file;
  Origin = origin;
  show();
}

void Main_Frm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The show is loaded once per showing, once the window is on screen.
  if (!show_loaded_) {
    show_loaded_ = true;
    QTimer::singleShot(0, this, &Main_Frm::Load_Show);
  }
}

void Main_Frm::Load_Show() {
  if (leaving_) return;
  Player_Reader reader(*this);
  const ShowFile::Scan_Result result = ShowFile::Read(File_Path_Txt, reader);
  if (!result.ok()) {
    StopPlay();
    Mouse::ShowMouse(true);
    SetTopMostWindow(false);
    Message(QStringLiteral("Error, Invaild File!"), Platform::vbCritical,
            QStringLiteral("Slide Show"));
    General::End_Program(1);
    return;
  }
  QPalette p = palette();
  p.setColor(QPalette::Window, Platform::Colour_Of(BackCol));
  setPalette(p);

  if (ShuffleOn) Shuffle::Shuffle_List(Services::Random(), List2);
  Cursor = {};
  Show_Pics();
  if (leaving_) return;
  Switch_Timer1(true);
  Keep_Screen_Awake();
  // The show's music, when it has some and its file is there.
  if (!General::MusicPath.isEmpty() && General::UseMusic != 0 &&
      General::FileExists(General::MusicPath)) {
    General::MusicPlaying = 1;
    StartPlay();
    if (!leaving_ && MusicGraph) Music_Timer.start();
  }
}

void Main_Frm::Exit_Show() {
  if (leaving_) return;
  if (boxes_ > 0) {
    after_box_ = After_Box::Leave;  // once the box is answered
    return;
  }
  leaving_ = true;
  Keep_Screen_Awake();
  pictures_->Want({});  // no decode is waited for
  Switch_Timer1(false);
  StopPlay();
  Mouse::ShowMouse(true);
  SetTopMostWindow(false);
  Music_Timer.stop();
  close();
  // Back to where the show came from: the menu, the maker of a preview, or the program's end.
  Services::Navigator().Show_Ended(Origin);
}

void Main_Frm::closeEvent(QCloseEvent* event) {
  if (boxes_ > 0 && !leaving_) {
    // Not while a message box of this window waits: the close comes once it is answered.
    if (event->spontaneous()) {
      Run_File_Cleanup();
      after_box_ = After_Box::Leave;
    } else if (after_box_ == After_Box::Nothing) {
      after_box_ = After_Box::Close;
    }
    event->ignore();
    return;
  }
  awake_.reset();
  Switch_Timer1(false);
  Hotkeys_Timer.stop();
  Hide_Mouse_Timer.stop();
  Music_Timer.stop();
  // Closed by the desktop (the window's close box): the same as leaving the show with Esc.
  if (event->spontaneous() && !leaving_) {
    Run_File_Cleanup();
    Exit_Show();
  }
  StopPlay();
  Mouse_Wheel::UnhookWheel(this);
  event->accept();
}

void Main_Frm::Run_File_Cleanup() {
  if (File_Path_Txt == General::Run_File_Path()) Services::Files().Remove_File(File_Path_Txt);
}

int Main_Frm::Message(const QString& text, int style, const QString& title) {
  if (boxes_++ == 0) {
    held_ = {Timer1.isActive(), Hotkeys_Timer.isActive(), Hide_Mouse_Timer.isActive(),
             Music_Timer.isActive()};
    Timer1.stop();
    Hotkeys_Timer.stop();
    Hide_Mouse_Timer.stop();
    Music_Timer.stop();
    Mouse::ShowMouse(true);  // the box is answered with the pointer too
  }
  const int answer = Services::MsgBox().MsgBox(text, style, title);
  if (--boxes_ == 0 && !leaving_) {
    if (held_.timer1) Switch_Timer1(true);  // a full interval after the answer
    if (held_.hotkeys) Hotkeys_Timer.start();
    if (held_.hide_mouse) Hide_Mouse_Timer.start();
    if (held_.music) Music_Timer.start();
    // What came meanwhile waits until the caller has done with the answer.
    QMetaObject::invokeMethod(this, &Main_Frm::Box_Closed, Qt::QueuedConnection);
  }
  return answer;
}

void Main_Frm::Box_Closed() {
  if (boxes_ > 0 || leaving_) return;
  switch (std::exchange(after_box_, After_Box::Nothing)) {
    case After_Box::Leave:
      Exit_Show();
      return;
    case After_Box::Close:
      close();
      return;
    case After_Box::Nothing:
      break;
  }
  for (const Picture_Key& key : std::exchange(ready_meanwhile_, {})) Picture_Ready(key);
  Carry_On();
}

// ---- keys, mouse and pointer ----

void Main_Frm::keyPressEvent(QKeyEvent* event) {
  // The arrows are polled by Hotkeys_Timer; auto-repeat is the timer's business.
  if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
    Arrow& arrow = event->key() == Qt::Key_Left ? left_ : right_;
    if (!event->isAutoRepeat()) arrow.down = arrow.pressed = true;
    return;
  }
  if (event->key() == Qt::Key_Delete) {
    if (!event->isAutoRepeat()) delete_pressed_ = event->modifiers();
    return;
  }
  // The other keys by the character they type: lower-case "f" only, so Shift or Caps Lock do not.
  const QString text = event->text();
  if (text == QLatin1String("\x1b")) {
    Run_File_Cleanup();
    Exit_Show();
  } else if (text == QLatin1String(" ") || (event->key() == Qt::Key_Space && text.isEmpty())) {
    Toggle_Pause();
  } else if (text == QLatin1String("f")) {
    Toggle_FullScreen();
  } else if (text == QLatin1String("s")) {
    Search_Here();
  } else if (text == QLatin1String("\b")) {
    if (!Paused) Remove_Frame();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void Main_Frm::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  if (event->key() == Qt::Key_Left) left_.down = false;
  if (event->key() == Qt::Key_Right) right_.down = false;
  // Shift+Delete (Shift alone: not with Ctrl, Alt or the logo key) deletes the picture's file.
  // Shift counts as it was when Delete went down: a quick hand has let go of it before Delete
  // comes up.
  if (event->key() != Qt::Key_Delete) return;
  const std::optional<Qt::KeyboardModifiers> pressed = std::exchange(delete_pressed_, std::nullopt);
  const Qt::KeyboardModifiers others = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (pressed && pressed->testFlag(Qt::ShiftModifier) && !((*pressed | event->modifiers()) & others) &&
      !Paused)
    DELETE_Frame();
}

void Main_Frm::changeEvent(QEvent* event) {
  // Keys held or pressed while the player was active do not count once it is not.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
    left_ = right_ = {};
    delete_pressed_.reset();
  }
  // The window manager may still maximise the window (a double click on its title): it goes back
  // to its own size.
  if (event->type() == QEvent::WindowStateChange && isMaximized() && !isFullScreen()) {
    // Once the window manager has given the maximised size too (it may come after the state);
    // the toolkit's own idea of the normal size may be the full screen left before.
    QTimer::singleShot(250, this, [this] {
      if (!isMaximized() || isFullScreen() || leaving_) return;
      const QSize own = windowed_size_ == size() ? windowed_before_ : windowed_size_;
      showNormal();
      if (own.isValid()) resize(own);
    });
  }
  QWidget::changeEvent(event);
}

void Main_Frm::Hotkeys_Timer_Timer() {
  if (Waiting()) {  // the keys count once the step's picture is on screen
    keys_due_ = true;
    return;
  }
  const bool active = isActiveWindow();
  const bool back = active && (left_.down || left_.pressed);
  const bool forward = active && (right_.down || right_.pressed);
  left_.pressed = right_.pressed = false;
  if (back) Back();
  if (forward && !leaving_) Forward();
}

void Main_Frm::mousePressEvent(QMouseEvent* event) {
  event->accept();  // the release comes here too
}

void Main_Frm::mouseReleaseEvent(QMouseEvent* event) {
  // On the background, the picture and the pause label alike.
  if (event->button() == Qt::LeftButton) {
    Toggle_Pause();
  } else if (event->button() == Qt::RightButton) {
    Run_File_Cleanup();
    Exit_Show();
  }
}

bool Main_Frm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseMove) {
    Mouse::ShowMouse(true);
    Hide_Mouse_Timer.start();  // a full interval from now
  }
  return QWidget::eventFilter(watched, event);
}

void Main_Frm::Hide_Mouse_Timer_Timer() {
  if (isFullScreen()) Mouse::ShowMouse(false);
}

void Main_Frm::Toggle_Pause() {
  if (!Paused) {
    Switch_Timer1(false);
    Paused = true;
    if (MessageOn) {
      Paused_lbl->show();
      Paused_lbl->raise();
    }
  } else {
    Paused = false;
    Switch_Timer1(true);
    if (MessageOn) Paused_lbl->hide();
  }
  Keep_Screen_Awake();
}

void Main_Frm::Keep_Screen_Awake() {
  const bool playing = show_loaded_ && !Paused && !leaving_;
  if (!playing) {
    awake_.reset();
  } else if (!awake_) {
    awake_ = Services::Screen_Saver().Keep_Awake(QStringLiteral("Playing a slide show"));
  }
}

void Main_Frm::Search_Here() {
  if (leaving_) return;
  // The folder of the shown picture. An empty entry has none: the search is started all the same
  // and says that it found nothing. A folder that is gone by now gives nothing to search.
  const bool shown = Cursor.CurrentIndex >= 0 && Cursor.CurrentIndex < List2.size();
  const QString folder = General::GetFolder(shown ? List2.at(Cursor.CurrentIndex) : QString());
  if (!folder.isEmpty() && !General::FolderExists(folder)) return;
  leaving_ = true;
  Keep_Screen_Awake();
  pictures_->Want({});
  Switch_Timer1(false);
  StopPlay();
  Music_Timer.stop();
  Mouse::ShowMouse(true);
  close();
  // The search's show goes back where this one would have gone.
  Services::Navigator().Search(folder, Origin);
}

// ---- removing and deleting the shown picture ----

bool Main_Frm::May_Take_Shown_Picture() {
  if (List2.isEmpty() || leaving_ || Waiting()) return false;
  Switch_Timer1(false);
  if (List2.size() == 1 || Cursor.CurrentIndex < 0 || Cursor.CurrentIndex >= List2.size()) {
    Message(QStringLiteral("This is the last picture!!"), Platform::vbInformation,
            QStringLiteral("ERROR"));
    return false;
  }
  return true;
}

void Main_Frm::Remove_Frame() {
  if (!May_Take_Shown_Picture()) return;
  List2.removeAt(Cursor.CurrentIndex);
  --Cursor.CurrentIndex;
  Show_Pics();
  if (!leaving_) Switch_Timer1(true);
}

void Main_Frm::DELETE_Frame() {
  if (!May_Take_Shown_Picture()) return;
  const int answer = Message(
      QStringLiteral("This will delete the following file from our hard disk. Are you sure you want "
                     "to do this?"),
      Platform::vbYesNoCancel | Platform::vbQuestion, QStringLiteral("Slide Show"));
  if (leaving_) return;
  if (answer == Platform::vbYes) {
    const QString file = List2.at(Cursor.CurrentIndex);
    // The file goes first: when it cannot be deleted its entry stays, so list and disk agree.
    if (!Services::Files().Remove_File(file)) {
      Message(QStringLiteral("Could not delete the file\r\n\r\n") + file, Platform::vbCritical,
              QStringLiteral("Slide Show"));
      return;
    }
    List2.removeAt(Cursor.CurrentIndex);
    --Cursor.CurrentIndex;
  }
  Show_Pics();
  if (!leaving_) Switch_Timer1(true);
}

// ---- stepping ----

void Main_Frm::Switch_Timer1(bool on) {
  // While a message box waits the timer stays still; it starts once the box is answered.
  if (boxes_ > 0) {
    held_.timer1 = on;
    return;
  }
  // An interval of 0 means the show never advances by itself: the timer stays off.
  if (on && Timer1_Interval > 0 && !leaving_) {
    Timer1.start(Timer1_Interval);
  } else {
    Timer1.stop();
  }
}

void Main_Frm::Timer1_Timer() { Show_Pics(); }

void Main_Frm::Show_Pics() {
  if (leaving_) return;
  if (Waiting()) {
    timer_due_ = true;
    return;
  }
  Run_Step(Play_Steps::Kind::Timed);
}

void Main_Frm::Forward() { User_Step(true); }

void Main_Frm::Back() { User_Step(false); }

void Main_Frm::User_Step(bool forward) {
  if (leaving_) return;
  if (Waiting()) {
    queued_steps_.push_back(forward);  // taken once the step's picture is on screen
    return;
  }
  Paused = false;
  Paused_lbl->hide();
  Keep_Screen_Awake();
  if (List2.size() == 1) return;
  Switch_Timer1(false);
  Run_Step(forward ? Play_Steps::Kind::Forward : Play_Steps::Kind::Back);
}

void Main_Frm::Run_Step(Play_Steps::Kind kind) {
  step_kind_ = kind;
  const Play_Steps::Display display = Display();
  switch (kind) {
    case Play_Steps::Kind::Timed:
      Settle(Play_Steps::Show_Pics(Cursor, List2.size(), LoopOn, display));
      break;
    case Play_Steps::Kind::Forward:
      Settle(Play_Steps::Forward(Cursor, List2.size(), LoopOn, display));
      break;
    case Play_Steps::Kind::Back:
      Settle(Play_Steps::Back(Cursor, List2.size(), display));
      break;
  }
}

void Main_Frm::Picture_Ready(const Picture_Key& key) {
  if (leaving_ || CurrentFile.isEmpty() || !(key == Key_Of(CurrentFile))) return;
  const std::optional<Decoded_Picture> decoded = pictures_->Find(key);
  if (!decoded) return;
  if (Waiting()) {
    // While a message box waits, the step's picture is shown behind it when that ends the step
    // and nothing else; a picture that failed (the step would move on) or one that ends the show
    // waits for the answer.
    if (boxes_ > 0 && (decoded->image.isNull() || Cursor.waiting->at_end)) {
      ready_meanwhile_.push_back(key);
      return;
    }
    const bool shown = Show_Decoded(key, *decoded);
    Settle(Play_Steps::Resume(Cursor, List2.size(), LoopOn, shown, Display()));
  } else if (!decoded->image.isNull() && decoded->own == picture_size_) {
    // The shown picture, decoded again for the window as it is now.
    Image1->Set_Picture(decoded->image, decoded->request);
    shown_ = key;
  }
}

void Main_Frm::Settle(Play_Steps::Outcome outcome) {
  if (outcome == Play_Steps::Outcome::Waiting) {
    // Past the end of a show that does not loop, the first picture would be on screen only for
    // the moment before the window closes: its decode is not waited for. Whether it can be read
    // still decides how the show ends (a failure deletes the run file).
    if (Cursor.waiting->at_end && boxes_ == 0) {
      const bool readable = Platform::Services::Pictures().Read_Size(CurrentFile).has_value();
      Settle(Play_Steps::Resume(Cursor, List2.size(), LoopOn, readable, Display()));
    }
    return;
  }
  const bool due = std::exchange(timer_due_, false);
  Apply(outcome, step_kind_ != Play_Steps::Kind::Timed);
  if (leaving_) return;
  // The timer fired while the picture was on its way: it gets a full interval on screen.
  if (due && step_kind_ == Play_Steps::Kind::Timed && outcome == Play_Steps::Outcome::Shown)
    Switch_Timer1(true);
  Carry_On();
}

void Main_Frm::Carry_On() {
  if (Waiting() || leaving_ || boxes_ > 0) return;
  if (!queued_steps_.empty()) {
    // After the event loop has drawn the picture that came: the steps first, each may wait in turn.
    if (!step_posted_) {
      step_posted_ = true;
      QMetaObject::invokeMethod(
          this,
          [this] {
            step_posted_ = false;
            if (leaving_ || Waiting() || boxes_ > 0 || queued_steps_.empty()) return;
            const bool forward = queued_steps_.front();
            queued_steps_.pop_front();
            User_Step(forward);
            Carry_On();
          },
          Qt::QueuedConnection);
    }
    return;
  }
  // Then the keys and clicks, in their order.
  for (auto& event : std::exchange(deferred_, {})) QCoreApplication::postEvent(this, event.release());
  // A poll of the arrows that came while the picture was on its way runs once it is drawn, and the
  // next one a full interval later: a held arrow steps as fast as the pictures come, not at the
  // next tick after them.
  if (std::exchange(keys_due_, false)) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (leaving_ || boxes_ > 0 || !Hotkeys_Timer.isActive()) return;
          Hotkeys_Timer.start();
          Hotkeys_Timer_Timer();
        },
        Qt::QueuedConnection);
  }
}

void Main_Frm::Apply(Play_Steps::Outcome outcome, bool restart_timer) {
  switch (outcome) {
    case Play_Steps::Outcome::Shown:
      if (restart_timer) Switch_Timer1(true);
      break;
    case Play_Steps::Outcome::Unchanged:
      break;
    case Play_Steps::Outcome::Leave:
      Exit_Show();
      break;
    case Play_Steps::Outcome::Clean_And_Leave:
      Run_File_Cleanup();
      Exit_Show();
      break;
    case Play_Steps::Outcome::Waiting:
      break;
    case Play_Steps::Outcome::No_Valid:
      Switch_Timer1(false);
      Image1->hide();
      Message(QStringLiteral("No Vaild Picture Files"), Platform::vbExclamation,
              QStringLiteral("ERROR"));
      Run_File_Cleanup();
      Exit_Show();
      break;
  }
}

// ---- the display step ----

QSize Main_Frm::Client_Size() const {
  // Full screen asked for: the window manager may not have made it so yet, but the picture is
  // decoded once, for the size it will be seen at.
  if (windowState().testFlag(Qt::WindowFullScreen) && screen()) return screen()->geometry().size();
  return size();
}

Picture_Key Main_Frm::Key_Of(const QString& path) const {
  return {path, Fitting::Mode_Of(StrechOn, RatioOn), Client_Size()};
}

QList<Picture_Key> Main_Frm::Wanted_Around(qsizetype index) const {
  const qsizetype n = List2.size();
  QList<Picture_Key> wanted{Key_Of(index >= 0 && index < n ? List2[index] : QString())};
  if (n < 2 || index < 0 || index >= n) return wanted;
  const qsizetype way = step_kind_ == Play_Steps::Kind::Back ? -1 : 1;
  for (const qsizetype step : {way, 2 * way, -way}) {
    // Going back always wraps; going forward wraps only in a looping show (otherwise the show
    // ends there). The picture behind is the one shown before, still kept; across the wrap it was
    // never shown, and decoding it would cost a whole decode the show may never need.
    const qsizetype at = index + step;
    const bool wraps = at < 0 || at >= n;
    if (wraps && (step == -way || (step > 0 && !LoopOn))) continue;
    const Picture_Key key = Key_Of(List2[(at % n + n) % n]);
    if (!key.path.isEmpty() && !wanted.contains(key)) wanted.push_back(key);
  }
  return wanted;
}

Play_Steps::Display Main_Frm::Display() {
  return [this](qsizetype i) { return Display_Step(i); };
}

std::optional<bool> Main_Frm::Display_Step(qsizetype index) {
  CurrentFile = (index >= 0 && index < List2.size()) ? List2[index] : QString();
  const QList<Picture_Key> wanted = Wanted_Around(index);
  const std::optional<Decoded_Picture> decoded = pictures_->Want(wanted);
  if (CurrentFile.isEmpty()) {
    // An empty entry is the empty picture: only the background shows.
    Image1->hide();
    picture_size_ = QSize();
    shown_ = {};
    Image1->Clear();
    Fit_Picture();
    Image1->show();
    return true;
  }
  // Not decoded yet: the picture before stays until this one comes (Picture_Ready).
  if (!decoded) return std::nullopt;
  return Show_Decoded(wanted.first(), *decoded);
}

bool Main_Frm::Show_Decoded(const Picture_Key& key, const Decoded_Picture& decoded) {
  if (decoded.image.isNull()) return false;
  Image1->hide();
  picture_size_ = decoded.own;
  shown_ = key;
  Image1->Set_Picture(decoded.image, decoded.request);
  Fit_Picture();
  Image1->show();
  return true;
}

void Main_Frm::Fit_Picture() {
  Cursor.FailCount = 0;
  Image1->setGeometry(
      Fitting::Fit_Picture(Fitting::Mode_Of(StrechOn, RatioOn), picture_size_, Client_Size()));
}

void Main_Frm::Decode_For_Window() {
  if (leaving_ || !show_loaded_ || CurrentFile.isEmpty()) return;
  QList<Picture_Key> wanted = Wanted_Around(Cursor.CurrentIndex);
  if (Waiting()) {
    // The step's picture was asked for the old size: it comes at this one.
    if (pictures_->Want(wanted))
      QMetaObject::invokeMethod(this, [this, key = wanted.first()] { Picture_Ready(key); },
                                Qt::QueuedConnection);
    return;
  }
  if (picture_size_.isEmpty()) return;
  const QSize window = Client_Size();
  const QRect place = Image1->geometry();
  if (Platform::Covers(Image1->Decoded(), Platform::Plan_Decode(picture_size_, place, window))) {
    wanted.first() = shown_;  // what is held is enough; only the neighbours change size
    pictures_->Want(wanted);
    return;
  }
  // More is seen than was decoded: decode it again for this window, off this thread.
  const std::optional<Decoded_Picture> decoded = pictures_->Want(wanted);
  if (decoded && !decoded->image.isNull() && decoded->own == picture_size_) {
    Image1->Set_Picture(decoded->image, decoded->request);
    shown_ = wanted.first();
  }
}

// ---- the window ----

void Main_Frm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (isVisible() && !isFullScreen() && !isMaximized()) {
    if (event->size() != windowed_size_) windowed_before_ = std::exchange(windowed_size_, event->size());
    // The ratio keeper: a windowed player keeps the shape of the first size it received.
    const QSize kept = FormRatio_Mod::RatioWindowProc(event->size());
    if (kept != event->size()) {
      resize(kept);
      return;
    }
  } else if (isVisible()) {
    FormRatio_Mod::RatioWindowProc(event->size());
  }
  Centre_Paused_Label();
  if (show_loaded_) {
    Fit_Picture();
    Decode_For_Window();
  }
}

bool Main_Frm::event(QEvent* event) {
  // While a step waits for its picture, keys and clicks wait too, as they would behind a decode
  // on this thread; Esc and the right button leave at once. While a message box waits, all of
  // them wait for its answer.
  if ((Waiting() || boxes_ > 0) && !leaving_) {
    const QEvent::Type type = event->type();
    const bool leave =
        boxes_ == 0 &&
        ((type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->text() == QLatin1String("\x1b")) ||
         (type == QEvent::MouseButtonRelease &&
          static_cast<QMouseEvent*>(event)->button() == Qt::RightButton));
    if (!leave && (type == QEvent::KeyPress || type == QEvent::KeyRelease ||
                   type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                   type == QEvent::MouseButtonDblClick)) {
      deferred_.emplace_back(event->clone());
      return true;
    }
  }
  return QWidget::event(event);
}

void Main_Frm::Centre_Paused_Label() {
  Paused_lbl->move(int(General::Half(double(width()) - Paused_lbl->width())),
                   int(General::Half(double(height()) - Paused_lbl->height())));
}

void Main_Frm::SetTopMostWindow(bool topmost) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) return;
  const bool was_visible = isVisible();
  const Qt::WindowStates state = windowState();
  setWindowFlag(Qt::WindowStaysOnTopHint, topmost);  // hides a visible window
  if (was_visible && !leaving_) {
    setWindowState(state);
    show();
  }
}

void Main_Frm::GetDesktopRect(int& left, int& top, int& width, int& height, bool return_as_twips) {
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
  const int k = return_as_twips ? General::Twips_Per_Pixel : 1;
  left = area.left() * k;
  top = area.top() * k;
  width = area.width() * k;
  height = area.height() * k;
}

void Main_Frm::Center_Form() {
  int left = 0, top = 0, width = 0, height = 0;
  GetDesktopRect(left, top, width, height, false);
  const QRect frame = frameGeometry();
  move(left + (width - frame.width()) / 2, top + (height - frame.height()) / 2);
}

void Main_Frm::Toggle_FullScreen() {
  if (!isFullScreen()) {
    setWindowTitle(QString());
    showFullScreen();
  } else {
    showNormal();
    resize(FormRatio_Mod::RatioWindowProc(kNormalSize));
    Center_Form();
    setWindowTitle(QStringLiteral("Vistabel"));
    Mouse::ShowMouse(true);
  }
}

// ---- background music ----

void Main_Frm::StartPlay() {
  // A new playback graph every time; the one before goes with it.
  MusicGraph = Services::Music().Create_Graph();
  if (!MusicGraph) return;  // no audio device: the show runs without music
  if (!MusicGraph->RenderFile(General::MusicPath) || !MusicGraph->Run()) {
    StopPlay();
    MusicGraph.reset();
    Music_Timer.stop();
    Message(QStringLiteral("Invalid Music file, program will exit."), Platform::vbCritical,
            QStringLiteral("Slide Show"));
    // A preview goes back to the maker, whose list may not be saved yet.
    if (Origin == Platform::Show_Origin::Maker_Preview) {
      Exit_Show();
      return;
    }
    General::End_Program(1);
  }
}

void Main_Frm::StopPlay() {
  if (MusicGraph) MusicGraph->Stop();
}

void Main_Frm::Music_Timer_Timer() {
  if (!MusicGraph) return;
  if (MusicGraph->Position() >= MusicGraph->Duration()) {
    StopPlay();
    if (General::MusicPlaying == 1) StartPlay();
  }
}
