#include "core/general/general.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

TEST(General, StripQuotes) {
  struct { QString in, out; } cases[] = {
      {"/pics/show.sli", "/pics/show.sli"},
      {"\"/pics/show.sli\"", "/pics/show.sli"},
      {"\"/pics/my show.sli\" more words", "/pics/my show.sli"},
      {"\"/pics", "\"/pics"},
      {"a\"b\"c\"d", "b"},
      {"\"\"", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(General::StripQuotes(c.in), c.out) << c.in.toStdString();
}

TEST(General, FoldersAndJoining) {
  EXPECT_EQ(General::GetFolder("/x/y/z.gif"), "/x/y");
  EXPECT_EQ(General::GetFolder("/a.jpg"), "/");
  EXPECT_EQ(General::GetFolder("a.jpg"), "");
  EXPECT_TRUE(General::Is_Drive_Root("/"));
  EXPECT_TRUE(General::Is_Drive_Root("C:\\"));
  EXPECT_FALSE(General::Is_Drive_Root("C:"));
  EXPECT_FALSE(General::Is_Drive_Root("/pics"));
  EXPECT_EQ(General::Join_Path("/", "a.jpg"), "/a.jpg");
  EXPECT_EQ(General::Join_Path("/pics", "a.jpg"), "/pics/a.jpg");
  // A file's folder joined with its name gives the file back, in a root folder too.
  for (QString p : {"/a.jpg", "/pics/sub/b.gif"})
    EXPECT_EQ(General::Join_Path(General::GetFolder(p), p.mid(p.lastIndexOf('/') + 1)), p);
}

TEST(General, RunFilesLiveInTheUsersDataFolder) {
  const QString data = qEnvironmentVariable("XDG_DATA_HOME");
  ASSERT_FALSE(data.isEmpty());
  EXPECT_TRUE(General::Run_File_Path().startsWith(data + "/"));
  EXPECT_TRUE(General::Run_File_Path().endsWith("/temp.ini"));
  EXPECT_TRUE(General::Preview_File_Path().endsWith("/temp.sli"));
  EXPECT_TRUE(QDir(General::Data_Folder()).exists());
}

TEST(General, RoundingIsHalvesToEven) {
  struct { double in; double rounded; long long half; } cases[] = {
      {0.5, 0, 0}, {1.5, 2, 1}, {2.5, 2, 1}, {-301, -301, -150}, {-2.5, -2, -1}, {625, 625, 312},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(General::Round_Even(c.in), c.rounded) << c.in;
    EXPECT_EQ(General::Half(c.in), c.half) << c.in;
  }
  EXPECT_EQ(General::Twips_To_Pixels(7065), 471);
  EXPECT_EQ(General::Twips_To_Pixels(5310), 354);
}

}  // namespace
