// What the display step decodes of a picture (Plan_Decode, Covers), and the real loader on
// pictures made in a temporary folder.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <atomic>
#include <fcntl.h>
#include <random>
#include <thread>
#include <unistd.h>

#include "gif_writer.h"
#include "platform/picture_loader.h"

namespace Platform {
namespace {

// ---------------------------------------------------------------------------------------------
// Planning

struct PlanCase {
  const char* name;
  QSize own;
  QRect control;  // in window coordinates
  QSize window;
  QSize scaled;   // expected
  QRect clip;     // expected
};

TEST(PlanDecode, DecodesOnlyWhatIsSeenAtTheSizeItIsSeen) {
  const PlanCase cases[] = {
      {"own size, smaller than the window: all of it", {400, 300}, {312, 234, 400, 300},
       {1024, 768}, {400, 300}, {0, 0, 400, 300}},
      {"own size, larger than the window: exactly the visible middle", {6000, 4000},
       {-2040, -1460, 6000, 4000}, {1920, 1080}, {6000, 4000}, {2040, 1460, 1920, 1080}},
      {"own size, odd overhang cut as placed", {301, 201}, {-100, -50, 301, 201}, {100, 100},
       {301, 201}, {100, 50, 100, 100}},
      {"own size, only wider than the window", {3000, 200}, {-988, 284, 3000, 200}, {1024, 768},
       {3000, 200}, {988, 0, 1024, 200}},
      {"keep ratio, landscape running over top and bottom", {6000, 4000}, {0, -100, 1920, 1280},
       {1920, 1080}, {1920, 1280}, {0, 100, 1920, 1080}},
      {"keep ratio, portrait running over left and right", {3000, 4000}, {-50, 0, 900, 1200},
       {800, 1200}, {900, 1200}, {50, 0, 800, 1200}},
      {"keep ratio, portrait inside the window", {3000, 4000}, {555, 0, 810, 1080}, {1920, 1080},
       {810, 1080}, {0, 0, 810, 1080}},
      {"fill, shrunk both ways", {6000, 4000}, {0, 0, 1920, 1080}, {1920, 1080}, {1920, 1080},
       {0, 0, 1920, 1080}},
      {"enlarged: the picture's own pixels, all of them", {400, 300}, {0, 0, 1024, 768},
       {1024, 768}, {400, 300}, {0, 0, 400, 300}},
      {"fill, shrunk one way and stretched the other", {4000, 500}, {0, 0, 1920, 1080},
       {1920, 1080}, {1920, 500}, {0, 0, 1920, 500}},
  };
  for (const PlanCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Decode_Request r = Plan_Decode(c.own, c.control, c.window);
    EXPECT_EQ(r.scaled, c.scaled);
    EXPECT_EQ(r.clip, c.clip);
    EXPECT_TRUE(QRect(QPoint(0, 0), r.scaled).contains(r.clip));
  }
}

TEST(PlanDecode, AControlOutsideTheWindowAsksForAlmostNothing) {
  // An empty clip would mean "all of it": a picture that is not seen must not be decoded whole.
  const Decode_Request r = Plan_Decode({6000, 4000}, {2000, 0, 6000, 4000}, {1920, 1080});
  EXPECT_FALSE(r.clip.isEmpty());
  EXPECT_LE(r.clip.width() * r.clip.height(), 1);
}

TEST(PlanDecode, NothingToDecodeForAnEmptyPictureOrControl) {
  EXPECT_TRUE(Plan_Decode({0, 0}, {0, 0, 100, 100}, {100, 100}).scaled.isEmpty());
  EXPECT_TRUE(Plan_Decode({100, 100}, {0, 0, 0, 0}, {100, 100}).scaled.isEmpty());
}

struct CoversCase {
  const char* name;
  Decode_Request had;
  Decode_Request want;
  bool covers;
};

TEST(Covers, TellsWhetherADecodedPictureHoldsEnoughPixels) {
  const QSize fit(1920, 1280);
  const CoversCase cases[] = {
      {"the same request", {fit, {0, 100, 1920, 1080}}, {fit, {0, 100, 1920, 1080}}, true},
      {"a smaller window sees less", {fit, {0, 100, 1920, 1080}}, {fit, {0, 150, 1920, 980}},
       true},
      {"a taller window sees rows that were not decoded", {fit, {0, 100, 1920, 1080}},
       {fit, {0, 0, 1920, 1280}}, false},
      {"coarser than wanted", {fit, {0, 0, 1920, 1280}}, {{2880, 1920}, {0, 0, 2880, 1920}},
       false},
      {"coarser in one direction only", {{1920, 1280}, {}}, {{1800, 1300}, {}}, false},
      {"finer and whole", {{6000, 4000}, {0, 0, 6000, 4000}}, {fit, {0, 100, 1920, 1080}}, true},
      {"finer, exactly the wanted rows", {{3840, 2560}, {0, 200, 3840, 2160}},
       {fit, {0, 100, 1920, 1080}}, true},
      {"finer, two wanted rows missing", {{3840, 2560}, {0, 202, 3840, 2158}},
       {fit, {0, 100, 1920, 1080}}, false},
      // 1:3.125 maps the wanted rows 100..1179 onto 312.5..3687.5: rows 312 to 3687 are needed.
      {"finer, a partly needed last row held", {{6000, 4000}, {0, 312, 6000, 3376}},
       {fit, {0, 100, 1920, 1080}}, true},
      {"finer, a partly needed last row missing", {{6000, 4000}, {0, 312, 6000, 3375}},
       {fit, {0, 100, 1920, 1080}}, false},
      {"an empty clip holds all of the picture", {fit, {}}, {fit, {0, 100, 1920, 1080}}, true},
      {"all of the picture wanted, all held", {fit, {}}, {fit, {}}, true},
      {"all of the picture wanted, part held", {fit, {0, 100, 1920, 1080}}, {fit, {}}, false},
      {"nothing wanted", {}, {}, true},
      {"nothing held", {}, {fit, {0, 0, 10, 10}}, false},
  };
  for (const CoversCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Covers(c.had, c.want), c.covers);
  }
}

// ---------------------------------------------------------------------------------------------
// The real loader

const QColor kTopLeft(220, 30, 30);
const QColor kTopRight(30, 200, 40);
const QColor kBottomLeft(30, 50, 220);
const QColor kBottomRight(240, 220, 40);

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

void Put16(QByteArray& b, int v) {
  b.append(char(v & 0xFF));
  b.append(char((v >> 8) & 0xFF));
}

void Put32(QByteArray& b, quint32 v) {
  Put16(b, int(v & 0xFFFF));
  Put16(b, int(v >> 16));
}

// A Windows bitmap header (file header and info header) without any pixel data.
QByteArray Bmp_Header(int width, int height) {
  QByteArray b("BM");
  Put32(b, 54);  // file size as claimed
  Put32(b, 0);
  Put32(b, 54);  // offset of the pixels
  Put32(b, 40);
  Put32(b, quint32(width));
  Put32(b, quint32(height));
  Put16(b, 1);
  Put16(b, 24);
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  return b;
}

QByteArray Jpeg_Of(const QImage& image, int quality = 90) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", quality);
  return bytes;
}

