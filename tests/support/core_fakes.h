// Fakes of the seams that the rules take themselves (core/seams/seam_types.h): a random draw, a
// folder tree in memory and a disk that fills up. They record what was asked and answer as
// scripted.
#pragma once

#include <unistd.h>

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <functional>
#include <limits>
#include <vector>

#include "core/seams/seam_types.h"

namespace Fakes {

// Draws from a fixed cycle of values.
class Random final : public Platform::RandomSeam {
 public:
  double Uniform() override {
    if (values.empty()) return 0.0;
    const double v = values[next % values.size()];
    ++next;
    return v;
  }
  std::vector<double> values;
  size_t next = 0;
};

// A folder tree in memory for the directory queries. Paths use "/"; adding a file or a folder adds
// the folders above it.
class Directories final : public Platform::DirectorySeam {
 public:
  void Folder(const QString& path) {
    for (QString p = path;;) {
      folders[p];
      if (p == "/") return;
      const QString parent = Parent(p);
      const bool known = folders.contains(parent);
      folders[parent].folders.insert(Name(p));
      if (known) return;
      p = parent;
    }
  }
  void File(const QString& path) {
    Folder(Parent(path));
    folders[Parent(path)].files.push_back(Name(path));
  }
  Platform::Folder_Listing List_Folder(const QString& folder) override {
    listed.push_back(folder);
    if (on_list) on_list(folder);
    Platform::Folder_Listing listing;
    if (!folders.contains(folder) || unreadable.contains(folder)) return listing;
    listing.ok = true;
    listing.id = {1, static_cast<std::uint64_t>(qHash(folder))};
    const Entry& e = folders[folder];
    listing.folders = QStringList(e.folders.cbegin(), e.folders.cend());
    listing.files = e.files;
    return listing;
  }
  QStringList Volumes() override { return volumes; }

  static QString Parent(const QString& path) {
    const qsizetype i = path.lastIndexOf(u'/');
    return i <= 0 ? QStringLiteral("/") : path.left(i);
  }
  static QString Name(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

  struct Entry {
    QSet<QString> folders;
    QStringList files;
  };
  QHash<QString, Entry> folders;
  QSet<QString> unreadable;
  QStringList volumes{QStringLiteral("/")};
  QStringList listed;                           // every folder listed, in order
  std::function<void(const QString&)> on_list;  // runs as a folder is listed
};

// The system's disk under a saved file, which fills up after `room` bytes (the write that goes
// beyond it writes what fits, the next one fails as a full disk does), takes at most `piece`
// bytes a write, and refuses the sync when asked to.
struct Disk_Script {
  std::size_t room = std::numeric_limits<std::size_t>::max();
  std::size_t piece = std::numeric_limits<std::size_t>::max();
  bool refuse_sync = false;
};
class Disk final : public Platform::DiskSeam {
 public:
  explicit Disk(Disk_Script script = {}) : script(script) {}
  long Write(int fd, const char* data, std::size_t size) override {
    if (script.room == 0) {
      errno = ENOSPC;
      return -1;
    }
    const long written = ::write(fd, data, std::min({size, script.room, script.piece}));
    if (written > 0) script.room -= static_cast<std::size_t>(written);
    return written;
  }
  bool Sync(int fd) override {
    if (script.refuse_sync) {
      errno = EIO;
      return false;
    }
    return ::fsync(fd) == 0;
  }
  Disk_Script script;
};

}  // namespace Fakes
