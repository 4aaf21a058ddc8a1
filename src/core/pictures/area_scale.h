// One pass of area averaging: each pixel of the result is the mean of the source pixels it covers,
// parts of pixels counted by their part. Fast, and no other thread is asked to help.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <functional>

namespace Pictures {

// The part `clip` of `source` scaled to `scaled` (the whole when `clip` is empty). The result is
// RGB32, or premultiplied ARGB32 when the source has an alpha channel.
QImage Area_Scaled(const QImage& source, QSize scaled, QRect clip = {});

// The rows of a picture of three bytes a pixel (red, green, blue), handed over top to bottom:
// row `y` is asked for once, never after a later row; null when the picture fails there.
using Rgb_Rows = std::function<const uchar*(int y)>;
// The same scaling over a picture of `source` pixels whose rows come one at a time, so that the
// whole picture is never held: RGB32, or a null image when a row fails.
QImage Area_Scaled_Rows(QSize source, const Rgb_Rows& rows, QSize scaled, QRect clip = {});

}  // namespace Pictures
