// The real loader on pictures made in a temporary folder, decoding what Plan_Decode asks for.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

#include <turbojpeg.h>

#include "gif_writer.h"
#include "core/decode/decode_plan.h"
#include "platform/services.h"
#include "platform/turbo_jpeg.h"
#include "support/crafted_pictures.h"
#include "support/files.h"

namespace Platform {
namespace {

using Crafted::Encoded;

const QColor kTopLeft(220, 30, 30), kTopRight(30, 200, 40), kBottomLeft(30, 50, 220),
    kBottomRight(240, 220, 40);

// A picture of four flat quadrants, so any part of it, at any scale, can be checked.
QImage Quadrants(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  const int hw = size.width() / 2, hh = size.height() / 2;
  QPainter p(&image);
  p.fillRect(0, 0, hw, hh, kTopLeft);
  p.fillRect(hw, 0, size.width() - hw, hh, kTopRight);
  p.fillRect(0, hh, hw, size.height() - hh, kBottomLeft);
  p.fillRect(hw, hh, size.width() - hw, size.height() - hh, kBottomRight);
  return image;
}

QColor Quadrant_Colour(QSize size, QPointF at) {
  const bool right = at.x() >= size.width() / 2, bottom = at.y() >= size.height() / 2;
  return bottom ? (right ? kBottomRight : kBottomLeft) : (right ? kTopRight : kTopLeft);
}

bool Near(QColor got, QColor want, int tolerance) {
  return std::abs(got.red() - want.red()) <= tolerance &&
         std::abs(got.green() - want.green()) <= tolerance &&
         std::abs(got.blue() - want.blue()) <= tolerance;
}

class PictureLoader : public ::testing::Test {
 protected:
  void TearDown() override { QImageReader::setAllocationLimit(old_limit_); }

  QString Write(const QString& name, const QByteArray& bytes) {
    EXPECT_TRUE(Write_File(dir_.filePath(name), bytes));
    return dir_.filePath(name);
  }

