#include "core/folders/folder_walk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

#include "search/search_frm.h"
#include "core/general/general.h"
#include "support/fakes.h"

namespace {

// Records what the walk tells its owner: every current folder, and the pictures collected (joined
// to their folder as the search window does) with the folder of each collection.
struct Recorder {
  QStringList dirs, pictures, collected_in;
  std::function<bool()> stop = [] { return false; };
  int climbs = 0;

  Folder_Walk::Hooks Hooks(const Folder_Walk::Walker& walk) {
    Folder_Walk::Hooks h;
    h.Dir1_Change = [this](const QString& folder) { dirs << folder; };
    h.Get_Files = [this, &walk] {
      collected_in << walk.Dir1();
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
      ASSERT_TRUE(QFile(root(f)).open(QIODevice::WriteOnly));
    }
  }
  QString root(const QString& relative = {}) const {
    return relative.isEmpty() ? dir.path() : dir.path() + "/" + relative;
  }
  QStringList Full(QStringList relatives) const {
    for (QString& r : relatives) r = root(r);
    return relatives;
  }

  QTemporaryDir dir;
  std::unique_ptr<Platform::DirectorySeam> disk = Platform::Make_Posix_Directories();
  Folder_Walk::Walker walk{*disk};
};

TEST_F(Tree, EveryFolderBeforeTheFoldersBelowItInListOrder) {
  struct Case {
    QStringList files, folders;
    QString start;  // below the temporary folder
    QStringList pictures, dirs, collected_in;
  };
  const Case cases[] = {
      {{"s.jpg", "notes.txt", "A/a.JPG", "A/A1/a1.gif", "A/A1/skip.png", "b/b.Bmp", "b/c.jpeg",
        ".hidden/h.jpg", "A/.x.gif"},
       {"A/empty", "c"}, "",
       {"s.jpg", "A/a.JPG", "A/A1/a1.gif", "b/b.Bmp", "b/c.jpeg"},
       {"", "A", "A/A1", "A", "A/empty", "A", "", "b", "", "c", ""},
       {"", "A", "A/A1", "b"}},
      // A start folder without pictures, given with a trailing separator.
      {{"2/readme.txt", "2/x/one.gif", "2/x/y/two.jpg"}, {}, "2/",
       {"2/x/one.gif", "2/x/y/two.jpg"}, {"2", "2/x", "2/x/y", "2/x", "2"},
       {"2", "2/x", "2/x/y"}},
  };
  for (const Case& c : cases) {
    Make(c.files, c.folders);
    Recorder r;
    EXPECT_EQ(walk.Search_Folders(root(c.start), r.Hooks(walk)), Folder_Walk::End::Complete);
    EXPECT_EQ(r.pictures, Full(c.pictures)) << c.start.toStdString();
    EXPECT_EQ(r.dirs, Full(c.dirs)) << c.start.toStdString();
    EXPECT_EQ(r.collected_in, Full(c.collected_in)) << c.start.toStdString();
  }
}

TEST_F(Tree, ALinkBackToAnAncestorOrASecondLinkToAFolderIsNotEnteredAgain) {
  Make({"s.jpg", "A/a.jpg", "B/b.jpg"});
  ASSERT_EQ(::symlink(qPrintable(root()), qPrintable(root("A/loop"))), 0);
  ASSERT_EQ(::symlink(qPrintable(root("B")), qPrintable(root("C1"))), 0);
  ASSERT_EQ(::symlink(qPrintable(root("B")), qPrintable(root("C2"))), 0);
  ASSERT_EQ(::symlink("nowhere", qPrintable(root("dangling"))), 0);
  Recorder r;
  EXPECT_EQ(walk.Search_Folders(root(), r.Hooks(walk)), Folder_Walk::End::Complete);
  EXPECT_EQ(r.pictures, Full({"s.jpg", "A/a.jpg", "B/b.jpg"}));
}

TEST_F(Tree, AStopIsSeenOnTheNextClimbOnly) {
  Make({"s.jpg", "A/a.jpg", "A/A1/a1.jpg", "A/A1/A2/a2.jpg", "B/b.jpg"});
  // Asked once the start folder is collected: the walk goes on down and stops on the first climb.
  Recorder r;
  r.stop = [&] { return !r.collected_in.isEmpty(); };
  EXPECT_EQ(walk.Search_Folders(root(), r.Hooks(walk)), Folder_Walk::End::Stopped);
  EXPECT_EQ(r.pictures, Full({"s.jpg", "A/a.jpg", "A/A1/a1.jpg", "A/A1/A2/a2.jpg"}));
  EXPECT_EQ(r.climbs, 1);
  EXPECT_EQ(r.dirs.last(), root("A/A1"));  // the parent of the finished folder
}

// Trees in memory: a drive root, unreadable folders, a large folder.
class Memory_Tree : public ::testing::Test {
 protected:
  Fakes::Directories dirs;
  Folder_Walk::Walker walk{dirs};
};

TEST_F(Memory_Tree, ARootIsFollowedDirectlyByTheNamesAndUnreadableFoldersArePassedOver) {
  for (const char* f : {"/a.jpg", "/A/b.gif", "/A/B/c.bmp", "/U/u.jpg", "/U/V/v.jpg", "/Z/d.jpg"})
    dirs.File(f);
  dirs.unreadable.insert("/U");
  Recorder r;
  EXPECT_EQ(walk.Search_Folders("/", r.Hooks(walk)), Folder_Walk::End::Complete);
  EXPECT_EQ(r.pictures, (QStringList{"/a.jpg", "/A/b.gif", "/A/B/c.bmp", "/Z/d.jpg"}));
  EXPECT_EQ(r.dirs.first(), "/");
  dirs.unreadable.insert("/A");  // an unreadable start folder gives nothing
  Recorder none;
  EXPECT_EQ(walk.Search_Folders("/A", none.Hooks(walk)), Folder_Walk::End::Complete);
  EXPECT_TRUE(none.pictures.isEmpty());
  EXPECT_EQ(none.collected_in, QStringList{"/A"});
}

TEST_F(Memory_Tree, EachFolderIsListedOnceWithoutSixteenBitLimits) {
  // 40,000 subfolders in one folder, 100,000 pictures in all.
  for (int i = 0; i < 40000; ++i) {
    const QString folder = QStringLiteral("/big/f%1").arg(i, 5, 10, QLatin1Char('0'));
    dirs.File(folder + "/a.jpg");
    dirs.File(folder + "/b.jpg");
    if (i % 2 == 0) dirs.File(folder + "/c.jpg");
  }
  Recorder r;
  EXPECT_EQ(walk.Search_Folders("/big", r.Hooks(walk)), Folder_Walk::End::Complete);
  ASSERT_EQ(r.pictures.size(), 100000);
  EXPECT_EQ(r.pictures.first(), "/big/f00000/a.jpg");
  EXPECT_EQ(r.pictures.last(), "/big/f39999/b.jpg");
  EXPECT_EQ(dirs.listed.size(), 40001);
  EXPECT_EQ(r.climbs, 40000);
}

TEST(SearchBar, TheMaximumGrowsByTheDepthAndTheValueIsTheDepth) {
  const int steps[][4] = {{0, 1, 1, 1}, {1, 2, 3, 2}, {2, 3, 5, 3}, {3, 2, 5, 2}};
  for (const auto& s : steps) EXPECT_EQ(Search_Bar_Rule::Step(s[0], s[1]), (Search_Bar_Rule::Bar{s[2], s[3]}));
}

}  // namespace
