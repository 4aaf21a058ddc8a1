// Colour values of show files and settings: red + 256 green + 65536 blue, or a system colour
// (0x80000000 + index 0 to 24) that follows the desktop's palette.
#pragma once

#include <QColor>
#include <cstdint>

namespace Platform {

// The colour for a valid colour value; black for anything else.
QColor Colour_Of(std::int32_t value);

}  // namespace Platform
