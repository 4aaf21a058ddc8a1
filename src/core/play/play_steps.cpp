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

// What the step does once the entry at the cursor is shown or has failed; nothing when it moves on.
std::optional<Outcome> settle(Cursor& c, Kind kind, qsizetype count, bool loop_on, bool at_end,
                              bool shown) {
  if (shown) {
    c.FailCount = 0;
    if (!at_end) return Outcome::Shown;
    return kind == Kind::Timed ? Outcome::Leave : Outcome::Clean_And_Leave;
  }
  // Past the end of a show that does not loop, the show ends whether or not the first entry loads.
  if (at_end) return Outcome::Clean_And_Leave;
  if (gave_up(c, count)) return Outcome::No_Valid;
  if (kind == Kind::Timed && c.CurrentIndex == count - 1 && !loop_on) return Outcome::Clean_And_Leave;
  return std::nullopt;
}

// Steps on until an entry is shown, the step ends, or the display's answer must be awaited. A
// resumed step starts with the awaited answer.
Outcome run(Cursor& c, Kind kind, qsizetype count, bool loop_on, const Display& display,
            std::optional<bool> answer = std::nullopt) {
  for (;;) {
    bool at_end;
    if (answer) {
      at_end = c.waiting->at_end;
      c.waiting.reset();
    } else {
      at_end = kind != Kind::Back && !loop_on && c.CurrentIndex == count - 1;
      c.CurrentIndex = kind == Kind::Back ? (c.CurrentIndex > 0 ? c.CurrentIndex - 1 : count - 1)
                                          : next_index(c.CurrentIndex, count);
      answer = display(c.CurrentIndex);
      if (!answer) {
        c.waiting = Cursor::Waiting{kind, at_end};
        return Outcome::Waiting;
      }
    }
    if (const auto outcome = settle(c, kind, count, loop_on, at_end, *answer)) return *outcome;
    answer.reset();
  }
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
  return run(cursor, Kind::Timed, count, loop_on, display);
}

Outcome Forward(Cursor& cursor, qsizetype count, bool loop_on, const Display& display) {
  if (count == 1) return Outcome::Unchanged;
  if (count == 0) {
    display(-1);
    return loop_on ? Outcome::Shown : Outcome::Clean_And_Leave;
  }
  return run(cursor, Kind::Forward, count, loop_on, display);
}

Outcome Back(Cursor& cursor, qsizetype count, const Display& display) {
  if (count == 1) return Outcome::Unchanged;
  if (count == 0) {
    display(-1);
    return Outcome::Shown;
  }
  return run(cursor, Kind::Back, count, false, display);
}

Outcome Resume(Cursor& cursor, qsizetype count, bool loop_on, bool shown, const Display& display) {
  if (!cursor.waiting) return Outcome::Unchanged;
  return run(cursor, cursor.waiting->kind, count, loop_on, display, shown);
}

}  // namespace Play_Steps
