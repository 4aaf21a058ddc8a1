#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "platform/services.h"

namespace Platform {

namespace {

class QtFileSystem final : public FileSystemSeam {
 public:
  bool Is_Regular_File(const QString& path) override {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);  // QFileInfo follows links
    return info.exists() && info.isFile();
  }
  bool Is_Folder(const QString& path) override {
    if (path.isEmpty()) return false;
    return QFileInfo(path).isDir();
  }
  bool Remove_File(const QString& path) override {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) return false;
    // A read-only file stays: one without its owner's write permission (the read-only mark), and
    // one the user may not write (even where the folder would allow removing it).
    if (!info.isWritable() || !info.permissions().testFlag(QFileDevice::WriteOwner)) return false;
    return QFile::remove(path);
  }
};

class PosixDisk final : public DiskSeam {
 public:
  long Write(int fd, const char* data, std::size_t size) override { return ::write(fd, data, size); }
  bool Sync(int fd) override { return ::fsync(fd) == 0; }
};

}  // namespace

std::unique_ptr<DiskSeam> Make_Posix_Disk() { return std::make_unique<PosixDisk>(); }

std::unique_ptr<FileSystemSeam> Make_Qt_File_System() { return std::make_unique<QtFileSystem>(); }

}  // namespace Platform
