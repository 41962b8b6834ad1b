// Nice numbers, label counts, tick steps, rounded ends and number formats.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anno.h"

namespace vex3d {
namespace {

TEST(Ticks, NiceNumbers) {
  struct Case {
    double x;
    bool rounded;
    double nice;
  } cases[] = {
      {19.4, true, 20}, {1.49, true, 1},     {1.5, true, 2},    {2.99, true, 2},  {3, true, 5},        {6.99, true, 5},
      {7, true, 10},    {0.0734, true, 0.1}, {-19.4, true, 20}, {0, true, 0},     {1, false, 1},       {1.01, false, 2},
      {2, false, 2},    {2.5, false, 5},     {5, false, 5},     {5.1, false, 10}, {1234, false, 2000}, {0, false, 0},
  };
  for (const Case &c : cases) EXPECT_DOUBLE_EQ(nice_number(c.x, c.rounded), c.nice) << c.x << " " << c.rounded;
}

TEST(Ticks, Decimals) {
  struct Case {
    double x;
    short d;
  } cases[] = {{20, -1}, {500000, -5}, {-2000000, -6}, {0.05, 2}, {1, 0}, {0.999, 1}, {0, kManyDecimals}};
  for (const Case &c : cases) EXPECT_EQ(decimals(c.x), c.d) << c.x;
}

TEST(Ticks, LabelCount) {
  EXPECT_EQ(label_count(0.2, 2, 2.0), 6);  // a vertical axis of length 2
  EXPECT_EQ(label_count(0.5, 2, 1.5), 4);  // ceil(2.5 / 0.75)
  EXPECT_EQ(label_count(10, 2, 2.0), 2);   // never fewer than 2
  EXPECT_EQ(label_count(0, 2, 1.5), 2);    // nothing to measure
}

std::vector<std::string> texts(const AxisTicks &t) {
  std::vector<std::string> out;
  for (double v : tick_values(t)) out.push_back(tick_text(t, v));
  return out;
}

TEST(Ticks, RangeRoundsOutWithinAQuarterStep) {
  // 97 moves to 100 (3 beyond, under a quarter step of 5).
  const AxisTicks a = compute_ticks(0, 97, 6, false);
  EXPECT_EQ(a.step, 20);
  EXPECT_EQ(a.lo, 0);
  EXPECT_EQ(a.hi, 100);
  EXPECT_STREQ(a.format, "%.0f");
  EXPECT_EQ(texts(a), (std::vector<std::string>{"0", "20", "40", "60", "80", "100"}));
  // 92 would move 8: it stays.
  const AxisTicks b = compute_ticks(0, 92, 6, false);
  EXPECT_EQ(b.step, 20);
  EXPECT_EQ(b.hi, 92);
  EXPECT_EQ(texts(b), (std::vector<std::string>{"0", "20", "40", "60", "80"}));
  // Lower ends round down the same way.
  EXPECT_EQ(compute_ticks(3, 97, 6, false).lo, 0);
  EXPECT_EQ(compute_ticks(13, 97, 6, false).lo, 10);
  EXPECT_EQ(compute_ticks(18, 97, 6, false).lo, 18);
  // Kept exact (the z axis of bar charts): the ends stay.
  const AxisTicks exact = compute_ticks(0, 97, 6, true);
  EXPECT_EQ(exact.hi, 97);
  EXPECT_EQ(exact.step, 20);
}

TEST(Ticks, StepFallsBackToHalfTheSpan) {
  // 2 labels over 0...1.2: nice(1.2) = 1 fits; over 0...0.7 nice(0.7) = 1 does
  // not, so the step is nice(0.35) = 0.5.
  EXPECT_EQ(compute_ticks(0, 1.2, 2, true).step, 1);
  EXPECT_EQ(compute_ticks(0, 0.7, 2, true).step, 0.5);
}

TEST(Ticks, Formats) {
  struct Case {
    double lo, hi;
    int n;
    const char *format;
    const char *first_label;
  } cases[] = {
      {0, 2000000, 5, "%.1E", "0.0E+00"},  // d(step) = -5, ends -6
      {0, 0.97, 6, "%.1f", "0.0"},        {0.5, 0.75, 6, "%.2f", "0.50"},
      {1e-6, 3e-6, 5, "%.1E", "1.0E-06"},                          // ends with 6 decimals
      {-7, 7, 6, "%.0f", "-6"},           {5, 5, 6, "%.0f", "4"},  // zero length: 4 to 6 in steps of 2
  };
  for (const Case &c : cases) {
    const AxisTicks t = compute_ticks(c.lo, c.hi, c.n, false);
    EXPECT_STREQ(t.format, c.format) << c.lo << "..." << c.hi;
    ASSERT_FALSE(tick_values(t).empty());
    EXPECT_EQ(tick_text(t, tick_values(t).front()), c.first_label) << c.lo << "..." << c.hi;
  }
  const AxisTicks big = compute_ticks(0, 2000000, 5, false);
  EXPECT_EQ(big.step, 500000);
  EXPECT_EQ(big.step_decimals, -5);
  EXPECT_EQ(big.end_decimals, -6);
  EXPECT_EQ(texts(big), (std::vector<std::string>{"0.0E+00", "5.0E+05", "1.0E+06", "1.5E+06", "2.0E+06"}));
  const AxisTicks zero = compute_ticks(5, 5, 6, false);
  EXPECT_EQ(zero.lo, 4);
  EXPECT_EQ(zero.hi, 6);
  EXPECT_EQ(zero.step, 2);
}

TEST(Ticks, TinyValuesPrintAsZero) {
  AxisTicks exponent;
  std::snprintf(exponent.format, sizeof exponent.format, "%%.1E");
  exponent.step_decimals = -5;  // half of 10^5 is the threshold
  EXPECT_EQ(tick_text(exponent, 1e-10), "0.0E+00");
  EXPECT_EQ(tick_text(exponent, -49999), "0.0E+00");
  EXPECT_EQ(tick_text(exponent, 500000), "5.0E+05");
  AxisTicks fixed;
  std::snprintf(fixed.format, sizeof fixed.format, "%%.1f");
  fixed.step_decimals = 1;
  EXPECT_EQ(tick_text(fixed, -1e-17), "0.0") << "no negative zero";
  EXPECT_EQ(tick_text(fixed, -0.2), "-0.2");
}

TEST(Ticks, SampleLabels) {
  std::string first, second;
  sample_labels(0, 97, first, second);
  EXPECT_EQ(first, " 10 ");
  EXPECT_EQ(second, " 90 ");
}

}  // namespace
}  // namespace vex3d
