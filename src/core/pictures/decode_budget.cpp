#include "core/pictures/decode_budget.h"

#include <algorithm>

namespace Pictures {

namespace {

qint64 Pixels(QSize s) { return qint64(std::max(0, s.width())) * std::max(0, s.height()); }

qint64 Ceil_Div(qint64 a, qint64 b) { return (a + b - 1) / b; }

// The coefficient arrays of a progressive JPEG: 64 coefficients of 2 bytes an 8 x 8 block of each
// component, at that component's sampling.
qint64 Coefficient_Bytes(const Header& h) {
  int h_max = 1, v_max = 1;
  for (const QSize& s : h.sampling) {
    h_max = std::max(h_max, s.width());
    v_max = std::max(v_max, s.height());
  }
  qint64 bytes = 0;
  for (const QSize& s : h.sampling) {
    const qint64 w = Ceil_Div(Ceil_Div(qint64(h.size.width()) * s.width(), h_max), 8);
    const qint64 rows = Ceil_Div(Ceil_Div(qint64(h.size.height()) * s.height(), v_max), 8);
    bytes += w * rows * 128;
  }
  return bytes;
}

}  // namespace

qint64 Decode_Bytes(const Header& header, QSize decoded) {
  const qint64 out = Pixels(decoded) * 4;
  switch (header.format) {
    case Format::Jpeg:
      return out + (header.progressive ? Coefficient_Bytes(header) : 0);
    case Format::Png:
      return out + Pixels(header.size) * (header.bits > 8 ? 8 : 4);
    default:
      return out + Pixels(header.size) * 4;
  }
}

}  // namespace Pictures
