// The real loader on pictures made in a temporary folder, decoding what Plan_Decode asks for.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <atomic>
#include <thread>

#include "gif_writer.h"
#include "core/decode/decode_plan.h"
#include "platform/services.h"

namespace Platform {
namespace {

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

QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format, 90);
  return bytes;
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
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
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

TEST_F(PictureLoader, AHugeClaimedSizeIsRefusedWithoutAHugeAllocation) {
  const auto peak_mb = [] {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
  };
  const long before = peak_mb();
  const QSize huge(60000, 60000);
  // Keep ratio on a full-HD screen: square counts as landscape, 1920 wide, over top and bottom.
  const Decode_Request fitted = Plan_Decode(huge, {0, -420, 1920, 1920}, {1920, 1080});
  // A real JPEG whose frame header claims the huge size.
  QByteArray bytes = Encoded(Quadrants({64, 48}), "JPEG");
  const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
  qToBigEndian<quint16>(huge.height(), bytes.data() + sof + 5);
  qToBigEndian<quint16>(huge.width(), bytes.data() + sof + 7);
  const QString jpeg = Write("huge.jpg", bytes);
  EXPECT_EQ(loader_->Read_Size(jpeg), huge);
  EXPECT_TRUE(loader_->Load(jpeg, fitted).isNull());
  EXPECT_TRUE(loader_->Load(jpeg, {huge, {}}).isNull());
  EXPECT_LT(peak_mb() - before, 100);
}

TEST_F(PictureLoader, APictureOverTheMemoryLimitIsDecodedAtTheSizeItIsShown) {
  // Like a 12000 x 8000 photo under the usual limit: 2400 x 1600 takes 15 MB, over 4 MB.
  const QSize own(2400, 1600);
  const QString path = Write("large.jpg", Encoded(Quadrants(own), "JPEG"));
  QImageReader::setAllocationLimit(4);
  EXPECT_TRUE(loader_->Load(path, {own, {}}).isNull());
  const QImage fitted = loader_->Load(path, Plan_Decode(own, {0, 0, 480, 320}, {480, 320}));
  ASSERT_EQ(fitted.size(), QSize(480, 320));
  EXPECT_TRUE(Near(fitted.pixelColor(420, 260), kBottomRight, 40));
  const QImage middle = loader_->Load(path, Plan_Decode(own, {-880, -560, 2400, 1600}, {640, 480}));
  ASSERT_EQ(middle.size(), QSize(640, 480));
  EXPECT_TRUE(Near(middle.pixelColor(100, 100), kTopLeft, 40));
}

}  // namespace
}  // namespace Platform
