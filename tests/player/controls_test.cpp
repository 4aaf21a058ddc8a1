// The player's keys, mouse buttons, wheel and pointer through real Qt events, and removing and
// deleting the shown picture.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <QWheelEvent>

#include "core/show_file/show_file.h"
#include "player/mouse.h"
#include "player/picture_box.h"
#include "player/player_fixture.h"

namespace {

class Controls : public Player {
 protected:
  // A looping five-picture show with the pause message as asked; the player is the active window.
  Main_Frm* Five(const QString& message = "1", const QString& loop = "1") {
    Main_Frm* f = Play_Pictures(Options("False", "0", loop, "5", "0", "0", message),
                                {"/p/1.jpg", "/p/2.jpg", "/p/3.jpg", "/p/4.jpg", "/p/5.jpg"});
    f->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([f] { return f->isActiveWindow(); }, 2000));
    return f;
  }
  static void Wheel(QWidget* w, QPoint angle) {
    QWheelEvent e(QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), QPoint(), angle, Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
  }
};

TEST_F(Controls, SpaceAndLeftClicksPauseAndResume) {
  Main_Frm* f = Five("1");
  QTest::keyClick(f, Qt::Key_Space);
  EXPECT_TRUE(f->Paused);
  EXPECT_FALSE(f->Timer1.isActive());
  EXPECT_TRUE(f->Paused_lbl->isVisible());
  // A left click on the pause label resumes, one on the picture pauses, one on the background
  // resumes.
  for (QWidget* target : {static_cast<QWidget*>(f->Paused_lbl), static_cast<QWidget*>(f->Image1),
                          static_cast<QWidget*>(f)}) {
    const bool was = f->Paused;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
                      target == f ? QPoint(2, 2) : QPoint(5, 5));
    EXPECT_EQ(f->Paused, !was);
    EXPECT_EQ(f->Timer1.isActive(), was);
    EXPECT_EQ(f->Paused_lbl->isVisible(), !was);
  }
  // The middle button does nothing.
  QTest::mouseClick(f, Qt::MiddleButton, Qt::NoModifier, QPoint(2, 2));
  EXPECT_FALSE(f->Paused);
  EXPECT_TRUE(f->Timer1.isActive());
  // Without the pause message a click still pauses, with no sign on screen.
  player->close();
  f = Five("0");
  QTest::mouseClick(f->Image1, Qt::LeftButton);
  EXPECT_TRUE(f->Paused);
  EXPECT_FALSE(f->Paused_lbl->isVisible());
}

TEST_F(Controls, EscAndRightClicksLeaveTheShowAndDeleteTheRunFile) {
  const QString run = General::Run_File_Path();
  QStringList paths{"/p/1.jpg", "/p/2.jpg"};
  for (const QString& p : paths) pictures.Add(p, {40, 30});
  ShowFile::Options o;
  o.Loop = true;
  struct { const char* how; } ways[] = {{"esc"}, {"right on picture"}, {"right on label"}, {"right on background"}};
  for (const auto& way : ways) {
    ASSERT_TRUE(ShowFile::Write(Platform::Services::Disk(), run, o, paths));
    Main_Frm* f = Play(run);
    const QString how = way.how;
    if (how == "esc") QTest::keyClick(f, Qt::Key_Escape);
    if (how == "right on picture") QTest::mouseClick(f->Image1, Qt::RightButton);
    if (how == "right on label") QTest::mouseClick(f->Paused_lbl, Qt::RightButton);
    if (how == "right on background") QTest::mouseClick(f, Qt::RightButton, {}, QPoint(1, 1));
    Flush_Events();
    EXPECT_FALSE(Playing()) << way.how;
    EXPECT_FALSE(QFile::exists(run)) << way.how;
    EXPECT_EQ(navigator.log.last(), "ended menu") << way.how;
  }
}

