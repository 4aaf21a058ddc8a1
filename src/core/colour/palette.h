// The colour picker's palette picture and the maths of its preview strip, as plain functions.
#pragma once

#include <QImage>
#include <QPoint>
#include <array>
#include <cstdint>
#include <vector>

namespace Palette {

constexpr int Width = 99;
constexpr int Height = 50;

// The 99 x 50 palette picture: row 0 white, row 49 black; a mid-grey (127, 127, 127) frame on rows
// 1 and 48 and columns 0 and 98; inside it a white edge on column 1 and rows 2 and 47; the field
// of columns 2 to 97 and rows 3 to 46 holds the hues from red (column 2) through yellow, green,
// cyan, blue and magenta towards red again (3.75 degrees a column), from almost white (row 3)
// through the pure colours (row 24) to black (row 46).
const QImage& Picture();

// The colour value (red + 256 green + 65536 blue) of the palette point at `p`, or -1 outside it.
std::int32_t Colour_At(QPoint p);

}  // namespace Palette

namespace Gradient {

struct Components {
  int red = 0, green = 0, blue = 0;
  friend bool operator==(const Components&, const Components&) = default;
};

// A colour value split with integer division: blue = v div 65536, green = (v - 65536 blue) div
// 256, red = the rest; each kept within 0 to 255.
Components Split(std::int32_t value);

// The 256 columns of a gradient from `min` (column 0) to `max` (column 255): each component the
// whole number nearest to (255 - i) / 255 * first + i / 255 * second, halves to the even neighbour.
std::array<std::int32_t, 256> Columns(std::int32_t min, std::int32_t max);

// The scale drawn under the gradient on a strip `w` units wide: a tick every w / 10 units (to the
// nearest whole number) from 0 up to w, numbered 1, 2, 3 ... from the second tick on (the first
// has number 0: none). A strip narrower than 5 units has no scale.
struct Tick {
  int x = 0;
  int number = 0;
  friend bool operator==(const Tick&, const Tick&) = default;
};
std::vector<Tick> Scale(double w);

}  // namespace Gradient
