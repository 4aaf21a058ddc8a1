#include "core/pictures/picture_header.h"

#include <QIODevice>
#include <QtEndian>

namespace Pictures {

namespace {

// The EXIF orientation in a TIFF structure (the body of a JPEG's "Exif" APP1 segment): tag 0x0112
// of the first image directory. Anything malformed gives 1.
int Tiff_Orientation(const QByteArray& tiff) {
  if (tiff.size() < 8) return 1;
  const bool little = tiff.startsWith("II");
  if (!little && !tiff.startsWith("MM")) return 1;
  const auto* p = reinterpret_cast<const uchar*>(tiff.constData());
  auto u16 = [&](qsizetype at) { return little ? qFromLittleEndian<quint16>(p + at) : qFromBigEndian<quint16>(p + at); };
  auto u32 = [&](qsizetype at) { return little ? qFromLittleEndian<quint32>(p + at) : qFromBigEndian<quint32>(p + at); };
  const quint32 ifd = u32(4);
  if (ifd > quint32(tiff.size() - 2)) return 1;
  const int entries = u16(ifd);
  for (int i = 0; i < entries; ++i) {
    const qsizetype at = qsizetype(ifd) + 2 + 12 * i;
    if (at + 12 > tiff.size()) return 1;
    if (u16(at) != 0x0112) continue;
    const int type = u16(at + 2);
    const int value = type == 3 ? u16(at + 8) : type == 4 ? int(u32(at + 8)) : 0;
    return value >= 1 && value <= 8 ? value : 1;
  }
  return 1;
}

Header Jpeg_Header(QIODevice& d) {
  Header h;
  h.format = Format::Jpeg;
  // Segments up to the frame header; each is a marker and a big-endian length that counts itself.
  for (;;) {
    char marker[2];
    if (d.read(marker, 2) != 2) return h;
    if (uchar(marker[0]) != 0xFF) return h;
    const uchar kind = uchar(marker[1]);
    if (kind == 0xFF) {  // fill byte
      d.seek(d.pos() - 1);
      continue;
    }
    if (kind == 0xD8 || (kind >= 0xD0 && kind <= 0xD7) || kind == 0x01) continue;  // no length
    if (kind == 0xD9 || kind == 0xDA) return h;  // the end, or scan data before any frame
    uchar length_bytes[2];
    if (d.read(reinterpret_cast<char*>(length_bytes), 2) != 2) return h;
    const int length = qFromBigEndian<quint16>(length_bytes) - 2;
    if (length < 0) return h;
    const bool frame = kind >= 0xC0 && kind <= 0xCF && kind != 0xC4 && kind != 0xC8 && kind != 0xCC;
    if (kind == 0xE1 || frame) {
      const QByteArray body = d.read(length);
      if (body.size() != length) return h;
      if (kind == 0xE1) {
        if (body.startsWith(QByteArray("Exif\0\0", 6))) h.orientation = Tiff_Orientation(body.mid(6));
        continue;
      }
      const auto* b = reinterpret_cast<const uchar*>(body.constData());
      if (length < 6) return h;
      const int components = b[5];
      if (components < 1 || length < 6 + 3 * components) return h;
      h.progressive = kind == 0xC2 || kind == 0xC6 || kind == 0xCA || kind == 0xCE;
      for (int i = 0; i < components; ++i) {
        const uchar factors = b[6 + 3 * i + 1];
        h.sampling.push_back(QSize(qMax(1, factors >> 4), qMax(1, factors & 15)));
      }
      h.size = QSize(qFromBigEndian<quint16>(b + 3), qFromBigEndian<quint16>(b + 1));
      return h;
    }
    if (!d.seek(d.pos() + length)) return h;
  }
}

Header Png_Header(QIODevice& d) {
  Header h;
  h.format = Format::Png;
  const QByteArray ihdr = d.read(8 + 8 + 13);
  if (ihdr.size() < 29 || ihdr.mid(12, 4) != "IHDR") return h;
  const auto* b = reinterpret_cast<const uchar*>(ihdr.constData()) + 16;
  const quint32 w = qFromBigEndian<quint32>(b), hgt = qFromBigEndian<quint32>(b + 4);
  if (w == 0 || hgt == 0 || w > 0x7FFFFFFF || hgt > 0x7FFFFFFF) return h;
  h.size = QSize(int(w), int(hgt));
  h.bits = b[8];
  return h;
}

}  // namespace

Header Read_Header(QIODevice& device) {
  const QByteArray magic = device.peek(8);
  if (magic.startsWith("\xFF\xD8")) return Jpeg_Header(device);
  if (magic == QByteArray("\x89PNG\r\n\x1A\n", 8)) return Png_Header(device);
  return {};
}

}  // namespace Pictures
