// Stroke text: widths, the glyph walk through the placement matrix, the
// far-x cut and the device rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "device_point_io.h"
#include "stroke_text.h"

namespace vex3d {
namespace {

constexpr int kRomanSimplex = 13, kRomanComplexSmall = 11;
using Polyline = std::vector<DevicePoint>;

// A placement that moves the text origin to (tx, ty) and scales x by sx.
struct Placement {
  PlacementMatrix m;
  Placement(double tx, double ty, double sx = 1, double w = 1)
      : m{{sx, 0, 0, tx}, {0, 1, 0, ty}, {0, 0, 1, 0}, {0, 0, 0, w}} {}
};

std::vector<Polyline> draw(int font, int size, const Placement &at, std::string_view text) {
  std::vector<Polyline> lines;
  stroke_text(kStrokeFonts[font], size, at.m, text,
              [&](std::span<const DevicePoint> points) { lines.emplace_back(points.begin(), points.end()); });
  return lines;
}

// The size at which one glyph unit of a 36-unit font is one text-plane unit.
constexpr int kUnitSize = 18000;

TEST(StrokeTextWidth, IsSizeTimesTheBearingsOverTheHeight) {
  struct Case {
    int font, size;
    std::string text;
    int width;
  } cases[] = {
      // Roman Simplex A (Hershey glyph 501) spans -9 to 9: 100 * 18 / 36.
      {kRomanSimplex, 100, "A", 50},
      {kRomanSimplex, 1000, "AA", 1000},
      // The space spans -8 to 8: 100 * 16 / 36 = 44.4.
      {kRomanSimplex, 100, " ", 44},
      {kRomanComplexSmall, 28, " ", 12},  // small fonts: -6 to 6 over 28
      // Every character other than a single byte 32-127 is a space.
      {kRomanSimplex, 36, "\xC3\xA9", 16},                              // é: one two-byte character
      {kRomanSimplex, 36, "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", 48},  // é, €, an emoji: three
      {kRomanSimplex, 36, "\t\n", 32},                                  // control codes
      {kRomanSimplex, 36, "\xFF\xC3", 32},                              // bytes that start no character
      {kRomanSimplex, 0, "Hello", 0},
      {kRomanSimplex, 100, "", 0},
  };
  for (const Case &c : cases) EXPECT_EQ(stroke_text_width(kStrokeFonts[c.font], c.size, c.text), c.width) << c.text;
}

// Roman Simplex "!" (Hershey glyph 714): bearings -5 and 5, a bar from y -12
// to 2 and a dot around (0, 8).
TEST(StrokeText, GlyphsFollowThePenThroughTheMatrix) {
  const Polyline bar{{5, -12}, {5, 2}}, dot{{5, 7}, {4, 8}, {5, 9}, {6, 8}, {5, 7}};
  EXPECT_EQ(draw(kRomanSimplex, kUnitSize, Placement(0, 0), "!"), (std::vector<Polyline>{bar, dot}));

  // The second glyph starts 10 units on; the matrix moves everything.
  const auto two = draw(kRomanSimplex, kUnitSize, Placement(100, 50), "!!");
  ASSERT_EQ(two.size(), 4u);
  EXPECT_EQ(two[0].front(), (DevicePoint{105, 38}));
  EXPECT_EQ(two[2].front(), (DevicePoint{115, 38}));

  // A character above 127 draws nothing and advances by the space (16).
  const auto after = draw(kRomanSimplex, kUnitSize, Placement(0, 0), "\xC3\xA9!");
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[0].front(), (DevicePoint{21, -12}));

  // Half the size halves every coordinate; a w of 2 does too.
  EXPECT_EQ(draw(kRomanSimplex, kUnitSize / 2, Placement(0, 0), "!")[0], (Polyline{{3, -6}, {3, 1}}));
  EXPECT_EQ(draw(kRomanSimplex, kUnitSize, Placement(0, 0, 1, 2), "!")[0], (Polyline{{3, -6}, {3, 1}}));
}

TEST(StrokeText, OnlyCharactersAbove127DrawNothing) {
  EXPECT_TRUE(draw(kRomanSimplex, 80, Placement(0, 0), "\xC3\xA9\xE2\x82\xAC \t").empty());
  EXPECT_FALSE(draw(kRomanSimplex, 80, Placement(0, 0), "\x7F").empty());  // 127 has a glyph
}

TEST(StrokeText, SizeZeroDrawsEveryPointAtTheTextOrigin) {
  const auto lines = draw(kRomanSimplex, 0, Placement(100, 200), "Hello, world");
  ASSERT_FALSE(lines.empty());
  for (const auto &line : lines)
    for (const DevicePoint &p : line) EXPECT_EQ(p, (DevicePoint{100, 200}));
}

// Roman Simplex H (Hershey glyph 508): bearings -11 and 11; strokes at x -7
// (left stem), 7 (right stem) and -7 (the bar). With the pen at 11 they land
// on x + 4, x + 18 and x + 4; the next H is 22 further on.
TEST(StrokeText, AStrokeStartingBeyondX32767EndsItsGlyph) {
  // The left stem starts on 32767 and is drawn; the right stem starts beyond,
  // so neither it nor the bar (back on 32767) is drawn.
  auto lines = draw(kRomanSimplex, kUnitSize, Placement(32763, 0), "H");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].front().x, 32767);
  EXPECT_TRUE(draw(kRomanSimplex, kUnitSize, Placement(32764, 0), "H").empty());

  // Only the glyph is cut, not the text: right to left, the first H starts
  // beyond the limit and the later ones come back within it.
  // (mirrored: the left stems land on 32780 - 4, then 32780 - 26 and 32780 - 48).
  lines = draw(kRomanSimplex, kUnitSize, Placement(32780, 0, -1), "HHH");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].front().x, 32780 - 26);
  EXPECT_EQ(lines[3].front().x, 32780 - 48);
}

// Halves round upward; negative coordinates (off the surface) round to the
// nearest integer like positive ones rather than toward zero.
TEST(StrokeText, DeviceRoundingGoesToTheNearestInteger) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double v;
    int expected;
  } cases[] = {{0.5, 1},   {0.49, 0},   {2.5, 3},   {-0.5, 0},           {-0.51, -1},
               {-1.5, -1}, {-1.51, -2}, {-12, -12}, {1e300, 1000000000}, {-inf, -1000000000}};
  for (const auto &c : cases) EXPECT_EQ(device_round(c.v), c.expected) << c.v;
}

TEST(StrokeText, PointsTheMatrixCannotPlaceAreLeftOut) {
  // w = 0 puts every point at infinity: held at the device limit, not undefined.
  const auto far = draw(kRomanSimplex, kUnitSize, Placement(-5, 0, 1, 0), "!");
  ASSERT_FALSE(far.empty());
  // A NaN matrix places nothing.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(draw(kRomanSimplex, kUnitSize, Placement(nan, 0), "Hello").empty());
}

}  // namespace
}  // namespace vex3d
