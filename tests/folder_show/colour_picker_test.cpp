#include "folder_show/colour_picker.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "folder_show/palette.h"

namespace {

TEST(Palette, LandmarksOfThePicture) {
  const QImage& p = Palette::Picture();
  ASSERT_EQ(p.size(), QSize(99, 50));
  struct Case {
    int x, y;
    QRgb colour;
  };
  const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), grey = qRgb(127, 127, 127);
  const Case cases[] = {
      {0, 0, white},      {98, 0, white},     {50, 49, black},    {0, 49, black},
      {50, 1, grey},      {50, 48, grey},     {0, 25, grey},      {98, 25, grey},
      {1, 25, white},     {50, 2, white},     {50, 47, white},    // the white edge
      {2, 24, qRgb(255, 0, 0)},                                   // red at the first column
      {18, 24, qRgb(255, 255, 0)},                                // yellow at 60 degrees
      {34, 24, qRgb(0, 255, 0)},                                  // green at 120 degrees
      {50, 24, qRgb(0, 255, 255)},                                // cyan
      {66, 24, qRgb(0, 0, 255)},                                  // blue
      {82, 24, qRgb(255, 0, 255)},                                // magenta
      {2, 46, black},     {60, 46, black},                        // the field ends in black
  };
  for (const Case& c : cases)
    EXPECT_EQ(p.pixel(c.x, c.y), c.colour) << c.x << "," << c.y;
  // Row 3 is almost white, and the lightness falls evenly down every column.
  for (int x = 2; x <= 97; x += 5) {
    EXPECT_GE(qGray(p.pixel(x, 3)), 240) << x;
    EXPECT_LT(qGray(p.pixel(x, 3)), 255) << x;
    for (int y = 4; y <= 46; ++y) EXPECT_LE(qGray(p.pixel(x, y)), qGray(p.pixel(x, y - 1))) << x;
  }
  // Column 97 has come round almost to red again.
  const QColor last = p.pixelColor(97, 24);
  EXPECT_EQ(last.red(), 255);
  EXPECT_EQ(last.green(), 0);
  EXPECT_GT(last.blue(), 0);
  EXPECT_LT(last.blue(), 40);
}

TEST(Palette, ColourValuesInsideAndMinusOneOutside) {
  EXPECT_EQ(Palette::Colour_At({0, 0}), 16777215);
  EXPECT_EQ(Palette::Colour_At({2, 24}), 255);
  EXPECT_EQ(Palette::Colour_At({66, 24}), 255 * 65536);
  EXPECT_EQ(Palette::Colour_At({40, 49}), 0);
  for (QPoint outside : {QPoint(-1, 0), QPoint(0, -1), QPoint(99, 10), QPoint(10, 50)})
    EXPECT_EQ(Palette::Colour_At(outside), -1);
}

TEST(Gradient, SplitsByIntegerDivision) {
  EXPECT_EQ(Gradient::Split(0), (Gradient::Components{0, 0, 0}));
  EXPECT_EQ(Gradient::Split(255), (Gradient::Components{255, 0, 0}));
  EXPECT_EQ(Gradient::Split(1 + 2 * 256 + 3 * 65536), (Gradient::Components{1, 2, 3}));
  EXPECT_EQ(Gradient::Split(16777215), (Gradient::Components{255, 255, 255}));
}

TEST(Gradient, ColumnsRunFromTheFirstColourToTheSecond) {
  struct Case {
    std::int32_t min, max;
    int column;
    std::int32_t expected;
  };
  const Case cases[] = {
      {0, 255, 0, 0},          {0, 255, 128, 128},    {0, 255, 255, 255},
      {0, 255, 1, 1},          {0, 100, 128, 50},     // 128 / 255 * 100 = 50.2
      {0, 1, 127, 0},          {0, 1, 128, 1},        // 0.498 and 0.502
      {255, 0, 0, 255},        {255, 0, 255, 0},
      {0, 65280, 128, 128 * 256},                     // green
      {16777215, 0, 128, 127 + 127 * 256 + 127 * 65536},
      {3 + 5 * 256, 200 * 65536, 255, 200 * 65536},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Gradient::Columns(c.min, c.max)[c.column], c.expected)
        << c.min << "->" << c.max << " column " << c.column;
}

