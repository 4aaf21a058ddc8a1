// The colour picker's palette picture and the maths of its gradient strip.
#include "core/colour/palette.h"

#include <gtest/gtest.h>

namespace {

QRgb Rgb(std::int32_t value) { return qRgb(value & 255, (value >> 8) & 255, value >> 16); }

TEST(Palette, LandmarksOfThePictureAndTheirColourValues) {
  const QImage& p = Palette::Picture();
  ASSERT_EQ(p.size(), QSize(99, 50));
  struct Case {
    int x, y;
    std::int32_t value;  // -1: outside the picture
  };
  const std::int32_t white = 16777215, grey = 127 * 65793, red = 255, green = 65280, blue = 255 * 65536;
  const Case cases[] = {
      {0, 0, white},  {98, 0, white},  {50, 49, 0},     {0, 49, 0},      // top row white, bottom black
      {50, 1, grey},  {50, 48, grey},  {0, 25, grey},   {98, 25, grey},  // the frame
      {1, 25, white}, {50, 2, white},  {50, 47, white},                  // the white edge
      {2, 24, red},   {18, 24, red + green}, {34, 24, green}, {50, 24, green + blue}, {66, 24, blue},
      {82, 24, red + blue},  {2, 46, 0},  {60, 46, 0},                   // hues, then black
      {-1, 0, -1},    {0, -1, -1},     {99, 10, -1},    {10, 50, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Palette::Colour_At({c.x, c.y}), c.value) << c.x << "," << c.y;
    if (c.value >= 0) { EXPECT_EQ(p.pixel(c.x, c.y), Rgb(c.value)) << c.x << "," << c.y; }
  }
  // The lightness falls down every column.
  for (int x = 2; x <= 97; x += 5)
    for (int y = 4; y <= 46; ++y) EXPECT_LE(qGray(p.pixel(x, y)), qGray(p.pixel(x, y - 1))) << x;
}

TEST(Gradient, ColumnsRunFromTheFirstColourToTheSecond) {
  struct Case { std::int32_t min, max; int column; std::int32_t expected; };
  const Case cases[] = {
      {0, 255, 0, 0},   {0, 255, 128, 128},  {0, 255, 255, 255},  // black to red
      {0, 100, 128, 50},                                         // 128 / 255 * 100 = 50.2
      {0, 1, 127, 0},   {0, 1, 128, 1},                          // 0.498 and 0.502
      {255, 0, 255, 0}, {0, 65280, 128, 128 * 256},
      {16777215, 0, 128, 127 * 65793},
      {3 + 5 * 256, 200 * 65536, 255, 200 * 65536},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Gradient::Columns(c.min, c.max)[c.column], c.expected)
        << c.min << "->" << c.max << " column " << c.column;
}

TEST(Gradient, ScaleTicksEveryTenthNumberedFromTheSecond) {
  const std::vector<Gradient::Tick> s = Gradient::Scale(256);
  ASSERT_EQ(s.size(), 10u);  // 0, 26, ... 234
  EXPECT_EQ(s[1], (Gradient::Tick{26, 1}));
  EXPECT_EQ(s[9], (Gradient::Tick{234, 9}));
  EXPECT_EQ(Gradient::Scale(100).back(), (Gradient::Tick{100, 10}));
  EXPECT_TRUE(Gradient::Scale(5).empty());  // a step of 0.5 rounds to 0
  EXPECT_EQ(Gradient::Scale(6).size(), 7u);
}

}  // namespace
