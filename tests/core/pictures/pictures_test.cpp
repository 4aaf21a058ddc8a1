// The rules of decoding: what a header says, what a decode costs, the JPEG scale, orientation,
// the area-averaging downscale, and what the display step decodes of a picture.
#include <gtest/gtest.h>

#include <QBuffer>

#include "core/decode/decode_plan.h"
#include "core/pictures/area_scale.h"
#include "core/pictures/decode_budget.h"
#include "core/pictures/jpeg_scale.h"
#include "core/pictures/orientation.h"
#include "core/pictures/picture_header.h"
#include "support/crafted_pictures.h"

namespace Pictures {

QImage Filled(QSize size, QImage::Format format = QImage::Format_RGB32) {
  QImage image(size, format);
  image.fill(QColor(200, 120, 40));
  return image;
}

const QList<QSize> Colour_Sampling{{2, 2}, {1, 1}, {1, 1}};  // Qt samples a colour JPEG's brightness at twice its colours

// The loader's tests read sizes, orientations and bombs' headers; here, what they do not see.
TEST(Header, TellsWhatTheDecoderNeedsAndOnlyOrientationsOneToEight) {
  const QByteArray jpeg = Crafted::Encoded(Filled({40, 30}), "JPEG", true);
  for (auto [bytes, format, orientation] : {std::tuple(jpeg, Format::Jpeg, 1), {Crafted::With_Orientation(jpeg, 9), Format::Jpeg, 1},
                                           {Crafted::With_Orientation(jpeg, 8, true), Format::Jpeg, 8}, {Crafted::Encoded(Filled({7, 5}), "BMP"), Format::Unknown, 1}}) {
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    const Header h = Read_Header(buffer);
    const bool is_jpeg = format == Format::Jpeg;
    EXPECT_EQ(std::tuple(h.format, h.orientation, h.progressive, h.sampling), std::tuple(format, orientation, is_jpeg, is_jpeg ? Colour_Sampling : QList<QSize>{})) << orientation;
  }
}

TEST(DecodeBudget, EstimatesEachFormatFromItsHeader) {
  const struct { Header header; QSize decoded; qint64 bytes; } cases[] = {
      // Blocks of 64 coefficients of 2 bytes: 3 x 2 of brightness, 2 x 1 of each colour; baseline: the output only.
      {{Format::Jpeg, {17, 9}, 1, true, Colour_Sampling, 8}, {3, 2}, 10 * 128 + 6 * 4}, {{Format::Jpeg, {17, 9}, 1, false, Colour_Sampling, 8}, {3, 2}, 6 * 4},
      {{Format::Png, {8000, 6000}, 1, false, {}, 8}, {1920, 1440}, 192000000 + 11059200}, {{Format::Bmp, {8000, 6000}, 1, false, {}, 8}, {8000, 6000}, 384000000},
      {{Format::Png, {5600, 5600}, 1, false, {}, 16}, {1080, 1080}, 250880000 + 4665600}};  // 16 bits: 8 bytes a pixel
  for (const auto& c : cases) EXPECT_EQ(Decode_Bytes(c.header, c.decoded), c.bytes) << &c - cases;
}

TEST(JpegScale, TakesTheSmallestEighthsThatStillGiveThePixelsShown) {
  const struct { QSize own, wanted; int eighths; QSize scaled; } cases[] = {
      {{6000, 4000}, {1500, 1000}, 2, {1500, 1000}}, {{6000, 4000}, {1501, 1000}, 3, {2250, 1500}}, {{6000, 4000}, {5300, 10}, 8, {6000, 4000}},
      {{4001, 3}, {501, 1}, 1, {501, 1}}};  // sides round up
  for (const auto& c : cases) EXPECT_EQ(std::pair(Jpeg_Eighths(c.own, c.wanted), Jpeg_Scaled(c.own, c.eighths)), std::pair(c.eighths, c.scaled)) << &c - cases;
}

// A picture whose every pixel is different, so where each one goes can be followed.
QImage Numbered(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(x, y, 7));
  return image;
}

TEST(Orientation, APartAsSeenComesFromThatPartAsStored) {
  const QSize stored(5, 3);
  const QImage picture = Numbered(stored);
  const QPoint corner[] = {{0, 0}, {0, 0}, {4, 0}, {4, 2}, {0, 2}, {0, 0}, {2, 0}, {2, 4}, {0, 4}, {0, 0}};
  for (int o = 0; o <= 9; ++o) {
    const QImage seen = Turned_Upright(picture, o);
    const QSize shown = seen.size();
    EXPECT_EQ(std::pair(Shown_Size(stored, o), seen.pixel(corner[o])), std::pair(shown, qRgb(0, 0, 7))) << o;  // the first stored pixel
    for (const QRect part : {QRect(1, 0, 2, 3), QRect(QPoint(0, 0), shown), QRect(shown.width() - 2, shown.height() - 1, 2, 1)})
      EXPECT_EQ(seen.copy(part), Turned_Upright(picture.copy(Stored_Rect(part, stored, o)), o)) << o;
  }
}

