#include "core/pictures/orientation.h"

#include <QTransform>
#include <algorithm>

namespace Pictures {

namespace {

int Valid(int o) { return o >= 1 && o <= 8 ? o : 1; }

// Where the pixel at p of a picture stored at size (w, h) is seen.
QPoint Shown_Point(QPoint p, QSize stored, int o) {
  const int w = stored.width(), h = stored.height(), x = p.x(), y = p.y();
  switch (o) {
    case 2: return {w - 1 - x, y};
    case 3: return {w - 1 - x, h - 1 - y};
    case 4: return {x, h - 1 - y};
    case 5: return {y, x};
    case 6: return {h - 1 - y, x};
    case 7: return {h - 1 - y, w - 1 - x};
    case 8: return {y, w - 1 - x};
    default: return p;
  }
}

}  // namespace

bool Swaps_Sides(int orientation) { return Valid(orientation) >= 5; }

QSize Shown_Size(QSize stored, int orientation) {
  return Swaps_Sides(orientation) ? stored.transposed() : stored;
}

QRect Stored_Rect(const QRect& shown, QSize stored, int orientation) {
  if (shown.isEmpty()) return shown;
  // Seeing is undone by the inverse turn, taken in the picture as seen: a quarter turn one way is
  // undone by a quarter turn the other way; every mirror undoes itself.
  const int o = Valid(orientation);
  const int inverse = o == 6 ? 8 : o == 8 ? 6 : o;
  const QSize seen = Shown_Size(stored, o);
  const QPoint a = Shown_Point(shown.topLeft(), seen, inverse);
  const QPoint b = Shown_Point(shown.bottomRight(), seen, inverse);
  return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
               QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

QImage Turned_Upright(const QImage& stored, int orientation) {
  switch (Valid(orientation)) {
    case 2: return stored.mirrored(true, false);
    case 3: return stored.mirrored(true, true);
    case 4: return stored.mirrored(false, true);
    case 5: return stored.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6: return stored.transformed(QTransform().rotate(90));
    case 7: return stored.transformed(QTransform().rotate(90)).mirrored(false, true);
    case 8: return stored.transformed(QTransform().rotate(270));
    default: return stored;
  }
}

}  // namespace Pictures
