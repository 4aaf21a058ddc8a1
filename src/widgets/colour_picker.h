// The colour picker of the set-up window and the maker: a palette picture (Pal), a preview strip
// (lbColor) that follows the colour under the pointer and shows a gradient from black with a scale
// while a button is held, the chosen-colour box (Save_Colour) that a click fills, and the hidden
// holder of the previewed colour (txCol). The owning window creates one inside its frame
// "Background Colour" and reads and sets the chosen colour.
#pragma once

#include <QFrame>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QVariant>
#include <array>
#include <cstdint>

// A picture box with a sunken border: a background colour (a colour value, system colours
// included), an optional picture, and a drawing kept until the background changes. Reports mouse
// moves (in its inner coordinates, with the buttons held) and clicks of the left button.
class Drawing_Box : public QFrame {
  Q_OBJECT
 public:
  explicit Drawing_Box(QWidget* parent);

  std::int32_t BackColor() const { return back_colour_; }
  // Sets the background and clears the drawing.
  void Set_BackColor(std::int32_t value);
  void Set_Picture(const QImage& picture);

  // The inner size in pixels.
  QSize Inner_Size() const { return contentsRect().size(); }
  // Clears the drawing to the background.
  void Cls();
  // The drawing, the inner size, filled with the background when it was clear.
  QImage& Drawing();
  // What the box shows inside its border.
  QImage Inner_Image() const;

 signals:
  void Mouse_Moved(QPoint inner, Qt::MouseButtons buttons);
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::int32_t back_colour_ = 0;
  QImage picture_;
  QImage drawing_;
  bool pressed_ = false;
};

class Colour_Picker : public QObject {
  Q_OBJECT
 public:
  // Design places of the three boxes, in twips relative to the frame.
  struct Layout {
    QRect Pal, lbColor, Save_Colour;
  };
  // The set-up window's arrangement.
  static const Layout Setup_Layout;

  // Creates the controls in `frame`. With `preview_click_takes_colour` a click on the preview
  // strip takes its colour too (the set-up window); the maker has no such click.
  Colour_Picker(QWidget* frame, const Layout& layout, bool preview_click_takes_colour);

  std::array<QString, 1> txCol{QStringLiteral("0")};  // the previewed colour, as decimal text
  Drawing_Box* Pal = nullptr;
  Drawing_Box* lbColor = nullptr;
  Drawing_Box* Save_Colour = nullptr;

  // Shows one colour in the preview; a negative value changes nothing.
  void ShowColors(std::int32_t iCol);
  // Draws a gradient from lMinCol (left) to lMaxCol (right) into the preview, with an inverted
  // line at two thirds of its height and a scale. An empty value counts as 0 (black); a negative
  // one, or one that is not a number, draws nothing.
  void ShowGradient(const QVariant& lMinCol, const QVariant& lMaxCol);

  // The preview strip is 256 units wide (one unit per gradient column) and as many units high as
  // it has pixels.
  static constexpr int Scale_Width = 256;

  // The events.
  void Pal_MouseMove(QPoint inner, Qt::MouseButtons buttons);
  void Pal_Click();
  void lbColor_Click();
};
