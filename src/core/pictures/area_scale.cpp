#include "core/pictures/area_scale.h"

#include <QSysInfo>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace Pictures {

namespace {

constexpr int kBits = 14;  // weights are fixed point: a whole source pixel weighs 1 << kBits

// Which source pixels make each result pixel, with their weights (each pixel's summing to
// 1 << kBits), flat: pixel i takes `count[i]` source pixels from `first[i]`, weights from `at[i]`.
// Also with every span padded to the longest (`most`, zero weights after the end, the first moved
// back at the source's end), so that the loop over them has a fixed length.
struct Spans {
  std::vector<int> first, count, at;
  std::vector<std::uint32_t> weights;
  int most = 1;
  std::vector<int> padded_first;
  std::vector<std::uint32_t> padded;  // `most` weights a pixel
};

// The spans of result pixels `from` to `from + n - 1` when `source` pixels become `target`.
Spans Make_Spans(int source, int target, int from, int n) {
  Spans s;
  s.first.resize(n);
  s.count.resize(n);
  s.at.resize(n);
  const double r = double(source) / target;
  for (int i = 0; i < n; ++i) {
    const double a = (from + i) * r, b = (from + i + 1) * r;
    const int first = std::min(source - 1, int(std::floor(a)));
    const int last = std::max(first, std::min(source - 1, int(std::ceil(b)) - 1));
    s.first[i] = first;
    s.count[i] = last - first + 1;
    s.at[i] = int(s.weights.size());
    std::uint32_t sum = 0;
    for (int p = first; p <= last; ++p) {
      const double cover = std::min(b, p + 1.0) - std::max(a, double(p));
      const auto w = std::uint32_t(std::lround(std::max(0.0, cover) / r * (1 << kBits)));
      s.weights.push_back(w);
      sum += w;
    }
    // Rounding may miss a little: the largest weight takes the rest, so flat areas stay flat.
    auto top = std::max_element(s.weights.begin() + s.at[i], s.weights.end());
    *top += (1u << kBits) - sum;
    s.most = std::max(s.most, s.count[i]);
  }
  s.padded_first.resize(n);
  s.padded.assign(size_t(n) * s.most, 0);
  for (int i = 0; i < n; ++i) {
    const int start = std::min(s.first[i], source - s.most);
    s.padded_first[i] = std::max(0, start);
    for (int k = 0; k < s.count[i]; ++k)
      s.padded[size_t(i) * s.most + (s.first[i] - s.padded_first[i]) + k] = s.weights[s.at[i] + k];
  }
  return s;
}

// The horizontal pass over one source row, `N` source pixels a result pixel (0: as many as each
// span has). The row holds 32-bit pixels, or with `Rgb` three bytes red, green, blue; the result
// has the channels in the order of a 32-bit pixel in memory (little-endian: blue first).
template <int N, bool Rgb>
void Pass_Row(const uchar* in, const Spans& columns, int w, std::uint16_t* line) {
  constexpr int B = Rgb ? 3 : 4;
  for (int x = 0; x < w; ++x) {
    const uchar* p = in + size_t(N ? columns.padded_first[x] : columns.first[x]) * B;
    const std::uint32_t* wt = N ? columns.padded.data() + size_t(x) * N : columns.weights.data() + columns.at[x];
    const int n = N ? N : columns.count[x];
    std::uint32_t c0 = 0, c1 = 0, c2 = 0, c3 = 0;
    for (int k = 0; k < n; ++k) {
      c0 += p[B * k + (Rgb ? 2 : 0)] * wt[k];
      c1 += p[B * k + 1] * wt[k];
      c2 += p[B * k + (Rgb ? 0 : 2)] * wt[k];
      if (!Rgb) c3 += p[B * k + 3] * wt[k];
    }
    std::uint16_t* o = line + x * 4;
    o[0] = std::uint16_t(c0 >> (kBits - 8));
    o[1] = std::uint16_t(c1 >> (kBits - 8));
    o[2] = std::uint16_t(c2 >> (kBits - 8));
    o[3] = Rgb ? std::uint16_t(255 << 8) : std::uint16_t(c3 >> (kBits - 8));
  }
}

template <bool Rgb>
void Pass_Row(const uchar* in, const Spans& columns, int w, std::uint16_t* line) {
  switch (columns.most) {
    case 1: Pass_Row<1, Rgb>(in, columns, w, line); break;
    case 2: Pass_Row<2, Rgb>(in, columns, w, line); break;
    case 3: Pass_Row<3, Rgb>(in, columns, w, line); break;
    case 4: Pass_Row<4, Rgb>(in, columns, w, line); break;
    default: Pass_Row<0, Rgb>(in, columns, w, line); break;
  }
}

}  // namespace

