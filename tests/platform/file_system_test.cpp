// The folder listings of the real file system, walked on real trees in a temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/folders/folder_walk.h"
#include "platform/services.h"
#include "support/files.h"
#include "support/walk_recorder.h"

namespace {

struct Tree : ::testing::Test {
  // Empty files (a listing reads names only), and links to the given targets.
  void Make(const QStringList& files, const QList<std::pair<QString, QString>>& links) {
    for (const QString& f : files) ASSERT_TRUE(QDir().mkpath(QFileInfo(root(f)).path()) && Write_File(root(f)));
    for (const auto& [link, target] : links) ASSERT_EQ(::symlink(qPrintable(target), qPrintable(root(link))), 0);
  }
  QString root(const QString& relative) const { return relative == "." ? dir.path() : dir.path() + "/" + relative; }
  QStringList Full(QStringList relatives) const {
    for (QString& p : relatives) p = root(p);
    return relatives;
  }

  QTemporaryDir dir;
  std::unique_ptr<Platform::DirectorySeam> disk = Platform::Make_Posix_Directories();
  Folder_Walk::Walker walk{*disk};
  Recorder r;
};

// Links to files are followed; a FIFO and a dangling link are left out; a link back to an ancestor
// or a second link to a folder is not entered again.
TEST_F(Tree, EveryFolderIsEnteredOnceBeforeTheFoldersBelowIt) {
  Make({"s.jpg", "notes.txt", "A/a.JPG", "A/A1/p.PNG", "b/c.jpeg", ".hidden/h.jpg"},
       {{"link.jpg", root("s.jpg")}, {"A/loop", root(".")}, {"C1", root("b")}, {"C2", root("b")}, {"dangling.jpg", "nowhere"}});
  ASSERT_EQ(::mkfifo(qPrintable(root("pipe.jpg")), 0600), 0);
  EXPECT_EQ(walk.Search_Folders(root("."), r.Hooks(walk)), Folder_Walk::End::Complete);
  EXPECT_EQ(std::pair(r.pictures, r.dirs), std::pair(Full({"link.jpg", "s.jpg", "A/a.JPG", "A/A1/p.PNG", "b/c.jpeg"}), Full({".", "A", "A/A1", "A", ".", "b", "."})));
}

TEST_F(Tree, AVirtualFileSystemIsNotEnteredSoFoldersKeepTheirOwnPaths) {
  // "a" leads to /proc, where the folder this process works in ("b") is met again first, through
  // /proc/<pid>/cwd: the walk passes /proc over and finds the picture by its own path.
  Make({"b/pics/x.jpg"}, {{"a", "/proc"}});
  const QString cwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(root("b")));
  r.stop = [&] { return r.dirs.size() > 5000; };  // /proc leads to the whole disk
  EXPECT_EQ(walk.Search_Folders(root("."), r.Hooks(walk)), Folder_Walk::End::Complete);
  QDir::setCurrent(cwd);
  EXPECT_EQ(std::pair(r.pictures, r.dirs.size()), std::pair(Full({"b/pics/x.jpg"}), qsizetype(5)));  // the start, "b", "b/pics" and back
}

}  // namespace
