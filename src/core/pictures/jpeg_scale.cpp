#include "core/pictures/jpeg_scale.h"

namespace Pictures {

QSize Jpeg_Scaled(QSize own, int eighths) {
  return QSize(int((qint64(own.width()) * eighths + 7) / 8), int((qint64(own.height()) * eighths + 7) / 8));
}

int Jpeg_Eighths(QSize own, QSize wanted) {
  for (int m = 1; m < 8; ++m) {
    const QSize s = Jpeg_Scaled(own, m);
    if (s.width() >= wanted.width() && s.height() >= wanted.height()) return m;
  }
  return 8;
}

}  // namespace Pictures
