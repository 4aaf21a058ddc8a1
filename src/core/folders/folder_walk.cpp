#include "core/folders/folder_walk.h"

#include "core/folders/folder_lists.h"
#include "core/general/general.h"

namespace Folder_Walk {

namespace {

// The kernel's own file systems hold no pictures; /proc alone leads again, through the working
// folder of every process, to folders that the walk should meet by their own paths.
bool Virtual_File_System(const QByteArray& type) {
  static const char* const kVirtual[] = {
      "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "tracefs", "debugfs",
      "securityfs", "pstore", "bpf", "configfs", "fusectl", "mqueue", "hugetlbfs", "autofs",
      "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs", "selinuxfs"};
  for (const char* t : kVirtual)
    if (type == t) return true;
  return false;
}

}  // namespace

bool Walker::Enter(const QString& folder, QStringList& pictures, QStringList& subfolders) {
  Platform::Folder_Listing listing = directories_.List_Folder(folder);
  if (!listing.ok || Virtual_File_System(listing.file_system)) return false;
  if (entered_.contains(listing.id)) return false;
  entered_.insert(listing.id);
  pictures = Folder_Lists::Picture_Files(listing.files);
  subfolders = Folder_Lists::Sub_Folders(listing.folders);
  for (QString& name : subfolders) name = General::Join_Path(folder, name);
  return true;
}

void Walker::Set_Dir1(const QString& folder, const Hooks& hooks) {
  dir1_ = folder;
  if (hooks.Dir1_Change) hooks.Dir1_Change(folder);
}

End Walker::Search_Folders(const QString& start_text, const Hooks& hooks) {
  stack_.clear();
  entered_.clear();
  file1_.clear();
  const QString start = Folder_Lists::Full_Path(start_text);

  // The start folder: its pictures are collected even when it holds none.
  Level first{start, {}, 0};
  if (!Enter(start, file1_, first.subfolders)) file1_.clear();
  stack_.push_back(std::move(first));
  Set_Dir1(start, hooks);
  hooks.Get_Files();

  for (;;) {
    // Descend into the next subfolder of the current level that can be entered.
    const size_t top = stack_.size() - 1;
    bool descended = false;
    while (stack_[top].next < stack_[top].subfolders.size()) {
      const QString child = stack_[top].subfolders[stack_[top].next++];
      QStringList pictures, subfolders;
      if (!Enter(child, pictures, subfolders)) continue;
      stack_.push_back({child, std::move(subfolders), 0});
      Set_Dir1(child, hooks);
      file1_ = std::move(pictures);
      if (!file1_.isEmpty()) hooks.Get_Files();
      descended = true;
      break;
    }
    if (descended) continue;

    // Climb back: the current folder is finished.
    if (stack_.size() == 1) return End::Complete;
    Set_Dir1(stack_[stack_.size() - 2].folder, hooks);
    if (hooks.Stop_Requested && hooks.Stop_Requested()) return End::Stopped;
    stack_.pop_back();
  }
}

}  // namespace Folder_Walk
