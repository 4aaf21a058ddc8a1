// Small picture files made by the tests: JPEGs with an EXIF orientation, and large pictures in
// few bytes (a progressive JPEG whose header claims a huge size, valid PNGs of many pixels).
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QSize>
#include <QtEndian>
#include <zlib.h>

#include <algorithm>

namespace Crafted {

inline QByteArray Encoded(const QImage& image, const char* format, bool progressive = false) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setQuality(90);
  writer.setProgressiveScanWrite(progressive);
  writer.write(image);
  return bytes;
}

// The JPEG with an EXIF segment right after its start that gives this orientation, written in
// Motorola (big-endian) or Intel byte order.
inline QByteArray With_Orientation(const QByteArray& jpeg, int orientation, bool motorola = false) {
  QByteArray tiff;
  auto put = [&](quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
      tiff.append(char(motorola ? value >> (8 * (bytes - 1 - i)) : value >> (8 * i)));
  };
  tiff.append(motorola ? "MM" : "II");
  put(42, 2);
  put(8, 4);                   // the first directory
  put(2, 2);                   // two entries: a resolution unit, then the orientation
  put(0x0128, 2), put(3, 2), put(1, 4), put(2, 2), put(0, 2);
  put(0x0112, 2), put(3, 2), put(1, 4), put(quint32(orientation), 2), put(0, 2);
  put(0, 4);                   // no next directory
  const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
  QByteArray segment("\xFF\xE1", 2);
  segment.append(char((body.size() + 2) >> 8)).append(char((body.size() + 2) & 0xFF)).append(body);
  return jpeg.left(2) + segment + jpeg.mid(2);
}

// A real JPEG of a few kilobytes whose frame header claims `size`.
inline QByteArray Jpeg_Claiming(QSize size, bool progressive) {
  QImage small(64, 48, QImage::Format_RGB32);
  small.fill(Qt::darkCyan);
  QByteArray bytes = Encoded(small, "JPEG", progressive);
  const qsizetype sof = bytes.indexOf(QByteArray(progressive ? "\xFF\xC2" : "\xFF\xC0", 2));
  qToBigEndian<quint16>(quint16(size.height()), bytes.data() + sof + 5);
  qToBigEndian<quint16>(quint16(size.width()), bytes.data() + sof + 7);
  return bytes;
}

// A valid black PNG of `size`, grey (colour type 0) or RGB (2) at `depth` bits a sample. Its rows
// are all zero, so even a huge one compresses to a few hundred kilobytes.
inline QByteArray Png_Of_Zeros(QSize size, int depth = 1, int colour_type = 0) {
  const qint64 samples = qint64(size.width()) * (colour_type == 2 ? 3 : 1);
  qint64 left = (1 + (samples * depth + 7) / 8) * size.height();  // a filter byte, then the samples
  z_stream z{};
  deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, 15, 9, Z_RLE);
  const QByteArray zeros(1 << 16, '\0');
  QByteArray zlib, out(1 << 16, '\0');
  int status = Z_OK;
  while (status != Z_STREAM_END) {
    const qint64 piece = std::min<qint64>(left, zeros.size());
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.constData()));
    z.avail_in = uInt(piece);
    left -= piece;
    do {
      z.next_out = reinterpret_cast<Bytef*>(out.data());
      z.avail_out = uInt(out.size());
      status = deflate(&z, left > 0 ? Z_NO_FLUSH : Z_FINISH);
      zlib.append(out.constData(), out.size() - qsizetype(z.avail_out));
    } while (z.avail_out == 0);
  }
  deflateEnd(&z);
  QByteArray png("\x89PNG\r\n\x1A\n", 8);
  auto chunk = [&](const char* type, const QByteArray& data) {
    char length[4], sum[4];
    qToBigEndian<quint32>(quint32(data.size()), length);
    const QByteArray typed = QByteArray(type) + data;
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))), sum);
    png.append(length, 4).append(typed).append(sum, 4);
  };
  QByteArray ihdr(13, '\0');
  qToBigEndian<quint32>(quint32(size.width()), ihdr.data());
  qToBigEndian<quint32>(quint32(size.height()), ihdr.data() + 4);
  ihdr[8] = char(depth);
  ihdr[9] = char(colour_type);
  chunk("IHDR", ihdr);
  chunk("IDAT", zlib);
  chunk("IEND", {});
  return png;
}
}  // namespace Crafted