TEST_F(Controls, OnlyTheLowerCaseKeysCount) {
  Main_Frm* f = Five();
  ASSERT_TRUE(f->isFullScreen());
  QTest::keyClick(f, 'F');  // Shift+F
  EXPECT_TRUE(f->isFullScreen());
  QTest::keyClick(f, 'f');
  EXPECT_FALSE(f->isFullScreen());
  EXPECT_EQ(f->windowTitle(), "Vistabel");
  // A window with a close box only: no minimise or maximise button.
  EXPECT_TRUE(f->windowFlags().testFlag(Qt::CustomizeWindowHint));
  EXPECT_FALSE(f->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(f->windowFlags().testFlag(Qt::WindowCloseButtonHint));
  const QSize own = f->size();
  f->showMaximized();  // as a window manager may do all the same
  EXPECT_TRUE(QTest::qWaitFor([f] { return !f->isMaximized(); }, 3000));
  EXPECT_EQ(f->size(), own);
  QTest::keyClick(f, 'f');
  EXPECT_TRUE(f->isFullScreen());
  EXPECT_EQ(f->windowTitle(), "");
  const QString shown = f->CurrentFile;
  QTest::keyClick(f, 'S');
  QTest::keyClick(f, 'x');
  EXPECT_EQ(f->CurrentFile, shown);
  EXPECT_TRUE(f->isVisible());
}

TEST_F(Controls, ArrowsStepOnEveryPollWhileHeldAndOnlyWhileActive) {
  Main_Frm* f = Five();
  ASSERT_TRUE(f->isActiveWindow());
  EXPECT_EQ(f->CurrentFile, "/p/1.jpg");
  // A tap between two polls counts once.
  QTest::keyClick(f, Qt::Key_Right);
  f->Hotkeys_Timer_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/2.jpg");
  f->Hotkeys_Timer_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/2.jpg");
  // Held down (auto-repeat presses are ignored): one step per poll until released.
  QTest::keyPress(f, Qt::Key_Right);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendEvent(f, &repeat);
    f->Hotkeys_Timer_Timer();
  }
  EXPECT_EQ(f->CurrentFile, "/p/5.jpg");
  QTest::keyRelease(f, Qt::Key_Right);
  f->Hotkeys_Timer_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/5.jpg");
  // Both held: a step back and a step forward in the same poll.
  QTest::keyPress(f, Qt::Key_Left);
  f->Hotkeys_Timer_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/4.jpg");
  QTest::keyPress(f, Qt::Key_Right);
  f->Hotkeys_Timer_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/4.jpg");
  QTest::keyRelease(f, Qt::Key_Left);
  QTest::keyRelease(f, Qt::Key_Right);
  // Another window active: a press does nothing, and is forgotten.
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !f->isActiveWindow(); }, 2000));
  QTest::keyClick(f, Qt::Key_Left);
  f->Hotkeys_Timer_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/4.jpg");
  f->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return f->isActiveWindow(); }, 2000));
  f->Hotkeys_Timer_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/4.jpg");

  // Held over a picture that is slow to come: the polls meanwhile are not lost, the next step
  // follows as soon as it is on screen.
  Close(player);
  pictures.thread_safe = true;
  pictures.Hold("/p/2.jpg");
  f = Five();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !f->Waiting(); }, 5000));  // the first picture is on screen
  f->Hotkeys_Timer.start(60'000);  // only the polls made here
  QTest::keyPress(f, Qt::Key_Right);
  f->Hotkeys_Timer_Timer();
  ASSERT_TRUE(f->Waiting());
  EXPECT_FALSE(f->Timer1.isActive());  // the delay starts once the picture is on screen
  f->Hotkeys_Timer_Timer();
  pictures.Release();
  // The step to the third picture decodes it in turn (no poll of the timer comes meanwhile).
  EXPECT_TRUE(QTest::qWaitFor([&] { settle_decodes(); return f->CurrentFile == "/p/3.jpg"; }, 5000))
      << f->CurrentFile.toStdString();
  QTest::keyRelease(f, Qt::Key_Right);
}