TEST(AreaScale, EachPixelIsTheMeanOfWhatItCovers) {
  QImage row(3, 1, QImage::Format_RGB32);  // three pixels to two: the middle one counts half for each
  for (int x = 0; x < 3; ++x) row.setPixel(x, 0, qRgb(90 * x, 90 * x, 90 * x));
  const QImage two = Area_Scaled(row, {2, 1});
  EXPECT_EQ(std::pair(two.pixel(0, 0), two.pixel(1, 0)), std::pair(qRgb(30, 30, 30), qRgb(150, 150, 150)));
  // A flat picture stays flat at any ratio, in any format.
  EXPECT_EQ(Area_Scaled(Filled({1001, 777}, QImage::Format_RGBA64), {333, 200}).convertToFormat(QImage::Format_RGB32), Filled({333, 200}));
  // A part of the scaled picture is that part of the whole scaled picture; three bytes a pixel too.
  const QImage numbered = Numbered({230, 170}), whole = Area_Scaled(numbered, {100, 70});
  EXPECT_EQ(std::pair(Area_Scaled(numbered, {100, 70}, QRect(13, 7, 50, 41)), Area_Scaled(numbered.convertToFormat(QImage::Format_RGB888), {100, 70})),
            std::pair(whole.copy(13, 7, 50, 41), whole));
  QImage alpha(2, 1, QImage::Format_ARGB32);  // transparency is averaged premultiplied
  alpha.setPixel(0, 0, qRgba(255, 0, 0, 255));
  alpha.setPixel(1, 0, qRgba(0, 0, 255, 0));
  const QImage mixed = Area_Scaled(alpha, {1, 1});
  EXPECT_EQ(std::pair(mixed.format(), mixed.pixel(0, 0)), std::pair(QImage::Format_ARGB32_Premultiplied, qRgba(128, 0, 0, 128)));
}

TEST(PlanDecode, DecodesOnlyWhatIsSeenAtTheSizeItIsSeenAndWhatIsDecodedCoversWhatHoldsEnoughPixels) {
  const struct { QSize own; QRect control; QSize window, scaled; QRect clip; } plans[] = {
      {{6000, 4000}, {-2040, -1460, 6000, 4000}, {1920, 1080}, {6000, 4000}, {2040, 1460, 1920, 1080}},  // the middle
      {{400, 300}, {0, 0, 1024, 768}, {1024, 768}, {400, 300}, {0, 0, 400, 300}}, {{4000, 500}, {0, 0, 1920, 1080}, {1920, 1080}, {1920, 500}, {0, 0, 1920, 500}},  // enlarged
      // Not seen at all: the smallest decode, never an empty clip (which means "all of it").
      {{6000, 4000}, {2000, 0, 6000, 4000}, {1920, 1080}, {6000, 4000}, {0, 0, 1, 1}}, {{0, 0}, {0, 0, 100, 100}, {100, 100}, {}, {}}};
  for (const auto& c : plans) EXPECT_EQ(Platform::Plan_Decode(c.own, c.control, c.window), (Platform::Decode_Request{c.scaled, c.clip})) << &c - plans;
  const QSize fit(1920, 1280);
  const QRect seen(0, 100, 1920, 1080);
  const struct { Platform::Decode_Request had, want; bool covers; } cases[] = {
      {{fit, seen}, {fit, seen}, true},  {{fit, seen}, {fit, {0, 0, 1920, 1280}}, false},  {{{1920, 1280}, {}}, {{1800, 1300}, {}}, false},  // rows; coarser one way
      // 1:3.125 maps the wanted rows 100..1179 onto 312.5..3687.5: rows 312 to 3687 are needed.
      {{{6000, 4000}, {0, 312, 6000, 3376}}, {fit, seen}, true}, {{{6000, 4000}, {0, 312, 6000, 3375}}, {fit, seen}, false},
      {{fit, {}}, {fit, seen}, true},  {{}, {}, true},  {{}, {fit, {0, 0, 10, 10}}, false}};  // empty clip: all
  for (const auto& c : cases) EXPECT_EQ(Platform::Covers(c.had, c.want), c.covers) << &c - cases;
}

}  // namespace Pictures
