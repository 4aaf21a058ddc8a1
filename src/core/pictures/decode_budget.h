// How much memory a decode needs, from the header alone, and the most the program spends on one.
#pragma once

#include <QSize>
#include <QtGlobal>

#include "core/pictures/picture_header.h"

namespace Pictures {

// A picture whose decode needs more is skipped like one that cannot be read.
constexpr qint64 kDecode_Budget = qint64(512) << 20;
// Decodes needing more than this run one at a time.
constexpr qint64 kLarge_Decode = qint64(128) << 20;

// The bytes needed to decode the picture with this header when the decoder delivers `decoded`
// pixels (before the last downscale to the size shown). A progressive JPEG holds all its
// coefficients until its last scan, whatever the output size; PNG, BMP, GIF and other formats are
// decoded whole before any scaling, 16-bit PNG at 8 bytes a pixel. Saturates instead of overflowing.
qint64 Decode_Bytes(const Header& header, QSize decoded);

}  // namespace Pictures
