// What the folder lists show of a folder, and the walk of a folder tree (in memory).
#include <gtest/gtest.h>

#include "core/folders/folder_lists.h"
#include "core/folders/folder_walk.h"
#include "support/core_fakes.h"
#include "support/walk_recorder.h"

using namespace Folder_Lists;

TEST(FolderLists, PicturesByExtensionIgnoringCaseNoHiddenNamesOrLineBreaksSortedIgnoringCase) {
  for (const char* name : {"a.jpg", "IMG_1.JPG", "b.Jpeg", "c.BMP", "d.gif", "P.PNG", "W.WebP", "space name.gif"}) EXPECT_TRUE(Is_Picture_Name(name)) << name;
  for (const char* name : {"f.jpg.txt", "jpg", "g.jpe", "x.tiff", ".hidden.jpg", "line\nbreak.jpg", "cr\r.gif", ""}) EXPECT_FALSE(Is_Picture_Name(name)) << name;
  EXPECT_EQ(Picture_Files({"b.jpg", "notes.txt", "A.gif", "c.BMP", ".x.jpg", "a.jpg"}), (QStringList{"A.gif", "a.jpg", "b.jpg", "c.BMP"}));
  EXPECT_EQ(Sub_Folders({"zeta", "alpha", ".git", "beta", "Alpha", "a\nb"}), (QStringList{"Alpha", "alpha", "beta", "zeta"}));
}

// A show started at one picture: from it to the last, then from the first to the one before it.
TEST(FolderLists, AShowFromAPictureStartsThereAndComesRoundToTheOneBefore) {
  const QStringList folder{"c.PNG", "notes.txt", "a.jpg", "B.webp", "d.gif", ".h.jpg", "e.tiff"};
  const std::pair<QString, QStringList> cases[] = {{"c.PNG", {"c.PNG", "d.gif", "a.jpg", "B.webp"}},
      // Named itself, a picture the lists leave out still plays, at its place in their order.
      {"e.tiff", {"e.tiff", "a.jpg", "B.webp", "c.PNG", "d.gif"}}, {".h.jpg", {".h.jpg", "a.jpg", "B.webp", "c.PNG", "d.gif"}}, {"bb", {"bb", "c.PNG", "d.gif", "a.jpg", "B.webp"}},
      // A name no show file can hold, or none: the show starts where it would stand.
      {"b\nx.jpg", {"B.webp", "c.PNG", "d.gif", "a.jpg"}}, {"", {"a.jpg", "B.webp", "c.PNG", "d.gif"}},
  };
  for (const auto& [picture, show] : cases) EXPECT_EQ(Pictures_From(folder, picture), show) << picture.toStdString();
}

// Depth first in list order, each folder listed once; the pictures are collected in the start
// folder always and in any other folder that holds some; an unreadable folder is passed over; a
// stop is seen on a climb.
TEST(FolderWalk, EveryFolderComesBeforeTheFoldersBelowIt) {
  Fakes::Directories dirs;
  for (const char* f : {"/t/z.jpg", "/t/B/b.gif", "/t/a/A/c.bmp", "/t/a/E/x.txt", "/t/U/u.jpg", "/t/.h/h.jpg"}) dirs.File(f);
  dirs.unreadable.insert("/t/U");
  Folder_Walk::Walker walk{dirs};
  Recorder r;
  EXPECT_EQ(walk.Search_Folders("/t/", r.Hooks(walk)), Folder_Walk::End::Complete);
  EXPECT_EQ(std::pair(r.pictures, r.collected_in), std::pair(QStringList{"/t/z.jpg", "/t/a/A/c.bmp", "/t/B/b.gif"}, QStringList{"/t", "/t/a/A", "/t/B"}));
  EXPECT_EQ(r.dirs, (QStringList{"/t", "/t/a", "/t/a/A", "/t/a", "/t/a/E", "/t/a", "/t", "/t/B", "/t"}));
  EXPECT_EQ(dirs.listed, (QStringList{"/t", "/t/a", "/t/a/A", "/t/a/E", "/t/B", "/t/U"}));
  Recorder stopped;
  stopped.stop = [&] { return stopped.dirs.last() == "/t/a"; };
  EXPECT_EQ((std::pair{walk.Search_Folders("/t", stopped.Hooks(walk)), stopped.dirs}), std::pair(Folder_Walk::End::Stopped, QStringList{"/t", "/t/a", "/t/a/A", "/t/a"}));
  dirs.unreadable.insert("/t");
  Recorder none;
  EXPECT_EQ((std::tuple{walk.Search_Folders("/t", none.Hooks(walk)), none.collected_in, none.pictures}), std::tuple(Folder_Walk::End::Complete, QStringList{"/t"}, QStringList{}));
}
