// JPEG decoding through libjpeg-turbo's TurboJPEG interface, which scales by M/8 while it decodes.
#pragma once

#include <QImage>
#include <QtGlobal>

namespace Platform {

// Decodes the JPEG in `data` at `eighths`/8 of its size (each side rounded up) as RGB888. A null
// image when TurboJPEG refuses the data (a colour space it cannot turn into RGB, say); a picture
// cut short still gives what it holds.
QImage Turbo_Jpeg_Decode(const uchar* data, qint64 size, int eighths);

}  // namespace Platform
