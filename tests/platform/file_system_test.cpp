// The real file system and directory queries: what counts as a file or a folder, and the folder
// walk over real trees in a temporary folder, with links.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/folders/folder_walk.h"
#include "platform/general.h"
#include "platform/services.h"
#include "support/files.h"
#include "support/walk_recorder.h"

namespace {

TEST(General, WhatCountsAsAFileOrAFolder) {
  QTemporaryDir dir;
  const QString file = dir.filePath("show.sli");
  ASSERT_TRUE(Write_File(file));
  const QString fifo = dir.filePath("pipe");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString link = dir.filePath("link.sli");
  ASSERT_TRUE(QFile::link(file, link));
  const QString folder_link = dir.filePath("folder-link");
  ASSERT_TRUE(QFile::link(dir.path(), folder_link));

  struct { QString path; bool file, folder; } cases[] = {
      {file, true, false},        {link, true, false},   {dir.path(), false, true},
      {folder_link, false, true}, {fifo, false, false},  {dir.filePath("missing"), false, false},
      {"", false, false},         {"/dev/null", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(General::FileExists(c.path), c.file) << c.path.toStdString();
    EXPECT_EQ(General::FolderExists(c.path), c.folder) << c.path.toStdString();
  }
}

// A real folder tree in a temporary folder; the files are empty (the walk reads names only).
class Tree : public ::testing::Test {
 protected:
  void Make(const QStringList& files, const QStringList& folders = {}) {
    for (const QString& f : folders) ASSERT_TRUE(QDir().mkpath(root(f)));
    for (const QString& f : files) {
      ASSERT_TRUE(QDir().mkpath(QFileInfo(root(f)).path()));
      ASSERT_TRUE(Write_File(root(f)));
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
      {{"s.jpg", "notes.txt", "A/a.JPG", "A/A1/a1.gif", "A/A1/skip.tif", "b/b.Bmp", "b/c.jpeg",
        ".hidden/h.jpg", "A/.x.gif", "A/A1/p.PNG", "c/w.webp"},
       {"A/empty"}, "",
       {"s.jpg", "A/a.JPG", "A/A1/a1.gif", "A/A1/p.PNG", "b/b.Bmp", "b/c.jpeg", "c/w.webp"},
       {"", "A", "A/A1", "A", "A/empty", "A", "", "b", "", "c", ""},
       {"", "A", "A/A1", "b", "c"}},
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

TEST_F(Tree, AVirtualFileSystemIsNotEnteredSoFoldersKeepTheirOwnPaths) {
  // "a" leads to /proc, where the folder this process works in ("b") is met again first, through
  // /proc/<pid>/cwd: the walk passes /proc over and finds the picture by its own path.
  Make({"b/pics/x.jpg"});
  ASSERT_EQ(::symlink("/proc", qPrintable(root("a"))), 0);
  const QString cwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(root("b")));
  EXPECT_EQ(disk->List_Folder("/proc").file_system, "proc");
  EXPECT_EQ(disk->List_Folder(root("b")).file_system, disk->List_Folder(root()).file_system);
  Recorder r;
  r.stop = [&] { return r.dirs.size() > 5000; };  // /proc leads to the whole disk
  EXPECT_EQ(walk.Search_Folders(root(), r.Hooks(walk)), Folder_Walk::End::Complete);
  QDir::setCurrent(cwd);
  EXPECT_EQ(r.pictures.join(' ').toStdString(), root("b/pics/x.jpg").toStdString());
  EXPECT_EQ(r.dirs.size(), 5);  // the start, "b", "b/pics" and back
}

}  // namespace
