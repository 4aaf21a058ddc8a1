// The player's rules: which picture comes next, where a picture goes in the window, the shuffle
// and the ratio keeper.
#include <gtest/gtest.h>

#include <QHash>
#include <QSet>
#include <random>

#include "core/play/fitting.h"
#include "core/play/form_ratio.h"
#include "core/play/play_steps.h"
#include "core/play/shuffle.h"
#include "support/core_fakes.h"

using Play_Steps::Outcome;
using Indexes = std::vector<qsizetype>;

// One step over a list of `count` entries of which those in `broken` fail to load: the entries the
// display is asked for, the entry the cursor ends on and how the step ends.
TEST(Steps, ShowTheRightEntriesAndEndAsTheyShould) {
  enum Step { Timed, Forward, Back };
  using enum Outcome;
  const struct { Step step; qsizetype count; bool loop; qsizetype start; QSet<qsizetype> broken; Indexes shown; qsizetype index; Outcome outcome; } cases[] = {
      {Timed, 3, false, 2, {}, {0}, 0, Leave},  {Timed, 3, true, 2, {}, {0}, 0, Shown},  {Timed, 3, false, 2, {0}, {0}, 0, Clean_And_Leave},
      {Timed, 3, true, 0, {1}, {1, 2}, 2, Shown},  {Timed, 3, false, 1, {2}, {2}, 2, Clean_And_Leave},  {Timed, 3, true, 1, {2}, {2, 0}, 0, Shown},
      {Timed, 0, false, -1, {}, {-1}, -1, Leave},  {Timed, 0, true, -1, {}, {-1}, -1, Shown},  {Timed, 3, true, -1, {0, 1, 2}, {0, 1, 2, 0}, 0, No_Valid},  // a pass and one more
      {Forward, 1, false, 0, {}, {}, 0, Unchanged},  {Forward, 0, false, -1, {}, {-1}, -1, Clean_And_Leave},  {Forward, 3, false, 2, {}, {0}, 0, Clean_And_Leave},
      {Forward, 3, false, 1, {2}, {2, 0}, 0, Clean_And_Leave},  {Forward, 3, true, 0, {0, 1, 2}, {1, 2, 0, 1}, 1, No_Valid},
      {Back, 1, false, 0, {}, {}, 0, Unchanged},  {Back, 0, false, -1, {}, {-1}, -1, Shown},  {Back, 3, false, 0, {}, {2}, 2, Shown},  {Back, 4, false, 3, {2, 1}, {2, 1, 0}, 0, Shown},
  };
  for (const auto& c : cases) {
    Play_Steps::Cursor cursor{c.start, 0, {}};
    Indexes shown;
    const Play_Steps::Display display = [&](qsizetype i) { shown.push_back(i); return !c.broken.contains(i); };
    const Outcome outcome = c.step == Timed ? Play_Steps::Show_Pics(cursor, c.count, c.loop, display)
                            : c.step == Forward ? Play_Steps::Forward(cursor, c.count, c.loop, display) : Play_Steps::Back(cursor, c.count, display);
    EXPECT_EQ(std::tuple(shown, cursor.CurrentIndex, outcome), std::tuple(c.shown, c.index, c.outcome)) << &c - cases;
  }
}

TEST(Steps, AStepWaitsForAPictureStillBeingDecodedAndGoesOnWithTheAnswer) {
  Play_Steps::Cursor cursor;
  Indexes shown;
  const Play_Steps::Display later = [&](qsizetype i) { shown.push_back(i); return std::optional<bool>(); };
  EXPECT_EQ(Play_Steps::Resume(cursor, 3, false, true, later), Outcome::Unchanged);  // nothing waits
  EXPECT_EQ(Play_Steps::Forward(cursor, 3, false, later), Outcome::Waiting);
  EXPECT_EQ((std::pair{Play_Steps::Resume(cursor, 3, false, false, later), cursor.FailCount}), std::pair(Outcome::Waiting, qsizetype(1)));  // on to 1
  EXPECT_EQ((std::pair{Play_Steps::Resume(cursor, 3, false, true, later), cursor.FailCount}), std::pair(Outcome::Shown, qsizetype(0)));  // cleared
  cursor.CurrentIndex = 2;
  EXPECT_EQ(Play_Steps::Show_Pics(cursor, 3, false, later), Outcome::Waiting);
  EXPECT_EQ(Play_Steps::Resume(cursor, 3, false, true, later), Outcome::Leave);  // it had passed the end
  EXPECT_EQ(shown, (Indexes{0, 1, 0}));
}

