#include "core/colour/palette.h"

#include <algorithm>
#include <cmath>

namespace Palette {

namespace {

// A hue (degrees) at full saturation and a lightness (0 black, 0.5 pure, 1 white).
QRgb Hue_Lightness(double hue, double lightness) {
  const double h = std::fmod(hue, 360.0) / 60.0;
  const double x = 1.0 - std::fabs(std::fmod(h, 2.0) - 1.0);
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(h)) {
    case 0: r = 1; g = x; break;
    case 1: r = x; g = 1; break;
    case 2: g = 1; b = x; break;
    case 3: g = x; b = 1; break;
    case 4: r = x; b = 1; break;
    default: r = 1; b = x; break;
  }
  // Towards black below the middle, towards white above it.
  auto shade = [lightness](double c) {
    const double v = lightness <= 0.5 ? c * lightness * 2.0
                                      : c + (1.0 - c) * (lightness - 0.5) * 2.0;
    return static_cast<int>(std::nearbyint(std::clamp(v, 0.0, 1.0) * 255.0));
  };
  return qRgb(shade(r), shade(g), shade(b));
}

QImage Make() {
  QImage image(Width, Height, QImage::Format_RGB32);
  const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), grey = qRgb(127, 127, 127);
  image.fill(white);
  for (int x = 0; x < Width; ++x) {
    image.setPixel(x, 0, white);
    image.setPixel(x, 1, grey);
    image.setPixel(x, 48, grey);
    image.setPixel(x, 49, black);
  }
  for (int y = 2; y <= 47; ++y) {
    image.setPixel(0, y, grey);
    image.setPixel(98, y, grey);
    image.setPixel(1, y, white);
  }
  for (int x = 2; x <= 97; ++x) {
    image.setPixel(x, 2, white);
    image.setPixel(x, 47, white);
    for (int y = 3; y <= 46; ++y) {
      // Rows 2 (white) to 46 (black) in 44 even steps: row 24 is the pure colour.
      const double lightness = 1.0 - (y - 2) / 44.0;
      image.setPixel(x, y, Hue_Lightness((x - 2) * 3.75, lightness));
    }
  }
  return image;
}

}  // namespace

const QImage& Picture() {
  static const QImage picture = Make();
  return picture;
}

std::int32_t Colour_At(QPoint p) {
  if (p.x() < 0 || p.y() < 0 || p.x() >= Width || p.y() >= Height) return -1;
  const QRgb c = Picture().pixel(p);
  return qRed(c) + 256 * qGreen(c) + 65536 * qBlue(c);
}

}  // namespace Palette

namespace Gradient {

Components Split(std::int32_t value) {
  const std::int64_t v = value;
  const std::int64_t blue = v / 65536;
  const std::int64_t green = (v - 65536 * blue) / 256;
  const std::int64_t red = v - 65536 * blue - 256 * green;
  auto clamp = [](std::int64_t c) { return static_cast<int>(std::clamp<std::int64_t>(c, 0, 255)); };
  return {clamp(red), clamp(green), clamp(blue)};
}

std::array<std::int32_t, 256> Columns(std::int32_t min, std::int32_t max) {
  const Components a = Split(min), b = Split(max);
  auto mix = [](int first, int second, int i) {
    // Rounded to the nearest, halves to even (the default rounding mode).
    return static_cast<int>(std::nearbyint((255 - i) / 255.0 * first + i / 255.0 * second));
  };
  std::array<std::int32_t, 256> columns{};
  for (int i = 0; i < 256; ++i)
    columns[i] = mix(a.red, b.red, i) + 256 * mix(a.green, b.green, i) +
                 65536 * mix(a.blue, b.blue, i);
  return columns;
}

std::vector<Tick> Scale(double w) {
  std::vector<Tick> ticks;
  const double step = std::nearbyint(w / 10.0);
  const double end = std::nearbyint(w);
  if (!(step >= 1.0)) return ticks;  // no scale on a strip too narrow for one step
  int k = 0;
  for (double x = 0; x <= end; x += step, ++k) ticks.push_back({static_cast<int>(x), k});
  return ticks;
}

}  // namespace Gradient
