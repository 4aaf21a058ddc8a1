// Draws the sample show's pictures: six small scenes, two each as JPEG, BMP and GIF, landscape
// and portrait mixed, each with a big caption ("Vistabel 1/6" ...) so a viewer can tell them
// apart. The output is the same on every run, so regenerating leaves the committed files alone.
//
//   make_samples OUTPUT-FOLDER
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "gif_writer.h"
#include <cstdio>
#include <functional>
#include <random>

namespace {

constexpr int kCount = 6;
constexpr qint64 kMaxBytes = 200 * 1024;

// --- Drawing -------------------------------------------------------------------------------------

void Caption(QPainter& p, QSize size, int number, const QString& detail) {
  const QString title = QStringLiteral("Vistabel %1/%2").arg(number).arg(kCount);
  QFont big(QStringLiteral("DejaVu Sans"));
  big.setBold(true);
  big.setPixelSize(size.width() / 7);
  // No wider than most of the picture.
  const double titleWidth = QFontMetricsF(big).horizontalAdvance(title);
  if (titleWidth > size.width() * 0.86)
    big.setPixelSize(int(big.pixelSize() * size.width() * 0.86 / titleWidth));
  QFont small(QStringLiteral("DejaVu Sans"));
  small.setPixelSize(qMax(11, size.width() / 26));

  // Kept near the middle: a landscape picture fitted to a wide screen loses its top and bottom.
  const QFontMetricsF bm(big), sm(small);
  const double titleY = size.height() / 2.0 + bm.capHeight() / 2;
  // A soft band behind the words keeps them readable on any scene.
  const QRectF band(size.width() * 0.04, titleY - bm.capHeight() * 1.45, size.width() * 0.92,
                    bm.capHeight() * 1.9 + sm.height() * 2.1);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 10, 25, 80));
  p.drawRoundedRect(band, band.height() * 0.2, band.height() * 0.2);

  QPainterPath path;
  path.addText((size.width() - bm.horizontalAdvance(title)) / 2, titleY, big, title);
  p.setPen(QPen(QColor(20, 20, 30, 200), qMax(2.0, size.width() / 150.0), Qt::SolidLine,
                Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(255, 255, 250));
  p.drawPath(path);

  QPainterPath line;
  line.addText((size.width() - sm.horizontalAdvance(detail)) / 2, titleY + sm.height() * 1.6,
               small, detail);
  p.setPen(QPen(QColor(20, 20, 30, 160), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(line);
  p.fillPath(line, QColor(255, 255, 250));
}

void Vertical_Gradient(QPainter& p, QSize size, QColor top, QColor bottom) {
  QLinearGradient g(0, 0, 0, size.height());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(QRect(QPoint(0, 0), size), g);
}

void Dawn(QPainter& p, QSize s) {
  Vertical_Gradient(p, s, QColor(70, 40, 120), QColor(250, 150, 80));
  QRadialGradient sun(s.width() * 0.7, s.height() * 0.55, s.height() * 0.25);
  sun.setColorAt(0, QColor(255, 240, 180));
  sun.setColorAt(0.5, QColor(255, 200, 90, 200));
  sun.setColorAt(1, QColor(255, 160, 60, 0));
  p.fillRect(QRect(QPoint(0, 0), s), sun);
  for (int layer = 0; layer < 3; ++layer) {
    QPainterPath hills;
    const double base = s.height() * (0.72 + 0.09 * layer);
    hills.moveTo(0, base);
    for (int i = 0; i < 4; ++i) {
      const double x0 = s.width() * i / 4.0, x1 = s.width() * (i + 1) / 4.0;
      hills.quadTo((x0 + x1) / 2, base - s.height() * (0.12 - 0.03 * layer) * ((i + layer) % 2 ? 1 : -0.4),
                   x1, base);
    }
    hills.lineTo(s.width(), s.height());
    hills.lineTo(0, s.height());
    p.fillPath(hills, QColor(60 - 15 * layer, 40 + 10 * layer, 70 - 15 * layer));
  }
}

void Sea(QPainter& p, QSize s) {
  Vertical_Gradient(p, s, QColor(120, 200, 240), QColor(10, 50, 110));
  p.setPen(QPen(QColor(255, 255, 255, 90), 3));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 7; ++i) {
    QPainterPath wave;
    const double y = s.height() * (0.15 + 0.12 * i);
    wave.moveTo(0, y);
    for (int k = 0; k < 6; ++k)
      wave.quadTo(s.width() * (k + 0.5) / 6, y + (k % 2 ? 8 : -8), s.width() * (k + 1) / 6.0, y);
    p.drawPath(wave);
  }
  p.setPen(QPen(QColor(255, 255, 255, 180), 2));
  for (int i = 0; i < 9; ++i)
    p.drawEllipse(QPointF(s.width() * (0.1 + 0.1 * i), s.height() * (0.85 - 0.08 * (i % 4))),
                  4 + i % 3 * 3, 4 + i % 3 * 3);
}

void Meadow(QPainter& p, QSize s) {
  Vertical_Gradient(p, s, QColor(150, 210, 250), QColor(240, 250, 255));
  QRect field(0, s.height() * 55 / 100, s.width(), s.height());
  QLinearGradient grass(0, field.top(), 0, s.height());
  grass.setColorAt(0, QColor(120, 190, 70));
  grass.setColorAt(1, QColor(40, 110, 40));
  p.fillRect(field, grass);
  const QColor petals[] = {QColor(250, 80, 90), QColor(250, 220, 60), QColor(240, 240, 255),
                           QColor(190, 90, 220)};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 14; ++i) {
    const QPointF c(s.width() * (0.04 + 0.07 * i), s.height() * (0.8 + 0.1 * ((i * 7) % 3 - 1)));
    p.setBrush(petals[i % 4]);
    for (int k = 0; k < 5; ++k) {
      const double a = k * 2 * M_PI / 5;
      p.drawEllipse(c + QPointF(6 * std::cos(a), 6 * std::sin(a)), 5, 5);
    }
    p.setBrush(QColor(250, 180, 40));
    p.drawEllipse(c, 4, 4);
  }
}

