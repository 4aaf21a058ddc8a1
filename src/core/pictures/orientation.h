// EXIF orientation: how a picture stored one way is turned and mirrored to be seen upright.
// Values 1 to 8 as cameras write them: 1 upright, 2 mirrored left to right, 3 turned half round,
// 4 mirrored top to bottom, 5 mirrored along the main diagonal, 6 to be turned a quarter
// clockwise, 7 mirrored along the other diagonal, 8 to be turned a quarter anticlockwise.
// Any other value counts as 1.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace Pictures {

// True when the picture is seen with its width and height swapped.
bool Swaps_Sides(int orientation);

// The size as seen of a picture stored at `stored`; and back.
QSize Shown_Size(QSize stored, int orientation);

// The rectangle of the stored picture (of size `stored`) whose pixels are seen in `shown`, a
// rectangle of the picture as seen.
QRect Stored_Rect(const QRect& shown, QSize stored, int orientation);

// The pixels as seen, from the pixels as stored.
QImage Turned_Upright(const QImage& stored, int orientation);

}  // namespace Pictures
