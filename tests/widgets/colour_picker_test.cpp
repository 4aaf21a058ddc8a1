#include "widgets/colour_picker.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "core/colour/palette.h"

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
    if (c.value >= 0) EXPECT_EQ(p.pixel(c.x, c.y), Rgb(c.value)) << c.x << "," << c.y;
  }
  // The lightness falls down every column.
  for (int x = 2; x <= 97; x += 5)
    for (int y = 4; y <= 46; ++y) EXPECT_LE(qGray(p.pixel(x, y)), qGray(p.pixel(x, y - 1))) << x;
}

TEST(Gradient, ColumnsRunFromTheFirstColourToTheSecond) {
  struct Case {
    std::int32_t min, max;
    int column;
    std::int32_t expected;
  };
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

// The picker as the set-up window holds it (true) or as the maker does, without the preview click.
class Picker : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    frame.resize(200, 120);
    picker = new Colour_Picker(&frame, Colour_Picker::Setup_Layout, GetParam());
    frame.show();
  }
  QPoint On_Pal(int x, int y) const { return picker->Pal->contentsRect().topLeft() + QPoint(x, y); }
  void Move(QPoint p, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), picker->Pal->mapToGlobal(QPointF(p)),
                     Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(picker->Pal, &move);
  }
  QWidget frame;
  Colour_Picker* picker = nullptr;
};

TEST_P(Picker, MovingShowsTheColourAndAClickTakesIt) {
  Move(On_Pal(40, 0));
  EXPECT_EQ(picker->txCol[0], "16777215");
  EXPECT_EQ(picker->lbColor->Inner_Image().pixel(5, 5), qRgb(255, 255, 255));
  EXPECT_EQ(picker->Save_Colour->BackColor(), 0);
  QTest::mouseClick(picker->Pal, Qt::LeftButton, {}, On_Pal(40, 0));
  EXPECT_EQ(picker->Save_Colour->BackColor(), 16777215);
  Move(On_Pal(2, 24));
  Move(QPoint(0, 0));  // on the border: nothing changes
  EXPECT_EQ(picker->txCol[0], "255");
  EXPECT_EQ(picker->lbColor->BackColor(), 255);
}

TEST_P(Picker, AButtonHeldDrawsTheGradientAndItStaysWhenLeavingThePalette) {
  QTest::mousePress(picker->Pal, Qt::LeftButton, {}, On_Pal(2, 24));
  Move(On_Pal(2, 24), Qt::LeftButton);
  const QImage strip = picker->lbColor->Inner_Image();
  const int w = strip.width(), line = 2 * strip.height() / 3;
  EXPECT_EQ(strip.pixel(0, 1), qRgb(0, 0, 0));
  EXPECT_EQ(strip.pixel(w - 1, 1), qRgb(255, 0, 0));
  EXPECT_NEAR(qRed(strip.pixel((w - 1) / 2, 1)), 128, 3);
  // The line and the ticks (five units tall, every tenth of the width) invert the strip.
  EXPECT_EQ(strip.pixel(0, line), qRgb(255, 255, 255));
  EXPECT_EQ(strip.pixel(w - 1, line), qRgb(0, 255, 255));
  const int tick = static_cast<int>(25.0 * w / 256);  // the second tick, at 26 - 1 units
  for (int y = line - 5; y < line; ++y) EXPECT_EQ(qGreen(strip.pixel(tick, y)), 255) << y;
  EXPECT_EQ(qGreen(strip.pixel(tick + 2, line - 1)), 0);
  EXPECT_EQ(qGreen(strip.pixel(tick, line - 6)), 0);
  Move(QPoint(-30, -30), Qt::LeftButton);
  QTest::mouseRelease(picker->Pal, Qt::LeftButton, {}, QPoint(-30, -30));
  EXPECT_EQ(picker->lbColor->Inner_Image(), strip);
  EXPECT_EQ(picker->Save_Colour->BackColor(), 0);  // no click
}

TEST_P(Picker, NegativeColoursAndNonNumbersChangeNothing) {
  picker->ShowColors(65280);
  const QImage before = picker->lbColor->Inner_Image();
  picker->ShowColors(-1);
  picker->ShowColors(-2147483647);
  picker->ShowGradient(QVariant(), -1);
  picker->ShowGradient(-5, 255);
  picker->ShowGradient(QStringLiteral("blue"), 255);
  EXPECT_EQ(picker->txCol[0], "65280");
  EXPECT_EQ(picker->lbColor->BackColor(), 65280);
  EXPECT_EQ(picker->lbColor->Inner_Image(), before);
  picker->ShowGradient(QString(), 255);  // an empty value is black
  EXPECT_EQ(picker->lbColor->Inner_Image().pixel(0, 0), qRgb(0, 0, 0));
  // A click on the preview takes its colour in the set-up window only.
  picker->ShowColors(12345);
  QTest::mouseClick(picker->lbColor, Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_EQ(picker->Save_Colour->BackColor(), GetParam() ? 12345 : 0);
}

INSTANTIATE_TEST_SUITE_P(SetUpAndMaker, Picker, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "SetUp" : "Maker"; });

}  // namespace
