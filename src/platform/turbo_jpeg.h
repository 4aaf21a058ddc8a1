// JPEG decoding through libjpeg-turbo, which scales by M/8 while it decodes. The rows come out
// one at a time and go straight into the area scaling, so a decode holds the result and a few
// rows, never the whole decoded picture.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace Platform {

// The JPEG file at `path` decoded at `eighths`/8 of its size (each side rounded up), then the part
// `clip` of that scaled to `scaled` (the whole when `clip` is empty), as RGB32. A null image when
// libjpeg refuses the file (not a JPEG, or a colour space it cannot turn into RGB, say); a picture
// cut short still gives what it holds.
QImage Jpeg_Decode_Scaled(const QString& path, int eighths, QSize scaled, QRect clip = {});

}  // namespace Platform
