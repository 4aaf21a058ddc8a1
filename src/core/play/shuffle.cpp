#include "core/play/shuffle.h"

#include <algorithm>
#include <cmath>

namespace Shuffle {

qint64 RandomNumber(Platform::RandomSeam& random, qint64 upper, qint64 lower) {
  const double r = random.Uniform();
  const qint64 n = static_cast<qint64>(std::floor(double(upper - lower + 1) * r + double(lower)));
  // A draw of (almost) 1 must not reach past the range.
  return std::clamp(n, std::min(lower, upper), std::max(lower, upper));
}

void Shuffle_List(Platform::RandomSeam& random, QStringList& list) {
  const qsizetype n = list.size();
  for (qsizetype k = 0; k + 1 < n; ++k) {
    const qsizetype pick = RandomNumber(random, n - 1, k);
    if (pick != k) list.swapItemsAt(k, pick);
  }
}

}  // namespace Shuffle
