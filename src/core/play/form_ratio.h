// The ratio keeper: the windowed player keeps the width:height ratio of the first size the window
// received in this run.
#pragma once

#include <QSize>

namespace FormRatio_Mod {

// The proposed size brought to `ratio`: a shape no wider than the ratio gets its width from the
// height, any other its height from the width (each to the nearest whole pixel).
QSize Snap(QSize proposed, float ratio);

// For every size the window is about to take: remembers the ratio of the first one (height above
// 0), and returns the size brought to that ratio.
QSize RatioWindowProc(QSize proposed);

// Forgets the remembered ratio (tests).
void Forget_Ratio();

}  // namespace FormRatio_Mod