  QTemporaryDir dir_;
  int old_limit_ = QImageReader::allocationLimit();
  std::unique_ptr<PictureLoaderSeam> loader_ = Make_Qt_Picture_Loader();
};

TEST_F(PictureLoader, ReadsTheSizeByContentAndRefusesWhatIsNoPicture) {
  const QByteArray jpeg = Encoded(Quadrants({400, 300}), "JPEG");
  QDir(dir_.path()).mkdir("folder.jpg");
  // A FIFO named like a picture: should the loader open it, a writer hands it a good picture.
  const QString fifo = dir_.filePath("pipe.bmp");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  std::atomic<bool> done = false;
  std::thread writer([&, bmp = Encoded(Quadrants({16, 16}), "BMP")] {
    for (int fd; !done; std::this_thread::sleep_for(std::chrono::milliseconds(2)))
      if ((fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK)) >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(fd, bmp.constData(), bmp.size());
        ::close(fd);
      }
  });
  const struct { QString path; std::optional<QSize> size; } cases[] = {
      {Write("a.bmp", Encoded(Quadrants({300, 200}), "BMP")), QSize(300, 200)},
      {Write("b.jpg", jpeg), QSize(400, 300)},
      {Write("c.gif", Gif_Of(Quadrants({90, 120}))), QSize(90, 120)},
      {Write("d.gif", Encoded(Quadrants({50, 70}), "JPEG")), QSize(50, 70)},
      {Write("e.jpg", Encoded(Quadrants({30, 20}), "BMP")), QSize(30, 20)},
      {Write("cut-late.jpg", jpeg.left(jpeg.size() * 3 / 4)), QSize(400, 300)},
      {Write("cut-early.jpg", jpeg.left(100)), std::nullopt},
      {Write("notes.gif", "Pictures of the summer, see the folder next door.\n"), std::nullopt},
      {Write("empty.bmp", {}), std::nullopt},
      {dir_.filePath("folder.jpg"), std::nullopt},
      {dir_.filePath("missing.jpg"), std::nullopt},
      {QString(), std::nullopt},
      {fifo, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    EXPECT_EQ(loader_->Read_Size(c.path), c.size);
    const QImage image = loader_->Load(c.path, {{40, 30}, {}});
    EXPECT_EQ(image.size(), c.size ? QSize(40, 30) : QSize(0, 0));
  }
  done = true;
  writer.join();
}

TEST_F(PictureLoader, DecodesExactlyWhatIsAskedInEachFormat) {
  const QSize own(320, 192);
  const QImage source = Quadrants(own);
  const struct { QString path; int tolerance; } pictures[] = {
      {Write("q.bmp", Encoded(source, "BMP")), 4},
      {Write("q.jpg", Encoded(source, "JPEG")), 40},
      {Write("q.gif", Gif_Of(source)), 4},
  };
  const Decode_Request requests[] = {
      {own, {}}, {own, {60, 40, 200, 120}}, {{160, 96}, {}}, {{101, 67}, {}},
      Plan_Decode(own, {0, -20, 240, 144}, {240, 104}),  // fitted, running over top and bottom
  };
  for (const auto& picture : pictures) {
    for (const Decode_Request& r : requests) {
      SCOPED_TRACE(picture.path.toStdString());
      const QImage image = loader_->Load(picture.path, r);
      const QRect clip = r.clip.isEmpty() ? QRect(QPoint(0, 0), r.scaled) : r.clip;
      ASSERT_EQ(image.size(), clip.size());
      // The middle of each quadrant, where it is in the decoded part.
      for (const QPointF at : {QPointF(80, 48), QPointF(240, 48), QPointF(80, 144), QPointF(240, 144)}) {
        const QPoint p(at.x() * r.scaled.width() / own.width() - clip.x(),
                       at.y() * r.scaled.height() / own.height() - clip.y());
        ASSERT_TRUE(image.rect().contains(p));
        EXPECT_TRUE(Near(image.pixelColor(p), Quadrant_Colour(own, at), picture.tolerance));
      }
    }
  }
  // Exact pixels of a part straddling all four quadrants, in a lossless format.
  const QImage part = loader_->Load(pictures[0].path, {own, {150, 86, 20, 12}});
  ASSERT_EQ(part.size(), QSize(20, 12));
  for (int y = 0; y < part.height(); ++y)
    for (int x = 0; x < part.width(); ++x)
      ASSERT_EQ(part.pixelColor(x, y).rgb(), Quadrant_Colour(own, QPointF(150 + x, 86 + y)).rgb())
          << x << "," << y;
}

long Peak_MiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

TEST_F(PictureLoader, PictureBombsAreRefusedFromTheirHeadersBeforeAnyDecoding) {
  const long before = Peak_MiB();
  const QSize screen(1920, 1080);
  const struct { QString path; QSize size; } bombs[] = {
      // 12.7 GB of coefficients for 3 KB: a progressive JPEG keeps all of them, whatever the scale.
      {Write("bomb.jpg", Crafted::Jpeg_Claiming({65000, 65000}, true)), {65000, 65000}},
      // 3.6 GB decoded from a valid file of 430 KB.
      {Write("bomb.png", Crafted::Png_Of_Zeros({30000, 30000})), {30000, 30000}},
  };
  for (const auto& bomb : bombs) {
    SCOPED_TRACE(bomb.path.toStdString());
    EXPECT_EQ(loader_->Read_Size(bomb.path), bomb.size);
    const int square = screen.width();  // keep ratio: square counts as landscape
    EXPECT_TRUE(loader_->Load(bomb.path, Plan_Decode(bomb.size, {0, -420, square, square}, screen)).isNull());
    EXPECT_TRUE(loader_->Load(bomb.path, Plan_Decode(bomb.size, {0, 0, 1920, 1080}, screen)).isNull());
    const QRect own((QPoint(1920, 1080) - QPoint(bomb.size.width(), bomb.size.height())) / 2, bomb.size);
    EXPECT_TRUE(loader_->Load(bomb.path, Plan_Decode(bomb.size, own, screen)).isNull());
  }
  EXPECT_LT(Peak_MiB() - before, 100);
}

TEST_F(PictureLoader, LargeOrdinaryPicturesAreDecodedAndScaled) {
  // 192 MB and 250 MB decoded: within the budget, over the reader's usual limit.
  const struct { QString path; QSize size; } large[] = {
      {Write("large.png", Crafted::Png_Of_Zeros({8000, 6000}, 8, 2)), {8000, 6000}},
      {Write("deep.png", Crafted::Png_Of_Zeros({5600, 5600}, 16, 2)), {5600, 5600}},
  };
  for (const auto& picture : large) {
    SCOPED_TRACE(picture.path.toStdString());
    ASSERT_EQ(loader_->Read_Size(picture.path), picture.size);
    const Decode_Request fitted{{960, 720}, {0, 0, 960, 540}};
    const QImage image = loader_->Load(picture.path, fitted);
    ASSERT_EQ(image.size(), QSize(960, 540));
    EXPECT_EQ(image.pixel(480, 270), qRgb(0, 0, 0));
  }
}

// The EXIF orientation turns the picture as Qt's own reader turns it, for all eight values; sizes,
// the scale and the part to decode are those of the picture as seen.
TEST_F(PictureLoader, PhotosAreShownAsCamerasMeantThem) {
  const QSize stored(320, 192);
  const QByteArray jpeg = Encoded(Quadrants(stored), "JPEG");
  for (int o = 1; o <= 8; ++o) {
    SCOPED_TRACE(o);
    const QString path = Write(QString("o%1.jpg").arg(o), Crafted::With_Orientation(jpeg, o, o % 2));
    QImageReader qt(path);
    qt.setAutoTransform(true);
    const QImage upright = qt.read();
    const QSize shown = upright.size();
    ASSERT_EQ(loader_->Read_Size(path), shown);
    const QRect part(shown.width() / 4, shown.height() / 8, shown.width() / 2, shown.height() / 2);
    const struct { Decode_Request request; QImage expected; } cases[] = {
        {{shown, {}}, upright},
        {{shown, part}, upright.copy(part)},                                    // own size, a part
        {{shown / 2, {}}, upright.scaled(shown / 2)},                           // scaled by libjpeg
        {{shown / 2, QRect(0, 10, 40, 30)}, upright.scaled(shown / 2).copy(0, 10, 40, 30)},
    };
    for (const auto& c : cases) {
      const QImage image = loader_->Load(path, c.request);
      ASSERT_EQ(image.size(), c.expected.size());
      for (const QPoint at : {QPoint(2, 2), QPoint(image.width() - 3, 2), QPoint(2, image.height() - 3),
                              QPoint(image.width() - 3, image.height() - 3)})
        EXPECT_TRUE(Near(image.pixelColor(at), c.expected.pixelColor(at), 40)) << at.x() << "," << at.y();
    }
  }
}

TEST_F(PictureLoader, AJpegThatLibjpegRefusesIsReadByQt) {
  // A CMYK JPEG: libjpeg gives no RGB from it; Qt's reader does.
  const QSize size(48, 32);
  std::vector<unsigned char> cmyk(size_t(size.width()) * size.height() * 4, 128);
  for (size_t i = 0; i < cmyk.size(); i += 4) cmyk[i + 1] = 40;
  tjhandle compressor = tjInitCompress();
  unsigned char* out = nullptr;
  unsigned long out_size = 0;
  ASSERT_EQ(tjCompress2(compressor, cmyk.data(), size.width(), 0, size.height(), TJPF_CMYK, &out,
                        &out_size, TJSAMP_444, 95, 0), 0);
  const QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(out_size));
  tjFree(out);
  tjDestroy(compressor);
  const QString path = Write("cmyk.jpg", bytes);
  EXPECT_TRUE(Jpeg_Decode_Scaled(path, 4, size / 2).isNull());
  EXPECT_EQ(loader_->Read_Size(path), size);
  const QImage half = loader_->Load(path, {size / 2, {}});
  ASSERT_EQ(half.size(), size / 2);
  const QColor qt = QImageReader(path).read().pixelColor(24, 16);
  EXPECT_NE(qt, QColor(Qt::black));
  EXPECT_TRUE(Near(half.pixelColor(12, 8), qt, 8));
}

}  // namespace
}  // namespace Platform
