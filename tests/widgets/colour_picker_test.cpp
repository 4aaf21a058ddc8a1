#include "widgets/colour_picker.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

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