TEST(Gradient, ScaleTicksEveryTenthNumberedFromTheSecond) {
  const std::vector<Gradient::Tick> s = Gradient::Scale(256);
  ASSERT_EQ(s.size(), 10u);  // 0, 26, ... 234
  EXPECT_EQ(s[0], (Gradient::Tick{0, 0}));
  EXPECT_EQ(s[1], (Gradient::Tick{26, 1}));
  EXPECT_EQ(s[9], (Gradient::Tick{234, 9}));
  const std::vector<Gradient::Tick> exact = Gradient::Scale(100);
  ASSERT_EQ(exact.size(), 11u);  // 0 to 100 inclusive
  EXPECT_EQ(exact.back(), (Gradient::Tick{100, 10}));
  // A step of 0 would never end: 0.5 rounds to the even 0.
  EXPECT_TRUE(Gradient::Scale(4).empty());
  EXPECT_TRUE(Gradient::Scale(5).empty());
  EXPECT_EQ(Gradient::Scale(6).size(), 7u);
}

// The picker in a frame, as the set-up window holds it (or as the maker does, without the click on
// the preview).
class Picker : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    frame.resize(200, 120);
    picker = new Colour_Picker(&frame, Colour_Picker::Setup_Layout, GetParam());
    frame.show();
  }
  // A point of the palette picture in Pal's own coordinates.
  QPoint On_Pal(int x, int y) const { return picker->Pal->contentsRect().topLeft() + QPoint(x, y); }
  // The pointer moves over Pal to `p` with `buttons` held.
  void Move(QPoint p, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), picker->Pal->mapToGlobal(QPointF(p)),
                     Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(picker->Pal, &move);
  }
  QWidget frame;
  Colour_Picker* picker = nullptr;
};

TEST_P(Picker, MovingShowsTheColourAndAClickTakesIt) {
  Move(On_Pal(40, 0));  // the white top row
  EXPECT_EQ(picker->txCol[0], "16777215");
  EXPECT_EQ(picker->lbColor->BackColor(), 16777215);
  EXPECT_EQ(picker->lbColor->Inner_Image().pixel(5, 5), qRgb(255, 255, 255));
  EXPECT_EQ(picker->Save_Colour->BackColor(), 0);
  QTest::mouseClick(picker->Pal, Qt::LeftButton, {}, On_Pal(40, 0));
  EXPECT_EQ(picker->Save_Colour->BackColor(), 16777215);

  // Outside the picture (on the border) nothing changes.
  Move(On_Pal(2, 24));
  EXPECT_EQ(picker->txCol[0], "255");
  Move(QPoint(0, 0));
  EXPECT_EQ(picker->txCol[0], "255");
  EXPECT_EQ(picker->lbColor->BackColor(), 255);
}

TEST_P(Picker, AButtonHeldDrawsTheGradientAndItStaysWhenLeavingThePalette) {
  QTest::mousePress(picker->Pal, Qt::LeftButton, {}, On_Pal(2, 24));
  Move(On_Pal(2, 24), Qt::LeftButton);
  EXPECT_EQ(picker->lbColor->BackColor(), 255);
  const QImage strip = picker->lbColor->Inner_Image();
  const int w = strip.width(), h = strip.height();
  const int line = 2 * h / 3;
  // Black at the left, red at the right, half way in the middle (away from the line and ticks).
  EXPECT_EQ(strip.pixel(0, 1), qRgb(0, 0, 0));
  EXPECT_EQ(strip.pixel(w - 1, 1), qRgb(255, 0, 0));
  EXPECT_NEAR(qRed(strip.pixel((w - 1) / 2, 1)), 128, 3);
  // The line inverts the strip across its width.
  EXPECT_EQ(strip.pixel(0, line), qRgb(255, 255, 255));
  EXPECT_EQ(strip.pixel(w - 1, line), qRgb(0, 255, 255));
  // A tick every tenth of the width, five units tall above the line.
  const int tick = static_cast<int>(25.0 * w / 256);  // the second tick, at 26 - 1 units
  for (int y = line - 5; y < line; ++y) {
    EXPECT_EQ(qGreen(strip.pixel(tick, y)), 255) << tick << "," << y;
    EXPECT_EQ(qGreen(strip.pixel(tick + 2, y)), 0) << tick << "," << y;
  }
  EXPECT_EQ(qGreen(strip.pixel(tick, line - 6)), 0);

  // Released outside the palette: the gradient stays.
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
  // An empty value is black.
  picker->ShowGradient(QString(), 255);
  EXPECT_EQ(picker->lbColor->Inner_Image().pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(picker->lbColor->BackColor(), 255);
}

TEST_P(Picker, AClickOnThePreviewTakesItsColourInTheSetUpWindowOnly) {
  picker->ShowColors(12345);
  QTest::mouseClick(picker->lbColor, Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_EQ(picker->Save_Colour->BackColor(), GetParam() ? 12345 : 0);
}

INSTANTIATE_TEST_SUITE_P(SetUpAndMaker, Picker, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "SetUp" : "Maker"; });

}  // namespace
