// What a picture file's header says before anything is decoded: its format, its stored size, how
// it is to be turned to be seen upright (EXIF orientation), and what its decoder will need.
#pragma once

#include <QList>
#include <QSize>

class QIODevice;

namespace Pictures {

enum class Format { Unknown, Jpeg, Png, Bmp, Gif, Other };

struct Header {
  Format format = Format::Unknown;
  QSize size;             // as stored in the file
  int orientation = 1;    // EXIF orientation 1 to 8; 1 (upright) when the file gives none
  bool progressive = false;  // JPEG: progressive, so the decoder keeps every coefficient
  QList<QSize> sampling;  // JPEG: each component's horizontal and vertical sampling factors
  int bits = 8;           // PNG: bits per sample
};

// Reads the header of a JPEG (size, progressive, sampling, EXIF orientation) or a PNG (size, bit
// depth) from the device's current position. Any other content gives Format::Unknown: the caller
// asks the general reader. A JPEG or PNG whose header is cut or malformed gives an empty size.
Header Read_Header(QIODevice& device);

}  // namespace Pictures
