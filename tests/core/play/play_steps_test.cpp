#include "core/play/play_steps.h"

#include <gtest/gtest.h>

#include <QSet>
#include <vector>

using Play_Steps::Cursor;
using Play_Steps::Outcome;

namespace {

// Runs one step over a list of `count` entries in which the indexes in `broken` fail to load, and
// records the indexes the display step was asked for.
struct Recorder {
  qsizetype count;
  QSet<qsizetype> broken;
  std::vector<qsizetype> shown;
  bool all_broken = false;

  Play_Steps::Display display() {
    return [this](qsizetype i) {
      shown.push_back(i);
      return !(all_broken || broken.contains(i));
    };
  }
};

enum class Step { Timed, Forward, Back };

struct Case {
  const char* name;
  Step step;
  qsizetype count;
  bool loop;
  qsizetype start;
  QSet<qsizetype> broken;
  std::vector<qsizetype> expect_shown;
  qsizetype expect_index;
  Outcome expect;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class StepTable : public ::testing::TestWithParam<Case> {};

TEST_P(StepTable, ShowsTheRightEntriesAndEndsAsItShould) {
  const Case& c = GetParam();
  Recorder run{c.count, c.broken, {}};
  Cursor cursor{c.start, 0, {}};
  Outcome out{};
  switch (c.step) {
    case Step::Timed: out = Play_Steps::Show_Pics(cursor, c.count, c.loop, run.display()); break;
    case Step::Forward: out = Play_Steps::Forward(cursor, c.count, c.loop, run.display()); break;
    case Step::Back: out = Play_Steps::Back(cursor, c.count, run.display()); break;
  }
  EXPECT_EQ(run.shown, c.expect_shown);
  EXPECT_EQ(cursor.CurrentIndex, c.expect_index);
  EXPECT_EQ(out, c.expect);
}

const Case kCases[] = {
    // The timed step.
    {"first_step", Step::Timed, 3, false, -1, {}, {0}, 0, Outcome::Shown},
    {"middle", Step::Timed, 3, false, 1, {}, {2}, 2, Outcome::Shown},
    {"past_end_not_looping_shows_first_then_leaves", Step::Timed, 3, false, 2, {}, {0}, 0, Outcome::Leave},
    {"past_end_looping_wraps", Step::Timed, 3, true, 2, {}, {0}, 0, Outcome::Shown},
    {"past_end_not_looping_ends_though_the_first_fails", Step::Timed, 3, false, 2, {0}, {0}, 0, Outcome::Clean_And_Leave},
    {"skips_broken_forward", Step::Timed, 3, true, 0, {1}, {1, 2}, 2, Outcome::Shown},
    {"broken_last_not_looping_leaves_and_cleans", Step::Timed, 3, false, 1, {2}, {2}, 2, Outcome::Clean_And_Leave},
    {"broken_last_looping_wraps_to_first", Step::Timed, 3, true, 1, {2}, {2, 0}, 0, Outcome::Shown},
    {"only_second_broken_looping", Step::Timed, 3, true, 2, {1}, {0}, 0, Outcome::Shown},
    {"one_picture_looping_reloads_it", Step::Timed, 1, true, 0, {}, {0}, 0, Outcome::Shown},
    {"one_picture_not_looping_leaves_at_first_firing", Step::Timed, 1, false, 0, {}, {0}, 0, Outcome::Leave},
    {"empty_list_not_looping_leaves", Step::Timed, 0, false, -1, {}, {-1}, -1, Outcome::Leave},
    {"empty_list_looping_keeps_the_index_in_range", Step::Timed, 0, true, -1, {}, {-1}, -1, Outcome::Shown},
    {"nothing_loads_looping_gives_up_after_a_pass_and_one_more", Step::Timed, 3, true, -1, {0, 1, 2}, {0, 1, 2, 0}, 0, Outcome::No_Valid},
    {"nothing_loads_not_looping_stops_at_the_end", Step::Timed, 3, false, -1, {0, 1, 2}, {0, 1, 2}, 2, Outcome::Clean_And_Leave},
    // The user's step forward.
    {"forward_one_picture_changes_nothing", Step::Forward, 1, false, 0, {}, {}, 0, Outcome::Unchanged},
    {"forward_middle", Step::Forward, 3, false, 0, {}, {1}, 1, Outcome::Shown},
    {"forward_past_end_not_looping_cleans_and_leaves", Step::Forward, 3, false, 2, {}, {0}, 0, Outcome::Clean_And_Leave},
    {"forward_past_end_looping_wraps", Step::Forward, 3, true, 2, {}, {0}, 0, Outcome::Shown},
    {"forward_skips_broken", Step::Forward, 4, false, 0, {1, 2}, {1, 2, 3}, 3, Outcome::Shown},
    {"forward_broken_at_end_not_looping", Step::Forward, 3, false, 2, {0}, {0}, 0, Outcome::Clean_And_Leave},
    {"forward_skipping_onto_the_end_leaves_after_it", Step::Forward, 3, false, 1, {2}, {2, 0}, 0, Outcome::Clean_And_Leave},
    {"forward_nothing_loads_looping_stops", Step::Forward, 3, true, 0, {0, 1, 2}, {1, 2, 0, 1}, 1, Outcome::No_Valid},
    // The user's step back.
    {"back_one_picture_changes_nothing", Step::Back, 1, false, 0, {}, {}, 0, Outcome::Unchanged},
    {"back_from_first_wraps_even_not_looping", Step::Back, 3, false, 0, {}, {2}, 2, Outcome::Shown},
    {"back_skips_broken_towards_the_start", Step::Back, 4, false, 3, {2, 1}, {2, 1, 0}, 0, Outcome::Shown},
    {"back_nothing_loads_stops", Step::Back, 2, false, 0, {0, 1}, {1, 0, 1}, 1, Outcome::No_Valid},
};

INSTANTIATE_TEST_SUITE_P(Steps, StepTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Steps, ASuccessfulLoadClearsTheFailureCount) {
  Recorder run{4, {1}, {}};
  Cursor cursor{0, 0, {}};
  EXPECT_EQ(Play_Steps::Show_Pics(cursor, 4, true, run.display()), Outcome::Shown);
  EXPECT_EQ(cursor.CurrentIndex, 2);
  EXPECT_EQ(cursor.FailCount, 0);
}

TEST(Steps, AHugeListOfBrokenPicturesEndsWithoutExhaustingTheStack) {
  const qsizetype n = 100000;
  qsizetype calls = 0;
  const Play_Steps::Display none = [&](qsizetype) { ++calls; return false; };
  for (Step step : {Step::Timed, Step::Forward, Step::Back}) {
    calls = 0;
    Cursor cursor{0, 0, {}};
    Outcome out = step == Step::Timed     ? Play_Steps::Show_Pics(cursor, n, true, none)
                  : step == Step::Forward ? Play_Steps::Forward(cursor, n, true, none)
                                          : Play_Steps::Back(cursor, n, none);
    EXPECT_EQ(out, Outcome::No_Valid);
    EXPECT_EQ(calls, n + 1);
  }
}

}  // namespace
