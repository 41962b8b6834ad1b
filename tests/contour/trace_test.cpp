// Tracing of contour lines on small grids whose lines can be worked out by hand.
#include <gtest/gtest.h>

#include "cell_lists.h"
#include "test_grid.h"

namespace {

using vex3d::contour_cell;
using vex3d::ContourStatus;

struct XY {
  double x, y;
};

void expect_points(const std::vector<Vex3dContourPoint> &got, const std::vector<XY> &want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t k = 0; k < want.size(); ++k) {
    EXPECT_DOUBLE_EQ(got[k].x, want[k].x) << "point " << k;
    EXPECT_DOUBLE_EQ(got[k].y, want[k].y) << "point " << k;
  }
}

TEST(Trace, SingleBumpIsOneClosedLineThroughTheMidpoints) {
  Contoured c(TestGrid::picture({{0, 0, 0}, {0, 1, 0}, {0, 0, 0}}), {0.5});
  ASSERT_EQ(c.status, ContourStatus::kDone);
  ASSERT_EQ(c.result.lines.size(), 1u);
  EXPECT_EQ(c.result.lines[0].level, 0);
  const auto points = polyline(c.result, 0);
  // The first seed is the vertical edge below the centre; the line closes on it.
  expect_points(points, {{1, 0.5}, {1.5, 1}, {1, 1.5}, {0.5, 1}, {1, 0.5}});
  for (const auto &p : points) EXPECT_EQ(p.z, 0.5);
  EXPECT_EQ(c.result.segments.size(), 4u);
}

TEST(Trace, OpenLineIsTwoPolylinesFromOneSeed) {
  // A valley whose lowest crossing is inside the window: the line runs from
  // the seed to the left border and, separately, to the right border.
  Contoured c(TestGrid(5, 5, [](int i, int j) { return j - 0.5 * (i - 2) * (i - 2); }), {1.25});
  ASSERT_EQ(c.result.lines.size(), 2u);
  const auto first = polyline(c.result, 0), second = polyline(c.result, 1);
  EXPECT_DOUBLE_EQ(first.front().x, 1);
  EXPECT_DOUBLE_EQ(first.front().y, 1.75);
  EXPECT_DOUBLE_EQ(second.front().x, first.front().x);
  EXPECT_DOUBLE_EQ(second.front().y, first.front().y);
  EXPECT_EQ(first.back().x, 4);  // cw from the left side of cell (1, 1): to the right
  EXPECT_EQ(second.back().x, 0);
  EXPECT_EQ(first.size() + second.size() - 2, c.result.segments.size());
}

TEST(Trace, LevelThroughAVertexIsSeededWhereTheVertexIsTheLowerEnd) {
  // z = (i + j) / 4: the level 0.5 passes through (2, 0), (1, 1) and (0, 2).
  // The edge (1, 0)-(2, 0) ends at 0.5 and seeds nothing; the edge (2, 0)-(2, 1)
  // starts at 0.5 and seeds the line.
  Contoured c(TestGrid(3, 3, [](int i, int j) { return (i + j) / 4.0; }), {0.5});
  ASSERT_EQ(c.result.lines.size(), 1u);
  const auto points = polyline(c.result, 0);
  EXPECT_EQ(points.front().x, 2);
  EXPECT_EQ(points.front().y, 0);
  EXPECT_EQ(points.back().x, 0);
  EXPECT_EQ(points.back().y, 2);
  for (const auto &p : points) EXPECT_DOUBLE_EQ(p.x + p.y, 2);
}

struct SaddleCase {
  const char *what;
  std::vector<std::vector<double>> picture;  // top row first
  int list_a, list_b;                        // the corner lists holding the two segments
  XY seed, exit;                             // the line seeded on the bottom edge
};

const SaddleCase kSaddles[] = {
    // Higher on the left of the bottom edge: clockwise, the line leaves through the left side.
    {"ones at (i, j) and (i+1, j+1)", {{0, 1}, {1, 0}}, 1, 3, {0.5, 0}, {0, 0.5}},
    // Higher on the right: counter-clockwise, the line leaves through the right side.
    {"ones at (i+1, j) and (i, j+1)", {{1, 0}, {0, 1}}, 0, 2, {0.5, 0}, {1, 0.5}},
};

TEST(Trace, SaddleIsSettledByTheCandidateOrder) {
  for (const auto &s : kSaddles) {
    SCOPED_TRACE(s.what);
    Contoured c(TestGrid::picture(s.picture), {0.5});
    ASSERT_EQ(c.result.lines.size(), 2u);
    expect_points(polyline(c.result, 0), {s.seed, s.exit});
    const Vex3dContourCell cell = contour_cell(c.result, 0, 0);
    EXPECT_EQ(cell.count, 2);
    for (int list = 0; list < 5; ++list)
      EXPECT_EQ(cell.list_count[list], list == s.list_a || list == s.list_b ? 1 : 0) << "list " << list;
  }
}

