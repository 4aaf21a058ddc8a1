// Where a picture goes in the player window, by the show's display mode.
#pragma once

#include <QRect>
#include <QSize>

namespace Fitting {

enum class Mode {
  Own_Size,    // the picture's own size, centred; a larger picture is cut off evenly on both sides
  Fill,        // stretched over the whole window
  Keep_Ratio,  // stretched keeping its ratio: a portrait picture to the window's height, any other
               // to the window's width (running over the other edges when the window is narrower)
};

Mode Mode_Of(bool strech_on, bool ratio_on);

// The control's place and size for a picture whose control measures `picture` inside a window of
// size `window`. An empty picture gives an empty rectangle.
QRect Fit_Picture(Mode mode, QSize picture, QSize window);

}  // namespace Fitting
