// A small GIF writer (Qt reads GIF but does not write it).
#pragma once

#include <QByteArray>
#include <QImage>

// The picture as a GIF file: one frame, a 256-colour table (the picture is reduced to it when it
// has more colours), LZW-compressed.
QByteArray Gif_Of(const QImage& image);
