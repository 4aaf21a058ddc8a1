// Random numbers and the play list's shuffle, drawn from the random seam they are given.
#pragma once

#include <QStringList>

#include "core/seams/seam_types.h"

namespace Shuffle {

// A whole number from `lower` to `upper`, each equally likely.
qint64 RandomNumber(Platform::RandomSeam& random, qint64 upper, qint64 lower);

// Puts the list into random order, every arrangement equally likely (Fisher-Yates: each position
// in turn takes one of the entries not yet placed); duplicates stay duplicates.
void Shuffle_List(Platform::RandomSeam& random, QStringList& list);

}  // namespace Shuffle
