#include "core/play/form_ratio.h"

#include "core/general/general.h"

namespace FormRatio_Mod {

namespace {
bool have_ratio = false;
float first_ratio = 0.0f;
}  // namespace

QSize Snap(QSize proposed, float ratio) {
  if (proposed.height() <= 0 || ratio <= 0.0f) return proposed;
  const float r = float(proposed.width()) / float(proposed.height());
  if (r <= ratio)
    return QSize(int(General::Round_Even(double(ratio) * proposed.height())), proposed.height());
  return QSize(proposed.width(), int(General::Round_Even(proposed.width() / double(ratio))));
}

QSize RatioWindowProc(QSize proposed) {
  if (proposed.height() <= 0) return proposed;
  if (!have_ratio) {
    first_ratio = float(proposed.width()) / float(proposed.height());
    have_ratio = true;
  }
  return Snap(proposed, first_ratio);
}

void Forget_Ratio() { have_ratio = false; }

}  // namespace FormRatio_Mod
