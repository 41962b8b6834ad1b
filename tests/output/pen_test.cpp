// Line attributes and line patterns: which pen each combination makes.
#include <gtest/gtest.h>

#include "recording_fixture.h"

namespace {

using namespace vex3d;
using platform::Cap;
using platform::Join;

struct AttributeCase {
  int width, style, cap, join;
  bool thin;
  int pen_width;
  Cap expected_cap;
  Join expected_join;
  bool dashed;
};

// Width below 2 with the solid style is the cosmetic one-pixel pen; the rest
// are geometric with the mapped caps and joins.
const AttributeCase kAttributes[] = {
    {0, 1, 2, 3, true, 1, Cap::kFlat, Join::kBevel, false},
    {1, 1, 3, 2, true, 1, Cap::kFlat, Join::kBevel, false},
    {2, 1, 2, 3, false, 2, Cap::kFlat, Join::kBevel, false},
    {5, 1, 1, 1, false, 5, Cap::kFlat, Join::kMiter, false},
    {5, 1, 3, 2, false, 5, Cap::kRound, Join::kRound, false},
    {5, 1, 0, 0, false, 5, Cap::kSquare, Join::kMiter, false},
    {5, 1, 4, 9, false, 5, Cap::kSquare, Join::kMiter, false},
    {5, 1, -1, 3, false, 5, Cap::kSquare, Join::kBevel, false},
    {0, 2, 2, 3, false, 1, Cap::kFlat, Join::kBevel, true},
    {3, 2, 2, 3, false, 3, Cap::kFlat, Join::kBevel, true},
};

using Pens = RecordingGraph;

TEST_F(Pens, LineAttributes) {
  for (const AttributeCase &c : kAttributes) {
    SCOPED_TRACE(testing::Message() << c.width << " " << c.style << " " << c.cap << " " << c.join);
    vex3d_win_setlineattributes(graph.get(), c.width, c.style, c.cap, c.join);
    vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
    const platform::Pen &pen = last().state.pen;
    EXPECT_EQ(pen.thin, c.thin);
    EXPECT_EQ(pen.width, c.pen_width);
    if (!c.thin) {
      EXPECT_EQ(pen.cap, c.expected_cap);
      EXPECT_EQ(pen.join, c.expected_join);
    }
    EXPECT_EQ(!pen.solid(), c.dashed);
  }
}

TEST_F(Pens, SolidLineIsTheThinPenInTheColour) {
  vex3d_win_setlineattributes(graph.get(), 7, 2, 3, 2);
  vex3d_win_setsolidline(graph.get(), 0x00AA00);
  vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
  EXPECT_TRUE(last().state.pen.thin);
  EXPECT_TRUE(last().state.pen.solid());
  EXPECT_EQ(last().state.pen.color, 0x00AA00u);
  EXPECT_EQ(last().state.text_color, 0x00AA00u) << "the foreground is also the text colour";
}

TEST_F(Pens, CallersDashesAreUsedAsGiven) {
  const int dashes[] = {3, 5, 1, 5};
  vex3d_win_setdashes(graph.get(), Vex3dLpatLongDash, 2, 4, dashes);
  vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
  const platform::Pen &pen = last().state.pen;
  EXPECT_FALSE(pen.thin) << "a dashed pen is geometric";
  EXPECT_EQ(pen.dashes, (std::vector<double>{3, 5, 1, 5}));
  EXPECT_EQ(pen.dash_offset, 2);
}

TEST_F(Pens, EveryDashedPatternHasItsOwnDashesScaledByTheWidth) {
  const int patterns[] = {Vex3dLpatLongDash, Vex3dLpatDotted, Vex3dLpatShortDash, Vex3dLpatLslDash,
                          Vex3dLpatDashDot};
  std::vector<std::vector<double>> seen;
  for (int pattern : patterns) {
    SCOPED_TRACE(pattern);
    vex3d_win_setlineattributes(graph.get(), 1, 2, 2, 3);
    vex3d_win_setdashes(graph.get(), pattern, 0, 0, nullptr);
    vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
    const std::vector<double> one = last().state.pen.dashes;
    ASSERT_GE(one.size(), 2u);
    EXPECT_EQ(one.size() % 2, 0u) << "on and off lengths in pairs";
    for (const auto &other : seen) EXPECT_NE(one, other) << "patterns look different";
    seen.push_back(one);
    vex3d_win_setlineattributes(graph.get(), 3, 2, 2, 3);
    vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
    for (std::size_t i = 0; i < one.size(); ++i) EXPECT_EQ(last().state.pen.dashes[i], 3 * one[i]);
  }
  for (int solid : {Vex3dLpatSolid, Vex3dLpatNone}) {
    vex3d_win_setdashes(graph.get(), solid, 0, 0, nullptr);
    vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
    EXPECT_TRUE(last().state.pen.solid()) << solid;
  }
}

TEST_F(Pens, ThinSolidAttributesClearTheDashes) {
  vex3d_win_setdashes(graph.get(), Vex3dLpatDotted, 0, 0, nullptr);
  vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
  vex3d_win_setlineattributes(graph.get(), 1, 1, 2, 3);
  vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
  vex3d_win_setlineattributes(graph.get(), 1, 2, 2, 3);
  vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
  ASSERT_EQ(ops().size(), 3u);
  EXPECT_FALSE(ops()[0].state.pen.solid());
  EXPECT_TRUE(ops()[1].state.pen.thin && ops()[1].state.pen.solid());
  EXPECT_FALSE(ops()[2].state.pen.solid()) << "a dashed style dashes";
  EXPECT_NE(ops()[2].state.pen.dashes, ops()[0].state.pen.dashes) << "but the dotted dashes were cleared";
}

TEST_F(Pens, MetafilesKeepOnlyTheWidthAndSimpleStyles) {
  platform::RecordingContext metafile({.metafile = true});
  {
    const CurrentContextScope current(graph.get(), &metafile);
    vex3d_win_setlineattributes(graph.get(), 3, 2, 3, 2);
    vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
    vex3d_win_setlineattributes(graph.get(), 1, 2, 3, 2);
    vex3d_win_setdashes(graph.get(), Vex3dLpatShortDash, 0, 0, nullptr);
    vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
    vex3d_win_setdashes(graph.get(), Vex3dLpatDashDot, 0, 0, nullptr);
    vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
    const int given[] = {1, 1};
    vex3d_win_setdashes(graph.get(), Vex3dLpatLongDash, 0, 2, given);
    vex3d_win_drawline(graph.get(), 0, 0, 10, 10);
  }
  const auto &m = metafile.ops();
  ASSERT_EQ(m.size(), 4u);
  EXPECT_EQ(m[0].state.pen.width, 3);
  EXPECT_TRUE(m[0].state.pen.solid()) << "wide metafile pens are solid";
  EXPECT_FALSE(m[1].state.pen.solid());
  EXPECT_EQ(m[1].state.pen.dashes, m[2].state.pen.dashes) << "short dash and dash-dot are the same simple style";
  EXPECT_NE(m[3].state.pen.dashes, (std::vector<double>{1, 1})) << "no user dashes on a metafile";
}

}  // namespace
