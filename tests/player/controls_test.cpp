// The player's keys, mouse buttons, wheel and pointer through real Qt events, the music, and the
// message boxes that wait in their own event loop.
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <tuple>

#include "player/player_fixture.h"

// Delete goes down with `down` held and comes up with `up` held.
static void Delete(QWidget* w, Qt::KeyboardModifiers down = Qt::ShiftModifier, std::optional<Qt::KeyboardModifiers> up = {}) {
  QTest::keyPress(w, Qt::Key_Delete, down);
  QTest::keyRelease(w, Qt::Key_Delete, up.value_or(down));
}

// One input after the other on one show: the picture shown and whether the show is paused after each.
TEST_F(Player, KeysButtonsAndTheWheelStepPauseDropAndDelete) {
  Fakes::Files files;
  Platform::Services::Guard disk;
  disk.files(files);
  files.files = {"/p/1.jpg", "/p/3.jpg", "/p/4.jpg", "/p/5.jpg"};
  files.folders = {"/p"};
  Main_Frm* f = Show_Active(Play_Pictures({}, {"/p/1.jpg", "/p/2.jpg", "/p/3.jpg", "/p/4.jpg", "/p/5.jpg"}));
  auto key = [&](Qt::Key k) { QTest::keyClick(f, k); };
  auto click = [&](QWidget* w, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(w, b, {}, QPoint(2, 2)); };
  auto poll = [&] { f->Hotkeys_Timer_Timer(); };
  auto wheel = [&](QWidget* w, int x, int y) {
    QWheelEvent e({2, 2}, {2, 2}, {}, {x, y}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
  };
  QKeyEvent repeated_up(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
  const Qt::KeyboardModifiers shift = Qt::ShiftModifier, none = Qt::NoModifier;
  const struct { std::function<void()> input; const char* shown; bool paused; } script[] = {
      // Space and a left click anywhere pause and resume; the middle button does nothing.
      {[&] { key(Qt::Key_Space); }, "/p/1.jpg", true}, {[&] { click(f->Paused_lbl); }, "/p/1.jpg", false},
      {[&] { click(f->Image1); }, "/p/1.jpg", true}, {[&] { click(f); }, "/p/1.jpg", false},
      {[&] { click(f, Qt::MiddleButton); }, "/p/1.jpg", false},
      // An arrow counts at the polls: a tap once; held, at each (through the auto-repeat's
      // releases) until let go; not while another window is the active one, and forgotten then.
      {[&] { key(Qt::Key_Right); poll(); poll(); }, "/p/2.jpg", false},
      {[&] { QTest::keyPress(f, Qt::Key_Right); QCoreApplication::sendEvent(f, &repeated_up); poll(); poll(); }, "/p/4.jpg", false},
      {[&] { QTest::keyRelease(f, Qt::Key_Right); poll(); QTest::keyPress(f, Qt::Key_Left); poll(); }, "/p/3.jpg", false},
      {[&] { QWidget other; Show_Active(&other); key(Qt::Key_Right); poll(); Show_Active(f); poll(); }, "/p/3.jpg", false},
      // The wheel: a step a notch, smaller turns summed, a turn back starts afresh, sideways nothing.
      {[&] { wheel(f, 0, 120); }, "/p/4.jpg", false}, {[&] { wheel(f->Image1, 0, -120); }, "/p/3.jpg", false},
      {[&] { wheel(f, 0, 90); wheel(f, 0, -30); }, "/p/3.jpg", false}, {[&] { wheel(f, 0, -100); }, "/p/2.jpg", false},
      {[&] { wheel(f, 0, 240); wheel(f, 120, 0); }, "/p/4.jpg", false},
      // Backspace drops the shown picture, not while paused; a step resumes.
      {[&] { key(Qt::Key_Space); key(Qt::Key_Backspace); }, "/p/4.jpg", true},
      {[&] { wheel(f, 0, 120); wheel(f, 0, -120); key(Qt::Key_Backspace); }, "/p/5.jpg", false},
      // Delete needs Shift as it was when Delete went down, neither Ctrl nor Alt, and the show
      // playing. Answered No it moves on as a timed step would; Yes deletes the file.
      {[&] { Delete(f, none); Delete(f, none, shift); Delete(f, shift | Qt::ControlModifier); }, "/p/5.jpg", false},
      {[&] { Delete(f, shift | Qt::AltModifier); Delete(f, shift, shift | Qt::ControlModifier); }, "/p/5.jpg", false},
      {[&] { key(Qt::Key_Space); Delete(f); }, "/p/5.jpg", true},
      {[&] { key(Qt::Key_Space); msg.answers = {Platform::vbNo, Platform::vbYes, Platform::vbYes}; Delete(f); }, "/p/1.jpg", false},
      {[&] { Delete(f, shift, none); }, "/p/2.jpg", false},
  };
  for (const auto& s : script) {
    s.input();
    SCOPED_TRACE(&s - script);
    // Paused: the timer stops, the label shows, the screen is no longer held awake.
    EXPECT_EQ(std::tuple(f->CurrentFile, f->Paused, f->Timer1.isActive(), f->Paused_lbl->isVisible(), awake.held),
              std::tuple(QString(s.shown), s.paused, !s.paused, s.paused, s.paused ? 0 : 1));
  }
  // A file that cannot be deleted keeps its entry.
  Delete(f);
  const Fakes::Message ask{
      "This will delete the following file from our hard disk. Are you sure you want to do this?", 35, "Slide Show"};
  EXPECT_EQ(msg.shown, (QList<Fakes::Message>{ask, ask, ask, {"Could not delete the file\r\n\r\n/p/2.jpg", 16, "Slide Show"}}));
  EXPECT_EQ(f->List2, (QStringList{"/p/2.jpg", "/p/3.jpg", "/p/5.jpg"}));
  // The pointer hides in full screen only, and comes back over the picture, not the background.
  auto after = [&](auto step) { step(); return f->cursor().shape(); };
  EXPECT_EQ(after([&] { f->Hide_Mouse_Timer_Timer(); QTest::mouseMove(f, QPoint(1, 1)); }), Qt::BlankCursor);
  EXPECT_EQ(after([&] { QTest::mouseMove(f->Image1, QPoint(3, 3)); }), Qt::ArrowCursor);
  // 'f' gives a window: the timer hides nothing there.
  EXPECT_EQ(after([&] { f->Hide_Mouse_Timer_Timer(); QTest::keyClick(f, 'f'); f->Hide_Mouse_Timer_Timer(); }), Qt::ArrowCursor);
  // Without the pause message a click pauses with no sign on screen.
  f = Show_Active(Play_Pictures({"Message=0"}, {"/p/1.jpg"}));
  click(f);
  EXPECT_TRUE(f->Paused && !f->Paused_lbl->isVisible());
  // "s" (not "S") leaves for a new show of all the pictures below the shown one's folder.
  QTest::keyClick(f, 'S', Qt::ShiftModifier);
  QTest::keyClick(f, 's');
  Flush_Events();
  EXPECT_EQ(std::pair(navigator.log, Is_Loaded(player)), std::pair(QStringList{"search /p from menu"}, false));
}

TEST_F(Player, MusicPlaysLoopsAndStopsWithTheShowWhenItCan) {
  const QString song = Song();
  Main_Frm* f = Play_Pictures({"UseMusic=1", "Music=" + song}, {"/p/1.jpg"});
  f->Music_Timer_Timer();
  music.position = music.duration;  // at its end it starts again with a new graph
  f->Music_Timer_Timer();
  QTest::keyClick(f, Qt::Key_Escape);  // leaving stops it
  EXPECT_EQ(music.log.mid(0, 6), (QStringList{"render " + song, "run", "stop", "render " + song, "run", "stop"}));
  music.log.clear();
  // Off, missing, no audio device: silence. A graph that does not run is stopped (its message and
  // the program's end: see the message box test below).
  const struct { QString use, path; bool device, runs; } cases[] = {
      {"0", song, true, true}, {"1", song + "x", true, true}, {"1", song, false, true}, {"1", song, true, false}};
  for (const auto& c : cases) {
    music.no_device = !c.device;
    music.run_works = c.runs;
    EXPECT_FALSE(Play(Show_File({"UseMusic=" + c.use, "Music=" + c.path}, {"/p/1.jpg"}))->Music_Timer.isActive());
  }
  EXPECT_EQ(music.log, (QStringList{"render " + song, "run", "stop"}));
}

// While a message box waits in its own event loop, nothing moves the show and nothing closes the
// player; after the answer the show carries on.
TEST_F(Player, TheShowStandsStillWhileAMessageBoxWaits) {
  pictures.thread_safe = true;  // pictures arrive by signal, also while a box waits
  msg.wait_ms = 100;
  // The last picture is not dropped; while that box waits a close waits for the answer.
  Main_Frm* f = Play_Pictures({}, {"/p/2.jpg"});
  settle_decodes();
  QTest::keyClick(f, Qt::Key_Backspace);
  EXPECT_FALSE(f->Timer1.isActive());  // the show rests on it
  msg.while_open = [&] {
    EXPECT_FALSE(f->Hotkeys_Timer.isActive() || f->Hide_Mouse_Timer.isActive());
    f->close();
    EXPECT_TRUE(f->isVisible());
  };
  QTest::keyClick(f, Qt::Key_Backspace);
  EXPECT_EQ(msg.shown, (QList<Fakes::Message>(2, {"This is the last picture!!", 64, "ERROR"})));
  EXPECT_EQ(f->List2.size(), 1);
  Flush_Events();
  EXPECT_FALSE(Playing());
  // Unplayable music in a show of 0.05 s that does not loop. A first picture that comes while the
  // box waits is shown behind it; one that cannot be loaded is passed over after the answer. A
  // preview then goes back to the maker; otherwise the program ends (the fake lets it go on).
  const QString song = Song();
  music.unplayable.insert(song);
  for (const bool preview : {true, false}) {
    const QString first = preview ? "/p/2.jpg" : "/p/missing.jpg";
    msg.while_open = [&] {
      settle_decodes();
      EXPECT_EQ(std::tuple(player->CurrentFile, player->Image1->Image().isNull(), player->Timer1.isActive(), Playing()),
                std::tuple(first, !preview, false, true));
    };
    f = Play(Show_File({"Loop=0", "Delay=0.05", "UseMusic=1", "Music=" + song}, {first, "/p/2.jpg"}),
             preview ? Platform::Show_Origin::Maker_Preview : Platform::Show_Origin::Command_Line);
    settle_decodes();
  }
  EXPECT_EQ(msg.shown.mid(2), (QList<Fakes::Message>(2, {"Invalid Music file, program will exit.", 16, "Slide Show"})));
  EXPECT_EQ(std::pair(navigator.log, program.end_codes), std::pair(QStringList{"ended preview"}, QList<int>{1}));
  EXPECT_TRUE(f->CurrentFile == "/p/2.jpg" && f->Timer1.isActive() && f->Hotkeys_Timer.isActive());
  // Keys that waited for a picture come in order: Shift+Delete asks, and the Space after it waits
  // for the answer.
  msg.answers = {Platform::vbNo};
  pictures.Hold("/p/1.jpg");
  f = Play_Pictures({}, {"/p/1.jpg", "/p/2.jpg"});
  ASSERT_TRUE(f->Waiting());
  Delete(f);
  QTest::keyClick(f, Qt::Key_Space);
  msg.while_open = [&] { EXPECT_FALSE(f->Paused); };
  pictures.Release();
  settle_decodes();
  EXPECT_TRUE(msg.shown.last().style == 35 && f->Paused);
}
