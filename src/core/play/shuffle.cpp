#include "core/play/shuffle.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Shuffle {

qint64 RandomNumber(Platform::RandomSeam& random, qint64 upper, qint64 lower) {
  const double r = random.Uniform();
  const qint64 n = static_cast<qint64>(std::floor(double(upper - lower + 1) * r + double(lower)));
  // A draw of (almost) 1 must not reach past the range.
  return std::clamp(n, std::min(lower, upper), std::max(lower, upper));
}

std::optional<QList<qint64>> RandomNumbers(Platform::RandomSeam& random, qint64 upper,
                                           std::optional<qint64> lower_opt,
                                           std::optional<qint64> how_many_opt, bool unique) {
  const qint64 lower = lower_opt.value_or(0);
  const qint64 range = upper - lower + 1;
  const qint64 how_many = how_many_opt.value_or(range);
  if (range <= 0 || how_many < 0 || how_many > range) return std::nullopt;
  QList<qint64> pool;
  pool.reserve(range);
  for (qint64 v = lower; v <= upper; ++v) pool.push_back(v);
  QList<qint64> result;
  result.reserve(how_many);
  qint64 remaining = range;
  for (qint64 slot = 0; slot < how_many; ++slot) {
    // Without `unique` a number may come more than once: any of the whole range.
    if (unique) {
      // The pool's unused numbers are kept in its tail: swap the pick to the front of the tail.
      const qint64 pick = RandomNumber(random, range - 1, range - remaining);
      std::swap(pool[range - remaining], pool[pick]);
      result.push_back(pool[range - remaining]);
      --remaining;
    } else {
      result.push_back(pool[RandomNumber(random, range - 1, 0)]);
    }
  }
  return result;
}

void Shuffle_List(Platform::RandomSeam& random, QStringList& list) {
  const qsizetype n = list.size();
  for (qsizetype k = 0; k + 1 < n; ++k) {
    const qsizetype pick = RandomNumber(random, n - 1, k);
    if (pick != k) list.swapItemsAt(k, pick);
  }
}

}  // namespace Shuffle
