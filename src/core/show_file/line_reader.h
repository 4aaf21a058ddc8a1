// Reads a text file line by line, a chunk at a time, so that a file of any size costs at most one
// chunk plus one line of memory. A line ends at CR LF, LF or CR; the last line needs no line end.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace ShowFile {

class Line_Reader {
 public:
  enum class Result {
    Line,      // `line` holds the next line
    End,       // no more lines
    Too_Long,  // the next line is longer than the limit
    Failed,    // the file could not be read
  };

  static constexpr qsizetype Default_Chunk_Bytes = 64 * 1024;

  // `file` must be open for reading and outlive the reader. Lines longer than `max_line_bytes`
  // (line end not counted) are refused.
  Line_Reader(QFile& file, qsizetype max_line_bytes, qsizetype chunk_bytes = Default_Chunk_Bytes);

  // Reads the next line, decoded from the locale's file-name encoding. After Too_Long or Failed
  // every further call gives the same result.
  Result Next(QString& line);
  // The same, undecoded.
  Result Next_Bytes(QByteArray& line);

  // 1-based number of the line last returned, or of the line that was too long or failed.
  int Line_Number() const { return line_number_; }

 private:
  bool Fill();  // false on a read failure; at the end of the file the buffer stays empty

  QFile& file_;
  qsizetype max_line_;
  qsizetype chunk_;
  QByteArray buffer_;
  qsizetype pos_ = 0;
  bool at_end_ = false;
  bool skip_lf_ = false;  // the last line ended at a CR: a LF right after it belongs to that end
  int line_number_ = 0;
  Result stuck_ = Result::Line;  // Too_Long or Failed once met
};

}  // namespace ShowFile
