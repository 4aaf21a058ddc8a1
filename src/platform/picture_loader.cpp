// The real picture loader over QImageReader: the size from the header, and only the part of the
// picture that is asked for, decoded at the size it is asked for.
#include <QFileInfo>
#include <QImageReader>

#include "platform/services.h"

namespace Platform {

namespace {

// Only regular files (links followed) are opened: opening a FIFO would wait for a writer for
// ever, and a device may never end.
bool Is_Picture_File(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

class QtPictureLoader final : public PictureLoaderSeam {
 public:
  bool Thread_Safe() const override { return true; }  // holds no state

  std::optional<QSize> Read_Size(const QString& path) override {
    if (!Is_Picture_File(path)) return std::nullopt;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid() || size.isEmpty()) return std::nullopt;
    return size;
  }

  QImage Load(const QString& path, const Decode_Request& request) override {
    if (!Is_Picture_File(path)) return {};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize own = reader.size();
    if (!own.isValid() || own.isEmpty()) return {};
    const QSize scaled = request.scaled.isEmpty() ? own : request.scaled;
    const QRect whole(QPoint(0, 0), scaled);
    const QRect clip = request.clip.isEmpty() ? whole : request.clip.intersected(whole);
    if (clip.isEmpty()) return {};
    if (scaled != own) {
      reader.setScaledSize(scaled);
      if (clip != whole) reader.setScaledClipRect(clip);
    } else if (clip != whole) {
      reader.setClipRect(clip);
    }
    QImage image = reader.read();
    if (image.isNull()) return {};
    if (image.size() != clip.size()) {
      // A decoder that ignored the request: bring the result to what was asked.
      if (image.size() == own && scaled != own)
        image = image.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      if (image.size() == scaled && clip != whole) image = image.copy(clip);
    }
    return image;
  }
};

}  // namespace

std::unique_ptr<PictureLoaderSeam> Make_Qt_Picture_Loader() {
  return std::make_unique<QtPictureLoader>();
}

}  // namespace Platform
