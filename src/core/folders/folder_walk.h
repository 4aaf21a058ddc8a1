// The walk of a folder tree, as the subfolder search makes it: depth first, every folder before
// the folders below it, the subfolders of a folder in the folder list's order (sorted ignoring
// case, hidden ones left out). Each folder is listed once: the folder stack keeps every level's
// subfolder list and the position reached in it, so a climb goes straight on with the next
// subfolder. A folder already entered in this walk (the same folder by another path: a link back
// to an ancestor, two links to one folder) is not entered again; a folder that cannot be read is
// passed over, and so are the kernel's virtual file systems (proc, sysfs, devtmpfs and the like).
//
// The walk asks its owner at fixed points: each time its current folder (Dir1) changes, to collect
// the pictures of the start folder and of every other folder that holds pictures (the owner's
// Get_Files, the only place where it may let events through), and whether a stop was requested,
// which is seen on each climb from a finished folder only.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/seams/seam_types.h"

namespace Folder_Walk {

struct Hooks {
  std::function<void(const QString& folder)> Dir1_Change;  // the current folder changed
  std::function<void()> Get_Files;                         // collect File1 of Dir1
  std::function<bool()> Stop_Requested;
};

enum class End { Complete, Stopped };

class Walker {
 public:
  explicit Walker(Platform::DirectorySeam& directories) : directories_(directories) {}

  // Walks the tree below `start` (a full path; a trailing separator is dropped).
  End Search_Folders(const QString& start, const Hooks& hooks);

  // The current folder, the picture names of the current folder (sorted) and the depth of the
  // current folder (the start folder alone is 1). Valid inside the hooks.
  const QString& Dir1() const { return dir1_; }
  const QStringList& File1() const { return file1_; }
  int Depth() const { return static_cast<int>(stack_.size()); }

 private:
  struct Level {
    QString folder;
    QStringList subfolders;  // full paths, in list order
    qsizetype next = 0;      // the next subfolder to enter
  };
  // Lists `folder`; false when it cannot be read or was entered before in this walk.
  bool Enter(const QString& folder, QStringList& pictures, QStringList& subfolders);
  void Set_Dir1(const QString& folder, const Hooks& hooks);

  Platform::DirectorySeam& directories_;
  std::vector<Level> stack_;  // the folder stack: the start folder, then each folder on the way down
  QSet<Platform::Folder_Id> entered_;
  QString dir1_;
  QStringList file1_;
};

}  // namespace Folder_Walk
