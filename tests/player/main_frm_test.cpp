// The player on the offscreen platform with fake seams: real show files, fake pictures.
#include "player/main_frm.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include "core/general/general.h"
#include "core/show_file/show_file.h"
#include "player/picture_box.h"
#include "player/player_fixture.h"

namespace {

TEST_F(Player, PlaysInFileOrderAtTheFilesDelayAndWraps) {
  Main_Frm* f = Play_Pictures(Options("True", "1", "1", "2.5"), {"/p/1.jpg", "/p/2.jpg", "/p/3.jpg"});
  EXPECT_EQ(f->CurrentFile, "/p/1.jpg");
  EXPECT_TRUE(f->Timer1.isActive());
  EXPECT_EQ(f->Timer1.interval(), 2500);
  QStringList seen{f->CurrentFile};
  for (int i = 0; i < 4; ++i) {
    f->Timer1_Timer();
    seen << f->CurrentFile;
  }
  EXPECT_EQ(seen, (QStringList{"/p/1.jpg", "/p/2.jpg", "/p/3.jpg", "/p/1.jpg", "/p/2.jpg"}));
  EXPECT_TRUE(f->isVisible());
  EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(Player, ANonLoopingShowIsLeftOneStepAfterTheLastPicture) {
  Main_Frm* f = Play_Pictures(Options("False", "0", "0"), {"/p/1.jpg", "/p/2.jpg"});
  f->Timer1_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/2.jpg");
  EXPECT_TRUE(f->isVisible());
  f->Timer1_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/1.jpg");  // shown, then the show is left
  Flush_Events();
  EXPECT_TRUE(player.isNull());
  // Back to where the show came from: the menu.
  EXPECT_EQ(navigator.log, QStringList{"ended menu"});

  // Started from the command line, leaving the show says so (the program then ends).
  f = Play(Show_File(Options("False", "0", "0") + QStringList{"/p/1.jpg"}, "cl.sli"),
           Platform::Show_Origin::Command_Line);
  f->Timer1_Timer();
  Flush_Events();
  EXPECT_FALSE(Playing());
  EXPECT_EQ(navigator.log.last(), "ended command line");
  EXPECT_TRUE(program.end_codes.isEmpty());

  // Past the end the show ends even when the first picture cannot be loaded: a missing first
  // picture before a good one, and 38 broken ones before three good ones.
  pictures.Add("/p/3.jpg", {40, 30});
  QStringList broken;
  for (int i = 0; i < 38; ++i) broken << QString("/p/broken%1.jpg").arg(i);
  for (const QStringList& list : {QStringList{"/p/missing.jpg", "/p/1.jpg"},
                                  broken + QStringList{"/p/1.jpg", "/p/2.jpg", "/p/3.jpg"}}) {
    f = Play(Show_File(Options("False", "0", "0") + list, "broken.sli"));
    int firings = 0;
    for (; Playing() && firings < 10; ++firings) {
      f->Timer1_Timer();
      Flush_Events();
    }
    EXPECT_FALSE(Playing());
    EXPECT_EQ(firings, list.size() - (list.size() == 2 ? 1 : 38));  // one per good picture
  }
}

TEST_F(Player, AnInvalidFileIsRefusedAndEndsTheProgram) {
  const QStringList bad[] = {
      {"/p/1.jpg", "/p/2.jpg"},                                      // too few lines
      Options("True", "1", "1", "66") + QStringList{"/p/1.jpg"},     // 66 s is beyond 65535 ms
      Options("True", "1", "1", "abc"),                              // not a number
      Options("True", "1", "1", "5", "16777216"),                    // not a colour
  };
  int n = 0;
  for (const QStringList& lines : bad) {
    msg.shown.clear();
    program.end_codes.clear();
    Play(Show_File(lines, QString("bad%1.sli").arg(n++)));
    ASSERT_EQ(msg.shown.size(), 1) << lines.join('|').toStdString();
    EXPECT_EQ(msg.shown[0], (Fakes::Message{"Error, Invaild File!", 16, "Slide Show"}));
    EXPECT_EQ(program.end_codes, QList<int>{1});
    player->close();
    Flush_Events();
  }
}

TEST_F(Player, OptionsOfTheFileReachThePlayer) {
  Main_Frm* f = Play_Pictures(Options("True", "0", "1", "0", "255"), {"/p/1.jpg"});
  EXPECT_EQ(f->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_FALSE(f->Timer1.isActive());  // Delay 0: the show never advances by itself
  EXPECT_TRUE(f->StrechOn);
  EXPECT_FALSE(f->RatioOn);
  EXPECT_TRUE(f->LoopOn);
  EXPECT_TRUE(f->MessageOn);
  EXPECT_EQ(f->Image1->geometry(), QRect(QPoint(0, 0), f->size()));  // fill
  EXPECT_TRUE(f->isFullScreen());
  EXPECT_TRUE(f->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// Relative paths in a show file lead from the show file's folder, wherever the program runs from
// and however the show file itself was named; full paths and empty lines stay as they are.
TEST_F(Player, RelativePathsAreTakenFromTheShowFilesFolder) {
  ASSERT_TRUE(QDir(dir.path()).mkpath("shows/elsewhere"));
  const QString shows = dir.filePath("shows");
  const QStringList lines{"pics/a.jpg", "./../b.jpg", "/p/c.jpg", "", "x/../d e.jpg"};
  const QStringList expected{shows + "/pics/a.jpg", dir.path() + "/b.jpg", "/p/c.jpg", "",
                             shows + "/d e.jpg"};
  pictures.Add(expected[0], {40, 30});
  Show_File(Options("False", "0", "1", "5", "0", "0", "1", "1", "music/m.mp3") + lines,
            "shows/rel.sli");
  const QString working = QDir::currentPath();
  for (const QString& from : {shows + "/elsewhere", dir.path()}) {
    ASSERT_TRUE(QDir::setCurrent(from));
    Main_Frm* f = Play(from == dir.path() ? "shows/rel.sli" : shows + "/rel.sli");
    QDir::setCurrent(working);
    EXPECT_EQ(f->List2, expected) << from.toStdString();
    EXPECT_EQ(f->CurrentFile, expected[0]);
    EXPECT_EQ(General::MusicPath, shows + "/music/m.mp3");
    Close(player);
    Flush_Events();
  }
}

TEST_F(Player, UnloadablePicturesAreSkippedInTheDirectionOfTravel) {
  for (QString p : {"/p/1.jpg", "/p/3.jpg", "/p/4.jpg"}) pictures.Add(p, {40, 30});
  pictures.undecodable.insert("/p/4.jpg");  // header fine, decoding fails
  // Decoded here and now, and on the pool: each step's picture is waited for.
  for (const bool pool : {false, true}) {
    SCOPED_TRACE(pool);
    pictures.thread_safe = pool;
    Main_Frm* f = Play(Show_File(Options("False", "0", "1") +
                                 QStringList{"/p/1.jpg", "/p/missing.jpg", "/p/3.jpg", "/p/4.jpg"}));
    QStringList seen;
    for (const bool forward : {true, true, false, false}) {
      settle_decodes();
      forward ? f->Forward() : f->Back();
      settle_decodes();
      EXPECT_FALSE(f->Waiting());
      seen << f->CurrentFile;
    }
    EXPECT_EQ(seen, (QStringList{"/p/3.jpg", "/p/1.jpg", "/p/3.jpg", "/p/1.jpg"}));
    EXPECT_TRUE(f->Timer1.isActive());
    EXPECT_TRUE(msg.shown.isEmpty());
    Close(player);
    Flush_Events();
  }
}

TEST_F(Player, AShowWherenothingLoadsSaysSoOnceAndEnds) {
  Main_Frm* f = Play(Show_File(Options("False", "0", "1") + QStringList{"/p/a.jpg", "/p/b.jpg"}));
  Q_UNUSED(f);
  Flush_Events();
  ASSERT_EQ(msg.shown.size(), 1);
  EXPECT_EQ(msg.shown[0], (Fakes::Message{"No Vaild Picture Files", 48, "ERROR"}));
  EXPECT_FALSE(Playing());
}

TEST_F(Player, EmptyEntriesShowOnlyTheBackground) {
  pictures.Add("/p/1.jpg", {40, 30});
  Main_Frm* f = Play(Show_File(Options("False", "0", "1") + QStringList{"", "/p/1.jpg"}));
  EXPECT_EQ(f->CurrentFile, "");
  EXPECT_TRUE(f->Image1->Image().isNull());
  EXPECT_TRUE(f->Timer1.isActive());
  f->Timer1_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/1.jpg");
  EXPECT_FALSE(f->Image1->Image().isNull());
  EXPECT_TRUE(msg.shown.isEmpty());

  // An empty play list never indexes past its end.
  player->close();
  f = Play(Show_File(Options("False", "0", "1"), "empty.sli"));
  for (int i = 0; i < 3; ++i) f->Timer1_Timer();
  f->Forward();
  f->Back();
  EXPECT_EQ(f->CurrentIndex(), -1);
  EXPECT_TRUE(f->isVisible());
}

TEST_F(Player, RunFileIsDeletedOnlyWhenLeavingByTheUsersStepOrAFailure) {
  // The timer passing the end leaves the run file; the user's step past it deletes the run file,
  // and no other.
  const QString run = General::Run_File_Path(), other = dir.filePath("show.sli");
  pictures.Add("/p/1.jpg", {40, 30});
  pictures.Add("/p/2.jpg", {40, 30});
  const struct { QString file; bool timed, kept; } cases[] = {
      {run, true, true}, {run, false, false}, {other, false, true}};
  for (const auto& c : cases) {
    ASSERT_TRUE(ShowFile::Write(Platform::Services::Disk(), c.file, {}, {"/p/1.jpg", "/p/2.jpg"}));
    Main_Frm* f = Play(c.file);
    for (int i = 0; i < 2; ++i) c.timed ? f->Timer1_Timer() : f->Forward();
    Flush_Events();
    EXPECT_FALSE(Playing());
    EXPECT_EQ(QFile::exists(c.file), c.kept) << c.file.toStdString() << c.timed;
  }
}

TEST_F(Player, ShufflesOnceAtLoad) {
  Fakes::Random random;
  random.values = {0.99, 0.99, 0.0};  // first draw picks the last entry, then the last again
  Platform::Services::Guard rnd;
  rnd.random(random);
  Main_Frm* f = Play_Pictures(Options("False", "0", "1", "5", "0", "1"), {"/p/a", "/p/b", "/p/c"});
  EXPECT_EQ(f->List2, (QStringList{"/p/c", "/p/a", "/p/b"}));
  EXPECT_EQ(f->CurrentFile, "/p/c");
  // Showing the window again does not load the show again.
  f->hide();
  f->show();
  Flush_Events();
  EXPECT_EQ(f->List2.size(), 3);
}

TEST_F(Player, DecodesOnlyWhatIsSeenAndAgainWhenMoreIsSeen) {
  Main_Frm* f = Play_Pictures(Options("False", "0", "1"), {"/p/big.jpg"}, {6000, 4000});
  const QSize window = f->size();
  ASSERT_FALSE(pictures.loads.isEmpty());
  const auto first = pictures.loads.last().request;
  EXPECT_EQ(first.scaled, QSize(6000, 4000));
  EXPECT_EQ(first.clip.size(), window);  // only the visible part of the own-size picture
  EXPECT_EQ(f->Image1->geometry().size(), QSize(6000, 4000));

  pictures.loads.clear();
  f->showNormal();
  f->resize(window / 2);
  Flush_Events();
  // A smaller view is covered by what was decoded.
  EXPECT_TRUE(pictures.loads.isEmpty());
  f->resize(window + QSize(200, 100));
  Flush_Events();
  ASSERT_FALSE(pictures.loads.isEmpty());
  EXPECT_EQ(pictures.loads.last().request.clip.size(), f->size());
}

TEST_F(Player, TheNextPictureIsDecodedAheadForTheWindowItWillBeShownIn) {
  pictures.thread_safe = true;
  const QStringList paths{"/p/1.jpg", "/p/2.jpg", "/p/3.jpg"};

  Main_Frm* f = Play_Pictures(Options("True", "1", "1"), paths, {4000, 3000});
  settle_decodes();
  ASSERT_GE(pictures.Loads_Of("/p/2.jpg"), 1);  // before any step
  int before = pictures.Loads_Of("/p/2.jpg");
  f->Timer1_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/2.jpg");
  EXPECT_EQ(pictures.Loads_Of("/p/2.jpg"), before);  // not decoded again
  EXPECT_EQ(f->Image1->Image().width(), f->width());

  // The window changes after the next picture was decoded ahead: it is decoded again for the new
  // size, and shown at that size.
  settle_decodes();
  f->showNormal();
  f->resize(f->size() / 2);
  Flush_Events();
  settle_decodes();
  before = pictures.Loads_Of("/p/3.jpg");
  EXPECT_GE(before, 2);
  f->Timer1_Timer();
  EXPECT_EQ(f->CurrentFile, "/p/3.jpg");
  EXPECT_EQ(pictures.Loads_Of("/p/3.jpg"), before);
  EXPECT_EQ(f->Image1->Image().width(), f->width());

  // Stepping back decodes the picture before ahead.
  f->Back();
  EXPECT_EQ(f->CurrentFile, "/p/2.jpg");
  settle_decodes();
  before = pictures.Loads_Of("/p/1.jpg");
  f->Back();
  EXPECT_EQ(f->CurrentFile, "/p/1.jpg");
  EXPECT_EQ(pictures.Loads_Of("/p/1.jpg"), before);
  EXPECT_EQ(f->Image1->Image().width(), f->width());
}

}  // namespace