// The same JPEG, its frame header claiming another size.
QByteArray Claiming_Size(QByteArray jpeg, QSize size) {
  const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
  if (sof < 0) return {};
  jpeg[sof + 5] = char(size.height() >> 8);
  jpeg[sof + 6] = char(size.height() & 0xFF);
  jpeg[sof + 7] = char(size.width() >> 8);
  jpeg[sof + 8] = char(size.width() & 0xFF);
  return jpeg;
}

long Peak_Memory_Mb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

::testing::AssertionResult Near(QColor got, QColor want, int tolerance) {
  if (std::abs(got.red() - want.red()) <= tolerance &&
      std::abs(got.green() - want.green()) <= tolerance &&
      std::abs(got.blue() - want.blue()) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got " << got.name().toStdString() << ", want "
                                       << want.name().toStdString();
}

// Keeps the decoder's memory limit at a test's value and puts the old one back.
class AllocationLimit {
 public:
  explicit AllocationLimit(int mb) : old_(QImageReader::allocationLimit()) {
    QImageReader::setAllocationLimit(mb);
  }
  ~AllocationLimit() { QImageReader::setAllocationLimit(old_); }

 private:
  int old_;
};

class PictureLoader : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  QString Save(const QString& name, const QImage& image, const char* format, int quality = 95) {
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(image.save(path, format, quality));
    return path;
  }

  QTemporaryDir dir_;
  std::unique_ptr<PictureLoaderSeam> loader_ = Make_Qt_Picture_Loader();
};

