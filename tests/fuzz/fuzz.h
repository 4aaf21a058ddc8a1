// What the fuzz targets share: a check that stops the run when a property does not hold (libFuzzer
// then keeps the input), the line count of a show file, and the offscreen application of the
// targets that load windows.
#pragma once

#include <QApplication>
#include <QByteArrayView>
#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "support/files.h"
#include "support/test_home.h"

#define FUZZ_CHECK(condition) \
  ((condition) ? void() : Fuzz::Fail(#condition, __FILE__, __LINE__))

namespace Fuzz {

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, what);
  std::abort();
}

inline QByteArrayView Bytes(const uint8_t* data, size_t size) {
  return QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The number of lines of a show file: a line ends at CR LF, LF or CR, the last one needs none.
inline qsizetype Lines(QByteArrayView bytes) {
  qsizetype lines = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' || bytes[i] == '\r') {
      ++lines;
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    }
  }
  const char last = bytes.isEmpty() ? '\n' : bytes.back();
  return lines + (last == '\n' || last == '\r' ? 0 : 1);
}

// The fresh folders of the run, in memory where the system has a folder for that: the maker's
// saves sync their files to the disk, which would take most of the run's time.
inline const Test_Home& Home() {
  static const Test_Home home(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                  ? QStringLiteral("/dev/shm")
                                  : QDir::tempPath());
  return home;
}

// The offscreen widget application, made once for the whole run and kept to its end (libFuzzer
// ends the process with exit(), after which Qt cannot take its application down).
inline void Start_Application() {
  Home();
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QApplication* const app = new QApplication(argc, argv);
  app->setApplicationName(QStringLiteral("Vistabel"));
  app->setQuitOnLastWindowClosed(false);
}

// A file in the run's temporary folder, holding `bytes`; its path.
inline QString Write_File(const QString& name, QByteArrayView bytes) {
  const QString path = Home().path() + u'/' + name;
  if (!::Write_File(path, bytes.toByteArray())) Fail("the input file can be written", __FILE__, __LINE__);
  return path;
}

}  // namespace Fuzz