namespace {

// The scaling itself, over rows handed over top to bottom by `row` (three bytes a pixel with
// `rgb`, else 32-bit pixels in `format`); `convert` turns a row of another format into `format`.
QImage Scale(QSize source, bool rgb, QImage::Format format, const std::function<const uchar*(int)>& row,
             QSize scaled, QRect clip) {
  if (source.isEmpty() || scaled.isEmpty()) return {};
  const QRect whole(QPoint(0, 0), scaled);
  clip = clip.isEmpty() ? whole : clip.intersected(whole);
  if (clip.isEmpty()) return {};
  QImage out(clip.size(), format);
  if (out.isNull()) return {};

  const Spans columns = Make_Spans(source.width(), scaled.width(), clip.x(), clip.width());
  const Spans rows = Make_Spans(source.height(), scaled.height(), clip.y(), clip.height());
  const int w = clip.width();
  // Source rows after the horizontal pass, four channels of 16 bits each, kept in a small ring:
  // consecutive result rows share at most their edge rows.
  const int ring = int(std::ceil(double(source.height()) / scaled.height())) + 2;
  std::vector<std::uint16_t> passed(size_t(ring) * w * 4);
  std::vector<int> held(ring, -1);

  auto horizontal = [&](int y) -> const std::uint16_t* {
    std::uint16_t* line = passed.data() + size_t(y % ring) * w * 4;
    if (held[y % ring] == y) return line;
    const uchar* in = row(y);
    if (!in) return nullptr;
    held[y % ring] = y;
    if (rgb)
      Pass_Row<true>(in, columns, w, line);
    else
      Pass_Row<false>(in, columns, w, line);
    return line;
  };

  std::vector<std::uint32_t> sum(size_t(w) * 4);
  for (int y = 0; y < clip.height(); ++y) {
    std::fill(sum.begin(), sum.end(), 1u << (kBits + 7));  // a half, for rounding
    const std::uint32_t* wt = rows.weights.data() + rows.at[y];
    for (int k = 0; k < rows.count[y]; ++k) {
      const std::uint16_t* line = horizontal(rows.first[y] + k);
      if (!line) return {};
      const std::uint32_t weight = wt[k];
      for (size_t i = 0; i < sum.size(); ++i) sum[i] += line[i] * weight;
    }
    uchar* dst = out.scanLine(y);
    for (size_t i = 0; i < sum.size(); ++i) dst[i] = uchar(sum[i] >> (kBits + 8));
  }
  return out;
}

// Three bytes a pixel are read as they are where the result's channel order allows it.
bool Rgb_As_Is() { return QSysInfo::ByteOrder == QSysInfo::LittleEndian; }

}  // namespace

QImage Area_Scaled(const QImage& source, QSize scaled, QRect clip) {
  if (source.isNull()) return {};
  const QImage::Format format =
      source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
  const bool rgb = source.format() == QImage::Format_RGB888 && Rgb_As_Is();
  QImage converted;  // one source row in the working format, for sources in other formats
  return Scale(source.size(), rgb, format,
               [&](int y) -> const uchar* {
                 if (rgb || source.format() == format) return source.constScanLine(y);
                 converted = source.copy(0, y, source.width(), 1).convertToFormat(format);
                 return converted.constScanLine(0);
               },
               scaled, clip);
}

QImage Area_Scaled_Rows(QSize source, const Rgb_Rows& rows, QSize scaled, QRect clip) {
  if (!Rgb_As_Is()) return {};
  return Scale(source, true, QImage::Format_RGB32, rows, scaled, clip);
}

}  // namespace Pictures
