#include "core/folders/folder_lists.h"

#include <gtest/gtest.h>

#include <QDir>

#include "core/options/show_options.h"
#include "core/layout/setup_layout.h"

namespace {

TEST(FolderLists, ThePicturePatternIgnoresCaseAndLeavesOutHiddenNames) {
  struct Case {
    const char* name;
    bool picture;
  };
  const Case cases[] = {
      {"a.jpg", true},      {"IMG_1.JPG", true},   {"b.Jpeg", true},   {"c.BMP", true},
      {"d.gif", true},      {"e.png", true},       {"f.jpg.txt", false}, {"jpg", false},
      {"g.jpe", false},     {".hidden.jpg", false}, {"line\nbreak.jpg", false},
      {"cr\r.gif", false},  {"space name.gif", true}, {"x.tiff", false},
      {"P.PNG", true},      {"w.webp", true},      {"W.WebP", true},   {"v.web", false},
      {"png", false},       {".x.webp", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Folder_Lists::Is_Picture_Name(QString::fromUtf8(c.name)), c.picture) << c.name;
}

TEST(FolderLists, PicturesAndFoldersAreSortedIgnoringCase) {
  EXPECT_EQ(Folder_Lists::Picture_Files({"b.jpg", "notes.txt", "A.gif", "c.BMP", ".x.jpg", "a.jpg"}),
            (QStringList{"A.gif", "a.jpg", "b.jpg", "c.BMP"}));
  EXPECT_EQ(Folder_Lists::Sub_Folders({"zeta", "Alpha", ".git", "beta", "alpha"}),
            (QStringList{"Alpha", "alpha", "beta", "zeta"}));
}

TEST(FolderLists, AShowFromAPictureStartsThereAndComesRoundToTheOneBefore) {
  const QStringList folder{"c.PNG", "notes.txt", "a.jpg", "B.webp", "d.gif", ".h.jpg", "e.tiff"};
  struct Case {
    const char* picture;
    QStringList show;
  };
  const Case cases[] = {
      {"a.jpg", {"a.jpg", "B.webp", "c.PNG", "d.gif"}},
      {"c.PNG", {"c.PNG", "d.gif", "a.jpg", "B.webp"}},
      {"d.gif", {"d.gif", "a.jpg", "B.webp", "c.PNG"}},
      // Named itself, a picture the lists leave out still plays, at its place in their order.
      {"e.tiff", {"e.tiff", "a.jpg", "B.webp", "c.PNG", "d.gif"}},
      {".h.jpg", {".h.jpg", "a.jpg", "B.webp", "c.PNG", "d.gif"}},
      {"bb", {"bb", "c.PNG", "d.gif", "a.jpg", "B.webp"}},
      // A name no show file can hold: the show starts where it would stand.
      {"b\nx.jpg", {"B.webp", "c.PNG", "d.gif", "a.jpg"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Folder_Lists::Pictures_From(folder, QString::fromUtf8(c.picture)), c.show) << c.picture;
  EXPECT_EQ(Folder_Lists::Pictures_From({}, "only.jpg"), QStringList{"only.jpg"});
  EXPECT_EQ(Folder_Lists::Pictures_From({"x.JPG", "X.jpg"}, "x.JPG"), (QStringList{"x.JPG", "X.jpg"}));
}

TEST(FolderLists, FoldersAreTakenAbsoluteAndClean) {
  EXPECT_EQ(Folder_Lists::Full_Path("/"), "/");
  EXPECT_EQ(Folder_Lists::Full_Path("/tmp/x/"), "/tmp/x");
  EXPECT_EQ(Folder_Lists::Full_Path("/tmp//x/../y"), "/tmp/y");
  EXPECT_EQ(Folder_Lists::Full_Path("rel"), QDir::currentPath() + "/rel");
  EXPECT_EQ(Folder_Lists::Full_Path(""), "");
}

TEST(ShowDelay, TheLabelRule) {
  const std::pair<int, const char*> cases[] = {
      {0, "Forever"}, {1, "1 Second"}, {2, "2 Seconds"}, {12, "12 Seconds"}, {60, "60 Seconds"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(Window_Options::Delay_Text(seconds), text);
}

TEST(SetupLayout, TheMinimumWidthGivesTheDesignPlaces) {
  const Setup_Layout::Places design{5505, 3150, 2985, 2805, 4740, 4905, 3375, 4410, 3240};
  EXPECT_EQ(Setup_Layout::Arrange(5505), design);
  EXPECT_EQ(Setup_Layout::Arrange(3000), design);  // narrower snaps to the minimum
  const Setup_Layout::Places wide = Setup_Layout::Arrange(7005);
  const Setup_Layout::Places shifted{7005, 4650, 4485, 4305, 6240, 6405, 4875, 5910, 4740};
  EXPECT_EQ(wide, shifted);
}

}  // namespace
