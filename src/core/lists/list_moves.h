// Where the selected entry of a list goes when it is moved: one place up or down (the up and down
// buttons), or to the place of another entry (a drop). Plain rules on positions; the list widget
// applies them (widgets/drag_list.h).
#pragma once

#include <optional>

namespace mdlDragList {

// A move: the entry at `from` is taken out and put back at index `to` (counted after it was taken
// out), where it stays selected.
struct Move {
  int from = 0;
  int to = 0;
  friend bool operator==(const Move&, const Move&) = default;
};

// The selected entry (`selected`, -1 for none) of a list of `count` entries, one place up: nothing
// on the first entry or without a selection (the caller beeps).
std::optional<Move> Up(int selected, int count);
// One place down: nothing on the last entry or without a selection (the caller beeps).
std::optional<Move> Down(int selected, int count);
// To stand directly before the entry now at `position`: nothing when `position` is negative or
// beyond the end, when nothing is selected, or when it is the entry's own place.
std::optional<Move> To(int selected, int count, int position);

}  // namespace mdlDragList
