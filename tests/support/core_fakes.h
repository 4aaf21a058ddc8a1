// Fakes of the seams that the rules take themselves (core/seams/seam_types.h): a random draw and
// a folder tree in memory. They record what was asked and answer as scripted.
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
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
// the folders above it. A link is a folder entry that leads to another folder: listing it lists
// that folder, with that folder's identity.
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
  void Link(const QString& path, const QString& target) {
    Folder(Parent(path));
    folders[Parent(path)].folders.insert(Name(path));
    links.insert(path, target);
  }
  Platform::Folder_Listing List_Folder(const QString& folder) override {
    listed.push_back(folder);
    if (on_list) on_list(folder);
    Platform::Folder_Listing listing;
    QString real = folder;
    for (int i = 0; i < 64 && links.contains(real); ++i) real = links.value(real);
    // A path through a link: follow the links of its leading parts too.
    for (auto it = links.cbegin(); it != links.cend(); ++it)
      if (real.startsWith(it.key() + "/")) real = it.value() + real.mid(it.key().size());
    if (!folders.contains(real) || unreadable.contains(real)) return listing;
    listing.ok = true;
    listing.id = {1, static_cast<std::uint64_t>(qHash(real))};
    const Entry& e = folders[real];
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
  QHash<QString, QString> links;
  QSet<QString> unreadable;
  QStringList volumes{QStringLiteral("/")};
  QStringList listed;                           // every folder listed, in order
  std::function<void(const QString&)> on_list;  // runs as a folder is listed
};

}  // namespace Fakes