TEST(Fit, PlacesThePictureByTheTwoOptions) {
  const struct { bool strech, ratio; QSize picture, window; QRect place; } cases[] = {
      {false, true, {400, 301}, {1025, 768}, {312, 233, 400, 301}},  {false, false, {401, 100}, {100, 100}, {-150, 0, 401, 100}},  {true, false, {300, 400}, {1024, 768}, {0, 0, 1024, 768}},
      {true, true, {300, 400}, {1024, 768}, {224, 0, 576, 768}},  {true, true, {500, 500}, {1024, 768}, {0, -128, 1024, 1024}},  {true, true, {2, 1}, {1025, 600}, {0, 44, 1025, 512}},
      {true, true, {0, 10}, {800, 600}, {400, 300, 0, 0}},  {true, true, {10, 0}, {800, 600}, {400, 300, 0, 0}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Fitting::Fit_Picture(Fitting::Mode_Of(c.strech, c.ratio), c.picture, c.window), c.place) << &c - cases;
}

// A seeded generator behind the random seam: repeatable, and as uniform as the real one.
struct Seeded_Random final : Platform::RandomSeam {
  std::mt19937 engine{20261206};
  double Uniform() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); }
};

TEST(Shuffle, EveryArrangementIsEquallyLikelyAndRandomNumbersCoverTheirWholeRange) {
  Seeded_Random random;
  QHash<QString, int> seen;
  for (int i = 0; i < 60000; ++i) {
    QStringList list{"a", "b", "c"};
    Shuffle::Shuffle_List(random, list);
    ++seen[list.join("")];
  }
  // Chi-square with 5 degrees of freedom: 20.5 is the 0.1% critical value. The classic "swap each
  // entry with any entry" shuffle scores in the hundreds; a missing arrangement in the thousands.
  double chi2 = 0;
  for (int count : seen) chi2 += (count - 10000.0) * (count - 10000.0) / 10000.0;
  EXPECT_LT(chi2, 20.5);
  Fakes::Random scripted;
  scripted.values = {0.0, 0.4999, 0.5, 1.0};
  for (const qint64 n : {8, 8, 9, 9}) EXPECT_EQ(Shuffle::RandomNumber(scripted, 9, 8), n);
  EXPECT_EQ(Shuffle::RandomNumber(scripted, 5, 5), 5);
}

TEST(RatioKeeper, KeepsTheRatioOfTheFirstSize) {
  for (const auto& [proposed, ratio, snapped] : {std::tuple(QSize(400, 300), 16.0f / 9.0f, QSize(533, 300)),
       {QSize(1000, 300), 16.0f / 9.0f, QSize(1000, 562)}, {QSize(640, 0), 1.5f, QSize(640, 0)}, {QSize(640, 480), 0.0f, QSize(640, 480)}})
    EXPECT_EQ(FormRatio_Mod::Snap(proposed, ratio), snapped) << proposed.width();
  FormRatio_Mod::Forget_Ratio();
  for (const auto& [asked, given] : {std::pair(QSize(300, 0), QSize(300, 0)), {QSize(800, 400), QSize(800, 400)}, {QSize(500, 500), QSize(1000, 500)}, {QSize(900, 300), QSize(900, 450)}})
    EXPECT_EQ(FormRatio_Mod::RatioWindowProc(asked), given) << asked.width();
}
