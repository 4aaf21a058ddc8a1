#include "core/general/general.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

TEST(General, WhatCountsAsAFileOrAFolder) {
  QTemporaryDir dir;
  const QString file = dir.filePath("show.sli");
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
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
