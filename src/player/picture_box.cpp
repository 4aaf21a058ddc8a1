#include "player/picture_box.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void PictureBox::Set_Picture(const QImage& image, const Platform::Decode_Request& request) {
  image_ = image;
  decoded_ = request;
  update();
}

void PictureBox::Clear() {
  image_ = QImage();
  decoded_ = {};
  update();
}

QRectF PictureBox::Target() const {
  if (decoded_.scaled.isEmpty()) return {};
  const double sx = double(width()) / decoded_.scaled.width();
  const double sy = double(height()) / decoded_.scaled.height();
  const QRect c = decoded_.clip.isEmpty() ? QRect(QPoint(0, 0), decoded_.scaled) : decoded_.clip;
  return QRectF(c.x() * sx, c.y() * sy, c.width() * sx, c.height() * sy);
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter painter(this);
  const QRectF target = Target();
  if (target.size() != QSizeF(image_.size()))
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(target, image_);
}
