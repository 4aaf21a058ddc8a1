#include "core/decode/decode_plan.h"

#include <cmath>

namespace Platform {

Decode_Request Plan_Decode(QSize own, const QRect& control, QSize window) {
  Decode_Request r;
  if (own.isEmpty() || control.isEmpty()) return r;
  r.scaled = own.boundedTo(control.size());
  if (r.scaled == control.size()) {
    // The control shows the decoded pixels one to one: decode only the part inside the window.
    const QRect visible = control.intersected(QRect(QPoint(0, 0), window));
    r.clip = visible.translated(-control.topLeft());
    if (r.clip.isEmpty()) r.clip = QRect(0, 0, 1, 1);  // nothing seen: the smallest decode
  } else {
    // Enlarged in at least one direction: the picture's pixels are few, decode them all.
    r.clip = QRect(QPoint(0, 0), r.scaled);
  }
  return r;
}

namespace {

// The part of the scaled picture a request holds; an empty clip stands for all of it.
QRect Held_Part(const Decode_Request& r) {
  const QRect whole(QPoint(0, 0), r.scaled);
  return r.clip.isEmpty() ? whole : r.clip.intersected(whole);
}

}  // namespace

bool Covers(const Decode_Request& had, const Decode_Request& want) {
  if (want.scaled.isEmpty()) return true;
  if (had.scaled.isEmpty()) return false;
  const QRect held = Held_Part(had);
  const QRect wanted = Held_Part(want);
  if (had.scaled == want.scaled) return held.contains(wanted);
  if (had.scaled.width() < want.scaled.width() || had.scaled.height() < want.scaled.height())
    return false;
  // Decoded finer than needed: enough when every decoded pixel that the wanted part touches, even
  // partly, is held.
  const double sx = double(had.scaled.width()) / want.scaled.width();
  const double sy = double(had.scaled.height()) / want.scaled.height();
  const int left = int(std::floor(wanted.x() * sx));
  const int top = int(std::floor(wanted.y() * sy));
  const int right = int(std::ceil((wanted.x() + wanted.width()) * sx));
  const int bottom = int(std::ceil((wanted.y() + wanted.height()) * sy));
  return held.contains(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

}  // namespace Platform
