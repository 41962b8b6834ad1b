// The body's arithmetic: view flags, mesh filters, the integer segment test
// and cell folds, walls of a solid surface, bar footprints, painters.
#include <gtest/gtest.h>

#include <vector>

#include "body_geometry.h"
#include "painter_table.h"

namespace vex3d {
namespace {

std::vector<int> flagged(const std::vector<std::uint8_t> &flags) {
  std::vector<int> out;
  for (std::size_t k = 0; k < flags.size(); ++k)
    if (flags[k]) out.push_back(int(k));
  return out;
}

TEST(MeshFlags, FixedFilterKeepsEveryFthLineAndTheLast) {
  EXPECT_EQ(flagged(mesh_flags(true, 3, 11, 500)), (std::vector<int>{0, 3, 6, 9, 10}));
  EXPECT_EQ(flagged(mesh_flags(true, 1, 4, 500)), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(flagged(mesh_flags(true, 50, 4, 500)), (std::vector<int>{0, 3}));
  EXPECT_EQ(flagged(mesh_flags(false, 1, 4, 500)), (std::vector<int>{}));
  EXPECT_EQ(flagged(mesh_flags(true, -2, 3, 500)), (std::vector<int>{0, 1, 2}));
}

TEST(MeshFlags, AutomaticFilterKeepsLinesAboutTenUnitsApart) {
  // 300 rows drawn 300 device units high: f = trunc(10 / 1) = 10.
  std::vector<int> expected;
  for (int k = 0; k < 300; k += 10) expected.push_back(k);
  expected.push_back(299);
  EXPECT_EQ(flagged(mesh_flags(true, 0, 300, 300)), expected);
  // Rows more than 10 units apart: every row.
  EXPECT_EQ(flagged(mesh_flags(true, 0, 5, 300)).size(), 5u);
  // No height at all: only the ends.
  EXPECT_EQ(flagged(mesh_flags(true, 0, 5, 0)), (std::vector<int>{0, 4}));
}

TEST(SegmentsCross, IntegerTest) {
  struct Case {
    DevicePoint p1, p2, p3, p4;
    bool cross;
  } cases[] = {
      {{0, 0}, {10, 10}, {0, 10}, {10, 0}, true},  // an X
      {{0, 0}, {10, 0}, {5, 0}, {5, 10}, true},    // one ends on the other
      {{0, 0}, {10, 0}, {0, 1}, {10, 1}, false},   // parallel
      {{0, 0}, {10, 0}, {3, 0}, {20, 0}, false},   // overlapping on one line: no area between them
      {{0, 0}, {10, 10}, {6, 0}, {10, 3}, false},  // boxes overlap, lines miss
      {{0, 0}, {1, 1}, {5, 5}, {6, 7}, false},     // boxes apart
      {{-1000000000, 0}, {1000000000, 1}, {0, -1000000000}, {1, 1000000000}, true},  // far apart ends
  };
  for (const Case &c : cases) {
    EXPECT_EQ(segments_cross(c.p1, c.p2, c.p3, c.p4), c.cross);
    EXPECT_EQ(segments_cross(c.p3, c.p4, c.p1, c.p2), c.cross);
  }
}

TEST(CellFolds, OppositeEdgesThatCrossSplitTheCell) {
  // Corners 0 = (i, j), 1 = (i, j+1), 2 = (i+1, j+1), 3 = (i+1, j).
  const DevicePoint flat[4] = {{0, 10}, {0, 0}, {10, 0}, {10, 10}};
  // Edges 1-2 and 3-0 cross: the cell is seen folded over.
  const DevicePoint twisted[4] = {{0, 0}, {0, 10}, {10, 0}, {10, 10}};
  for (int tag = 1; tag <= 9; ++tag) {
    EXPECT_FALSE(cell_folds(tag, flat, false)) << tag;
    EXPECT_FALSE(cell_folds(tag, twisted, true)) << "zones are never split, tag " << tag;
  }
  EXPECT_FALSE(cell_folds(1, twisted, false));
  // Strips test b-c against d-a only: tags 2 and 3 see edges 1-2 and 3-0.
  EXPECT_TRUE(cell_folds(2, twisted, false));
  EXPECT_TRUE(cell_folds(3, twisted, false));
  EXPECT_FALSE(cell_folds(4, twisted, false));
  EXPECT_FALSE(cell_folds(5, twisted, false));
  // Quadrants test both pairs.
  for (int tag = 6; tag <= 9; ++tag) EXPECT_TRUE(cell_folds(tag, twisted, false)) << tag;
}

TEST(CellFacing, AreaSign) {
  // A cell seen from above: corners (i, j) ... go clockwise on the data plane,
  // counter-clockwise on the device (y down): non-negative, the top side.
  const DevicePoint from_above[4] = {{0, 10}, {0, 0}, {10, 0}, {10, 10}};
  const DevicePoint from_below[4] = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
  EXPECT_GT(doubled_area(from_above, 4), 0);
  EXPECT_LT(doubled_area(from_below, 4), 0);
  EXPECT_EQ(doubled_area(from_above, 4), 200);
}

// A 4 x 4 grid with a hole at (1, 1): four hole cells around it.
ProjectedGrid grid_with_hole() {
  ProjectedGrid g;
  g.nx = g.ny = 4;
  g.points.resize(16);
  g.flags.assign(16, 0);
  g.flags[g.index(1, 1)] = kPointHole;
  return g;
}

TEST(Walls, HoleCellsGetWallsTowardTheSurfaceAroundTheHole) {
  const ProjectedGrid g = grid_with_hole();
  struct Case {
    int i, j;
    bool walls[4];  // edges 0-1, 1-2, 2-3, 3-0
  } cases[] = {
      {1, 1, {false, true, true, false}},    // the hole at corner 0: walls on its far edges
      {0, 0, {false, false, false, false}},  // beside the border, hole cells on its other sides
      {1, 0, {false, false, true, false}},   // hole at corner 1; the right neighbour is surface
      {0, 1, {false, true, false, false}},   // hole at corner 3; the neighbour above is surface
  };
  for (const Case &c : cases) {
    const WallEdges w = wall_edges(cell_hole_bits(g, c.i, c.j));
    for (int e = 0; e < 4; ++e) EXPECT_EQ(w.edge[e], c.walls[e]) << c.i << "," << c.j << " edge " << e;
  }
  // Facing away from the eye: tag 7 (eye toward lower x, higher y) drops the x-low and y-high sides.
  const WallEdges w = wall_edges(cell_hole_bits(g, 1, 1) | tag_wall_bits(7));
  EXPECT_FALSE(w.edge[1]);
  EXPECT_TRUE(w.edge[2]);
}

TEST(Walls, TagBits) {
  const int expected[10] = {0, 0, 128, 32, 16, 64, 144, 48, 192, 96};
  for (int tag = 0; tag <= 9; ++tag) EXPECT_EQ(tag_wall_bits(tag), expected[tag]) << tag;
}

TEST(Bars, FixedFootprintIsTheSpacingShareOfTheStep) {
  EXPECT_DOUBLE_EQ(2 * bar_half_width(1.0, 80), 0.8);
  EXPECT_DOUBLE_EQ(2 * bar_half_width(0.5, 100), 0.5);
  EXPECT_DOUBLE_EQ(bar_half_width(2.0, 0), 0.0);
}

TEST(Bars, SidesFacingTheEyeByTag) {
  struct Case {
    int tag, first, second;
  } cases[] = {{1, -1, -1}, {2, 3, -1}, {3, 1, -1}, {4, 0, -1}, {5, 2, -1}, {6, 0, 3}, {7, 0, 1}, {8, 2, 3}, {9, 1, 2}};
  for (const Case &c : cases) {
    EXPECT_EQ(bar_sides(c.tag).first, c.first) << c.tag;
    EXPECT_EQ(bar_sides(c.tag).second, c.second) << c.tag;
  }
  // x-low joins P1 (x low, y low) and P2 (x low, y high); y-low joins P0 and P1.
  EXPECT_EQ(side_corners(0).from, 1);
  EXPECT_EQ(side_corners(0).to, 2);
  EXPECT_EQ(side_corners(3).from, 0);
  EXPECT_EQ(side_corners(3).to, 1);
}

TEST(ViewFlags, EyeBeyondTheEndsAndFloorSide) {
  const double lo[2] = {-1, -1}, hi[2] = {1, 1};
  // The floor on the device as seen from above and from below.
  const DevicePoint a{100, 100}, b{0, 100}, c{0, 0};
  EXPECT_EQ(view_flags(Point4{3, -2, 4, 1}, lo, hi, a, b, c), kEyeBeyondXMax | kEyeBeyondYMin | kFloorFromAbove);
  EXPECT_EQ(view_flags(Point4{0, 0, 5, 1}, lo, hi, a, b, c), kFloorFromAbove);
  EXPECT_EQ(view_flags(Point4{-1, 1, -5, 1}, lo, hi, a, c, b),
            kEyeBeyondXMin | kEyeBeyondYMax | kFloorFromBelow);  // ties count as beyond
}

TEST(Painters, EveryModeRow) {
  using enum PaintStep;
  struct Row {
    int mode;
    std::vector<PaintStep> plain, hidden;
  } rows[] = {
      {1, {kErase, kMesh}, {kMesh}},
      {2, {kShade}, {kShade}},
      {3, {kShade, kMesh}, {kShade, kMesh}},
      {5, {kErase, kZonedMeshOrMesh}, {kZonedMeshOrMesh}},
      {6, {kZoneFillOrShade}, {kZoneFillOrShade}},
      {7, {kZoneFillOrShade, kMesh}, {kZoneFillOrShade, kMesh}},
      {9, {kErase, kMesh, kContourLines}, {kMesh, kContourLines}},
      {10, {kShade, kContourLines}, {kShade, kContourLines}},
      {11, {kShade, kMesh, kContourLines}, {kShade, kMesh, kContourLines}},
      {13, {kErase, kZonedMeshOrMesh, kContourLines}, {kZonedMeshOrMesh, kContourLines}},
      {14, {kZoneFillOrShade, kContourLines}, {kZoneFillOrShade, kContourLines}},
      {15, {kZoneFillOrShade, kMesh, kContourLines}, {kZoneFillOrShade, kMesh, kContourLines}},
      {0, {}, {}},
      {4, {}, {}},
      {8, {}, {}},
      {12, {}, {}},
  };
  for (const Row &row : rows)
    for (bool hidden : {false, true}) {
      const Painter p = painter_for(row.mode, hidden);
      const std::vector<PaintStep> got(p.steps, p.steps + p.count);
      EXPECT_EQ(got, hidden ? row.hidden : row.plain) << "mode " << row.mode << (hidden ? " hidden" : "");
    }
}

}  // namespace
}  // namespace vex3d