TEST(Trace, HoleVertexStopsLinesAndMarksItsCells) {
  // A bump with a hole beside its top: the lines end at the four hole cells.
  TestGrid g(5, 5, [](int i, int j) { return (i == 2 && j == 2) || (i == 2 && j == 3) ? 1.0 : 0.0; });
  g.values[2][3] = g.hole;
  Contoured c(std::move(g), {0.5});
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      const bool around_hole = (i == 1 || i == 2) && (j == 2 || j == 3);
      const Vex3dContourCell cell = contour_cell(c.result, i, j);
      EXPECT_EQ(cell.hole, around_hole ? 1 : 0) << i << "," << j;
      if (around_hole) {
        EXPECT_EQ(cell.count, 0) << i << "," << j;
      }
    }
  // One open line around the bump's lower half: two polylines from one seed,
  // each ending on a side of a hole cell.
  ASSERT_EQ(c.result.lines.size(), 2u);
  for (std::size_t n = 0; n < 2; ++n) EXPECT_EQ(polyline(c.result, n).back().y, 2) << n;
}

TEST(Trace, ZoneDataLinesLieOnTheSurface) {
  // Lines follow the zone values (x) while z is the height of the surface (10 + 2y).
  TestGrid surface(4, 4, [](int, int j) { return 10 + 2.0 * j; });
  const vex3d::GridWindow surface_window = surface.window();
  Contoured c(TestGrid(4, 4, [](int i, int j) { return i + 0.1 * j * j; }), {0.7, 1.5, 2.2}, true,
              &surface_window);
  ASSERT_FALSE(c.result.lines.empty());
  for (std::size_t n = 0; n < c.result.lines.size(); ++n)
    for (const auto &p : polyline(c.result, n)) EXPECT_NEAR(p.z, 10 + 2 * p.y, 1e-12);

  // A hole of the surface gives its hole value to points that need it.
  surface.values[3][3] = -1;
  surface.hole = -1;
  const vex3d::GridWindow holed = surface.window();
  Contoured h(TestGrid(4, 4, [](int i, int) { return double(i); }), {2.5}, true, &holed);
  ASSERT_EQ(h.result.lines.size(), 1u);
  const auto points = polyline(h.result, 0);
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[2].z, 14);  // leaving cell (2, 1) through its top: no hole at its ends
  EXPECT_EQ(points[3].z, -1);  // leaving cell (2, 2) through its top, which ends at the hole
}

// In every list the segment nearest the corner, or the first counter-clockwise
// across the cell, comes first.
struct OrderCase {
  const char *what;
  std::vector<std::vector<double>> picture;  // top row first; levels 0.25, 0.5, 0.75
  int list;
  std::vector<int> levels;  // of the list's segments, in order
};

const OrderCase kOrders[] = {
    {"corner (i+1, j) high", {{0, 0}, {0, 1}}, 0, {2, 1, 0}},
    {"corner (i+1, j+1) high", {{0, 1}, {0, 0}}, 1, {2, 1, 0}},
    {"corner (i, j+1) high", {{1, 0}, {0, 0}}, 2, {2, 1, 0}},
    {"corner (i, j) high", {{0, 0}, {1, 0}}, 3, {2, 1, 0}},
    {"corner (i+1, j) low", {{1, 1}, {1, 0}}, 0, {0, 1, 2}},
    {"rising to the right: b on the top side, right first", {{0, 1}, {0, 1}}, 4, {2, 1, 0}},
    {"rising to the left", {{1, 0}, {1, 0}}, 4, {0, 1, 2}},
    {"rising upwards: b on the right side, bottom first", {{1, 1}, {0, 0}}, 4, {0, 1, 2}},
};

TEST(CellLists, SegmentsAreOrderedCounterClockwiseAlongTheirSide) {
  for (const auto &o : kOrders) {
    SCOPED_TRACE(o.what);
    Contoured c(TestGrid::picture(o.picture), {0.25, 0.5, 0.75});
    const Vex3dContourCell cell = contour_cell(c.result, 0, 0);
    ASSERT_EQ(cell.list_count[o.list], int(o.levels.size()));
    EXPECT_EQ(cell.count, int(o.levels.size()));
    for (std::size_t n = 0; n < o.levels.size(); ++n) {
      const Vex3dContourSegment &s = cell.list[o.list][n];
      EXPECT_EQ(s.level, o.levels[n]) << n;
      EXPECT_EQ(vex3d::list_of(s), o.list);
    }
  }
}

TEST(CellLists, PointAIsOnTheSideBeforeB) {
  Contoured c(TestGrid::picture({{0, 1, 0}, {1, 0, 1}, {0, 1, 0}}), {0.3, 0.6});
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) {
      const Vex3dContourCell cell = contour_cell(c.result, i, j);
      for (int list = 0; list < 4; ++list)
        for (int n = 0; n < cell.list_count[list]; ++n) {
          EXPECT_EQ(cell.list[list][n].side_a, (list + 3) % 4);
          EXPECT_EQ(cell.list[list][n].side_b, list);
        }
    }
}

}  // namespace
