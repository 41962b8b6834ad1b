// Arcs and pies in 1/64 degree: end points, the shifted box, full turns.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "arc_rule.h"
#include "recording_fixture.h"

namespace {

using namespace vex3d;
constexpr double kPi = std::numbers::pi;

struct ArcCase {
  const char *name;
  int angle1, angle2;
  bool filled;
  bool drawn;
  bool whole;
  double start, sweep;  // expected radians when neither empty nor whole
};

// A circle in the box (0, 0, 100, 100).
const ArcCase kCases[] = {
    {"full turn", 0, 23040, false, true, true, 0, 0},
    {"full turn backwards", 5760, -23040, false, true, true, 0, 0},
    {"no sweep", 1000, 0, false, false, false, 0, 0},
    {"tiny sweep whose ends coincide", 0, 10, false, false, false, 0, 0},
    {"quarter", 0, 5760, false, true, false, 0.0, kPi / 2},
    {"quarter given backwards", 5760, -5760, false, true, false, 0.0, kPi / 2},
    {"upper half", 0, 11520, false, true, false, 0.0, kPi},
    {"from 90 to 360 degrees", 5760, 17280, false, true, false, kPi / 2, 3 * kPi / 2},
    {"filled full turn", 0, 23040, true, true, true, 0, 0},
    {"filled quarter", 0, 5760, true, true, false, 0.0, kPi / 2},
};

TEST(ArcRule, EndPointsSweepAndFullTurns) {
  for (const ArcCase &c : kCases) {
    SCOPED_TRACE(c.name);
    const auto arc = plan_arc(0, 0, 100, 100, c.angle1, c.angle2, c.filled);
    ASSERT_EQ(arc.has_value(), c.drawn);
    if (!arc) continue;
    EXPECT_EQ(arc->whole(), c.whole);
    // Arcs use the box moved one pixel right and down, except a whole filled ellipse.
    const platform::Box expected_box = c.whole && c.filled ? platform::Box{0, 0, 100, 100} : platform::Box{1, 1, 100, 100};
    EXPECT_EQ(arc->box, expected_box);
    if (c.whole) continue;
    // The end points lie on rays from (50, 50) while the ellipse is centred
    // at (51, 51): the angles come out a hundredth of a radian off.
    EXPECT_NEAR(arc->start, c.start, 0.03);
    EXPECT_NEAR(arc->sweep, c.sweep, 0.03);
  }
}

TEST(ArcRule, EmptyBoxesAndExtremeAnglesDrawNothingOrStayFinite) {
  EXPECT_FALSE(plan_arc(0, 0, 0, 100, 0, 23040, false));
  EXPECT_FALSE(plan_arc(0, 0, 100, -1, 0, 23040, true));
  const auto extreme = plan_arc(0, 0, 100, 50, 2147483647, 2147483647, false);
  ASSERT_TRUE(extreme.has_value());
  EXPECT_TRUE(std::isfinite(extreme->start) && std::isfinite(extreme->sweep));
}

using ArcSlots = RecordingGraph;

TEST_F(ArcSlots, OutlineAndPieReachTheContext) {
  vex3d_win_drawarc(graph.get(), 10, 20, 30, 40, 0, 23040);
  vex3d_win_fillarc(graph.get(), 10, 20, 30, 40, 0, 23040);
  vex3d_win_drawarc(graph.get(), 10, 20, 30, 40, 0, 0);
  ASSERT_EQ(ops().size(), 2u);
  EXPECT_EQ(ops()[0].primitive, platform::Primitive::kArc);
  EXPECT_EQ(ops()[0].arc.box, (platform::Box{11, 21, 30, 40}));
  EXPECT_EQ(ops()[1].primitive, platform::Primitive::kPie);
  EXPECT_EQ(ops()[1].arc.box, (platform::Box{10, 20, 30, 40}));
}

}  // namespace