TEST_F(PictureLoader, ReadsTheOwnSizeOfEachFormat) {
  const struct {
    QString path;
    QSize size;
  } cases[] = {
      {Save("a.bmp", Quadrants({300, 200}), "BMP"), {300, 200}},
      {Save("b.jpg", Quadrants({640, 480}), "JPEG"), {640, 480}},
      {Write("c.gif", Gif_Of(Quadrants({90, 120}))), {90, 120}},
      // The extension does not decide the format; the content does.
      {Save("d.gif", Quadrants({50, 70}), "JPEG"), {50, 70}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    EXPECT_EQ(loader_->Read_Size(c.path), c.size);
  }
}

TEST_F(PictureLoader, ReadsTheSizeFromTheHeaderAlone) {
  // No pixel data at all: the size is there, a picture is not.
  const QString path = Write("header-only.bmp", Bmp_Header(1000, 700));
  EXPECT_EQ(loader_->Read_Size(path), QSize(1000, 700));
  EXPECT_TRUE(loader_->Load(path, {{1000, 700}, {}}).isNull());
}

struct LoadCase {
  const char* name;
  Decode_Request request;
  QSize result;
};

TEST_F(PictureLoader, DecodesExactlyWhatIsAskedInEachFormat) {
  // Quadrant edges fall on 16-pixel blocks, so the JPEG keeps its colours away from the edges.
  const QSize own(320, 192);
  const QImage source = Quadrants(own);
  const struct {
    QString path;
    int tolerance;
  } pictures[] = {
      {Save("q.bmp", source, "BMP"), 4},
      {Save("q.jpg", source, "JPEG"), 40},
      {Write("q.gif", Gif_Of(source)), 4},
  };
  const LoadCase cases[] = {
      {"own size, all", {own, {}}, own},
      {"own size, a part across the middle", {own, {100, 50, 120, 92}}, {120, 92}},
      {"own size, the part a small window sees", Plan_Decode(own, {-60, -36, 320, 192}, {200, 120}),
       {200, 120}},
      {"half size", {{160, 96}, {}}, {160, 96}},
      {"an odd size", {{101, 67}, {}}, {101, 67}},
      {"fitted, running over top and bottom", Plan_Decode(own, {0, -20, 240, 144}, {240, 104}),
       {240, 104}},
  };
  for (const auto& picture : pictures) {
    for (const LoadCase& c : cases) {
      SCOPED_TRACE(picture.path.toStdString() + ": " + c.name);
      const QImage image = loader_->Load(picture.path, c.request);
      ASSERT_EQ(image.size(), c.result);
      // Probe a grid, away from the quadrant edges where scaling blends colours.
      const QRect clip = c.request.clip.isEmpty() ? QRect(QPoint(0, 0), c.request.scaled)
                                                  : c.request.clip;
      const double fx = double(own.width()) / c.request.scaled.width();
      const double fy = double(own.height()) / c.request.scaled.height();
      for (int gy = 0; gy < 5; ++gy) {
        for (int gx = 0; gx < 5; ++gx) {
          const int x = (2 * gx + 1) * image.width() / 10, y = (2 * gy + 1) * image.height() / 10;
          const QPointF at((clip.x() + x + 0.5) * fx, (clip.y() + y + 0.5) * fy);
          if (std::abs(at.x() - own.width() / 2) < 16 || std::abs(at.y() - own.height() / 2) < 16)
            continue;
          EXPECT_TRUE(Near(image.pixelColor(x, y), Quadrant_Colour(own, at), picture.tolerance))
              << "at " << x << "," << y;
        }
      }
    }
  }
}

TEST_F(PictureLoader, ClippedOwnSizeLoadGivesThePixelsOfThatPart) {
  // Exact pixels: a lossless format, the part straddling all four quadrants.
  const QString path = Save("exact.bmp", Quadrants({200, 100}), "BMP");
  const QImage image = loader_->Load(path, {{200, 100}, {90, 40, 30, 20}});
  ASSERT_EQ(image.size(), QSize(30, 20));
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) {
      const QColor want = Quadrant_Colour({200, 100}, QPointF(90 + x, 40 + y));
      ASSERT_EQ(image.pixelColor(x, y).rgb(), want.rgb()) << "at " << x << "," << y;
    }
  }
}

TEST_F(PictureLoader, RefusesWhatIsNoPicture) {
  std::mt19937 random(7);
  QByteArray noise(4096, '\0');
  for (char& c : noise) c = char(random() & 0xFF);
  QDir(dir_.path()).mkdir("folder.jpg");
  const QString cases[] = {
      Write("noise.jpg", noise),
      Write("notes.gif", "Pictures of the summer, see the folder next door.\n"),
      Write("empty.bmp", {}),
      dir_.filePath("folder.jpg"),
      dir_.filePath("missing.jpg"),
      QString(),
  };
  for (const QString& path : cases) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_EQ(loader_->Read_Size(path), std::nullopt);
    EXPECT_TRUE(loader_->Load(path, {{100, 100}, {}}).isNull());
  }
}

