// Helpers for the end-to-end tests on the virtual X screen:
//   e2e_tool grab OUT.png [X,Y ...]        saves the whole screen and prints the colour at each
//                                          X,Y as #rrggbb, one a line
//   e2e_tool picture OUT W H #rrggbb       writes a plain picture; the format follows OUT's extension
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstring>

namespace {

int grab(int argc, char** argv) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 3;
  const QImage shot = screen->grabWindow(0).toImage();
  if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[2]))) return 4;
  for (int i = 3; i < argc; ++i) {
    const QStringList xy = QString::fromLatin1(argv[i]).split(QLatin1Char(','));
    if (xy.size() != 2) return 2;
    std::printf("%s\n", qPrintable(shot.pixelColor(xy[0].toInt(), xy[1].toInt()).name()));
  }
  return 0;
}

// Qt reads GIF but does not write it: a plain GIF writer with 9-bit codes only (a clear code
// often enough that the code width never grows), good for test pictures.
bool save_gif(const QImage& source, const QString& path) {
  const QImage image = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
  QByteArray out("GIF89a");
  auto u16 = [&out](int v) { out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
  u16(image.width());
  u16(image.height());
  out.append(char(0xF7)).append('\0').append('\0');  // a 256-entry colour table follows
  const QList<QRgb> table = image.colorTable();
  for (int i = 0; i < 256; ++i) {
    const QRgb c = i < table.size() ? table[i] : 0;
    out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
  }
  out.append(',');
  u16(0);
  u16(0);
  u16(image.width());
  u16(image.height());
  out.append('\0').append(char(8));
  QByteArray data;
  quint32 bits = 0;
  int nbits = 0;
  auto code = [&](int c) {
    bits |= quint32(c) << nbits;
    nbits += 9;
    while (nbits >= 8) {
      data.append(char(bits & 0xFF));
      bits >>= 8;
      nbits -= 8;
    }
  };
  int since_clear = 0;
  code(256);
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      if (since_clear == 250) {
        code(256);
        since_clear = 0;
      }
      code(line[x]);
      ++since_clear;
    }
  }
  code(257);
  if (nbits > 0) data.append(char(bits & 0xFF));
  for (qsizetype i = 0; i < data.size(); i += 255) {
    const QByteArray block = data.mid(i, 255);
    out.append(char(block.size())).append(block);
  }
  out.append('\0').append(';');
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(out) == out.size();
}

int picture(char** argv) {
  QImage image(std::atoi(argv[3]), std::atoi(argv[4]), QImage::Format_RGB32);
  image.fill(QColor(QString::fromLatin1(argv[5])));
  const QString out = QString::fromLocal8Bit(argv[2]);
  if (out.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) return save_gif(image, out) ? 0 : 4;
  return image.save(out, nullptr, 95) ? 0 : 4;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "grab") == 0) {
    QGuiApplication app(argc, argv);
    return grab(argc, argv);
  }
  if (argc == 6 && std::strcmp(argv[1], "picture") == 0) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return picture(argv);
  }
  std::fputs("usage: e2e_tool grab OUT.png [X,Y ...] | e2e_tool picture OUT W H #rrggbb\n", stderr);
  return 2;
}
