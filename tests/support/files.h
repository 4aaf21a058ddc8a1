// Files made and read back by the tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// Makes (or empties) the file at `path` and writes `bytes` into it; whether all of them went in.
inline bool Write_File(const QString& path, const QByteArray& bytes = {}) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The lines, each ended by CR LF, as a show file holds them.
inline QByteArray Crlf_Lines(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& l : lines) bytes += QFile::encodeName(l) + "\r\n";
  return bytes;
}

// The whole file, or nothing when it cannot be read.
inline QByteArray Bytes_Of(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
