#include "core/show_file/line_reader.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/show_file/show_file.h"
#include "support/files.h"

namespace {

using ShowFile::Line_Reader;
using Result = Line_Reader::Result;

struct Read_Back { QList<QByteArray> lines; Result last; int line_number; };

Read_Back Read_All(const QByteArray& bytes, qsizetype chunk) {
  QTemporaryDir dir;
  QFile file(dir.filePath("lines.txt"));
  EXPECT_TRUE(Write_File(file.fileName(), bytes) && file.open(QIODevice::ReadOnly));
  Line_Reader reader(file, ShowFile::Max_Line_Bytes, chunk);
  Read_Back read;
  QByteArray line;
  while ((read.last = reader.Next_Bytes(line)) == Result::Line) read.lines.append(line);
  read.line_number = reader.Line_Number();
  return read;
}

TEST(Line_Reader, EndsLinesAtCrLfLfOrCrWhereverTheChunksSplitThem) {
  const struct { QByteArray bytes; QList<QByteArray> lines; } cases[] = {
      {"", {}},
      {"A", {"A"}},
      {"A\r\n", {"A"}},
      {"A\r\n\r\n", {"A", ""}},
      {"A\nB\n", {"A", "B"}},
      {"A\rB", {"A", "B"}},
      {"A\r\rB\r", {"A", "", "B"}},
      {"A\n\rB", {"A", "", "B"}},
      {"\r\nA\r\nB\nC\rD", {"", "A", "B", "C", "D"}},
      {"\n\n", {"", ""}},
  };
  for (const qsizetype chunk : {qsizetype(1), qsizetype(2), qsizetype(3), Line_Reader::Default_Chunk_Bytes}) {
    for (const auto& c : cases) {
      const Read_Back read = Read_All(c.bytes, chunk);
      EXPECT_EQ(read.last, Result::End) << c.bytes.toStdString() << " chunk " << chunk;
      EXPECT_EQ(read.lines, c.lines) << c.bytes.toStdString() << " chunk " << chunk;
    }
  }
}

TEST(Line_Reader, CrLfAcrossTheFullChunkBoundaryIsOneLineEnd) {
  const QByteArray first(32766, 'a'), second(32767, 'b');
  const QByteArray bytes = first + "\r\n" + second + "\r\nc";
  ASSERT_EQ(bytes.indexOf('\r', first.size() + 2), Line_Reader::Default_Chunk_Bytes - 1);
  const Read_Back read = Read_All(bytes, Line_Reader::Default_Chunk_Bytes);
  EXPECT_EQ(read.lines, (QList<QByteArray>{first, second, "c"}));
}

TEST(Line_Reader, RefusesALineLongerThanTheLimit) {
  for (const bool ended : {true, false}) {
    const QByteArray longest(ShowFile::Max_Line_Bytes, 'x');
    const QByteArray end = ended ? "\r\n" : "";
    const Read_Back fits = Read_All("first\n" + longest + end, 1000);
    EXPECT_EQ(fits.last, Result::End);
    EXPECT_EQ(fits.lines, (QList<QByteArray>{"first", longest}));

    const Read_Back too_long = Read_All("first\n" + longest + "y" + end + "next\n", 1000);
    EXPECT_EQ(too_long.last, Result::Too_Long);
    EXPECT_EQ(too_long.lines, QList<QByteArray>{"first"});
    EXPECT_EQ(too_long.line_number, 2);
  }
}

}  // namespace
