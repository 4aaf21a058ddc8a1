#include "widgets/colour_picker.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <optional>

#include "core/colour/palette.h"
#include "core/colour/colours.h"
#include "core/general/general.h"

namespace {

using General::Twips;

// A loosely typed colour: empty counts as 0; text that is no whole number gives nothing.
std::optional<std::int64_t> Colour_Value(const QVariant& v) {
  if (!v.isValid() || v.isNull()) return 0;
  if (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty()) return 0;
  bool ok = false;
  const std::int64_t n = v.toLongLong(&ok);
  if (!ok) return std::nullopt;
  return n;
}

// The wait pointer for the whole program while a gradient is drawn.
struct Hourglass {
  Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Hourglass() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

// ---- Drawing_Box ----

Drawing_Box::Drawing_Box(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setCursor(Qt::CrossCursor);
}

void Drawing_Box::Set_BackColor(std::int32_t value) {
  back_colour_ = value;
  drawing_ = QImage();
  update();
}

void Drawing_Box::Set_Picture(const QImage& picture) {
  picture_ = picture;
  update();
}

void Drawing_Box::Cls() {
  drawing_ = QImage();
  update();
}

QImage& Drawing_Box::Drawing() {
  const QSize size = Inner_Size().expandedTo(QSize(1, 1));
  if (drawing_.size() != size) {
    drawing_ = QImage(size, QImage::Format_RGB32);
    drawing_.fill(Platform::Colour_Of(back_colour_));
  }
  update();
  return drawing_;
}

QImage Drawing_Box::Inner_Image() const {
  QImage image(Inner_Size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image.fill(Platform::Colour_Of(back_colour_));
  QPainter p(&image);
  if (!picture_.isNull()) p.drawImage(0, 0, picture_);
  if (!drawing_.isNull()) p.drawImage(0, 0, drawing_);
  return image;
}

void Drawing_Box::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  p.setClipRect(contentsRect());
  p.drawImage(contentsRect().topLeft(), Inner_Image());
}

void Drawing_Box::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void Drawing_Box::mouseMoveEvent(QMouseEvent* event) {
  emit Mouse_Moved(event->position().toPoint() - contentsRect().topLeft(), event->buttons());
}

void Drawing_Box::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) pressed_ = false;
  if (click) emit Clicked();
}

// ---- Colour_Picker ----

const Colour_Picker::Layout Colour_Picker::Setup_Layout = {
    {315, 270, 1545, 810}, {315, 1080, 1230, 285}, {1575, 1080, 285, 285}};

Colour_Picker::Colour_Picker(QWidget* frame, const Layout& layout, bool preview_click_takes_colour)
    : QObject(frame) {
  Pal = new Drawing_Box(frame);
  Pal->setGeometry(Twips(layout.Pal));
  Pal->Set_Picture(Palette::Picture());
  Pal->setMouseTracking(true);
  lbColor = new Drawing_Box(frame);
  lbColor->setGeometry(Twips(layout.lbColor));
  Save_Colour = new Drawing_Box(frame);
  Save_Colour->setGeometry(Twips(layout.Save_Colour));

  connect(Pal, &Drawing_Box::Mouse_Moved, this, &Colour_Picker::Pal_MouseMove);
  connect(Pal, &Drawing_Box::Clicked, this, &Colour_Picker::Pal_Click);
  if (preview_click_takes_colour)
    connect(lbColor, &Drawing_Box::Clicked, this, &Colour_Picker::lbColor_Click);
}

void Colour_Picker::Pal_MouseMove(QPoint inner, Qt::MouseButtons buttons) {
  const std::int32_t p = Palette::Colour_At(inner);
  if (buttons == Qt::NoButton) {
    ShowColors(p);
  } else {
    ShowGradient(QVariant(), p);
  }
}

void Colour_Picker::Pal_Click() {
  bool ok = false;
  const std::int32_t colour = txCol[0].toInt(&ok);
  if (ok) Save_Colour->Set_BackColor(colour);
}

void Colour_Picker::lbColor_Click() { Save_Colour->Set_BackColor(lbColor->BackColor()); }

void Colour_Picker::ShowColors(std::int32_t iCol) {
  if (iCol < 0) return;
  lbColor->Set_BackColor(iCol);
  txCol[0] = QString::number(iCol);
}

void Colour_Picker::ShowGradient(const QVariant& lMinCol, const QVariant& lMaxCol) {
  const auto min = Colour_Value(lMinCol), max = Colour_Value(lMaxCol);
  if (!min || !max || *min < 0 || *max < 0 || *min > 0x7FFFFFFF || *max > 0x7FFFFFFF) return;
  Hourglass hourglass;
  const auto columns = Gradient::Columns(static_cast<std::int32_t>(*min),
                                         static_cast<std::int32_t>(*max));
  lbColor->Cls();
  ShowColors(static_cast<std::int32_t>(*max));

  QImage& image = lbColor->Drawing();
  const int pixels_w = image.width();
  const double w = Scale_Width;
  const int h = image.height();  // one unit a pixel down
  // x in units to pixels.
  auto px = [&](double x) { return static_cast<int>(std::floor(x * pixels_w / w)); };

  // The 256 columns, each pixel showing the column under it (the first black, the last the colour).
  for (int x = 0; x < pixels_w; ++x) {
    const int column =
        pixels_w > 1 ? static_cast<int>(std::lround(x * 255.0 / (pixels_w - 1))) : 255;
    const std::int32_t c = columns[column];
    const QRgb rgb = qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    for (int y = 0; y < h; ++y) image.setPixel(x, y, rgb);
  }

  // The line, the ticks and the numbers invert what lies under them.
  QPainter p(&image);
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(Qt::white);
  p.setRenderHint(QPainter::Antialiasing, false);
  const int line_y = (2 * h) / 3;
  p.drawLine(0, line_y, pixels_w - 1, line_y);
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(7);
  font.setStyleStrategy(QFont::NoAntialias);
  p.setFont(font);
  const int ascent = QFontMetrics(font).ascent();
  for (const Gradient::Tick& tick : Gradient::Scale(w)) {
    // A tick five units tall ending just above the line, one unit left of its place.
    const int tx = px(tick.x - 1);
    if (tx >= 0) p.drawLine(tx, line_y - 5, tx, line_y - 1);
    if (tick.number > 0) p.drawText(px(tick.x - 6), line_y + 1 + ascent, QString::number(tick.number));
  }
}
