#include "core/play/shuffle.h"

#include <gtest/gtest.h>

#include <QHash>
#include <algorithm>
#include <random>

#include "core/play/form_ratio.h"
#include "support/core_fakes.h"

namespace {

// A seeded generator behind the random seam: repeatable, and as uniform as the real one.
class SeededRandom final : public Platform::RandomSeam {
 public:
  explicit SeededRandom(unsigned seed) : engine(seed) {}
  double Uniform() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); }
  std::mt19937 engine;
};

TEST(Shuffle, EveryArrangementOfThreeIsEquallyLikely) {
  SeededRandom random(20261206);
  const int rounds = 60000;
  QHash<QString, int> seen;
  for (int i = 0; i < rounds; ++i) {
    QStringList list{"a", "b", "c"};
    Shuffle::Shuffle_List(random, list);
    ++seen[list.join(QString())];
  }
  ASSERT_EQ(seen.size(), 6);
  // Chi-square with 5 degrees of freedom: 20.5 is the 0.1% critical value. The classic
  // "swap each entry with any entry" shuffle scores in the hundreds here.
  const double expected = rounds / 6.0;
  double chi2 = 0;
  for (int count : seen) chi2 += (count - expected) * (count - expected) / expected;
  EXPECT_LT(chi2, 20.5) << "arrangements are not equally likely";
}

TEST(Shuffle, KeepsEveryEntryAndItsDuplicates) {
  SeededRandom random(7);
  QStringList list;
  for (int i = 0; i < 1000; ++i) list << QString::number(i % 37);
  QStringList shuffled = list;
  Shuffle::Shuffle_List(random, shuffled);
  EXPECT_NE(shuffled, list);
  std::sort(list.begin(), list.end());
  std::sort(shuffled.begin(), shuffled.end());
  EXPECT_EQ(shuffled, list);
}

TEST(Shuffle, RandomNumberCoversTheWholeRangeAndNoMore) {
  Fakes::Random random;
  random.values = {0.0, 0.4999, 0.5, 0.9999999999};
  EXPECT_EQ(Shuffle::RandomNumber(random, 9, 8), 8);
  EXPECT_EQ(Shuffle::RandomNumber(random, 9, 8), 8);
  EXPECT_EQ(Shuffle::RandomNumber(random, 9, 8), 9);
  EXPECT_EQ(Shuffle::RandomNumber(random, 9, 8), 9);
  EXPECT_EQ(Shuffle::RandomNumber(random, 5, 5), 5);
}

TEST(RatioKeeper, SnapsToTheFirstShape) {
  EXPECT_EQ(FormRatio_Mod::Snap(QSize(400, 300), 16.0f / 9.0f), QSize(533, 300));
  EXPECT_EQ(FormRatio_Mod::Snap(QSize(1000, 300), 16.0f / 9.0f), QSize(1000, 562));
  EXPECT_EQ(FormRatio_Mod::Snap(QSize(640, 360), 16.0f / 9.0f), QSize(640, 360));
  EXPECT_EQ(FormRatio_Mod::Snap(QSize(640, 0), 1.5f), QSize(640, 0));

  FormRatio_Mod::Forget_Ratio();
  EXPECT_EQ(FormRatio_Mod::RatioWindowProc(QSize(300, 0)), QSize(300, 0));
  EXPECT_EQ(FormRatio_Mod::RatioWindowProc(QSize(800, 400)), QSize(800, 400));
  EXPECT_EQ(FormRatio_Mod::RatioWindowProc(QSize(500, 500)), QSize(1000, 500));
  EXPECT_EQ(FormRatio_Mod::RatioWindowProc(QSize(900, 300)), QSize(900, 450));
  FormRatio_Mod::Forget_Ratio();
}

}  // namespace
