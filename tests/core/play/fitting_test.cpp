#include "core/play/fitting.h"

#include <gtest/gtest.h>

namespace {

// The player's two options: "Strech" on and "Ratio" on.
struct Options { bool strech, ratio; };
const Options Own_Size{false, false}, Own_Size_Ratio_Ticked{false, true}, Fill{true, false},
    Keep_Ratio{true, true};

struct FitCase { const char* name; Options options; QSize picture; QSize window; QRect expect; };

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class FitTable : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitTable, PlacesTheControl) {
  const FitCase& c = GetParam();
  EXPECT_EQ(Fitting::Fit_Picture(Fitting::Mode_Of(c.options.strech, c.options.ratio), c.picture, c.window),
            c.expect);
}

const FitCase kFits[] = {
    {"own_size_small_is_centred", Own_Size_Ratio_Ticked, {400, 300}, {1024, 768}, {312, 234, 400, 300}},
    {"own_size_larger_is_cut_evenly", Own_Size, {1224, 968}, {1024, 768}, {-100, -100, 1224, 968}},
    {"own_size_odd_margin_drops_the_fraction", Own_Size, {400, 301}, {1025, 768}, {312, 233, 400, 301}},
    {"own_size_odd_negative_margin_towards_zero", Own_Size, {401, 100}, {100, 100}, {-150, 0, 401, 100}},
    {"fill_covers_the_window", Fill, {300, 400}, {1024, 768}, {0, 0, 1024, 768}},
    {"ratio_4_3_fills_a_4_3_window", Keep_Ratio, {400, 300}, {1024, 768}, {0, 0, 1024, 768}},
    {"ratio_portrait_fits_the_height", Keep_Ratio, {300, 400}, {1024, 768}, {224, 0, 576, 768}},
    {"ratio_square_is_landscape_and_runs_over", Keep_Ratio, {500, 500}, {1024, 768}, {0, -128, 1024, 1024}},
    {"ratio_4_3_on_16_9_runs_over_top_and_bottom", Keep_Ratio, {1600, 1200}, {1920, 1080}, {0, -180, 1920, 1440}},
    {"ratio_6000x4000_on_full_hd", Keep_Ratio, {6000, 4000}, {1920, 1080}, {0, -100, 1920, 1280}},
    {"ratio_half_pixel_rounds_to_even", Keep_Ratio, {2, 1}, {1025, 600}, {0, 44, 1025, 512}},
    {"ratio_half_pixel_rounds_to_even_up", Keep_Ratio, {2, 1}, {1027, 600}, {0, 43, 1027, 514}},
    {"ratio_tall_portrait_on_wide_window", Keep_Ratio, {1000, 3000}, {1920, 1080}, {780, 0, 360, 1080}},
};

INSTANTIATE_TEST_SUITE_P(Fit, FitTable, ::testing::ValuesIn(kFits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Fit, AnEmptyPictureHasNoSizeInAnyMode) {
  for (const Options o : {Own_Size, Fill, Keep_Ratio})
    EXPECT_TRUE(Fitting::Fit_Picture(Fitting::Mode_Of(o.strech, o.ratio), QSize(), QSize(800, 600)).isEmpty());
}

}  // namespace
