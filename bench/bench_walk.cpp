// The subfolder search's walk against find making the same selection, on a tree of 2,000 folders
// and 60,000 files (20,000 pictures with extensions in mixed case) built in a temporary folder.
// Both run warm (the tree is walked once before timing); the median of several runs is printed,
// with the ratio walk / find.
//   bench_walk [RUNS]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/folders/folder_walk.h"
#include "core/general/general.h"
#include "platform/services.h"

namespace {

constexpr int Folders = 2000;
constexpr int Files_Per_Folder = 30;
constexpr int Pictures_Per_Folder = 10;

bool Build_Tree(const QString& root) {
  // Folder 0 is the root; folder i lies in folder (i - 1) / 6, so the tree is a few levels deep.
  std::vector<QString> paths(Folders);
  paths[0] = root;
  for (int i = 1; i < Folders; ++i) {
    paths[i] = paths[(i - 1) / 6] + QStringLiteral("/Folder %1").arg(i);
    if (!QDir().mkdir(paths[i])) return false;
  }
  static const char* pictures[] = {".jpg", ".JPG", ".jpeg", ".Gif", ".bmp", ".PNG", ".JPEG", ".webp"};
  static const char* others[] = {".txt", ".tif", ".raw", ".xmp", ".jpg.bak", ".mov"};
  for (int i = 0; i < Folders; ++i) {
    for (int f = 0; f < Files_Per_Folder; ++f) {
      const char* ext = f < Pictures_Per_Folder ? pictures[(i + f) % 8] : others[(i + f) % 6];
      QFile file(paths[i] + QStringLiteral("/IMG_%1_%2").arg(i).arg(f) + QLatin1String(ext));
      if (!file.open(QIODevice::WriteOnly)) return false;
    }
  }
  return true;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// find's selection: the same six patterns ignoring case, hidden folders and files left out.
qsizetype Run_Find(const QString& root) {
  QProcess find;
  find.start(QStringLiteral("find"),
             {root, "-name", ".?*", "-prune", "-o", "-type", "f", "(", "-iname", "*.bmp", "-o",
              "-iname", "*.jpg", "-o", "-iname", "*.jpeg", "-o", "-iname", "*.gif", "-o", "-iname",
              "*.png", "-o", "-iname", "*.webp", ")", "-print"});
  if (!find.waitForFinished(-1)) return -1;
  return find.readAllStandardOutput().count('\n');
}

// The walk as the search window makes it: every picture joined to its folder into the list, and
// optionally the window's yield to the event loop for each folder with pictures.
qsizetype Run_Walk(const QString& root, bool yields) {
  auto disk = Platform::Make_Posix_Directories();
  Folder_Walk::Walker walk(*disk);
  QStringList list;
  Folder_Walk::Hooks hooks;
  hooks.Dir1_Change = [](const QString&) {};
  hooks.Get_Files = [&] {
    if (yields) QCoreApplication::processEvents();
    for (const QString& name : walk.File1()) list.push_back(General::Join_Path(walk.Dir1(), name));
  };
  hooks.Stop_Requested = [] { return false; };
  walk.Search_Folders(root, hooks);
  return list.size();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  QTemporaryDir dir;
  if (!dir.isValid() || !Build_Tree(dir.path())) {
    std::fprintf(stderr, "bench_walk: cannot build the tree in %s\n", qPrintable(dir.path()));
    return 1;
  }
  const QString root = dir.path();
  const qsizetype by_find = Run_Find(root);  // warms the caches
  const qsizetype by_walk = Run_Walk(root, false);
  std::printf("tree: %d folders, %d files; pictures found by find %lld, by the walk %lld\n", Folders,
              Folders * Files_Per_Folder, static_cast<long long>(by_find),
              static_cast<long long>(by_walk));
  if (by_find != by_walk || by_walk != Folders * Pictures_Per_Folder) {
    std::fprintf(stderr, "bench_walk: the selections differ\n");
    return 1;
  }
  std::vector<double> find_ms, walk_ms, yield_ms;
  QElapsedTimer t;
  for (int i = 0; i < runs; ++i) {
    t.start();
    Run_Find(root);
    find_ms.push_back(t.nsecsElapsed() / 1e6);
    t.start();
    Run_Walk(root, false);
    walk_ms.push_back(t.nsecsElapsed() / 1e6);
    t.start();
    Run_Walk(root, true);
    yield_ms.push_back(t.nsecsElapsed() / 1e6);
  }
  const double f = Median(find_ms), w = Median(walk_ms), y = Median(yield_ms);
  std::printf("find:                     %8.1f ms\n", f);
  std::printf("walk:                     %8.1f ms  (walk / find = %.2f)\n", w, w / f);
  std::printf("walk with the yields:     %8.1f ms  (walk / find = %.2f)\n", y, y / f);
  std::printf("median of %d runs each\n", runs);
  return 0;
}
