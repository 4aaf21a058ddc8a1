// The directory queries over the POSIX calls: one open, one status and one pass of readdir per
// folder; an entry's status is asked only when the directory entry does not tell its kind (a link,
// or a file system without entry kinds). The type of a folder's file system comes from the
// system's table of mounts, read again only when a folder lies on a device it did not name.
#include <QFile>
#include <QStorageInfo>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <mutex>

#include "platform/services.h"

namespace Platform {

namespace {

enum class Kind { Other, Folder, File };

Kind Kind_Of(int dir_fd, const dirent* entry) {
#ifdef _DIRENT_HAVE_D_TYPE
  if (entry->d_type == DT_DIR) return Kind::Folder;
  if (entry->d_type == DT_REG) return Kind::File;
  if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) return Kind::Other;
#endif
  struct stat st;
  if (::fstatat(dir_fd, entry->d_name, &st, 0) != 0) return Kind::Other;  // a broken link
  if (S_ISDIR(st.st_mode)) return Kind::Folder;
  if (S_ISREG(st.st_mode)) return Kind::File;
  return Kind::Other;
}

// The name as text, or nothing when the text would not name the same file again.
bool Decode(const char* name, size_t length, QString& out) {
  bool ascii = true;
  for (size_t i = 0; i < length; ++i) {
    if (static_cast<unsigned char>(name[i]) >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (ascii) {
    out = QString::fromLatin1(name, static_cast<qsizetype>(length));
    return true;
  }
  const QByteArray bytes(name, static_cast<qsizetype>(length));
  out = QFile::decodeName(bytes);
  return QFile::encodeName(out) == bytes;
}

// The file system type of each mounted device, from /proc/self/mountinfo: per line the device as
// "major:minor" in the third field and the type after the " - " separator.
class Mount_Types {
 public:
  QByteArray Of(dev_t device) {
    const std::lock_guard lock(mutex_);
    auto it = types_.find(device);
    if (it == types_.end()) {
      Read();
      // A device the table does not name is not looked for again.
      it = types_.try_emplace(device).first;
    }
    return it->second;
  }

 private:
  void Read() {
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly)) return;
    for (const QByteArray& line : table.readAll().split('\n')) {
      const QList<QByteArray> fields = line.split(' ');
      const qsizetype dash = fields.indexOf("-");
      if (fields.size() < 3 || dash < 0 || dash + 1 >= fields.size()) continue;
      const QList<QByteArray> numbers = fields[2].split(':');
      if (numbers.size() != 2) continue;
      types_[makedev(numbers[0].toUInt(), numbers[1].toUInt())] = fields[dash + 1];
    }
  }

  std::mutex mutex_;
  std::map<dev_t, QByteArray> types_;
};

class Posix_Directories final : public DirectorySeam {
 public:
  Folder_Listing List_Folder(const QString& folder) override {
    Folder_Listing listing;
    if (folder.isEmpty()) return listing;
    const QByteArray path = QFile::encodeName(folder);
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return listing;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
      ::close(fd);
      return listing;
    }
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
      ::close(fd);
      return listing;
    }
    listing.id = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
    listing.file_system = mounts_.Of(st.st_dev);
    QString name;
    while (const dirent* entry = ::readdir(dir)) {
      const char* n = entry->d_name;
      if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'))) continue;
      const Kind kind = Kind_Of(fd, entry);
      if (kind == Kind::Other) continue;
      if (!Decode(n, std::strlen(n), name)) continue;
      (kind == Kind::Folder ? listing.folders : listing.files).push_back(name);
    }
    ::closedir(dir);  // closes fd too
    listing.ok = true;
    return listing;
  }

  QStringList Volumes() override {
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
      if (!volume.isValid() || !volume.isReady()) continue;
      const QString root = volume.rootPath();
      if (roots.contains(root) || !Holds_User_Files(root, volume.fileSystemType())) continue;
      roots.push_back(root);
    }
    return roots;
  }

 private:
  Mount_Types mounts_;

  // The system's own mounts (memory file systems, kernel and device trees, packed programs) are
  // no places for pictures; removable media under /run/media are.
  static bool Holds_User_Files(const QString& root, const QByteArray& type) {
    static const QByteArray memory[] = {"tmpfs", "devtmpfs", "ramfs", "squashfs", "autofs",
                                        "efivarfs", "overlay", "proc", "sysfs"};
    for (const QByteArray& t : memory)
      if (type == t) return false;
    for (const char* system : {"/proc", "/sys", "/dev", "/boot", "/snap"})
      if (root == QLatin1String(system) || root.startsWith(QLatin1String(system) + u'/')) return false;
    if (root.startsWith(QLatin1String("/run/")) && !root.startsWith(QLatin1String("/run/media/")))
      return false;
    return true;
  }
};

}  // namespace

std::unique_ptr<DirectorySeam> Make_Posix_Directories() {
  return std::make_unique<Posix_Directories>();
}

}  // namespace Platform
