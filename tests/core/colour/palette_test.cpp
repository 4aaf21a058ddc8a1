// The colour picker's palette picture and the maths of its gradient strip.
#include "core/colour/palette.h"

#include <gtest/gtest.h>

TEST(Palette, LandmarksOfThePictureAndTheirColourValues) {
  ASSERT_EQ(Palette::Picture().size(), QSize(99, 50));
  const std::int32_t white = 16777215, grey = 127 * 65793, red = 255, green = 65280, blue = 255 * 65536;
  const struct { int x, y; std::int32_t value; } cases[] = {  // -1: outside the picture
      // The top row white, the bottom black; the grey frame; the white edge.
      {0, 0, white}, {98, 0, white}, {50, 49, 0}, {0, 49, 0}, {50, 1, grey}, {50, 48, grey}, {0, 47, grey}, {98, 25, grey}, {1, 25, white}, {50, 2, white}, {50, 47, white},
      {2, 24, red},   {18, 24, red + green}, {34, 24, green}, {50, 24, green + blue}, {66, 24, blue}, {82, 24, red + blue}, {97, 24, red + 16 * 65536},
      {60, 3, 0xFFF8F3}, {60, 46, 0},  // a hue of 217.5 degrees from almost white (243, 248, 255) to black
      {-1, 0, -1},    {0, -1, -1},     {99, 10, -1},   {10, 50, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(Palette::Colour_At({c.x, c.y}), c.value) << c.x << "," << c.y;
}

TEST(Gradient, ColumnsRunFromTheFirstColourToTheSecondAndTheScaleTicksEveryTenth) {
  const struct { std::int32_t min, max; int column; std::int32_t expected; } cases[] = {
      {0, 255, 0, 0}, {0, 255, 255, 255}, {0, 100, 128, 50}, {0, 1, 127, 0}, {0, 1, 128, 1},  // 0.498, 0.502
      {0, 65280, 128, 128 * 256}, {16777215, 0, 128, 127 * 65793}, {3 + 5 * 256, 200 * 65536, 255, 200 * 65536},
      {-5, 255, 128, 128},  // a component below 0 is taken as 0
  };
  for (const auto& c : cases) EXPECT_EQ(Gradient::Columns(c.min, c.max)[c.column], c.expected) << c.min << "->" << c.max << " column " << c.column;
  const std::vector<Gradient::Tick> s = Gradient::Scale(256);  // 0, 26, ... 234
  EXPECT_EQ(std::tuple(s.size(), s[1], s[9]), std::tuple(10u, Gradient::Tick{26, 1}, Gradient::Tick{234, 9}));
  // Up to the end itself; a step of 0.5 rounds to 0, so there is no scale at all.
  EXPECT_EQ(std::tuple(Gradient::Scale(100).back(), Gradient::Scale(6).size(), Gradient::Scale(5).size()), std::tuple(Gradient::Tick{100, 10}, 7u, 0u));
}
