// The real picture loader: the size from the header, and only the part of the picture that is
// asked for, decoded at the size it is asked for (JPEG through libjpeg-turbo, the rest through
// QImageReader), upright by its EXIF orientation and within the decoding budget.
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutex>
#include <cmath>

#include "core/decode/decode_plan.h"
#include "core/pictures/area_scale.h"
#include "core/pictures/decode_budget.h"
#include "core/pictures/jpeg_scale.h"
#include "core/pictures/orientation.h"
#include "core/pictures/picture_header.h"
#include "platform/services.h"
#include "platform/turbo_jpeg.h"

namespace Platform {

namespace {

// Only regular files (links followed) are opened: opening a FIFO would wait for a writer for
// ever, and a device may never end.
bool Is_Picture_File(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

// What the header says, from the program's own reading for JPEG and PNG and from Qt's readers for
// the rest. An empty size: not a picture that can be read.
Pictures::Header Probe(const QString& path) {
  if (!Is_Picture_File(path)) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  Pictures::Header header = Pictures::Read_Header(file);
  if (!header.size.isEmpty()) return header;
  // Anything else, or a header the reading above could not follow: Qt's readers decide.
  file.seek(0);
  QImageReader reader(&file);
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  const QByteArray format = reader.format();
  if (!reader.canRead() || !size.isValid() || size.isEmpty()) return {};
  Pictures::Header general;
  general.format = format == "jpeg" ? Pictures::Format::Jpeg
                   : format == "png" ? Pictures::Format::Png
                   : format == "bmp" ? Pictures::Format::Bmp
                   : format == "gif" ? Pictures::Format::Gif
                                     : Pictures::Format::Other;
  general.size = size;
  general.orientation = header.orientation;
  return general;
}

// Decodes over the large-decode threshold take turns; the rest run side by side.
class Large_Decode_Turn {
 public:
  explicit Large_Decode_Turn(qint64 bytes) : held_(bytes > Pictures::kLarge_Decode) {
    if (held_) Mutex().lock();
  }
  ~Large_Decode_Turn() {
    if (held_) Mutex().unlock();
  }
  Large_Decode_Turn(const Large_Decode_Turn&) = delete;
  Large_Decode_Turn& operator=(const Large_Decode_Turn&) = delete;

 private:
  static QMutex& Mutex() {
    static QMutex mutex;
    return mutex;
  }
  bool held_;
};

bool Within_Budget(const Pictures::Header& header, QSize decoded) {
  return Pictures::Decode_Bytes(header, decoded) <= Pictures::kDecode_Budget;
}

// The part `clip` of the stored picture scaled to `scaled`, both in the stored orientation.
QImage Decode_Stored(const QString& path, const Pictures::Header& header, QSize scaled, QRect clip) {
  const QSize own = header.size;
  const QRect whole(QPoint(0, 0), scaled);
  const bool own_part = scaled == own && clip != whole;  // libjpeg decodes only the rows of a part
  if (header.format == Pictures::Format::Jpeg && !own_part) {
    const int eighths = Pictures::Jpeg_Eighths(own, scaled);
    if (!Within_Budget(header, Pictures::Jpeg_Scaled(own, eighths))) return {};
    QImage decoded;
    {
      Large_Decode_Turn turn(Pictures::Decode_Bytes(header, Pictures::Jpeg_Scaled(own, eighths)));
      decoded = Jpeg_Decode_Scaled(path, eighths, scaled, clip);
    }
    if (!decoded.isNull()) return decoded;
    // libjpeg refused it: Qt's reader may still know it.
  }
  // Qt's readers decode the whole picture (a JPEG at its own size only the rows of the part), and
  // the program scales it: Qt's own scaling would borrow threads from the application's pool.
  if (!Within_Budget(header, own_part ? clip.size() : own)) return {};
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  if (own_part) reader.setClipRect(clip);
  QImage image;
  {
    Large_Decode_Turn turn(Pictures::Decode_Bytes(header, own_part ? clip.size() : own));
    image = reader.read();
  }
  if (image.isNull()) return {};
  if (own_part) return image.size() == clip.size() ? image : image.copy(clip);
  if (image.size() != own) return {};
  if (scaled == own) return image;
  return Pictures::Area_Scaled(image, scaled, clip);
}

class QtPictureLoader final : public PictureLoaderSeam {
 public:
  // Within the decode budget, Qt's readers take any picture, however many pixels it has.
  QtPictureLoader() { QImageReader::setAllocationLimit(int(Pictures::kDecode_Budget >> 20)); }

  bool Thread_Safe() const override { return true; }  // holds no state

  std::optional<QSize> Read_Size(const QString& path) override {
    const Pictures::Header header = Probe(path);
    if (header.size.isEmpty()) return std::nullopt;
    return Pictures::Shown_Size(header.size, header.orientation);
  }

  QImage Load(const QString& path, const Decode_Request& request) override {
    const Pictures::Header header = Probe(path);
    if (header.size.isEmpty()) return {};
    // The request is for the picture as seen; the decoder works on it as stored.
    const int o = header.orientation;
    const QSize shown = Pictures::Shown_Size(header.size, o);
    const QSize scaled = request.scaled.isEmpty() ? shown : request.scaled;
    const QRect whole(QPoint(0, 0), scaled);
    const QRect clip = request.clip.isEmpty() ? whole : request.clip.intersected(whole);
    if (clip.isEmpty()) return {};
    const QSize stored_scaled = Pictures::Shown_Size(scaled, o);
    const QImage stored = Decode_Stored(path, header, stored_scaled,
                                        Pictures::Stored_Rect(clip, stored_scaled, o));
    return stored.isNull() ? stored : Pictures::Turned_Upright(stored, o);
  }
};

}  // namespace

std::unique_ptr<PictureLoaderSeam> Make_Qt_Picture_Loader() {
  return std::make_unique<QtPictureLoader>();
}

}  // namespace Platform
