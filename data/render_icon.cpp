// Draws an SVG icon as a square PNG of the given size, for the icon theme's fixed-size folders:
//   render_icon IN.svg OUT.png SIZE
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4 || std::atoi(argv[3]) <= 0) {
    std::fputs("usage: render_icon IN.svg OUT.png SIZE\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int size = std::atoi(argv[3]);
  QImageReader reader(QString::fromLocal8Bit(argv[1]));
  reader.setScaledSize(QSize(size, size));
  const QImage image = reader.read();
  if (image.isNull()) {
    std::fprintf(stderr, "render_icon: %s: %s\n", argv[1], qPrintable(reader.errorString()));
    return 1;
  }
  if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "render_icon: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
