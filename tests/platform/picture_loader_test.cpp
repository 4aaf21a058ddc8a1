// The real loader on pictures made in a temporary folder, decoding what Plan_Decode asks for.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include "gif_writer.h"
#include "core/decode/decode_plan.h"
#include "platform/services.h"
#include "support/crafted_pictures.h"
#include "support/files.h"

namespace Platform {
namespace {

using Crafted::Encoded;

// A picture of four flat quadrants, so any part of it, at any scale, can be checked.
QImage Quadrants(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  const QRect quarter(0, 0, size.width() / 2, size.height() / 2);
  const QColor colours[] = {{220, 30, 30}, {30, 200, 40}, {30, 50, 220}, {240, 220, 40}};
  for (int i = 0; i < 4; ++i) QPainter(&image).fillRect(quarter.translated(i % 2 * quarter.width(), i / 2 * quarter.height()), colours[i]);
  return image;
}

struct PictureLoader : ::testing::Test {
  QString Write(const QString& name, const QByteArray& bytes) {
    EXPECT_TRUE(Write_File(dir_.filePath(name), bytes));
    return dir_.filePath(name);
  }
  QTemporaryDir dir_;
  std::unique_ptr<PictureLoaderSeam> loader_ = Make_Qt_Picture_Loader();
};

// By content, not by name; a FIFO named as a picture is not opened (the read would wait for ever).
TEST_F(PictureLoader, ReadsTheSizeByContentAndRefusesWhatIsNoPicture) {
  const QByteArray jpeg = Encoded(Quadrants({400, 300}), "JPEG");
  ASSERT_EQ(::mkfifo(qPrintable(dir_.filePath("pipe.bmp")), 0600), 0);
  const std::pair<QString, std::optional<QSize>> cases[] = {
      {Write("c.gif", Gif_Of(Quadrants({90, 120}))), QSize(90, 120)}, {Write("d.gif", Encoded(Quadrants({50, 70}), "JPEG")), QSize(50, 70)},
      {Write("cut-late.jpg", jpeg.left(jpeg.size() * 3 / 4)), QSize(400, 300)}, {Write("cut-early.jpg", jpeg.left(100)), std::nullopt},
      {Write("notes.gif", "Pictures of the summer, see the folder next door.\n"), std::nullopt},
      {dir_.filePath("missing.jpg"), std::nullopt}, {dir_.filePath("pipe.bmp"), std::nullopt},
  };
  for (const auto& [path, size] : cases)
    EXPECT_EQ(std::pair(loader_->Read_Size(path), loader_->Load(path, {{40, 30}, {}}).size()), std::pair(size, size ? QSize(40, 30) : QSize(0, 0))) << path.toStdString();
}

// Each request as Qt's own reader, turned by the EXIF orientation, would give it: a BMP and a JPEG
// with each of the eight orientations; own size and scaled (by libjpeg), whole and in parts.
TEST_F(PictureLoader, DecodesThePartAskedAtTheSizeAskedUprightAsCamerasMeantIt) {
  const QImage stored = Quadrants({320, 192});
  QStringList paths{Write("q.bmp", Encoded(stored, "BMP"))};
  for (int o = 1; o <= 8; ++o) paths << Write(QString("o%1.jpg").arg(o), Crafted::With_Orientation(Encoded(stored, "JPEG"), o, o % 2));
  for (const QString& path : paths) {
    QImageReader qt(path);
    qt.setAutoTransform(true);
    const QImage upright = qt.read();
    const QSize shown = upright.size();
    ASSERT_EQ(loader_->Read_Size(path), shown) << path.toStdString();
    const Decode_Request requests[] = {{shown, {}}, {shown, QRect(shown.width() / 4, shown.height() / 8, shown.width() / 2, shown.height() / 2)},
                                       {shown / 2, QRect(0, 10, 40, 30)}, Plan_Decode(shown, {0, -20, 240, 144}, {240, 104})};
    for (const Decode_Request& r : requests) {
      const QImage image = loader_->Load(path, r);
      const QImage expected = upright.scaled(r.scaled).copy(r.clip.isEmpty() ? QRect({}, r.scaled) : r.clip);
      ASSERT_EQ(image.size(), expected.size()) << path.toStdString();
      for (const QPoint at : {QPoint(2, 2), QPoint(image.width() - 3, 2), QPoint(2, image.height() - 3), QPoint(image.width() - 3, image.height() - 3)}) {
        const QRgb got = image.pixel(at), want = expected.pixel(at);
        EXPECT_LE(std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) + std::abs(qBlue(got) - qBlue(want)), 60) << path.toStdString();
      }
    }
  }
}

// Refused from their headers before any decoding, whatever part is asked; large ordinary pictures,
// over Qt's usual limit, are decoded all the same.
TEST_F(PictureLoader, PictureBombsAreRefusedButLargeOrdinaryPicturesAreDecoded) {
  auto peak_mib = [] { rusage usage{}; getrusage(RUSAGE_SELF, &usage); return usage.ru_maxrss / 1024; };
  const long before = peak_mib();
  // A progressive JPEG keeps all its coefficients, whatever the scale: 12.7 GB for a file of 3 KB.
  // The PNG decodes to 3.6 GB from a valid file of 430 KB.
  for (const auto& [path, size] : {std::pair(Write("bomb.jpg", Crafted::Jpeg_Claiming({65000, 65000}, true)), QSize(65000, 65000)),
                                   {Write("bomb.png", Crafted::Png_Of_Zeros({30000, 30000})), QSize(30000, 30000)}}) {
    EXPECT_EQ(loader_->Read_Size(path), size);
    const QRect own((QPoint(1920, 1080) - QPoint(size.width(), size.height())) / 2, size);
    for (const QRect& placed : {QRect(0, -420, 1920, 1920), QRect(0, 0, 1920, 1080), own})
      EXPECT_TRUE(loader_->Load(path, Plan_Decode(size, placed, {1920, 1080})).isNull()) << placed.x();
  }
  EXPECT_LT(peak_mib() - before, 100);
  const QImage deep = loader_->Load(Write("deep.png", Crafted::Png_Of_Zeros({5600, 5600}, 16, 2)), {{960, 960}, {0, 0, 960, 540}});  // 250 MB decoded
  EXPECT_EQ(std::pair(deep.size(), deep.pixel(480, 270)), std::pair(QSize(960, 540), qRgb(0, 0, 0)));
}

}  // namespace
}  // namespace Platform