TEST_F(Controls, TheWheelStepsOncePerNotchAndSumsSmallDeltas) {
  Main_Frm* f = Five();
  Wheel(f, {0, 120});
  EXPECT_EQ(f->CurrentFile, "/p/2.jpg");
  Wheel(f->Image1, {0, -120});
  EXPECT_EQ(f->CurrentFile, "/p/1.jpg");
  for (int i = 0; i < 5; ++i) Wheel(f, {0, 30});  // a touchpad: 150 in all is one step
  EXPECT_EQ(f->CurrentFile, "/p/2.jpg");
  Wheel(f, {0, 240});
  EXPECT_EQ(f->CurrentFile, "/p/4.jpg");
  Wheel(f, {120, 0});  // sideways
  EXPECT_EQ(f->CurrentFile, "/p/4.jpg");

  int rest = 0;
  EXPECT_EQ(Mouse_Wheel::Steps(90, rest), 0);
  EXPECT_EQ(Mouse_Wheel::Steps(-30, rest), 0);  // turning back starts afresh
  EXPECT_EQ(Mouse_Wheel::Steps(-100, rest), -1);
  EXPECT_EQ(rest, -10);
}

TEST_F(Controls, ThePointerHidesInFullScreenAndComesBackOverThePicture) {
  Main_Frm* f = Five();
  ASSERT_TRUE(f->Hide_Mouse_Timer.isActive());
  EXPECT_EQ(f->Hide_Mouse_Timer.interval(), 2000);
  f->Hide_Mouse_Timer_Timer();
  EXPECT_TRUE(Mouse::Hidden());
  EXPECT_EQ(f->cursor().shape(), Qt::BlankCursor);
  QTest::mouseMove(f, QPoint(1, 1));  // the background: stays hidden
  EXPECT_TRUE(Mouse::Hidden());
  QTest::mouseMove(f->Image1, QPoint(3, 3));
  EXPECT_FALSE(Mouse::Hidden());
  EXPECT_EQ(f->cursor().shape(), Qt::ArrowCursor);
  // Showing is exact: showing twice then hiding once leaves it hidden.
  Mouse::ShowMouse(true);
  Mouse::ShowMouse(true);
  Mouse::ShowMouse(false);
  EXPECT_TRUE(Mouse::Hidden());
  // In a window the pointer is never hidden, and leaving full screen shows it.
  QTest::keyClick(f, 'f');
  EXPECT_FALSE(Mouse::Hidden());
  f->Hide_Mouse_Timer_Timer();
  EXPECT_FALSE(Mouse::Hidden());
}

TEST_F(Controls, BackspaceDropsTheShownPictureExceptWhilePausedOrTheLastOne) {
  Main_Frm* f = Five();
  f->Forward();  // picture 2 of 5
  QTest::keyClick(f, Qt::Key_Space);
  QTest::keyClick(f, Qt::Key_Backspace);
  EXPECT_EQ(f->List2.size(), 5);
  QTest::keyClick(f, Qt::Key_Space);
  QTest::keyClick(f, Qt::Key_Backspace);
  EXPECT_EQ(f->List2, (QStringList{"/p/1.jpg", "/p/3.jpg", "/p/4.jpg", "/p/5.jpg"}));
  EXPECT_EQ(f->CurrentFile, "/p/3.jpg");
  EXPECT_TRUE(f->Timer1.isActive());
  f->Back();  // the first picture may go too
  for (int i = 0; i < 3; ++i) f->Remove_Frame();
  EXPECT_EQ(f->List2, QStringList{"/p/5.jpg"});
  EXPECT_TRUE(msg.shown.isEmpty());
  f->Remove_Frame();
  ASSERT_EQ(msg.shown.size(), 1);
  EXPECT_EQ(msg.shown[0], (Fakes::Message{"This is the last picture!!", 64, "ERROR"}));
  EXPECT_FALSE(f->Timer1.isActive());
  EXPECT_EQ(f->List2.size(), 1);
  // While that box waits (in its own event loop) the arrows are not polled and a close waits for
  // the answer.
  msg.wait_ms = 150;
  bool checked = false;
  msg.while_open = [&] {
    checked = true;
    EXPECT_FALSE(f->Hotkeys_Timer.isActive());
    f->close();
    EXPECT_TRUE(f->isVisible());
  };
  f->Remove_Frame();
  EXPECT_TRUE(checked);
  Flush_Events();
  EXPECT_FALSE(Playing());
  msg.wait_ms = 0;
  msg.while_open = nullptr;

  // Dropping the last picture of a show that does not loop passes its end: the show is left.
  f = Five("1", "0");
  for (int i = 0; i < 4; ++i) f->Timer1_Timer();
  f->Remove_Frame();
  EXPECT_EQ(f->CurrentFile, "/p/1.jpg");
  Flush_Events();
  EXPECT_FALSE(Playing());
}

