#include "search/folder_walk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

#include "search/search_frm.h"
#include "startup/general.h"
#include "support/fakes.h"

namespace {

// Records what the walk tells its owner: every current folder, and the pictures collected (joined
// to their folder as the search window does) with the depth at each collection.
struct Recorder {
  QStringList dirs;
  QStringList pictures;
  QList<int> depths;
  QStringList collected_in;
  std::function<bool()> stop = [] { return false; };
  int climbs = 0;

  Folder_Walk::Hooks Hooks(const Folder_Walk::Walker& walk) {
    Folder_Walk::Hooks h;
    h.Dir1_Change = [this](const QString& folder) { dirs << folder; };
    h.Get_Files = [this, &walk] {
      collected_in << walk.Dir1();
      depths << walk.Depth();
      for (const QString& name : walk.File1()) pictures << General::Join_Path(walk.Dir1(), name);
    };
    h.Stop_Requested = [this] {
      ++climbs;
      return stop();
    };
    return h;
  }
};

// A real folder tree in a temporary folder; the files are empty (the walk reads names only).
class Tree : public ::testing::Test {
 protected:
  void Make(const QStringList& files, const QStringList& folders = {}) {
    for (const QString& f : folders) ASSERT_TRUE(QDir().mkpath(root(f)));
    for (const QString& f : files) {
      ASSERT_TRUE(QDir().mkpath(QFileInfo(root(f)).path()));
      QFile file(root(f));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
  }
  QString root(const QString& relative = {}) const {
    return relative.isEmpty() ? dir.path() : dir.path() + "/" + relative;
  }
  QStringList Full(const QStringList& relatives) const {
    QStringList out;
    for (const QString& r : relatives) out << root(r);
    return out;
  }
  Folder_Walk::End Walk(Recorder& r, const QString& start = {}) {
    return walk.Search_Folders(start.isEmpty() ? root() : start, r.Hooks(walk));
  }

  QTemporaryDir dir;
  std::unique_ptr<Platform::DirectorySeam> disk = Platform::Make_Posix_Directories();
  Folder_Walk::Walker walk{*disk};
};

TEST_F(Tree, EveryFolderBeforeTheFoldersBelowItInListOrder) {
  Make({"s.jpg", "notes.txt", "A/a.JPG", "A/A1/a1.gif", "A/A1/skip.png", "b/b.Bmp", "b/c.jpeg",
        ".hidden/h.jpg", "A/.x.gif"},
       {"A/empty", "c"});
  Recorder r;
  EXPECT_EQ(Walk(r), Folder_Walk::End::Complete);
  EXPECT_EQ(r.pictures, Full({"s.jpg", "A/a.JPG", "A/A1/a1.gif", "b/b.Bmp", "b/c.jpeg"}));
  // The current folder on the way down and back up.
  EXPECT_EQ(r.dirs, Full({"", "A", "A/A1", "A", "A/empty", "A", "", "b", "", "c", ""}));
  // Pictures are collected for the start folder and the folders that hold some.
  EXPECT_EQ(r.collected_in, Full({"", "A", "A/A1", "b"}));
  EXPECT_EQ(r.depths, (QList<int>{1, 2, 3, 2}));
}

TEST_F(Tree, AStartFolderWithoutPicturesGivesItsSubfoldersPictures) {
  Make({"readme.txt", "x/one.gif", "x/y/two.jpg"});
  Recorder r;
  Walk(r, root() + "/");  // a trailing separator is dropped
  EXPECT_EQ(r.pictures, Full({"x/one.gif", "x/y/two.jpg"}));
  EXPECT_EQ(r.collected_in.first(), root());  // the start folder is collected even when empty
}

TEST_F(Tree, AStartFolderWithoutSubfolders) {
  Make({"b.jpg", "a.gif"});
  Recorder r;
  EXPECT_EQ(Walk(r), Folder_Walk::End::Complete);
  EXPECT_EQ(r.pictures, Full({"a.gif", "b.jpg"}));
  EXPECT_EQ(r.depths, QList<int>{1});
  EXPECT_EQ(r.climbs, 0);
}

TEST_F(Tree, ALinkBackToAnAncestorOrASecondLinkToAFolderIsNotEnteredAgain) {
  Make({"s.jpg", "A/a.jpg", "B/b.jpg"});
  ASSERT_EQ(::symlink(qPrintable(root()), qPrintable(root("A/loop"))), 0);
  ASSERT_EQ(::symlink(qPrintable(root("B")), qPrintable(root("C1"))), 0);
  ASSERT_EQ(::symlink(qPrintable(root("B")), qPrintable(root("C2"))), 0);
  ASSERT_EQ(::symlink("nowhere", qPrintable(root("dangling"))), 0);
  Recorder r;
  EXPECT_EQ(Walk(r), Folder_Walk::End::Complete);
  EXPECT_EQ(r.pictures, Full({"s.jpg", "A/a.jpg", "B/b.jpg"}));
}

TEST_F(Tree, AFolderThatCannotBeReadIsPassedOver) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads every folder";
  Make({"A/a.jpg", "B/locked.jpg", "C/c.jpg"});
  ASSERT_TRUE(QFile::setPermissions(root("B"), QFileDevice::WriteOwner));
  Recorder r;
  EXPECT_EQ(Walk(r), Folder_Walk::End::Complete);
  QFile::setPermissions(root("B"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(r.pictures, Full({"A/a.jpg", "C/c.jpg"}));
}

TEST_F(Tree, AStopIsSeenOnTheNextClimbOnly) {
  Make({"s.jpg", "A/a.jpg", "A/A1/a1.jpg", "A/A1/A2/a2.jpg", "B/b.jpg"});
  // Asked while the start folder is collected: the walk goes on down and stops on the first climb.
  Recorder r;
  bool asked = false;
  r.stop = [&] { return asked; };
  Folder_Walk::Hooks h = r.Hooks(walk);
  h.Get_Files = [&, inner = h.Get_Files] {
    inner();
    asked = true;
  };
  EXPECT_EQ(walk.Search_Folders(root(), h), Folder_Walk::End::Stopped);
  EXPECT_EQ(r.pictures, Full({"s.jpg", "A/a.jpg", "A/A1/a1.jpg", "A/A1/A2/a2.jpg"}));
  EXPECT_EQ(r.climbs, 1);
  EXPECT_EQ(r.dirs.last(), root("A/A1"));  // the parent of the finished folder
}

// The same walks on trees in memory: a drive root, unreadable folders, large folders.
class Memory_Tree : public ::testing::Test {
 protected:
  Fakes::Directories dirs;
  Folder_Walk::Walker walk{dirs};
};

TEST_F(Memory_Tree, ARootIsFollowedDirectlyByTheNames) {
  for (const char* f : {"/a.jpg", "/A/b.gif", "/A/B/c.bmp", "/Z/d.jpg"}) dirs.File(f);
  Recorder r;
  walk.Search_Folders("/", r.Hooks(walk));
  EXPECT_EQ(r.pictures, (QStringList{"/a.jpg", "/A/b.gif", "/A/B/c.bmp", "/Z/d.jpg"}));
  EXPECT_EQ(r.dirs.first(), "/");
}

TEST_F(Memory_Tree, UnreadableFoldersArePassedOverAndAnUnreadableStartGivesNothing) {
  for (const char* f : {"/t/a.jpg", "/t/U/u.jpg", "/t/U/V/v.jpg", "/t/W/w.jpg"}) dirs.File(f);
  dirs.unreadable.insert("/t/U");
  Recorder r;
  EXPECT_EQ(walk.Search_Folders("/t", r.Hooks(walk)), Folder_Walk::End::Complete);
  EXPECT_EQ(r.pictures, (QStringList{"/t/a.jpg", "/t/W/w.jpg"}));
  dirs.unreadable.insert("/t");
  Recorder none;
  EXPECT_EQ(walk.Search_Folders("/t", none.Hooks(walk)), Folder_Walk::End::Complete);
  EXPECT_TRUE(none.pictures.isEmpty());
  EXPECT_EQ(none.collected_in, QStringList{"/t"});
}

TEST_F(Memory_Tree, EachFolderIsListedOnceWithoutSixteenBitLimits) {
  // 40,000 subfolders in one folder, 100,000 pictures in all.
  for (int i = 0; i < 40000; ++i) {
    const QString folder = QStringLiteral("/big/f%1").arg(i, 5, 10, QLatin1Char('0'));
    dirs.File(folder + "/a.jpg");
    dirs.File(folder + "/b.jpg");
    if (i % 2 == 0) dirs.File(folder + "/c.jpg");
  }
  dirs.listed.clear();
  Recorder r;
  EXPECT_EQ(walk.Search_Folders("/big", r.Hooks(walk)), Folder_Walk::End::Complete);
  ASSERT_EQ(r.pictures.size(), 100000);
  EXPECT_EQ(r.pictures.first(), "/big/f00000/a.jpg");
  EXPECT_EQ(r.pictures.last(), "/big/f39999/b.jpg");
  EXPECT_EQ(dirs.listed.size(), 40001);
  EXPECT_EQ(r.climbs, 40000);
}

TEST(SearchBar, TheMaximumGrowsByTheDepthAndTheValueIsTheDepth) {
  EXPECT_EQ(Search_Bar_Rule::Step(0, 1), (Search_Bar_Rule::Bar{1, 1}));
  EXPECT_EQ(Search_Bar_Rule::Step(1, 2), (Search_Bar_Rule::Bar{3, 2}));
  EXPECT_EQ(Search_Bar_Rule::Step(2, 3), (Search_Bar_Rule::Bar{5, 3}));
  EXPECT_EQ(Search_Bar_Rule::Step(3, 2), (Search_Bar_Rule::Bar{5, 2}));
}

}  // namespace
