#include "widgets/colour_picker.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

static void Move(QWidget* box, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
  QMouseEvent move(QEvent::MouseMove, QPointF(at), box->mapToGlobal(QPointF(at)), Qt::NoButton, held, Qt::NoModifier);
  QApplication::sendEvent(box, &move);
}

// The preview follows the colour under the pointer and a click takes it. Held, the button draws a
// gradient from black with an inverted line at two thirds of the height and ticks five units tall
// every tenth of the width (the second at 26 - 1 units); it stays over the border and outside the
// palette, where a release takes nothing. Only the set-up window's preview takes a click.
TEST(Colour_Picker, MovingShowsTheColourAClickTakesItAndAHeldButtonDrawsTheGradient) {
  QWidget frame;
  Colour_Picker picker(&frame, Colour_Picker::Setup_Layout, true), maker(&frame, Colour_Picker::Setup_Layout, false);
  const QPoint white = picker.Pal->contentsRect().topLeft() + QPoint(40, 0), red = white + QPoint(-38, 24);
  Move(picker.Pal, white);
  QTest::mouseClick(picker.Pal, Qt::LeftButton, {}, white);
  EXPECT_EQ(picker.Save_Colour->BackColor(), 16777215);
  for (QPoint at : {red, QPoint(0, 0)}) Move(picker.Pal, at);  // the border shows nothing
  EXPECT_EQ(picker.lbColor->BackColor(), 255);
  QTest::mousePress(picker.Pal, Qt::LeftButton, {}, red);
  Move(picker.Pal, red, Qt::LeftButton);
  const QImage strip = picker.lbColor->Inner_Image();
  const int w = strip.width(), line = 2 * strip.height() / 3, tick = static_cast<int>(25.0 * w / 256);
  EXPECT_TRUE(strip.pixel(0, 1) == qRgb(0, 0, 0) && strip.pixel(w - 1, 1) == qRgb(255, 0, 0) &&
              strip.pixel(0, line) == qRgb(255, 255, 255) && qGreen(strip.pixel(tick, line - 5)) == 255);
  for (QPoint at : {QPoint(0, 0), QPoint(-30, -30)}) Move(picker.Pal, at, Qt::LeftButton);
  QTest::mouseRelease(picker.Pal, Qt::LeftButton, {}, {-30, -30});
  EXPECT_TRUE(picker.lbColor->Inner_Image() == strip && picker.Save_Colour->BackColor() == 16777215);
  maker.ShowColors(12345);
  for (Colour_Picker* p : {&picker, &maker}) QTest::mouseClick(p->lbColor, Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_TRUE(picker.Save_Colour->BackColor() == 255 && maker.Save_Colour->BackColor() == 0);
}
