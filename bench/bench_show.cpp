// Helpers for the whole-program benchmark (bench/show.sh):
//   bench_show photos DIR N [W H]   writes N photo-like JPEGs (quality 90, 6000 x 4000 unless given)
//                                   as DIR/photo1.jpg ... DIR/photoN.jpg
//   bench_show run CMD ARGS...      runs the command and prints "SECONDS PEAK_MIB" of it: the wall
//                                   time from start to exit and its peak resident memory
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/photo.h"

namespace {

int photos(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir dir(QString::fromLocal8Bit(argv[2]));
  const int n = std::atoi(argv[3]);
  const QSize size = argc >= 6 ? QSize(std::atoi(argv[4]), std::atoi(argv[5])) : QSize(6000, 4000);
  for (int i = 1; i <= n; ++i) {
    const QString path = dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
    if (!Bench::Photo_Like(size, 1234567u + i).save(path, "JPEG", 90)) {
      std::fprintf(stderr, "bench_show: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}

int run(char** argv) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) return 1;
  if (pid == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return 1;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.3f %.1f\n", seconds, usage.ru_maxrss / 1024.0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::strcmp(argv[1], "photos") == 0) return photos(argc, argv);
  if (argc >= 3 && std::strcmp(argv[1], "run") == 0) return run(argv);
  std::fputs("usage: bench_show photos DIR N [W H] | bench_show run CMD ARGS...\n", stderr);
  return 2;
}