void Night(QPainter& p, QSize s) {
  Vertical_Gradient(p, s, QColor(5, 10, 40), QColor(40, 50, 120));
  std::mt19937 random(42);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 120; ++i) {
    const double x = random() % s.width(), y = random() % s.height();
    const double r = 0.8 + (random() % 10) / 5.0;
    p.setBrush(QColor(255, 255, 230, 120 + int(random() % 130)));
    p.drawEllipse(QPointF(x, y), r, r);
  }
  const QPointF moon(s.width() * 0.7, s.height() * 0.2);
  p.setBrush(QColor(250, 245, 210));
  p.drawEllipse(moon, s.width() * 0.11, s.width() * 0.11);
  p.setBrush(QColor(12, 18, 55));
  p.drawEllipse(moon + QPointF(s.width() * 0.05, -s.width() * 0.03), s.width() * 0.1,
                s.width() * 0.1);
}

void Desert(QPainter& p, QSize s) {
  Vertical_Gradient(p, s, QColor(250, 210, 120), QColor(230, 120, 50));
  p.setPen(Qt::NoPen);
  const struct {
    double x, w, h;
    QColor light, dark;
  } pyramids[] = {
      {0.22, 0.30, 0.30, QColor(230, 180, 100), QColor(180, 120, 60)},
      {0.55, 0.40, 0.42, QColor(240, 190, 110), QColor(190, 130, 70)},
      {0.85, 0.22, 0.22, QColor(225, 175, 95), QColor(175, 115, 55)},
  };
  const double ground = s.height() * 0.82;
  for (const auto& py : pyramids) {
    const QPointF top(s.width() * py.x, ground - s.height() * py.h);
    const QPointF left(s.width() * (py.x - py.w / 2), ground), right(s.width() * (py.x + py.w / 2), ground);
    const QPointF mid(s.width() * (py.x + py.w * 0.1), ground);
    p.setBrush(py.light);
    p.drawPolygon(QPolygonF({top, left, mid}));
    p.setBrush(py.dark);
    p.drawPolygon(QPolygonF({top, mid, right}));
  }
  p.fillRect(QRectF(0, ground, s.width(), s.height() - ground), QColor(210, 150, 80));
}

