#include "core/show_file/show_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ShowFile {
namespace {

// Hands on what the scan reads, with the paths taken from the show file's folder.
class From_Folder_Sink final : public Sink {
 public:
  From_Folder_Sink(const QString& folder, Sink& sink) : folder_(folder), sink_(sink) {}
  void Flag(Key key, bool on) override { sink_.Flag(key, on); }
  bool Number(Key key, const QString& value) override { return sink_.Number(key, value); }
  void Music(const QString& path) override { sink_.Music(From_Folder(folder_, path)); }
  void Picture(const QString& path) override { sink_.Picture(From_Folder(folder_, path)); }

 private:
  const QString& folder_;
  Sink& sink_;
};

// Takes nothing, refusing the values that the player refuses.
class Checking_Sink final : public Sink {
 public:
  void Flag(Key, bool) override {}
  bool Number(Key key, const QString& value) override {
    return key == Key::Delay ? Delay_Milliseconds(value).has_value() : Colour_Value(value).has_value();
  }
  void Music(const QString&) override {}
  void Picture(const QString&) override {}
};

bool Holds_Nul(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QByteArray chunk;
  do {
    chunk = file.read(64 * 1024);
    if (chunk.contains('\0')) return true;
  } while (!chunk.isEmpty());
  return false;
}

}  // namespace

QString From_Folder(const QString& folder, const QString& path) {
  if (path.isEmpty() || QDir::isAbsolutePath(path)) return path;
  return QDir::cleanPath(folder + QLatin1Char('/') + path);
}

Scan_Result Read(const QString& show_file, Sink& sink) {
  const QString folder = QFileInfo(show_file).absolutePath();
  From_Folder_Sink from_folder(folder, sink);
  return Scan(show_file, from_folder);
}

bool Is_Show_File(const QString& path) {
  if (Holds_Nul(path)) return false;
  Checking_Sink checking;
  return Scan(path, checking).ok();
}

}  // namespace ShowFile
