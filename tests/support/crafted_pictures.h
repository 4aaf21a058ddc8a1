// Small picture files made by the tests: JPEGs with an EXIF orientation, and large pictures in
// few bytes (a progressive JPEG whose header claims a huge size, valid PNGs of many pixels).
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QSize>
#include <QtEndian>
#include <array>

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

// A valid black PNG of `size`, grey (colour type 0) or RGB (2) at `depth` bits a sample: the rows
// are all zero, compressed by hand with the fixed Huffman code (a zero, then copies of the byte
// before, 258 at a time), so even a huge one takes a few hundred kilobytes and no time to make.
inline QByteArray Png_Of_Zeros(QSize size, int depth = 1, int colour_type = 0) {
  struct Bits {
    QByteArray out;
    quint32 acc = 0;
    int n = 0;
    void put(quint32 value, int bits) {  // least significant bit first
      for (int i = 0; i < bits; ++i) {
        acc |= ((value >> i) & 1u) << n;
        if (++n == 8) out.append(char(acc)), acc = 0, n = 0;
      }
    }
    void code(quint32 code, int bits) {  // Huffman codes go most significant bit first
      for (int i = bits - 1; i >= 0; --i) put((code >> i) & 1u, 1);
    }
  } bits;
  const qint64 samples = qint64(size.width()) * (colour_type == 2 ? 3 : 1);
  const qint64 row = 1 + (samples * depth + 7) / 8;  // the filter byte, then the samples
  const qint64 total = row * size.height();
  bits.put(1, 1), bits.put(1, 2);  // the last block, fixed codes
  bits.code(0x30, 8);              // a literal zero
  qint64 left = total - 1;
  for (; left > 260 || left == 258; left -= 258) bits.code(0xC5, 8), bits.code(0, 5);
  // The rest (3 to 260 bytes, 258 excepted): one or two shorter copies.
  static constexpr std::array<int, 29> base{3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27,
                                            31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static constexpr std::array<int, 29> extra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                             2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  auto copy = [&](int length) {
    int i = 28;
    while (base[i] > length) --i;
    const int symbol = 257 + i;
    if (symbol < 280) bits.code(symbol - 256, 7); else bits.code(0xC0 + symbol - 280, 8);
    bits.put(length - base[i], extra[i]);
    bits.code(0, 5);  // distance 1
  };
  if (left > 258) copy(int(left - 130)), left = 130;
  if (left >= 3) copy(int(left)), left = 0;
  for (; left > 0; --left) bits.code(0x30, 8);
  bits.code(0, 7);  // end of the block
  if (bits.n) bits.out.append(char(bits.acc));
  const quint32 adler = quint32((total % 65521) << 16 | 1);  // all zeros: a = 1, b = length
  QByteArray zlib("\x78\x01", 2);
  zlib.append(bits.out);
  zlib.append(char(adler >> 24)).append(char(adler >> 16)).append(char(adler >> 8)).append(char(adler));

  auto crc = [](const QByteArray& data) {
    quint32 c = 0xFFFFFFFFu;
    for (const char ch : data) {
      c ^= quint8(ch);
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return c ^ 0xFFFFFFFFu;
  };
  QByteArray png("\x89PNG\r\n\x1A\n", 8);
  auto chunk = [&](const char* type, const QByteArray& data) {
    char length[4], sum[4];
    qToBigEndian<quint32>(quint32(data.size()), length);
    const QByteArray typed = QByteArray(type) + data;
    qToBigEndian<quint32>(crc(typed), sum);
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
