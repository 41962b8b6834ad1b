// Grid lines: which faces carry which axis's lines, and where they run.
#include <gtest/gtest.h>

#include <cmath>

#include "anno.h"
#include "grid.h"
#include "view_fixture.h"

namespace vex3d {
namespace {

TEST_F(ViewTest, GridLinesFollowThePlaneSetsOnTheBackFaces) {
  Vex3dSetValues(g(), VEX3D_XGRID_LINES, Vex3dxyplane | Vex3dxzplane, VEX3D_ZGRID_LINES, Vex3dyzplane, 0);
  const ViewState &v = compute();
  const AxisAnnotation &x = v.cube.axes[0];
  ASSERT_FALSE(x.grid_values.empty());
  struct Case {
    int face, axis;
    bool lines;
  } cases[] = {
      {4, 0, true},   // floor: xy plane
      {3, 0, true},   // y = +1: xz plane
      {1, 0, false},  // x = +1: x does not lie in it
      {4, 2, false},  // z is not in the floor
      {1, 2, true},   // x = +1: yz plane
      {3, 2, false},  // xz is not in z's set
      {4, 1, false},  // y has no planes
  };
  for (const Case &c : cases) {
    const auto lines = grid_segments(g(), v, c.face, c.axis);
    EXPECT_EQ(lines.size(), c.lines ? v.cube.axes[c.axis].grid_values.size() : 0u) << c.face << " " << c.axis;
  }
  // On the floor each x line runs across y at its value's position.
  const auto floor = grid_segments(g(), v, 4, 0);
  for (std::size_t i = 0; i < floor.size(); ++i) {
    const double at = -v.half[0] + 2 * v.half[0] * (x.grid_values[i] - x.ticks.lo) / (x.ticks.hi - x.ticks.lo);
    EXPECT_NEAR(floor[i].a.x, at, 1e-12);
    EXPECT_EQ(floor[i].b.x, floor[i].a.x);
    EXPECT_EQ(floor[i].a.y, -v.half[1]);
    EXPECT_EQ(floor[i].b.y, v.half[1]);
    EXPECT_EQ(floor[i].a.z, -v.half[2]);
  }
  Vex3dSetValues(g(), VEX3D_XAXIS_SHOW, 0, 0);
  EXPECT_TRUE(grid_segments(g(), compute(), 4, 0).empty()) << "a hidden axis has no grid lines";
}

TEST_F(ViewTest, FlatMapGridLiesInTheRectangleOnly) {
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, VEX3D_XGRID_LINES, 7, VEX3D_ZGRID_LINES, 7, 0);
  const ViewState &v = compute();
  EXPECT_FALSE(grid_segments(g(), v, 4, 0).empty());
  EXPECT_TRUE(grid_segments(g(), v, 3, 0).empty());
  EXPECT_TRUE(grid_segments(g(), v, 1, 2).empty());
}

TEST_F(ViewTest, FaceNormalsAndTheOrientationMarker) {
  const ViewState &v = compute();
  for (int f = 0; f < 6; ++f) EXPECT_EQ(face_normal_axis(v, f), kCubeFaces[f].axis) << f;
  const auto marker = orientation_marker(v);
  ASSERT_FALSE(marker.empty());
  EXPECT_NEAR(marker[0].a.x, -0.8, 1e-15);
  EXPECT_NEAR(marker[0].a.y, -0.8, 1e-15);
  EXPECT_EQ(marker[0].a.z, -1);
  EXPECT_EQ(marker[0].b.y, -1);
}

}  // namespace
}  // namespace vex3d
