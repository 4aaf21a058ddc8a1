// The player's picture source: what it decodes, for which window, once at a time; what it drops
// when it is no longer wanted; which decoded pictures it keeps.
#include <QSignalSpy>
#include <QTest>

#include "player/player_fixture.h"

class Source : public Player {
 protected:
  Source() { pictures.thread_safe = true; for (const char* p : {"/a", "/b", "/c", "/d"}) pictures.Add(p, {4000, 3000}); }
  Picture_Source source;
};

static Picture_Key Key(const QString& p, Fitting::Mode m = Fitting::Mode::Keep_Ratio, QSize window = {800, 600}) { return {p, m, window}; }

TEST_F(Source, DecodesWhatTheWindowShowsOncePerPictureAndSize) {
  const QList<Picture_Key> two{Key("/a"), Key("/b", Fitting::Mode::Own_Size)};
  EXPECT_FALSE(source.Want(two) || source.Want(two));  // the second time they are under way
  settle_decodes();
  EXPECT_EQ(pictures.Loads_Of("/a", true) + pictures.Loads_Of("/b", true), 2);  // on the pool, once each
  // Keep ratio: scaled to the window. Own size: only the middle that the window shows.
  const Platform::Decode_Request ratio{{800, 600}, {0, 0, 800, 600}}, own{{4000, 3000}, {1600, 1200, 800, 600}};
  for (const auto& load : pictures.loads) EXPECT_EQ(load.request, load.path == "/a" ? ratio : own);
  const auto a = source.Want(two);  // held: no decode
  EXPECT_TRUE(a && a->image.size() == QSize(800, 600) && a->own == QSize(4000, 3000));
  source.Want({Key("/a", Fitting::Mode::Keep_Ratio, {400, 300})});  // another size: another picture
  settle_decodes();
  EXPECT_EQ(pictures.Loads_Of("/a"), 2);
  pictures.thread_safe = false;  // a loader for one thread only: the first here and now, nothing ahead
  EXPECT_TRUE(source.Want({Key("/c"), Key("/d")}));
  settle_decodes();
  EXPECT_EQ(pictures.Loads_Of("/c", false) + pictures.Loads_Of("/d"), 1);
}

TEST_F(Source, WhatIsNoLongerWantedIsDroppedOrItsResultLetGo) {
  QSignalSpy ready{&source, &Picture_Source::Ready};
  for (const char* p : {"/a", "/b"}) pictures.Hold(p);
  source.Want({Key("/a"), Key("/b"), Key("/c")});  // both threads busy, /c waits its turn
  ASSERT_TRUE(QTest::qWaitFor([&] { return pictures.Loads_Of("/a") + pictures.Loads_Of("/b") == 2; }));
  EXPECT_TRUE(Picture_Source::Busy());
  source.Want({Key("/d"), Key("/b")});  // /a goes on unwanted, /c never starts
  pictures.Release("/a");
  ASSERT_TRUE(QTest::qWaitFor([&] { return source.Find(Key("/d")).has_value(); }));
  EXPECT_EQ(std::pair(pictures.Loads_Of("/c"), source.Held()), std::pair(0, QList<Picture_Key>{Key("/d")}));
  source.Want({Key("/b")});  // wanted again while under way: no second decode, its result is taken
  pictures.Release("/b");
  settle_decodes();
  EXPECT_TRUE(pictures.Loads_Of("/b") == 1 && !Picture_Source::Busy() && source.Held() == QList<Picture_Key>{Key("/b")});
  ASSERT_EQ(ready.size(), 2);
  EXPECT_EQ(ready[0][0].value<Picture_Key>(), Key("/d"));
}

TEST_F(Source, KeepsTheMostWantedNeighboursWithinItsBytes) {
  // Seen whole at own size, 16 MB a picture: three window-sized pictures' worth (48 MB, more than
  // 40 MiB) are kept, a fourth is not.
  auto key = [&](const QString& p) { return Key(p, Fitting::Mode::Own_Size, {2000, 2000}); };
  for (const char* p : {"/a", "/b", "/c", "/d"}) pictures.Add(p, {2000, 2000});
  source.Want({key("/a"), key("/b"), key("/c"), key("/d")});
  settle_decodes();
  EXPECT_EQ(source.Held(), (QList<Picture_Key>{key("/a"), key("/b"), key("/c")}));
  source.Want({key("/b"), key("/c"), key("/d"), key("/a")});  // a step on: the one before goes last
  settle_decodes();
  EXPECT_EQ(source.Held(), (QList<Picture_Key>{key("/b"), key("/c"), key("/d")}));
  EXPECT_EQ(pictures.Loads_Of("/d"), 2);  // the first result found no room; the second is kept
}
