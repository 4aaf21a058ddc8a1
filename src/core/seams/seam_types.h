// The seams that the program's rules take as they are, declared here so that the rules need
// nothing from the platform layer: what to decode of a picture, a folder's listing and the directory
// queries, the random draw, and the disk under a file being saved. The platform layer implements them over Qt and the system and holds
// them in Services with the other seams; tests give the rules fakes directly.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstddef>

namespace Platform {

// What to decode of a picture: the whole picture is scaled to `scaled` (its own size when equal)
// and only the part `clip` of that scaled picture is decoded. An empty clip means all of it.
struct Decode_Request {
  QSize scaled;
  QRect clip;
  friend bool operator==(const Decode_Request&, const Decode_Request&) = default;
};

class RandomSeam {
 public:
  virtual ~RandomSeam() = default;
  virtual double Uniform() = 0;  // a uniform draw in [0, 1)
};

// The directory queries of the folder lists and the folder walk.
// A folder's identity: the same for every path that leads to it (links included).
struct Folder_Id {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  friend bool operator==(const Folder_Id&, const Folder_Id&) = default;
};
inline size_t qHash(const Folder_Id& id, size_t seed = 0) noexcept {
  return seed ^ (id.inode * 0x9E3779B97F4A7C15ull) ^ id.device;
}

// What one folder holds, listed once, in the order the system gives. Names only, without "." and
// ".."; a link counts as what it leads to. Names that cannot be written as a path in the locale's
// file-name encoding are left out, because no file list could name them.
struct Folder_Listing {
  bool ok = false;    // the folder could be opened and read
  Folder_Id id;
  QStringList folders;
  QStringList files;  // regular files
  QByteArray file_system;  // the type of the file system that holds the folder ("ext4", "proc")
};

class DirectorySeam {
 public:
  virtual ~DirectorySeam() = default;
  virtual Folder_Listing List_Folder(const QString& folder) = 0;
  // The mounted, ready volumes that hold the user's files, as their root paths, the root first.
  virtual QStringList Volumes() = 0;
};

// The calls that put a saved file's bytes on the disk: a full or failing disk makes either fail,
// the write at once or only the sync, when the system wrote the data back later. Both work on an
// open file descriptor and set errno on failure.
class DiskSeam {
 public:
  virtual ~DiskSeam() = default;
  // Writes up to `size` bytes: the number written, or -1.
  virtual long Write(int fd, const char* data, std::size_t size) = 0;
  // Flushes what was written to the disk itself; false when the disk refused it.
  virtual bool Sync(int fd) = 0;
};

}  // namespace Platform