// Deleting works on real files in a temporary folder.
class Deleting : public Controls {
 protected:
  Deleting() { real_files.files(*disk); }
  std::unique_ptr<Platform::FileSystemSeam> disk = Platform::Make_Qt_File_System();
  Platform::Services::Guard real_files;
  Main_Frm* Three() {
    for (int i = 1; i <= 3; ++i) {
      paths << dir.filePath(QString("%1.jpg").arg(i));
      EXPECT_TRUE(Write_File(paths.last()));
    }
    Main_Frm* f = Play_Pictures(Options("False", "0", "1"), paths);
    f->Forward();  // picture 2
    return f;
  }
  // Delete goes down with `mods` held and comes up with `up` held (the same unless given).
  static void ShiftDelete(QWidget* w, Qt::KeyboardModifiers mods = Qt::ShiftModifier,
                          std::optional<Qt::KeyboardModifiers> up = std::nullopt) {
    QTest::keyPress(w, Qt::Key_Delete, mods);
    QTest::keyRelease(w, Qt::Key_Delete, up.value_or(mods));
  }
  QStringList paths;
};

TEST_F(Deleting, ShiftDeleteAsksThenDeletesTheFileForGood) {
  Main_Frm* f = Three();
  // Delete alone (also when Shift comes only before it is let go), Ctrl+Shift+Delete (also when
  // Ctrl comes late) and Shift+Delete while paused do nothing.
  ShiftDelete(f, Qt::NoModifier);
  ShiftDelete(f, Qt::NoModifier, Qt::ShiftModifier);
  ShiftDelete(f, Qt::ShiftModifier | Qt::ControlModifier);
  ShiftDelete(f, Qt::ShiftModifier | Qt::AltModifier);
  ShiftDelete(f, Qt::ShiftModifier, Qt::ShiftModifier | Qt::ControlModifier);
  QTest::keyClick(f, Qt::Key_Space);
  ShiftDelete(f);
  QTest::keyClick(f, Qt::Key_Space);
  EXPECT_TRUE(msg.shown.isEmpty());
  // No and Cancel keep the file and move on as a timed step would. Shift counts as it was when
  // Delete went down, though a quick hand lets go of it first.
  msg.answers = {Platform::vbNo, Platform::vbCancel, Platform::vbYes};
  ShiftDelete(f, Qt::ShiftModifier, Qt::NoModifier);
  EXPECT_EQ(f->CurrentFile, paths[2]);
  ShiftDelete(f);
  EXPECT_EQ(f->CurrentFile, paths[0]);
  for (const QString& p : paths) EXPECT_TRUE(QFile::exists(p));
  f->Forward();
  ShiftDelete(f);
  ASSERT_EQ(msg.shown.size(), 3);
  EXPECT_EQ(msg.shown[2], (Fakes::Message{"This will delete the following file from our hard disk. "
                                          "Are you sure you want to do this?", 35, "Slide Show"}));
  EXPECT_FALSE(QFile::exists(paths[1]));
  EXPECT_EQ(f->List2, (QStringList{paths[0], paths[2]}));
  EXPECT_EQ(f->CurrentFile, paths[2]);
  EXPECT_TRUE(f->Timer1.isActive());
  // The last picture is never deleted.
  f->Remove_Frame();
  ShiftDelete(f);
  ASSERT_EQ(msg.shown.size(), 4);
  EXPECT_EQ(msg.shown[3].text, "This is the last picture!!");
  EXPECT_TRUE(QFile::exists(f->List2[0]));
}

