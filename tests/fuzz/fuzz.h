// What the fuzz targets share: a check that stops the run when a property does not hold (libFuzzer
// then keeps the input), the line count of a show file, and the offscreen application of the
// targets that load windows.
#pragma once

#include <QApplication>
#include <QByteArrayView>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "support/files.h"
#include "support/test_home.h"

#define FUZZ_CHECK(condition) \
  ((condition) ? void() : (std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #condition), std::abort()))

namespace Fuzz {

inline QByteArrayView Bytes(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), qsizetype(size)}; }

// The number of lines of a show file: a line ends at an LF, or at a CR that no LF follows; the last
// line needs no end.
inline qsizetype Lines(QByteArrayView b) {
  qsizetype lines = !b.isEmpty() && b.back() != '\n' && b.back() != '\r';
  for (qsizetype i = 0; i < b.size(); ++i) lines += b[i] == '\n' || (b[i] == '\r' && (i + 1 == b.size() || b[i + 1] != '\n'));
  return lines;
}

// The fresh folders of the run, in memory where the system has a folder for that: the maker's
// saves sync their files to the disk, which would take most of the run's time.
inline const Test_Home& Home() {
  static const Test_Home home(QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath());
  return home;
}

// The targets that load windows (defining FUZZ_WINDOWS) make the offscreen widget application
// once for the whole run and keep it to its end (libFuzzer ends the process with exit(), after
// which Qt cannot take its application down).
#ifdef FUZZ_WINDOWS
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Home();
  static int argc = 1;
  static char name[] = "fuzz", *argv[] = {name, nullptr};
  (new QApplication(argc, argv))->setQuitOnLastWindowClosed(false);
  QApplication::setApplicationName(QStringLiteral("Vistabel"));
  return 0;
}
#endif

// A file in the run's temporary folder, holding `bytes`; its path.
inline QString Write_File(const QString& name, QByteArrayView bytes) {
  const QString path = Home().path() + u'/' + name;
  FUZZ_CHECK(::Write_File(path, bytes.toByteArray()));
  return path;
}

}  // namespace Fuzz
