#include "core/play/play_steps.h"

namespace Play_Steps {

namespace {

qsizetype next_index(qsizetype index, qsizetype count) {
  return index != count - 1 ? index + 1 : 0;
}

// A failed load: true when the failures have gone once round the whole list and once more.
bool gave_up(Cursor& cursor, qsizetype count) {
  if (cursor.FailCount >= count) return true;
  ++cursor.FailCount;
  return false;
}

bool show(Cursor& cursor, const Display& display) {
  if (!display(cursor.CurrentIndex)) return false;
  cursor.FailCount = 0;
  return true;
}

}  // namespace

Outcome Show_Pics(Cursor& cursor, qsizetype count, bool loop_on, const Display& display) {
  if (count == 0) {
    // Nothing to show but the background; the index stays before the (empty) list.
    cursor.CurrentIndex = -1;
    display(-1);
    cursor.FailCount = 0;
    return loop_on ? Outcome::Shown : Outcome::Leave;
  }
  for (;;) {
    const bool at_end = !loop_on && cursor.CurrentIndex == count - 1;
    cursor.CurrentIndex = next_index(cursor.CurrentIndex, count);
    if (show(cursor, display)) return at_end ? Outcome::Leave : Outcome::Shown;
    if (gave_up(cursor, count)) return Outcome::No_Valid;
    if (cursor.CurrentIndex == count - 1 && !loop_on) return Outcome::Clean_And_Leave;
  }
}

Outcome Forward(Cursor& cursor, qsizetype count, bool loop_on, const Display& display) {
  if (count == 1) return Outcome::Unchanged;
  if (count == 0) {
    display(-1);
    return loop_on ? Outcome::Shown : Outcome::Clean_And_Leave;
  }
  for (;;) {
    const bool at_end = !loop_on && cursor.CurrentIndex == count - 1;
    cursor.CurrentIndex = next_index(cursor.CurrentIndex, count);
    if (show(cursor, display)) return at_end ? Outcome::Clean_And_Leave : Outcome::Shown;
    if (at_end) return Outcome::Clean_And_Leave;
    if (gave_up(cursor, count)) return Outcome::No_Valid;
  }
}

Outcome Back(Cursor& cursor, qsizetype count, const Display& display) {
  if (count == 1) return Outcome::Unchanged;
  if (count == 0) {
    display(-1);
    return Outcome::Shown;
  }
  for (;;) {
    cursor.CurrentIndex = cursor.CurrentIndex > 0 ? cursor.CurrentIndex - 1 : count - 1;
    if (show(cursor, display)) return Outcome::Shown;
    if (gave_up(cursor, count)) return Outcome::No_Valid;
  }
}

}  // namespace Play_Steps
