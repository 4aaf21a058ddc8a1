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
    if (!info.exists() || !info.isFile() || !info.isWritable()) return false;
    return QFile::remove(path);
  }
};

}  // namespace

std::unique_ptr<FileSystemSeam> Make_Qt_File_System() { return std::make_unique<QtFileSystem>(); }

}  // namespace Platform
