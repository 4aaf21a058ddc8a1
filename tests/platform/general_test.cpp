#include "platform/general.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

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

}  // namespace