TEST_F(PictureLoader, TruncatedJpeg) {
  QImage source(400, 300, QImage::Format_RGB32);
  source.fill(kBottomLeft);
  QPainter(&source).fillRect(0, 0, 400, 64, kTopLeft);
  const QByteArray whole = Jpeg_Of(source);

  // Cut inside the headers: nothing to show.
  const QString headless = Write("cut-early.jpg", whole.left(100));
  EXPECT_EQ(loader_->Read_Size(headless), std::nullopt);
  EXPECT_TRUE(loader_->Load(headless, {{400, 300}, {}}).isNull());

  // Cut inside the picture data: the part that arrived is shown, at the size asked.
  const QString half = Write("cut-late.jpg", whole.left(whole.size() * 3 / 4));
  EXPECT_EQ(loader_->Read_Size(half), QSize(400, 300));
  const QImage image = loader_->Load(half, {{200, 150}, {}});
  ASSERT_EQ(image.size(), QSize(200, 150));
  EXPECT_TRUE(Near(image.pixelColor(20, 10), kTopLeft, 40));
}

TEST_F(PictureLoader, AHugeClaimedSizeIsRefusedWithoutAHugeAllocation) {
  const long before = Peak_Memory_Mb();
  const QSize huge(60000, 60000);
  // Keep ratio on a full-HD screen: square counts as landscape, 1920 wide, over top and bottom.
  const Decode_Request fitted = Plan_Decode(huge, {0, -420, 1920, 1920}, {1920, 1080});

  const QString bmp = Write("huge.bmp", Bmp_Header(huge.width(), huge.height()));
  const std::optional<QSize> bmpSize = loader_->Read_Size(bmp);
  EXPECT_TRUE(!bmpSize || loader_->Load(bmp, fitted).isNull());
  EXPECT_TRUE(loader_->Load(bmp, {huge, {}}).isNull());

  // A real small JPEG whose frame header claims 60000 x 60000: even an eighth is 7500 x 7500.
  const QString jpeg = Write("huge.jpg", Claiming_Size(Jpeg_Of(Quadrants({64, 48})), huge));
  EXPECT_EQ(loader_->Read_Size(jpeg), huge);
  EXPECT_TRUE(loader_->Load(jpeg, fitted).isNull());
  EXPECT_TRUE(loader_->Load(jpeg, {huge, {}}).isNull());

  EXPECT_LT(Peak_Memory_Mb() - before, 100);
}

TEST_F(PictureLoader, APictureOverTheMemoryLimitIsDecodedAtTheSizeItIsShown) {
  // The same as a 12000 x 8000 photo under the usual limit, at a tenth of the cost: 2400 x 1600
  // takes 15 MB decoded whole, over a limit of 4 MB.
  const QString path = Save("large.jpg", Quadrants({2400, 1600}), "JPEG", 80);
  const AllocationLimit limit(4);
  ASSERT_EQ(loader_->Read_Size(path), QSize(2400, 1600));
  EXPECT_TRUE(loader_->Load(path, {{2400, 1600}, {}}).isNull());

  const QImage fitted = loader_->Load(path, Plan_Decode({2400, 1600}, {0, 0, 480, 320}, {480, 320}));
  ASSERT_EQ(fitted.size(), QSize(480, 320));
  EXPECT_TRUE(Near(fitted.pixelColor(60, 60), kTopLeft, 40));
  EXPECT_TRUE(Near(fitted.pixelColor(420, 260), kBottomRight, 40));

  const QImage middle =
      loader_->Load(path, Plan_Decode({2400, 1600}, {-880, -560, 2400, 1600}, {640, 480}));
  ASSERT_EQ(middle.size(), QSize(640, 480));
  EXPECT_TRUE(Near(middle.pixelColor(100, 100), kTopLeft, 40));
  EXPECT_TRUE(Near(middle.pixelColor(540, 380), kBottomRight, 40));
}

TEST_F(PictureLoader, NeverWaitsOnAFifo) {
  // A FIFO named like a picture. Should the loader open it, a writer hands it a good picture, so a
  // loader that reads from FIFOs is caught rather than left waiting.
  const QString fifo = dir_.filePath("pipe.bmp");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QByteArray picture;
  {
    QBuffer buffer(&picture);
    buffer.open(QIODevice::WriteOnly);
    Quadrants({16, 16}).save(&buffer, "BMP");
  }
  std::atomic<bool> done = false;
  std::thread writer([&] {
    while (!done) {
      const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
      if (fd < 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        continue;
      }
      [[maybe_unused]] const ssize_t n = ::write(fd, picture.constData(), picture.size());
      ::close(fd);
    }
  });
  EXPECT_EQ(loader_->Read_Size(fifo), std::nullopt);
  EXPECT_TRUE(loader_->Load(fifo, {{16, 16}, {}}).isNull());
  done = true;
  writer.join();
}

}  // namespace
}  // namespace Platform
