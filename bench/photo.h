// A photo-like test picture for the benchmarks.
#pragma once

#include <QImage>
#include <QSize>

namespace Bench {

// Smooth gradients and soft waves with a little sensor-like noise, so the JPEG is about as large
// and as costly to decode as a camera's. `seed` varies the noise.
QImage Photo_Like(QSize size, unsigned seed = 2463534242u);

}  // namespace Bench
