#include "core/general/general.h"

#include <gtest/gtest.h>

#include <cfenv>

TEST(General, QuotesFoldersJoiningAndTheRunFiles) {
  const std::pair<QString, QString> quotes[] = {
      {"/pics/show.sli", "/pics/show.sli"}, {"\"/pics/my show.sli\" more words", "/pics/my show.sli"}, {"\"/pics", "\"/pics"}, {"a\"b\"c\"d", "b"}, {"\"\"", ""}};
  for (const auto& [in, out] : quotes) EXPECT_EQ(General::StripQuotes(in), out) << in.toStdString();
  const std::pair<QString, QString> folders[] = {{"/x/y/z.gif", "/x/y"}, {"/a.jpg", "/"}, {"a.jpg", ""}, {"C:/a.jpg", "C:/"}, {"ab/c.jpg", "ab"}, {"/x/a\\b.jpg", "/x"}};
  for (const auto& [path, folder] : folders) EXPECT_EQ(General::GetFolder(path), folder) << path.toStdString();
  for (const char* root : {"/", "C:\\", "C:/"}) EXPECT_TRUE(General::Is_Drive_Root(root)) << root;
  for (const char* other : {"C:", "Cx/", "C:x", "/pics"}) EXPECT_FALSE(General::Is_Drive_Root(other)) << other;
  EXPECT_EQ(std::pair(General::Join_Path("/", "a.jpg"), General::Join_Path("/pics", "a.jpg")), std::pair(QString("/a.jpg"), QString("/pics/a.jpg")));
  // The run files are in the user's data folder.
  const QString data = qEnvironmentVariable("XDG_DATA_HOME") + "/Vistabel/";
  EXPECT_EQ(std::pair(General::Run_File_Path(), General::Preview_File_Path()), std::pair(data + "temp.ini", data + "temp.sli"));
}

TEST(General, RoundingIsHalvesToEvenWhateverTheRoundingMode) {
  const struct { double in; double rounded; long long half; } cases[] = {{0.5, 0, 0}, {1.5, 2, 1}, {2.5, 2, 1}, {-301, -301, -150}, {-2.5, -2, -1}, {625, 625, 312}};
  std::fesetround(FE_UPWARD);
  for (const auto& c : cases) EXPECT_EQ(std::pair(General::Round_Even(c.in), General::Half(c.in)), std::pair(c.rounded, c.half)) << c.in;
  EXPECT_EQ(std::fegetround(), FE_UPWARD);
  std::fesetround(FE_TONEAREST);
}
