// The levels computed from a distribution range, and the printed form each
// is rounded through.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "levels.h"
#include "levels_fixture.h"

namespace {

struct RangeCase {
  const char *what;
  double dmin, dmax;
  int n;
  const char *format;                // the rounding format the range calls for
  std::vector<const char *> levels;  // the levels in use, as decimal texts
};

// Formats worked out by hand from the rule: p = places of the step (or of an
// end when the step is lost against 1.0), q = places of the larger end;
// fixed with max(p + 1, 0) decimals when p >= -5 and (p < 1 or q < 5), else
// an exponent form with p - q + 1 digits.
const RangeCase kRanges[] = {
    {"unit range: step 1/11, three decimals",
     0,
     1,
     10,
     "%.3lf",
     {"0.091", "0.182", "0.273", "0.364", "0.455", "0.545", "0.636", "0.727", "0.818", "0.909"}},
    {"step 20: no decimals", 0, 100, 4, "%.0lf", {"20", "40", "60", "80"}},
    {"narrow range far from zero stays fixed",
     1000000,
     1000001,
     10,
     "%.3lf",
     {"1000000.091", "1000000.182", "1000000.273", "1000000.364", "1000000.455", "1000000.545", "1000000.636",
      "1000000.727", "1000000.818", "1000000.909"}},
    {"small range near zero takes the exponent form",
     0,
     1e-7,
     10,
     "%.3lE",
     {"9.091E-09", "1.818E-08", "2.727E-08", "3.636E-08", "4.545E-08", "5.455E-08", "6.364E-08", "7.273E-08",
      "8.182E-08", "9.091E-08"}},
    {"range around zero puts a level on zero", -0.5, 0.5, 3, "%.2lf", {"-0.25", "0", "0.25"}},
    {"symmetric tiny range near zero", -1e-3, 1e-3, 1, "%.4lf", {"0"}},
    {"an exact power of ten step keeps its decade",
     0,
     0.011,
     10,
     "%.4lf",
     {"0.0010", "0.0020", "0.0030", "0.0040", "0.0050", "0.0060", "0.0070", "0.0080", "0.0090", "0.0100"}},
    {"step 1e5 is the last fixed decade", 0, 2e5, 1, "%.0lf", {"100000"}},
    {"step 5e6 is past it", 0, 1e7, 1, "%.2lE", {"5.00E+06"}},
    {"huge range", 0, 1e300, 4, "%.2lE", {"2.00E+299", "4.00E+299", "6.00E+299", "8.00E+299"}},
    {"tiny range", 1e-10, 2e-10, 1, "%.2lE", {"1.50E-10"}},
    {"tinier range: its step is lost against 1.0", 1e-300, 2e-300, 1, "%.1lE", {"1.5E-300"}},
    {"step lost against 1.0 takes its digits from the minimum", 2e-17, 3e-17, 1, "%.1lE", {"2.5E-17"}},
    {"... or from the maximum when the minimum is 0", 0, 1e-17, 1, "%.1lE", {"5.0E-18"}},
    {"negative range", -300, -100, 1, "%.0lf", {"-200"}},
};

void PrintTo(const RangeCase &c, std::ostream *os) { *os << c.what; }

class ComputedLevels : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ComputedLevels, AreEvenlySpacedAndRoundedThroughTheFormat) {
  const RangeCase &c = GetParam();
  const double step = (c.dmax - c.dmin) / (c.n + 1);
  EXPECT_EQ(vex3d::level_format(c.dmin, c.dmax, step), c.format);

  GraphPtr graph = make_graph();
  Vex3dSetValues(graph.get(), VEX3D_NUM_DISTN_LEVELS, c.n, 0);
  set_distribution(graph.get(), c.dmin, c.dmax);
  std::vector<double> expected;
  for (const char *text : c.levels) expected.push_back(std::strtod(text, nullptr));
  EXPECT_EQ(vex3d::levels_in_use(graph.get()), expected);
}

INSTANTIATE_TEST_SUITE_P(Levels, ComputedLevels, ::testing::ValuesIn(kRanges),
                         [](const auto &info) { return "case" + std::to_string(info.index); });

TEST(ComputedLevels, NoneForAnEmptyUnknownOrUnusableRange) {
  GraphPtr graph = make_graph();
  EXPECT_TRUE(vex3d::levels_in_use(graph.get()).empty()) << "a new graph has no data";
  const struct {
    double dmin, dmax;
  } ranges[] = {{5, 5}, {0, 1e308}, {0, std::numeric_limits<double>::infinity()}, {std::nan(""), 1}};
  for (const auto &r : ranges) {
    set_distribution(graph.get(), r.dmin, r.dmax);
    EXPECT_TRUE(vex3d::levels_in_use(graph.get()).empty()) << r.dmin << " " << r.dmax;
  }
  set_distribution(graph.get(), 0, 1);
  Vex3dSetValues(graph.get(), VEX3D_NUM_DISTN_LEVELS, 0, 0);
  EXPECT_TRUE(vex3d::levels_in_use(graph.get()).empty()) << "no levels asked for";
}

TEST(ComputedLevels, ARangeWiderThanTheLargestDoubleStillSplitsEvenly) {
  GraphPtr graph = make_graph();
  Vex3dSetValues(graph.get(), VEX3D_NUM_DISTN_LEVELS, 3, 0);
  set_distribution(graph.get(), -1.6e308, 1.6e308);
  const std::vector<double> expected = {-8e307, 0, 8e307};
  EXPECT_EQ(vex3d::levels_in_use(graph.get()), expected);
}

TEST(DecimalPlaces, OnlyFiniteNonZeroValuesHaveADigitToPlace) {
  EXPECT_EQ(vex3d::decimal_places(0.01), 2);
  EXPECT_EQ(vex3d::decimal_places(-2500), -3);
  for (double v : {0.0, std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()})
    EXPECT_EQ(vex3d::decimal_places(v), vex3d::kNoSignificantDigit) << v;
}

}  // namespace
