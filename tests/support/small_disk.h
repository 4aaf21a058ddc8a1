// A real, small file system for tests of what a full disk does: a tmpfs of a few pages mounted on
// a temporary folder for the test's lifetime. Mounting needs the superuser (and a system that lets
// it mount); where that is not so, `Why_Not()` says why and the test skips.
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace Fakes {

class Small_Disk {
 public:
  explicit Small_Disk(int kilobytes = 64) {
    if (!dir_.isValid()) {
      why_not_ = "no temporary folder to mount on";
      return;
    }
    if (::geteuid() != 0) {
      why_not_ = "mounting a small tmpfs needs the superuser";
      return;
    }
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
    if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData()) != 0) {
      why_not_ = std::string("this system does not let the tests mount a tmpfs: ") + std::strerror(errno);
      return;
    }
    mounted_ = true;
  }
  ~Small_Disk() {
    if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
  }
  Small_Disk(const Small_Disk&) = delete;
  Small_Disk& operator=(const Small_Disk&) = delete;

  // Empty when the disk is mounted.
  const std::string& Why_Not() const { return why_not_; }
  QString Path(const QString& name) const { return dir_.filePath(name); }

  // Fills the disk with a file of its own, then frees `free_bytes` of it again (whole pages).
  bool Fill(qint64 free_bytes = 0) {
    QFile filler(Path(".filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const QByteArray page(4096, 'f');
    while (filler.write(page) == page.size()) {
    }
    filler.close();
    return filler.resize(std::max<qint64>(0, filler.size() - free_bytes));
  }

 private:
  QTemporaryDir dir_;
  bool mounted_ = false;
  std::string why_not_;
};

}  // namespace Fakes
