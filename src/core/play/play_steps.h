// Which picture the player shows next: the timed step and the user's steps forward and back. The
// display itself is a callback that shows the entry at an index and says whether it could; a
// failed entry is skipped in the direction of travel. A display that cannot tell yet (its picture
// is still being decoded) leaves the step waiting; Resume carries it on with the answer. Every loop here is bounded: a list in which
// nothing loads ends after one pass.
#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>

namespace Play_Steps {

enum class Kind { Timed, Forward, Back };

struct Cursor {
  qsizetype CurrentIndex = -1;  // the shown entry; -1 before the first step
  qsizetype FailCount = 0;      // failed loads in a row; a successful load sets it back to 0
  // A step waiting for the display's answer on the entry at CurrentIndex.
  struct Waiting {
    Kind kind;
    bool at_end;  // this step passes the end of a non-looping show
  };
  std::optional<Waiting> waiting;
};

// Shows the entry at `index` (an index outside the list shows the empty picture). False when the
// picture could not be loaded; nothing when that is not known yet.
using Display = std::function<std::optional<bool>(qsizetype index)>;

enum class Outcome {
  Shown,            // a picture is on screen; the show goes on
  Unchanged,        // a one-picture show: the user's step changes nothing
  Leave,            // leave the show (the end of a non-looping show reached by the timer)
  Clean_And_Leave,  // delete the run file, then leave the show
  No_Valid,         // "No Vaild Picture Files", delete the run file, leave the show
  Waiting,          // the display's answer is awaited: Resume carries the step on
};

// The timed step (and the first step of every show). The timer is not touched.
Outcome Show_Pics(Cursor& cursor, qsizetype count, bool loop_on, const Display& display);
// The user's step forward. The caller switches the timer off before unless the outcome is
// Unchanged, and on again after when the outcome is Shown.
Outcome Forward(Cursor& cursor, qsizetype count, bool loop_on, const Display& display);
// The user's step back; it wraps to the last entry and never ends the show by reaching an end.
Outcome Back(Cursor& cursor, qsizetype count, const Display& display);
// Carries on the waiting step with the display's answer for the entry at CurrentIndex, exactly as
// if the display had given it at once. Unchanged when no step waits.
Outcome Resume(Cursor& cursor, qsizetype count, bool loop_on, bool shown, const Display& display);

}  // namespace Play_Steps
