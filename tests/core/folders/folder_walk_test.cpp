#include "core/folders/folder_walk.h"

#include <gtest/gtest.h>

#include "support/core_fakes.h"
#include "support/walk_recorder.h"

namespace {

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

}  // namespace