void Tiles(QPainter& p, QSize s) {
  p.fillRect(QRect(QPoint(0, 0), s), QColor(30, 30, 40));
  const int n = 6, m = 8;
  const double w = double(s.width()) / n, h = double(s.height()) / m;
  p.setPen(Qt::NoPen);
  for (int y = 0; y < m; ++y) {
    for (int x = 0; x < n; ++x) {
      p.setBrush(QColor::fromHsv((x * 40 + y * 25) % 360, 150, 230));
      p.drawRoundedRect(QRectF(x * w + 3, y * h + 3, w - 6, h - 6), 8, 8);
    }
  }
}

struct Sample {
  const char* file;
  const char* format;  // "JPEG", "BMP" or "GIF"
  QSize size;
  std::function<void(QPainter&, QSize)> draw;
};

QImage Draw(const Sample& sample, int number) {
  QImage image(sample.size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  sample.draw(p, sample.size);
  const QString shape = sample.size.width() > sample.size.height() ? QStringLiteral("landscape")
                                                                   : QStringLiteral("portrait");
  Caption(p, sample.size,
          number, QStringLiteral("%1 \u00b7 %2 \u00d7 %3 \u00b7 %4")
                      .arg(QString::fromLatin1(sample.format))
                      .arg(sample.size.width())
                      .arg(sample.size.height())
                      .arg(shape));
  return image;
}

bool Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_samples OUTPUT-FOLDER\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.exists() && !QDir().mkpath(out.path())) {
    std::fprintf(stderr, "make_samples: cannot create %s\n", argv[1]);
    return 1;
  }

  const Sample samples[kCount] = {
      {"vistabel-1.jpg", "JPEG", {800, 600}, Dawn},
      {"vistabel-2.bmp", "BMP", {240, 320}, Sea},
      {"vistabel-3.gif", "GIF", {400, 300}, Meadow},
      {"vistabel-4.jpg", "JPEG", {600, 800}, Night},
      {"vistabel-5.bmp", "BMP", {320, 240}, Desert},
      {"vistabel-6.gif", "GIF", {300, 400}, Tiles},
  };
  int failures = 0;
  for (int i = 0; i < kCount; ++i) {
    const Sample& s = samples[i];
    const QString path = out.filePath(QString::fromLatin1(s.file));
    const QImage image = Draw(s, i + 1);
    const QString format = QString::fromLatin1(s.format);
    // BMP and GIF hold 256 colours: 8-bit pictures keep the files small.
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
    bool written = false;
    if (format == QLatin1String("JPEG"))
      written = image.save(path, "JPEG", 88);
    else if (format == QLatin1String("BMP"))
      written = indexed.save(path, "BMP");
    else
      written = Write(path, Gif_Of(indexed));

    // Read it back: the right size, and a lossless format gives back every pixel.
    const QImage back(path);
    const qint64 bytes = QFileInfo(path).size();
    bool good = written && back.size() == s.size && bytes <= kMaxBytes;
    if (good && format != QLatin1String("JPEG"))
      good = back.convertToFormat(QImage::Format_RGB32) == indexed.convertToFormat(QImage::Format_RGB32);
    std::printf("%-16s %4d x %-4d %7lld bytes %s\n", s.file, s.size.width(), s.size.height(),
                static_cast<long long>(bytes), good ? "ok" : "FAILED");
    if (!good) ++failures;
  }
  return failures == 0 ? 0 : 1;
}
