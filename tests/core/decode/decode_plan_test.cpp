// What the display step decodes of a picture: Plan_Decode and Covers.
#include "core/decode/decode_plan.h"

#include <gtest/gtest.h>

namespace Platform {
namespace {

TEST(PlanDecode, DecodesOnlyWhatIsSeenAtTheSizeItIsSeen) {
  const struct {
    const char* name;
    QSize own;
    QRect control;  // in window coordinates
    QSize window, scaled;
    QRect clip;
  } cases[] = {  // own size: inside, the middle of a larger picture, an odd overhang
      {"inside", {400, 300}, {312, 234, 400, 300}, {1024, 768}, {400, 300}, {0, 0, 400, 300}},
      {"middle", {6000, 4000}, {-2040, -1460, 6000, 4000},
       {1920, 1080}, {6000, 4000}, {2040, 1460, 1920, 1080}},
      {"odd", {301, 201}, {-100, -50, 301, 201}, {100, 100}, {301, 201}, {100, 50, 100, 100}},
      {"fitted", {6000, 4000}, {0, -100, 1920, 1280}, {1920, 1080},
       {1920, 1280}, {0, 100, 1920, 1080}},
      {"enlarged", {400, 300}, {0, 0, 1024, 768}, {1024, 768}, {400, 300}, {0, 0, 400, 300}},
      {"stretched", {4000, 500}, {0, 0, 1920, 1080}, {1920, 1080}, {1920, 500}, {0, 0, 1920, 500}},
      // Not seen at all: the smallest decode, never an empty clip (which means "all of it").
      {"unseen", {6000, 4000}, {2000, 0, 6000, 4000}, {1920, 1080}, {6000, 4000}, {0, 0, 1, 1}},
      {"empty picture", {0, 0}, {0, 0, 100, 100}, {100, 100}, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Decode_Request r = Plan_Decode(c.own, c.control, c.window);
    EXPECT_EQ(r.scaled, c.scaled);
    EXPECT_EQ(r.clip, c.clip);
  }
}

TEST(Covers, TellsWhetherADecodedPictureHoldsEnoughPixels) {
  const QSize fit(1920, 1280);
  const QRect seen(0, 100, 1920, 1080);
  const struct { const char* name; Decode_Request had, want; bool covers; } cases[] = {
      {"the same request", {fit, seen}, {fit, seen}, true},
      {"a taller window sees rows not decoded", {fit, seen}, {fit, {0, 0, 1920, 1280}}, false},
      {"coarser in one direction only", {{1920, 1280}, {}}, {{1800, 1300}, {}}, false},
      // 1:3.125 maps the wanted rows 100..1179 onto 312.5..3687.5: rows 312 to 3687 are needed.
      {"finer, partial last row held", {{6000, 4000}, {0, 312, 6000, 3376}}, {fit, seen}, true},
      {"finer, partial last row missing", {{6000, 4000}, {0, 312, 6000, 3375}}, {fit, seen}, false},
      {"an empty clip holds all", {fit, {}}, {fit, seen}, true},
      {"all wanted, part held", {fit, seen}, {fit, {}}, false},
      {"nothing wanted", {}, {}, true},
      {"nothing held", {}, {fit, {0, 0, 10, 10}}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(Covers(c.had, c.want), c.covers) << c.name;
}

}  // namespace
}  // namespace Platform
