#include "core/lists/list_moves.h"

namespace mdlDragList {

std::optional<Move> Up(int selected, int count) {
  if (selected >= 1 && selected < count) return Move{selected, selected - 1};
  return std::nullopt;
}

std::optional<Move> Down(int selected, int count) {
  if (selected >= 0 && selected < count - 1) return Move{selected, selected + 1};
  return std::nullopt;
}

std::optional<Move> To(int selected, int count, int position) {
  if (position < 0 || selected < 0 || position > count || selected >= count) return std::nullopt;
  if (position == selected) return std::nullopt;  // dropped on itself
  // Inserting a copy at `position` and removing the original leaves the entry one place lower
  // when it moved down: the original stood in front of the place.
  return Move{selected, position > selected ? position - 1 : position};
}

}  // namespace mdlDragList
