#include "core/show_file/line_reader.h"

#include <algorithm>

namespace ShowFile {

Line_Reader::Line_Reader(QFile& file, qsizetype max_line_bytes, qsizetype chunk_bytes)
    : file_(file), max_line_(max_line_bytes), chunk_(std::max<qsizetype>(chunk_bytes, 1)) {}

bool Line_Reader::Fill() {
  buffer_.resize(chunk_);
  const qint64 got = file_.read(buffer_.data(), chunk_);
  if (got < 0) {
    buffer_.clear();
    return false;
  }
  buffer_.resize(got);
  pos_ = 0;
  if (got == 0) at_end_ = true;
  return true;
}

Line_Reader::Result Line_Reader::Next(QString& line) {
  QByteArray bytes;
  const Result result = Next_Bytes(bytes);
  line = result == Result::Line ? QFile::decodeName(bytes) : QString();
  return result;
}

Line_Reader::Result Line_Reader::Next_Bytes(QByteArray& line) {
  line.clear();
  if (stuck_ != Result::Line) return stuck_;
  for (;;) {
    if (pos_ >= buffer_.size()) {
      if (!at_end_ && !Fill()) {
        ++line_number_;
        return stuck_ = Result::Failed;
      }
      if (at_end_) {
        if (line.isEmpty()) return Result::End;
        ++line_number_;
        return Result::Line;  // the last line, without a line end
      }
    }
    if (skip_lf_) {
      skip_lf_ = false;
      if (buffer_[pos_] == '\n') {
        ++pos_;
        continue;
      }
    }
    const char* begin = buffer_.constData() + pos_;
    const char* end = buffer_.constData() + buffer_.size();
    const char* stop = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
    const qsizetype text = stop - begin;
    if (line.size() + text > max_line_) {
      ++line_number_;
      line.clear();
      return stuck_ = Result::Too_Long;
    }
    line.append(begin, text);
    pos_ += text;
    if (stop != end) {
      skip_lf_ = *stop == '\r';
      ++pos_;
      ++line_number_;
      return Result::Line;
    }
  }
}

}  // namespace ShowFile
