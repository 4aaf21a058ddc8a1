#include "core/folders/folder_lists.h"

#include <gtest/gtest.h>

#include <QDir>


namespace {

TEST(FolderLists, ThePicturePatternIgnoresCaseAndLeavesOutHiddenNames) {
  struct Case { const char* name; bool picture; };
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
  struct Case { const char* picture; QStringList show; };
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

}  // namespace
