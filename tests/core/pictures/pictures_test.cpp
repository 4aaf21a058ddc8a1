// The rules of decoding: what a header says, what a decode costs, the JPEG scale, orientation,
// the area-averaging downscale and which decoded neighbours are kept.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QSet>

#include "core/pictures/area_scale.h"
#include "core/pictures/decode_budget.h"
#include "core/pictures/jpeg_scale.h"
#include "core/pictures/neighbour_cache.h"
#include "core/pictures/orientation.h"
#include "core/pictures/picture_header.h"
#include "support/crafted_pictures.h"

namespace Pictures {
namespace {

Header Header_Of(QByteArray bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  return Read_Header(buffer);
}

QImage Filled(QSize size, QImage::Format format = QImage::Format_RGB32) {
  QImage image(size, format);
  image.fill(QColor(200, 120, 40));
  return image;
}

TEST(Header, TellsSizeOrientationAndWhatTheDecoderNeeds) {
  const QByteArray jpeg = Crafted::Encoded(Filled({40, 30}), "JPEG");
  const struct {
    const char* name;
    QByteArray bytes;
    Format format;
    QSize size;
    int orientation, bits;
    bool progressive;
  } cases[] = {
      {"jpeg", jpeg, Format::Jpeg, {40, 30}, 1, 8, false},
      {"progressive", Crafted::Encoded(Filled({40, 30}), "JPEG", true), Format::Jpeg, {40, 30}, 1, 8, true},
      {"exif 6, Intel", Crafted::With_Orientation(jpeg, 6), Format::Jpeg, {40, 30}, 6, 8, false},
      {"exif 8, Motorola", Crafted::With_Orientation(jpeg, 8, true), Format::Jpeg, {40, 30}, 8, 8, false},
      {"exif 9 is no orientation", Crafted::With_Orientation(jpeg, 9), Format::Jpeg, {40, 30}, 1, 8, false},
      {"claims 65000", Crafted::Jpeg_Claiming({65000, 65000}, true), Format::Jpeg, {65000, 65000}, 1, 8, true},
      {"cut in its header", jpeg.left(30), Format::Jpeg, {}, 1, 8, false},
      {"png", Crafted::Encoded(Filled({7, 5}), "PNG"), Format::Png, {7, 5}, 1, 8, false},
      {"16-bit png", Crafted::Encoded(Filled({7, 5}, QImage::Format_RGBA64), "PNG"), Format::Png, {7, 5}, 1, 16, false},
      {"30000 png", Crafted::Png_Of_Zeros({30000, 30000}), Format::Png, {30000, 30000}, 1, 1, false},
      {"bmp: for the general reader", Crafted::Encoded(Filled({7, 5}), "BMP"), Format::Unknown, {}, 1, 8, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Header h = Header_Of(c.bytes);
    EXPECT_EQ(h.format, c.format);
    EXPECT_EQ(h.size, c.size);
    EXPECT_EQ(h.orientation, c.orientation);
    EXPECT_EQ(h.progressive, c.progressive);
    EXPECT_EQ(h.bits, c.bits);
  }
  // Qt writes colour JPEGs with the brightness at twice the colours' sampling.
  EXPECT_EQ(Header_Of(jpeg).sampling, (QList<QSize>{{2, 2}, {1, 1}, {1, 1}}));
}

TEST(DecodeBudget, EstimatesEachFormatFromItsHeader) {
  const QList<QSize> colour{{2, 2}, {1, 1}, {1, 1}};
  auto jpeg = [&](QSize size, bool progressive) {
    return Header{Format::Jpeg, size, 1, progressive, colour, 8};
  };
  auto other = [](Format f, QSize size, int bits = 8) { return Header{f, size, 1, false, {}, bits}; };
  const qint64 MiB = 1 << 20;
  const struct {
    const char* name;
    Header header;
    QSize decoded;
    qint64 bytes;  // exact, or 0 to check the budget only
    bool fits;
  } cases[] = {
      // Blocks of 64 coefficients of 2 bytes: 3 x 2 of brightness, 2 x 1 of each colour.
      {"progressive, odd size", jpeg({17, 9}, true), {3, 2}, 10 * 128 + 6 * 4, true},
      {"baseline: the output only", jpeg({17, 9}, false), {3, 2}, 6 * 4, true},
      {"96 MP progressive photo", jpeg({12000, 8000}, true), {1500, 1000}, 288000000 + 6000000, true},
      {"65000 x 65000 progressive", jpeg({65000, 65000}, true), {8125, 8125}, 0, false},
      {"png, whole before scaling", other(Format::Png, {8000, 6000}), {1920, 1440}, 192000000 + 11059200, true},
      {"16-bit png at 8 bytes", other(Format::Png, {5600, 5600}, 16), {1080, 1080}, 250880000 + 4665600, true},
      {"30000 x 30000 png", other(Format::Png, {30000, 30000}, 1), {1080, 1080}, 0, false},
      {"bmp", other(Format::Bmp, {8000, 6000}), {8000, 6000}, 384000000, true},
      {"gif", other(Format::Gif, {12000, 12000}), {10, 10}, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const qint64 bytes = Decode_Bytes(c.header, c.decoded);
    if (c.bytes) {
      EXPECT_EQ(bytes, c.bytes);
    }
    EXPECT_EQ(bytes <= kDecode_Budget, c.fits) << bytes / MiB << " MiB";
  }
}

TEST(JpegScale, TakesTheSmallestEighthsThatStillGiveThePixelsShown) {
  const struct { QSize own, wanted; int eighths; QSize scaled; } cases[] = {
      {{6000, 4000}, {1920, 1280}, 3, {2250, 1500}},
      {{6000, 4000}, {1500, 1000}, 2, {1500, 1000}},
      {{6000, 4000}, {1501, 1000}, 3, {2250, 1500}},
      {{6000, 4000}, {300, 200}, 1, {750, 500}},
      {{6000, 4000}, {5300, 10}, 8, {6000, 4000}},   // 7/8 gives 5250
      {{6000, 4000}, {6000, 4000}, 8, {6000, 4000}},
      {{4001, 3}, {501, 1}, 1, {501, 1}},            // sides round up
      {{4001, 3}, {502, 1}, 2, {1001, 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Jpeg_Eighths(c.own, c.wanted), c.eighths) << c.wanted.width();
    EXPECT_EQ(Jpeg_Scaled(c.own, c.eighths), c.scaled);
  }
}

// A picture whose every pixel is different, so where each one goes can be followed.
QImage Numbered(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(x, y, 7));
  return image;
}

QSet<QRgb> Pixels(const QImage& image) {
  QSet<QRgb> set;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) set.insert(image.pixel(x, y));
  return set;
}

TEST(Orientation, APartAsSeenComesFromThatPartAsStored) {
  const QSize stored(5, 3);
  const QImage picture = Numbered(stored);
  for (int o = 0; o <= 9; ++o) {
    SCOPED_TRACE(o);
    const QImage seen = Turned_Upright(picture, o);
    const QSize shown = Shown_Size(stored, o);
    EXPECT_EQ(seen.size(), shown);
    EXPECT_EQ(Swaps_Sides(o), o >= 5 && o <= 8);
    for (const QRect part : {QRect(0, 0, 1, 1), QRect(1, 0, 2, 3), QRect(QPoint(0, 0), shown),
                             QRect(shown.width() - 2, shown.height() - 1, 2, 1)}) {
      const QRect from = Stored_Rect(part, stored, o);
      ASSERT_EQ(from.size(), Shown_Size(part.size(), o));
      EXPECT_EQ(Pixels(seen.copy(part)), Pixels(picture.copy(from)));
    }
  }
  // The first stored pixel is seen in the corner the orientation names.
  const QPoint corner[] = {{0, 0}, {4, 0}, {4, 2}, {0, 2}, {0, 0}, {2, 0}, {2, 4}, {0, 4}};
  for (int o = 1; o <= 8; ++o) {
    EXPECT_EQ(Turned_Upright(picture, o).pixel(corner[o - 1]), qRgb(0, 0, 7)) << o;
  }
}

TEST(AreaScale, EachPixelIsTheMeanOfWhatItCovers) {
  QImage grey(4, 2, QImage::Format_RGB32);
  const int values[] = {10, 20, 30, 40, 50, 60, 70, 80};
  for (int i = 0; i < 8; ++i) grey.setPixel(i % 4, i / 4, qRgb(values[i], values[i], values[i]));
  const QImage half = Area_Scaled(grey, {2, 1});
  EXPECT_EQ(half.pixel(0, 0), qRgb(35, 35, 35));
  EXPECT_EQ(half.pixel(1, 0), qRgb(55, 55, 55));
  // Three pixels to two: the middle one counts half for each side.
  QImage row(3, 1, QImage::Format_RGB32);
  for (int x = 0; x < 3; ++x) row.setPixel(x, 0, qRgb(90 * x, 90 * x, 90 * x));
  const QImage two = Area_Scaled(row, {2, 1});
  EXPECT_EQ(qRed(two.pixel(0, 0)), 30);
  EXPECT_EQ(qRed(two.pixel(1, 0)), 150);
  EXPECT_TRUE(Area_Scaled(QImage(), {2, 1}).isNull());
  EXPECT_TRUE(Area_Scaled(grey, {0, 1}).isNull());
  // A flat picture stays exactly flat at any ratio; any format is taken.
  for (const QImage::Format f : {QImage::Format_RGB32, QImage::Format_RGB888, QImage::Format_Indexed8,
                                 QImage::Format_RGBA64}) {
    const QImage flat = Area_Scaled(Filled({1001, 777}).convertToFormat(f), {333, 200});
    ASSERT_EQ(flat.size(), QSize(333, 200));
    EXPECT_EQ(Pixels(flat), QSet<QRgb>{qRgb(200, 120, 40)});
  }
  // A part of the scaled picture is that part of the whole scaled picture.
  const QImage numbered = Numbered({230, 170});
  const QImage whole = Area_Scaled(numbered, {100, 70});
  for (const QRect part : {QRect(0, 0, 100, 70), QRect(13, 7, 50, 41), QRect(99, 69, 1, 1)})
    EXPECT_EQ(Area_Scaled(numbered, {100, 70}, part), whole.copy(part));
  // Three bytes a pixel, as the JPEG decoder gives them, come out as the same colours.
  EXPECT_EQ(Area_Scaled(numbered.convertToFormat(QImage::Format_RGB888), {100, 70}), whole);
  // Transparency is averaged premultiplied.
  QImage alpha(2, 1, QImage::Format_ARGB32);
  alpha.setPixel(0, 0, qRgba(255, 0, 0, 255)), alpha.setPixel(1, 0, qRgba(0, 0, 255, 0));
  const QImage mixed = Area_Scaled(alpha, {1, 1});
  EXPECT_EQ(mixed.format(), QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(mixed.pixel(0, 0), qRgba(128, 0, 0, 128));  // red at half strength, premultiplied
}

TEST(NeighbourCache, KeepsTheWantedMostWantedFirstWithinItsBytes) {
  Neighbour_Cache<QString, int> kept(100);
  using Keys = QList<QString>;
  kept.Want({"shown", "next", "before"});
  EXPECT_TRUE(kept.Put("shown", 1, 40));
  EXPECT_TRUE(kept.Put("next", 2, 40));
  EXPECT_FALSE(kept.Put("before", 3, 40));  // no room beside the more wanted
  EXPECT_FALSE(kept.Put("elsewhere", 4, 1));  // not wanted
  EXPECT_EQ(kept.Held(), (Keys{"shown", "next"}));
  EXPECT_EQ(*kept.Find("next"), 2);
  kept.Want({"next", "after"});  // a step forward: the picture before is let go
  EXPECT_EQ(kept.Held(), Keys{"next"});
  EXPECT_EQ(kept.Find("shown"), nullptr);
  EXPECT_TRUE(kept.Put("after", 5, 60));
  EXPECT_EQ(kept.Bytes(), 100);
  kept.Want({"big", "next", "after"});
  EXPECT_TRUE(kept.Put("big", 6, 70));  // the less wanted make room
  EXPECT_EQ(kept.Held(), Keys{"big"});
  EXPECT_EQ(kept.Bytes(), 70);
}

}  // namespace
}  // namespace Pictures
