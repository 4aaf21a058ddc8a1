// A small GIF writer: Qt reads GIF but does not write it. Used to draw the sample show and by the
// tests that need GIF pictures.
#include "gif_writer.h"

#include <unordered_map>

namespace {

class Bit_Writer {
 public:
  void Put(int code, int width) {
    bits_ |= quint32(code) << count_;
    count_ += width;
    while (count_ >= 8) {
      bytes_.append(char(bits_ & 0xFF));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  QByteArray Finish() {
    if (count_ > 0) bytes_.append(char(bits_ & 0xFF));
    bits_ = 0;
    count_ = 0;
    return bytes_;
  }

 private:
  QByteArray bytes_;
  quint32 bits_ = 0;
  int count_ = 0;
};

// LZW as GIF uses it, with 8-bit pixels: the code width grows as the table fills, up to 12 bits,
// and the table starts afresh (a clear code) when it is full.
QByteArray Lzw(const QByteArray& pixels) {
  constexpr int kClear = 256, kEnd = 257;
  Bit_Writer out;
  std::unordered_map<quint32, int> table;
  int width = 9;
  int last = kEnd;  // the highest code the decoder will have defined
  out.Put(kClear, width);
  int prefix = uchar(pixels[0]);
  auto step = [&] {
    ++last;
    if (last >= (1 << width) && width < 12) ++width;
  };
  for (qsizetype i = 1; i < pixels.size(); ++i) {
    const int k = uchar(pixels[i]);
    const quint32 key = (quint32(prefix) << 8) | quint32(k);
    const auto found = table.find(key);
    if (found != table.end()) {
      prefix = found->second;
      continue;
    }
    out.Put(prefix, width);
    step();
    table.emplace(key, last);
    if (last == 4095) {
      out.Put(kClear, width);
      table.clear();
      width = 9;
      last = kEnd;
    }
    prefix = k;
  }
  out.Put(prefix, width);
  step();
  out.Put(kEnd, width);
  return out.Finish();
}

void Put16(QByteArray& b, int v) {
  b.append(char(v & 0xFF));
  b.append(char((v >> 8) & 0xFF));
}

}  // namespace

QByteArray Gif_Of(const QImage& image) {
  const QImage indexed = image.format() == QImage::Format_Indexed8
                             ? image
                             : image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
  QByteArray b("GIF89a");
  Put16(b, indexed.width());
  Put16(b, indexed.height());
  b.append(char(0xF7));  // a global table of 256 colours, 8 bits a channel
  b.append('\0').append('\0');
  const QList<QRgb> colours = indexed.colorTable();
  for (int i = 0; i < 256; ++i) {
    const QRgb c = i < colours.size() ? colours[i] : 0;
    b.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
  }
  b.append(',');
  Put16(b, 0);
  Put16(b, 0);
  Put16(b, indexed.width());
  Put16(b, indexed.height());
  b.append('\0');
  b.append(char(8));
  QByteArray pixels;
  pixels.reserve(qsizetype(indexed.width()) * indexed.height());
  for (int y = 0; y < indexed.height(); ++y)
    pixels.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), indexed.width());
  const QByteArray codes = Lzw(pixels);
  for (qsizetype i = 0; i < codes.size(); i += 255) {
    const QByteArray block = codes.mid(i, 255);
    b.append(char(block.size())).append(block);
  }
  b.append('\0').append(';');
  return b;
}
