// One pass of area averaging: each pixel of the result is the mean of the source pixels it covers,
// parts of pixels counted by their part. Fast, and no other thread is asked to help.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace Pictures {

// The part `clip` of `source` scaled to `scaled` (the whole when `clip` is empty). The result is
// RGB32, or premultiplied ARGB32 when the source has an alpha channel.
QImage Area_Scaled(const QImage& source, QSize scaled, QRect clip = {});

}  // namespace Pictures
