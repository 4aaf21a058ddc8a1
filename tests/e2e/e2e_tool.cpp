// Helpers for the end-to-end tests on the virtual X screen:
//   e2e_tool grab OUT.png [X,Y ...]        saves the whole screen and prints the colour at each
//                                          X,Y as #rrggbb, one a line
//   e2e_tool picture OUT W H #rrggbb       writes a plain picture; the format follows OUT's extension
//   e2e_tool area OUT.png X Y W H          saves that part of the screen
//   e2e_tool band X Y                      prints the top and the height of the run of one colour
//                                          through X,Y down the screen
//   e2e_tool photo OUT W H #top #bottom O  writes a JPEG of two halves, top and bottom as stored,
//                                          with EXIF orientation O
//   e2e_tool bomb OUT                      writes a picture bomb: OUT.jpg a progressive JPEG that
//                                          claims 65000 x 65000, OUT.png a valid 30000 x 30000 PNG
//   e2e_tool tone OUT.wav MS               writes MS milliseconds of a 440 Hz tone as a WAV file
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QPainter>

#include "gif_writer.h"
#include "support/crafted_pictures.h"
#include "support/files.h"

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

int area(char** argv) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 3;
  const QImage shot = screen->grabWindow(0, std::atoi(argv[3]), std::atoi(argv[4]),
                                         std::atoi(argv[5]), std::atoi(argv[6])).toImage();
  return !shot.isNull() && shot.save(QString::fromLocal8Bit(argv[2])) ? 0 : 4;
}

// The vertical run of one colour through X,Y on the screen (a list's selected row, which the style
// may shade a little): its top and its height.
int band(char** argv) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 3;
  const QImage shot = screen->grabWindow(0).toImage();
  const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
  if (!shot.valid(x, y)) return 2;
  const QRgb colour = shot.pixel(x, y);
  const auto same = [&](int at) {
    const QRgb c = shot.pixel(x, at);
    return std::abs(qRed(c) - qRed(colour)) + std::abs(qGreen(c) - qGreen(colour)) + std::abs(qBlue(c) - qBlue(colour)) < 48;
  };
  int top = y, bottom = y;
  while (top > 0 && same(top - 1)) --top;
  while (bottom + 1 < shot.height() && same(bottom + 1)) ++bottom;
  std::printf("%d %d\n", top, bottom - top + 1);
  return 0;
}

int picture(char** argv) {
  QImage image(std::atoi(argv[3]), std::atoi(argv[4]), QImage::Format_RGB32);
  image.fill(QColor(QString::fromLatin1(argv[5])));
  const QString out = QString::fromLocal8Bit(argv[2]);
  if (out.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) return Write_File(out, Gif_Of(image)) ? 0 : 4;
  return image.save(out, nullptr, 95) ? 0 : 4;
}

int photo(char** argv) {
  QImage image(std::atoi(argv[3]), std::atoi(argv[4]), QImage::Format_RGB32);
  image.fill(QColor(QString::fromLatin1(argv[5])));
  QPainter(&image).fillRect(0, image.height() / 2, image.width(), image.height(),
                            QColor(QString::fromLatin1(argv[6])));
  const QByteArray jpeg = Crafted::With_Orientation(Crafted::Encoded(image, "JPEG"), std::atoi(argv[7]));
  return Write_File(QString::fromLocal8Bit(argv[2]), jpeg) ? 0 : 4;
}

int bomb(char** argv) {
  const QString out = QString::fromLocal8Bit(argv[2]);
  return Write_File(out + ".jpg", Crafted::Jpeg_Claiming({65000, 65000}, true)) &&
                 Write_File(out + ".png", Crafted::Png_Of_Zeros({30000, 30000}))
             ? 0
             : 4;
}

int tone(char** argv) {
  const int rate = 22050;
  const quint32 samples = quint32(rate * std::atol(argv[3]) / 1000);
  QByteArray wav;
  auto put = [&wav](quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i) wav += char((v >> (8 * i)) & 0xFF);
  };
  wav += "RIFF";
  put(36 + 2 * samples, 4);
  wav += "WAVEfmt ";
  put(16, 4);
  put(1, 2);  // PCM
  put(1, 2);  // mono
  put(rate, 4);
  put(rate * 2, 4);
  put(2, 2);
  put(16, 2);
  wav += "data";
  put(2 * samples, 4);
  for (quint32 i = 0; i < samples; ++i)
    put(quint16(qint16(12000 * std::sin(2 * M_PI * 440 * i / rate))), 2);
  return Write_File(QString::fromLocal8Bit(argv[2]), wav) ? 0 : 4;
}

}  // namespace

int main(int argc, char** argv) {
  // Each command: its name, its argument count (0: at least 3), whether it draws offscreen (the
  // screen commands need the X screen) and what it does.
  const struct { const char* name; int argc; bool offscreen; int (*run)(int, char**); } commands[] = {
      {"grab", 0, false, grab},
      {"area", 7, false, [](int, char** v) { return area(v); }},
      {"band", 4, false, [](int, char** v) { return band(v); }},
      {"picture", 6, true, [](int, char** v) { return picture(v); }},
      {"photo", 8, true, [](int, char** v) { return photo(v); }},
      {"bomb", 3, true, [](int, char** v) { return bomb(v); }},
      {"tone", 4, true, [](int, char** v) { return tone(v); }},
  };
  for (const auto& c : commands) {
    if (argc < 3 || std::strcmp(argv[1], c.name) != 0 || (c.argc && argc != c.argc)) continue;
    if (c.offscreen) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return c.run(argc, argv);
  }
  std::fputs("usage: e2e_tool grab OUT.png [X,Y ...] | area OUT.png X Y W H | band X Y |\n"
             "       picture OUT W H #rrggbb | photo OUT W H #top #bottom ORIENTATION | bomb OUT |\n"
             "       tone OUT.wav MS\n",
             stderr);
  return 2;
}
