// Deciding what to decode of a picture: only what is seen, at the size it is seen.
#pragma once

#include <QRect>
#include <QSize>

#include "core/seams/seam_types.h"

namespace Platform {

// The request for a picture of own size `own` shown in a control at `control` (window
// coordinates) inside a window of size `window`: scaled to the control's size when that is smaller
// than the picture, otherwise at its own size; clipped to the visible part when the picture is
// decoded at the control's size. The clip is in the coordinates of the scaled picture.
Decode_Request Plan_Decode(QSize own, const QRect& control, QSize window);

// True when an image decoded for `had` holds enough pixels for what `want` asks: the same scale or
// a finer one, and (at the same scale) a clip that covers the wanted one.
bool Covers(const Decode_Request& had, const Decode_Request& want);

}  // namespace Platform