TEST_F(Deleting, AFileThatCannotBeDeletedStaysInTheList) {
  Main_Frm* f = Three();
  // One made read-only, one removed behind the program's back.
  ASSERT_TRUE(QFile::setPermissions(paths[1], QFile::ReadOwner | QFile::ReadGroup));
  msg.answers = {Platform::vbYes};
  ShiftDelete(f);
  ASSERT_EQ(msg.shown.size(), 2);
  EXPECT_EQ(msg.shown[1], (Fakes::Message{"Could not delete the file\r\n\r\n" + paths[1], 16, "Slide Show"}));
  EXPECT_TRUE(QFile::exists(paths[1]));
  EXPECT_EQ(f->List2.size(), 3);
  EXPECT_EQ(f->CurrentFile, paths[1]);
  EXPECT_FALSE(f->Timer1.isActive());

  f->Forward();
  ASSERT_EQ(f->CurrentFile, paths[2]);
  ASSERT_TRUE(QFile::remove(paths[2]));
  msg.answers = {Platform::vbYes};
  ShiftDelete(f);
  ASSERT_EQ(msg.shown.size(), 4);
  EXPECT_EQ(msg.shown[3].text, "Could not delete the file\r\n\r\n" + paths[2]);
  EXPECT_EQ(f->List2.size(), 3);
}

