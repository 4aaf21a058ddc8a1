// The player on the offscreen platform with fake seams: loading the show, stepping, ending, and
// waiting for the pictures decoded on the pool.
#include "player/main_frm.h"

#include <QTest>
#include <tuple>

#include "player/player_fixture.h"

TEST_F(Player, PlaysTheFileWithItsOptionsShuffledOnceEmptyEntriesAsTheBackground) {
  Fakes::Random random;
  random.values = {0.99, 0.99, 0.0};
  seams.random(random);
  Main_Frm* f = Play_Pictures({"Strech=True", "Shuff=1", "Delay=2.5", "BackCol=255"}, {"/p/a", "/p/b", "/p/c"});
  // Stretched, the ratio not kept: the picture fills the window.
  EXPECT_EQ(std::tuple(f->List2, f->CurrentFile, f->Timer1.interval(), f->palette().color(QPalette::Window), f->Image1->geometry()),
            std::tuple(QStringList{"/p/c", "/p/a", "/p/b"}, QString("/p/c"), 2500, QColor(255, 0, 0), QRect(QPoint(0, 0), f->size())));
  EXPECT_TRUE(f->isFullScreen() && f->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  f->hide();
  f->show();
  Flush_Events();
  EXPECT_EQ(f->List2.size(), 3);  // showing the window again loads nothing again
  f = Play_Pictures({"Delay=0"}, {"/p/c", ""});
  f->Forward();  // an empty entry shows only the background; a delay of 0 never advances
  EXPECT_TRUE(f->CurrentFile.isEmpty() && f->Image1->Image().isNull() && !f->Timer1.isActive());
  f = Play_Pictures({}, {"/p/c"});
  f->Forward();  // a one-picture show stands still, its timer running
  EXPECT_TRUE(f->Timer1.isActive());
  f = Play_Pictures({"Loop=1"}, {});  // an empty looping show: the background until the user leaves
  f->Show_Pics();
  EXPECT_TRUE(Is_Loaded(player) && f->CurrentFile.isEmpty() && f->Image1->Image().isNull());
  Play(Show_File({"Delay=66"}, {"/p/c"}));
  EXPECT_EQ(std::pair(msg.shown, program.end_codes),
            std::pair(QList<Fakes::Message>{{"Error, Invaild File!", 16, "Slide Show"}}, QList<int>{1}));
}

// The timer and the user's steps skip what cannot be loaded, and wrap or leave. Leaving goes back
// where the show came from; the run file goes only when the user or a failure ends the show, never
// when the timer passes its end.
TEST_F(Player, StepsSkipWrapOrLeaveAndOnlyTheUserOrAFailureDeletesTheRunFile) {
  const QString run = General::Run_File_Path();
  const QStringList four{"/p/1.jpg", "/p/missing.jpg", "/p/2.jpg", "/p/3.jpg"};
  pictures.thread_safe = true;
  pictures.undecodable.insert("/p/missing.jpg");  // its header reads, its decoding fails
  enum How { Timer, Forward, Back, Nothing_Loads };
  using O = Platform::Show_Origin;
  // `gone`: the first picture cannot be read any more when the show comes back to it.
  const struct { QString file; bool loop; How how; bool gone; O origin; bool kept; } cases[] = {
      {run, true, Timer, false, O::Menu, true}, {run, false, Timer, false, O::Command_Line, true},
      {run, false, Timer, true, O::Menu, false}, {run, true, Forward, false, O::Menu, true}, {run, false, Back, false, O::Menu, true},
      {run, false, Forward, false, O::Folder_Window, false}, {dir.filePath("other.sli"), false, Forward, false, O::Menu, true},
      {run, true, Nothing_Loads, false, O::Maker, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    navigator.log.clear();
    for (const QString& p : four) pictures.Add(p, {40, 30});
    const QStringList paths = c.how == Nothing_Loads ? QStringList{"/p/missing.jpg"} : four;
    Main_Frm* f = Play(Show_File({c.loop ? "Loop=1" : "Loop=0"}, paths, c.file), c.origin);
    QStringList seen;
    for (int i = 0; i < 3 && c.how != Nothing_Loads; ++i) {
      settle_decodes();
      if (i == 2) pictures.Hold("/p/1.jpg");  // past the end its decode is not waited for
      if (i == 2 && c.gone) pictures.sizes.remove("/p/1.jpg");
      c.how == Timer ? f->Timer1_Timer() : c.how == Forward ? f->Forward() : f->Back();
      seen << f->CurrentFile;
    }
    const bool stays = c.how == Back || (c.loop && c.how != Nothing_Loads);
    EXPECT_TRUE(!stays || f->Timer1.isActive());
    c.how == Nothing_Loads ? settle_decodes() : Flush_Events();
    EXPECT_EQ(seen, (c.how == Nothing_Loads ? QStringList() : c.how == Back ? QStringList{"/p/3.jpg", "/p/2.jpg", "/p/1.jpg"}
                                                                            : QStringList{"/p/2.jpg", "/p/3.jpg", "/p/1.jpg"}));
    EXPECT_EQ(std::tuple(Playing(), navigator.log, QFile::exists(c.file)),
              std::tuple(stays, stays ? QStringList() : QStringList{"ended " + Fakes::Navigator::Name(c.origin)}, c.kept));
    pictures.Release();
  }
  EXPECT_EQ(msg.shown, (QList<Fakes::Message>{{"No Vaild Picture Files", 48, "ERROR"}}));
}

TEST_F(Player, DecodesWhatIsSeenAndTheNeighboursAheadForTheWindowAsItIs) {
  pictures.thread_safe = true;
  const QStringList five{"/p/1.jpg", "/p/2.jpg", "/p/3.jpg", "/p/4.jpg", "/p/5.jpg"};
  auto loads = [&] { QList<int> n; for (const QString& p : five) n << pictures.Loads_Of(p); return n; };
  Main_Frm* f = Play_Pictures({}, five, {6000, 4000});
  settle_decodes();
  // The shown picture and the next two are decoded; not the one behind, across the wrap.
  EXPECT_EQ(loads(), (QList<int>{1, 1, 1, 0, 0}));
  f->Back();  // going back wraps: the two before come first
  settle_decodes();
  EXPECT_EQ(loads(), (QList<int>{1, 1, 1, 1, 1}));
  // A smaller window is covered by the shown picture; the neighbours are decoded for it.
  f->showNormal();
  f->resize(f->size() / 2);
  settle_decodes();
  EXPECT_EQ(pictures.Loads_Of("/p/5.jpg"), 1);
  const int ahead = pictures.Loads_Of("/p/4.jpg");
  f->Back();
  EXPECT_EQ(std::pair(pictures.Loads_Of("/p/4.jpg"), f->Image1->Decoded().clip.size()), std::pair(ahead, f->size()));
  // A larger one: the shown picture is decoded again, on the pool or here and now.
  for (const bool pool : {true, false}) {
    pictures.thread_safe = pool;
    f->resize(f->size() + QSize(20, 10));
    settle_decodes();
    EXPECT_EQ(f->Image1->Decoded().clip.size(), f->size()) << pool;
  }
  // A show that does not loop decodes nothing ahead across its end.
  pictures.thread_safe = true;
  const int before = pictures.Loads_Of("/p/1.jpg");
  f = Play_Pictures({"Loop=0"}, five);
  for (int i = 0; i < 3; ++i) { settle_decodes(); f->Forward(); }
  settle_decodes();
  EXPECT_EQ(pictures.Loads_Of("/p/1.jpg"), before + 1);
}

// Keys and clicks wait for the step's picture, and so do the user's steps and the timer; Esc and
// the right button leave at once, and delete the run file.
TEST_F(Player, WhileTheStepsPictureIsDecodedKeysStepsAndTheTimerWaitButEscOrARightClickLeave) {
  pictures.thread_safe = true;
  for (const char* p : {"/p/1.jpg", "/p/2.jpg"}) pictures.Add(p, {40, 30});
  for (const int leave : {1, 2, 0}) {  // by Esc, by a right click, not at all
    pictures.Hold("/p/1.jpg");
    Main_Frm* f = Play(Show_File({"Delay=0.05"}, {"/p/1.jpg", "/p/2.jpg"}, General::Run_File_Path()));
    ASSERT_TRUE(f->Waiting());
    QTest::keyClick(f, Qt::Key_Space);
    f->Forward();
    if (leave) leave == 1 ? QTest::keyClick(f, Qt::Key_Escape) : QTest::mouseClick(f, Qt::RightButton, {}, QPoint(1, 1));
    QTest::qWait(120);  // the timer fires meanwhile
    // Left: closed, the run file deleted, the screen no longer held awake.
    EXPECT_EQ(std::tuple(Playing(), QFile::exists(General::Run_File_Path()), awake.held), std::tuple(!leave, !leave, leave ? 0 : 1));
    EXPECT_TRUE(leave || (!f->Paused && f->Image1->Image().isNull()));
    pictures.Release();
    settle_decodes();
  }
  // The picture came, then the step asked meanwhile, then the key: paused on the second picture.
  EXPECT_EQ(player->CurrentFile, "/p/2.jpg");
  Flush_Events();
  EXPECT_TRUE(player->Paused && !player->Timer1.isActive());
}
