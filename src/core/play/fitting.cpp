#include "core/play/fitting.h"

#include "core/general/general.h"

namespace Fitting {

Mode Mode_Of(bool strech_on, bool ratio_on) {
  if (!strech_on) return Mode::Own_Size;
  return ratio_on ? Mode::Keep_Ratio : Mode::Fill;
}

QRect Fit_Picture(Mode mode, QSize picture, QSize window) {
  const int W = window.width();
  const int H = window.height();
  const int w = picture.width();
  const int h = picture.height();
  if (w <= 0 || h <= 0) return QRect(int(General::Half(W)), int(General::Half(H)), 0, 0);
  switch (mode) {
    case Mode::Own_Size:
      return QRect(int(General::Half(double(W) - w)), int(General::Half(double(H) - h)), w, h);
    case Mode::Fill:
      return QRect(0, 0, W, H);
    case Mode::Keep_Ratio:
      if (h > w) {
        const float ratio = float(h) / float(w);
        const int new_w = int(General::Round_Even(double(H) / double(ratio)));
        return QRect(int(General::Half(double(W) - new_w)), 0, new_w, H);
      } else {
        const float ratio = float(w) / float(h);
        const int new_h = int(General::Round_Even(double(W) / double(ratio)));
        return QRect(0, int(General::Half(double(H) - new_h)), W, new_h);
      }
  }
  return {};
}

}  // namespace Fitting
