#include "bench/photo.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace Bench {

QImage Photo_Like(QSize size, unsigned seed) {
  QImage image(size, QImage::Format_RGB32);
  std::vector<double> waveX(size.width()), waveY(size.height());
  for (int x = 0; x < size.width(); ++x) waveX[x] = 40 * std::sin(x / 230.0) + 20 * std::sin(x / 37.0);
  for (int y = 0; y < size.height(); ++y) waveY[y] = 35 * std::cos(y / 310.0) + 15 * std::sin(y / 53.0);
  std::uint32_t state = seed;
  auto noise = [&state] {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return int(state % 25) - 12;
  };
  auto clamp = [](double v) { return v < 0 ? 0 : v > 255 ? 255 : int(v); };
  for (int y = 0; y < size.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const double fy = double(y) / size.height();
    for (int x = 0; x < size.width(); ++x) {
      const double fx = double(x) / size.width();
      const double r = 30 + 170 * fx + waveX[x] + 0.5 * waveY[y];
      const double g = 50 + 140 * fy + waveY[y] - 0.3 * waveX[x];
      const double b = 180 - 120 * fx * fy + 0.5 * (waveX[x] - waveY[y]);
      line[x] = qRgb(clamp(r + noise()), clamp(g + noise()), clamp(b + noise()));
    }
  }
  return image;
}

}  // namespace Bench