// Music: the player's use of the music seam.
TEST_F(Controls, MusicPlaysLoopsAndStopsWithTheShow) {
  pictures.Add("/p/1.jpg", {40, 30});
  const QString song = dir.filePath("song.mp3");
  ASSERT_TRUE(Write_File(song));
  Main_Frm* f = Play(Show_File(Options("False", "0", "1", "5", "0", "0", "1", "1", song) +
                               QStringList{"/p/1.jpg"}));
  EXPECT_EQ(music.log, (QStringList{"render " + song, "run"}));
  EXPECT_TRUE(f->Music_Timer.isActive());
  EXPECT_EQ(General::MusicPlaying, 1);
  // Pausing the show does not touch the music.
  QTest::keyClick(f, Qt::Key_Space);
  f->Music_Timer_Timer();
  EXPECT_EQ(music.log.size(), 2);
  // At its end it starts again with a new graph.
  music.position = music.duration;
  f->Music_Timer_Timer();
  EXPECT_EQ(music.log.mid(2), (QStringList{"stop", "render " + song, "run"}));
  EXPECT_EQ(music.graphs, 2);
  music.position = 1.0;
  QTest::keyClick(f, Qt::Key_Escape);
  EXPECT_EQ(music.log.last(), "stop");
  EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(Controls, MusicThatIsOffMissingOrUnplayable) {
  pictures.Add("/p/1.jpg", {40, 30});
  const QString song = dir.filePath("song.mp3");
  ASSERT_TRUE(Write_File(song));
  enum Expect { Silent, Fatal, Back_To_Maker };
  struct { QString use, path; bool render, run, device; Expect expect; } cases[] = {
      {"0", song, true, true, true, Silent},
      {"1", "", true, true, true, Silent},
      {"1", dir.filePath("missing.mp3"), true, true, true, Silent},
      {"1", dir.path(), true, true, true, Silent},  // a folder
      {"1", song, true, true, false, Silent},       // no audio device
      {"1", song, false, true, true, Fatal},
      {"1", song, true, false, true, Fatal},
      {"1", song, false, true, true, Back_To_Maker},  // a preview: the maker's list may be unsaved
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(n);
    msg.shown.clear();
    program.end_codes.clear();
    music.log.clear();
    music.unplayable.clear();
    if (!c.render) music.unplayable.insert(song);
    music.run_works = c.run;
    music.no_device = !c.device;
    Play(Show_File(Options("False", "0", "1", "5", "0", "0", "1", c.use, c.path) +
                                     QStringList{"/p/1.jpg"},
                                 QString("m%1.sli").arg(n++)),
                       c.expect == Back_To_Maker ? Platform::Show_Origin::Maker_Preview
                                                 : Platform::Show_Origin::Menu);
    // A preview that went back to the maker has closed the player, and it is gone.
    EXPECT_FALSE(player && player->Music_Timer.isActive());
    if (c.expect == Silent) {
      EXPECT_TRUE(music.log.isEmpty());
      EXPECT_TRUE(msg.shown.isEmpty());
      EXPECT_TRUE(program.end_codes.isEmpty());
    } else {
      ASSERT_EQ(msg.shown.size(), 1);
      EXPECT_EQ(msg.shown[0], (Fakes::Message{"Invalid Music file, program will exit.", 16, "Slide Show"}));
      EXPECT_EQ(program.end_codes, c.expect == Fatal ? QList<int>{1} : QList<int>{});
      EXPECT_EQ(Playing(), c.expect == Fatal);
      if (c.expect == Back_To_Maker) { EXPECT_EQ(navigator.log.last(), "ended preview"); }
    }
    Close(player);
    Flush_Events();
  }
}

// While a message box waits (in a nested event loop, as a real box does), nothing moves the show
// and nothing closes the player; after the answer the show carries on.
TEST_F(Controls, TheShowStandsStillWhileAMessageBoxWaits) {
  pictures.thread_safe = true;  // pictures arrive by signal, also while a box waits
  for (QString p : {"/p/1.jpg", "/p/2.jpg"}) pictures.Add(p, {40, 30});
  msg.wait_ms = 300;
  bool checked = false;
  // Music that cannot be played, in a show of 0.05 s that does not loop. A first picture that
  // comes while the box waits is shown behind it; one that cannot be loaded is passed over only
  // after the answer. A preview then goes back to the maker; otherwise the program ends.
  const QString song = dir.filePath("song.mp3");
  ASSERT_TRUE(Write_File(song));
  music.unplayable.insert(song);
  using Platform::Show_Origin;
  const struct { Show_Origin origin; QString first; } cases[] = {
      {Show_Origin::Maker_Preview, "/p/1.jpg"}, {Show_Origin::Command_Line, "/p/missing.jpg"}};
  for (const auto& c : cases) {
    checked = false;
    navigator.log.clear();
    program.end_codes.clear();
    msg.while_open = [&] {
      Picture_Source::Pool().waitForDone();
      Flush_Events();
      checked = true;
      ASSERT_TRUE(Playing());
      EXPECT_EQ(player->CurrentFile, c.first);
      EXPECT_EQ(player->Image1->Image().isNull(), c.first == "/p/missing.jpg");
      EXPECT_FALSE(player->Timer1.isActive());
      EXPECT_TRUE(navigator.log.isEmpty());
    };
    Main_Frm* f = Play(Show_File(Options("False", "0", "0", "0.05", "0", "0", "1", "1", song) +
                                 QStringList{c.first, "/p/2.jpg"}),
                       c.origin);
    EXPECT_TRUE(checked);
    settle_decodes();
    if (c.origin == Show_Origin::Maker_Preview) {
      EXPECT_FALSE(Playing());
      EXPECT_EQ(navigator.log, QStringList{"ended preview"});
    } else {
      EXPECT_EQ(program.end_codes, QList<int>{1});  // the fake end lets the show go on
      ASSERT_TRUE(Playing());
      EXPECT_EQ(f->CurrentFile, "/p/2.jpg");
      EXPECT_TRUE(f->Timer1.isActive());
      EXPECT_TRUE(f->Hotkeys_Timer.isActive());
    }
    Close(player);
    Flush_Events();
  }

  // Keys that waited for a picture are replayed in order: Shift+Delete asks, and the Space that
  // came after it waits for the answer.
  music.unplayable.clear();
  msg.answers = {Platform::vbNo};
  pictures.Hold("/p/1.jpg");
  Main_Frm* f = Play(Show_File(Options("False", "0", "1") + QStringList{"/p/1.jpg", "/p/2.jpg"}));
  ASSERT_TRUE(f->Waiting());
  QTest::keyPress(f, Qt::Key_Delete, Qt::ShiftModifier);
  QTest::keyRelease(f, Qt::Key_Delete, Qt::ShiftModifier);
  QTest::keyClick(f, Qt::Key_Space);
  checked = false;
  msg.while_open = [&] {
    checked = true;
    EXPECT_FALSE(player->Paused);
  };
  pictures.Release();
  settle_decodes();
  Flush_Events();
  EXPECT_TRUE(checked);
  EXPECT_TRUE(f->Paused);
}

}  // namespace
