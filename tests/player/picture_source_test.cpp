// The player's picture source: what it decodes, for which window, once at a time; what it drops
// when it is no longer wanted; which decoded pictures it keeps.
#include "player/picture_source.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

#include "player/picture_box.h"
#include "player/player_fixture.h"
#include "support/fakes.h"

namespace {

class Source : public ::testing::Test {
 protected:
  Source() { seams.pictures(pictures); }
  void SetUp() override {
    pictures.thread_safe = true;
    for (const char* p : {"/a", "/b", "/c", "/d"}) pictures.Add(p, {4000, 3000});
  }
  void TearDown() override {
    pictures.Release();
    settle_decodes();
  }
  static Picture_Key Key(const QString& path, Fitting::Mode mode = Fitting::Mode::Keep_Ratio) {
    return {path, mode, {800, 600}};
  }

  Fakes::Pictures pictures;
  Platform::Services::Guard seams;
  Picture_Source source;
  QSignalSpy ready{&source, &Picture_Source::Ready};
};

TEST_F(Source, DecodesWhatTheWindowShowsOncePerPictureAndSize) {
  EXPECT_FALSE(source.Want({Key("/a"), Key("/b", Fitting::Mode::Own_Size)}));
  EXPECT_FALSE(source.Want({Key("/a"), Key("/b", Fitting::Mode::Own_Size)}));  // under way already
  settle_decodes();
  ASSERT_EQ(pictures.loads.size(), 2);
  EXPECT_EQ(ready.size(), 2);
  for (const auto& load : pictures.loads) {
    EXPECT_TRUE(load.worker);
    // Keep ratio: scaled to the window. Own size: only the middle that the window shows.
    const Platform::Decode_Request want = load.path == "/a"
        ? Platform::Decode_Request{{800, 600}, {0, 0, 800, 600}}
        : Platform::Decode_Request{{4000, 3000}, {1600, 1200, 800, 600}};
    EXPECT_EQ(load.request, want) << load.path.toStdString();
  }
  const auto a = source.Want({Key("/a"), Key("/b", Fitting::Mode::Own_Size)});
  ASSERT_TRUE(a);  // held: no decode
  EXPECT_EQ(a->image.size(), QSize(800, 600));
  EXPECT_EQ(a->own, QSize(4000, 3000));
  source.Want({{"/a", Fitting::Mode::Keep_Ratio, {400, 300}}});  // another size is another picture
  settle_decodes();
  EXPECT_EQ(pictures.Loads_Of("/a"), 2);
}

TEST_F(Source, WhatIsNoLongerWantedIsDroppedOrItsResultLetGo) {
  pictures.Hold("/a");
  pictures.Hold("/b");
  source.Want({Key("/a"), Key("/b"), Key("/c")});  // both threads busy, /c waits its turn
  ASSERT_TRUE(QTest::qWaitFor([&] { return pictures.Loads_Of("/a") + pictures.Loads_Of("/b") == 2; }));
  source.Want({Key("/d"), Key("/b")});  // /a goes on unwanted, /c never starts
  pictures.Release("/a");
  ASSERT_TRUE(QTest::qWaitFor([&] { return source.Find(Key("/d")).has_value(); }));
  EXPECT_EQ(pictures.Loads_Of("/c"), 0);
  EXPECT_EQ(source.Held(), QList<Picture_Key>{Key("/d")});
  // Wanted again while still under way: no second decode, its result is taken.
  source.Want({Key("/b")});
  pictures.Release("/b");
  settle_decodes();
  EXPECT_EQ(pictures.Loads_Of("/b"), 1);
  EXPECT_EQ(source.Held(), QList<Picture_Key>{Key("/b")});
  QList<Picture_Key> came;
  for (const auto& signal : ready) came << signal[0].value<Picture_Key>();
  EXPECT_EQ(came, (QList<Picture_Key>{Key("/d"), Key("/b")}));
}

TEST_F(Source, KeepsTheMostWantedNeighboursWithinItsBytes) {
  // Seen whole at own size, 16 MB a picture: three window-sized pictures' worth (48 MB, more than
  // 40 MiB) are kept, a fourth is not.
  const QSize big(2000, 2000);
  auto key = [&](const QString& p) { return Picture_Key{p, Fitting::Mode::Own_Size, big}; };
  for (const char* p : {"/a", "/b", "/c", "/d"}) pictures.Add(p, big);
  source.Want({key("/a"), key("/b"), key("/c"), key("/d")});
  settle_decodes();
  EXPECT_EQ(source.Held(), (QList<Picture_Key>{key("/a"), key("/b"), key("/c")}));
  source.Want({key("/b"), key("/c"), key("/d"), key("/a")});  // a step on: the one before goes last
  settle_decodes();
  EXPECT_EQ(source.Held(), (QList<Picture_Key>{key("/b"), key("/c"), key("/d")}));
  EXPECT_EQ(pictures.Loads_Of("/d"), 2);  // the first result found no room; the second is kept
}

TEST_F(Player, EscOrARightClickLeavesAtOnceWhileTheStepsPictureIsBeingDecoded) {
  pictures.thread_safe = true;
  for (const bool click : {false, true}) {
    pictures.Hold("/p/slow.jpg");
    Main_Frm* f = Play_Pictures(Options("True", "1", "1"), {"/p/slow.jpg"}, {6000, 4000});
    ASSERT_TRUE(f->Waiting());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pictures.Loads_Of("/p/slow.jpg", true) == click + 1; }));
    click ? QTest::mouseClick(f, Qt::RightButton, {}, QPoint(1, 1)) : QTest::keyClick(f, Qt::Key_Escape);
    Flush_Events();
    EXPECT_FALSE(Playing()) << click;
    EXPECT_TRUE(Picture_Source::Busy());  // the decode goes on, nobody waits for it
    pictures.Release();
    settle_decodes();
  }
}

TEST_F(Player, KeysAndTheTimerWaitForTheStepsPicture) {
  pictures.thread_safe = true;
  pictures.Hold("/p/1.jpg");
  Main_Frm* f = Play_Pictures(Options("False", "0", "1", "0.05"), {"/p/1.jpg", "/p/2.jpg"});
  ASSERT_TRUE(f->Waiting());
  QTest::keyClick(f, Qt::Key_Space);  // pause
  f->Forward();
  QTest::qWait(120);  // the timer fires meanwhile
  EXPECT_FALSE(f->Paused);
  EXPECT_TRUE(f->CurrentFile == "/p/1.jpg" && f->Image1->Image().isNull());
  pictures.Release();
  settle_decodes();
  // The picture came, then the step asked meanwhile, then the key: paused on the second picture.
  EXPECT_EQ(f->CurrentFile, "/p/2.jpg");
  EXPECT_FALSE(f->Waiting());
  Flush_Events();
  EXPECT_TRUE(f->Paused);
  EXPECT_FALSE(f->Timer1.isActive());
}

}  // namespace
