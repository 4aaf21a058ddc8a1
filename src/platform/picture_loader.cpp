#include "platform/picture_loader.h"

#include <QImageReader>

namespace Platform {

Decode_Request Plan_Decode(QSize own, const QRect& control, QSize window) {
  Decode_Request r;
  if (own.isEmpty() || control.isEmpty()) return r;
  r.scaled = own.boundedTo(control.size());
  if (r.scaled == control.size()) {
    // The control shows the decoded pixels one to one: decode only the part inside the window.
    const QRect visible = control.intersected(QRect(QPoint(0, 0), window));
    r.clip = visible.translated(-control.topLeft());
    if (r.clip.isEmpty()) r.clip = QRect(0, 0, 1, 1);  // nothing seen: the smallest decode
  } else {
    // Enlarged in at least one direction: the picture's pixels are few, decode them all.
    r.clip = QRect(QPoint(0, 0), r.scaled);
  }
  return r;
}

bool Covers(const Decode_Request& had, const Decode_Request& want) {
  if (want.scaled.isEmpty()) return true;
  if (had.scaled.isEmpty()) return false;
  if (had.scaled == want.scaled) return had.clip.contains(want.clip);
  if (had.scaled.width() < want.scaled.width() || had.scaled.height() < want.scaled.height())
    return false;
  // Decoded finer than needed: enough when the wanted part, mapped to the decoded scale, is held.
  const double sx = double(had.scaled.width()) / want.scaled.width();
  const double sy = double(had.scaled.height()) / want.scaled.height();
  const QRect mapped(int(want.clip.x() * sx), int(want.clip.y() * sy),
                     int(want.clip.width() * sx), int(want.clip.height() * sy));
  return had.clip.contains(mapped);
}

namespace {

class QtPictureLoader final : public PictureLoaderSeam {
 public:
  std::optional<QSize> Read_Size(const QString& path) override {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid() || size.isEmpty()) return std::nullopt;
    return size;
  }

  QImage Load(const QString& path, const Decode_Request& request) override {
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
