// Random numbers and the play list's shuffle, drawn from the random seam they are given.
#pragma once

#include <QList>
#include <QStringList>
#include <optional>

#include "core/seams/seam_types.h"

namespace Shuffle {

// A whole number from `lower` to `upper`, each equally likely.
qint64 RandomNumber(Platform::RandomSeam& random, qint64 upper, qint64 lower);

// `how_many` numbers from `lower` to `upper` (all of them when `how_many` is not given); with
// `unique` no number comes twice. Nothing when more unique numbers are asked than the range holds,
// or when the range is empty.
std::optional<QList<qint64>> RandomNumbers(Platform::RandomSeam& random, qint64 upper,
                                           std::optional<qint64> lower = std::nullopt,
                                           std::optional<qint64> how_many = std::nullopt,
                                           bool unique = false);

// Puts the list into random order, every arrangement equally likely (Fisher-Yates: each position
// in turn takes one of the entries not yet placed); duplicates stay duplicates.
void Shuffle_List(Platform::RandomSeam& random, QStringList& list);

}  // namespace Shuffle
