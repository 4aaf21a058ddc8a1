#include "core/show_file/show_paths.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/files.h"

namespace {

TEST(Show_Paths, RelativePathsLeadFromTheShowFilesFolder) {
  const struct { const char* folder; const char* path; const char* read; } cases[] = {
      {"/shows", "a.jpg", "/shows/a.jpg"},
      {"/shows", "pics/./b c.jpg", "/shows/pics/b c.jpg"},
      {"/shows/x", "../y/a.gif", "/shows/y/a.gif"},
      {"/", "a.jpg", "/a.jpg"},
      {"/shows", "/full/a.jpg", "/full/a.jpg"},
      {"/shows", "/full//a.jpg", "/full//a.jpg"},  // written by hand: kept as it stands
      {"/shows", "", ""},                          // the empty picture
      {"/shows", " ", "/shows/ "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShowFile::From_Folder(c.folder, c.path), c.read) << c.folder << " " << c.path;
}

TEST(Show_Paths, AShowFileIsTextThatThePlayerCanPlay) {
  QTemporaryDir dir;
  const QByteArray options =
      "Strech=False\r\nRatio=0\r\nShuff=0\r\nDelay=5\r\nBackCol=0\r\nLoop=1\r\nMessage=1\r\n"
      "UseMusic=0\r\nMusic=\r\n";
  const struct { const char* name; QByteArray bytes; bool show; } cases[] = {
      {"options and a picture", options + "/p/a.jpg\r\n", true},
      {"options alone", options, true},
      {"nine picture lines", QByteArray("a.jpg\n").repeated(9), true},
      {"eight lines", QByteArray("a.jpg\n").repeated(8), false},
      {"a Delay the player refuses", QByteArray(options).replace("Delay=5", "Delay=66"), false},
      {"a BackCol that is no colour", QByteArray(options).replace("BackCol=0", "BackCol=x"), false},
      {"a NUL among many lines", QByteArray("\xff\xd8\xff\xe0\0\x10JFIF\n", 11) + QByteArray(20, '\n'), false},
      {"a NUL far down", options + QByteArray("a.jpg\n").repeated(20000) + QByteArray(1, '\0'), false},
      {"empty", "", false},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Write_File(dir.filePath("f"), c.bytes));
    EXPECT_EQ(ShowFile::Is_Show_File(dir.filePath("f")), c.show) << c.name;
  }
  EXPECT_FALSE(ShowFile::Is_Show_File(dir.filePath("missing")));
  EXPECT_FALSE(ShowFile::Is_Show_File(dir.path()));
}

}  // namespace
