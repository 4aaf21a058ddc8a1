// The scale at which a JPEG is decoded: the decoder scales by any M/8 while it decodes.
#pragma once

#include <QSize>

namespace Pictures {

// The decoder's output size at M/8 of `own`: each side rounded up.
QSize Jpeg_Scaled(QSize own, int eighths);

// The smallest M (1 to 8) whose output still has at least the `wanted` pixels each way; 8 (the
// picture's own size) when even that has fewer.
int Jpeg_Eighths(QSize own, QSize wanted);

}  // namespace Pictures
