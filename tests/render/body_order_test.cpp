// The painter's order of a drawn surface, read back from the recording: for
// eyes in all nine places around and above a 6 x 6 grid, every cell is
// filled once and farther cells first along every ray from the eye.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "body_fixture.h"
#include "ray_order.h"

namespace vex3d {
namespace {

constexpr int kCells = 6;

struct View {
  double x_rotation, z_rotation;
  int expected_side_flags;  // where the eye lies against the grid's x and y ends
};

class BodyOrderTest : public BodyTest, public ::testing::WithParamInterface<View> {};

TEST_P(BodyOrderTest, FartherCellsFirstAlongEveryRay) {
  // A gentle surface: no cell folds from any of these views.
  use(make_grid(kCells + 1, kCells + 1, [](int i, int j) { return 0.05 * std::sin(i + 2.0 * j); }));
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 1, VEX3D_ZMIN, -2.0, VEX3D_ZMAX, 2.0, 0);
  rotate(GetParam().x_rotation, 0, GetParam().z_rotation);
  draw();
  ASSERT_EQ(body().view_flags & kEyeSideBits, GetParam().expected_side_flags);

  // Each filled cell back to its grid cell through its four projected corners.
  const ProjectedGrid &grid = body().grid;
  auto key = [](const std::vector<platform::Point> &points) {
    std::vector<int> k;
    for (const platform::Point &p : points) k.insert(k.end(), {p.x, p.y});
    return k;
  };
  std::map<std::vector<int>, std::pair<int, int>> cell_of;
  for (int i = 0; i < kCells; ++i)
    for (int j = 0; j < kCells; ++j)
      cell_of[key({point_of(grid.at(i, j)), point_of(grid.at(i, j + 1)), point_of(grid.at(i + 1, j + 1)),
                   point_of(grid.at(i + 1, j))})] = {i, j};
  std::vector<std::size_t> fills = fills_in(kTop);
  const std::vector<std::size_t> bottom = fills_in(kBottom);
  fills.insert(fills.end(), bottom.begin(), bottom.end());
  std::sort(fills.begin(), fills.end());
  std::vector<std::pair<int, int>> drawn;
  for (std::size_t k : fills) {
    const auto hit = cell_of.find(key(ops()[k].points));
    ASSERT_NE(hit, cell_of.end()) << "a fill that is no cell: " << ops()[k].points.size() << " points from "
                                  << ops()[k].points[0].x << "," << ops()[k].points[0].y << " grid 0,0 at "
                                  << grid.at(0, 0).x << "," << grid.at(0, 0).y;
    drawn.push_back(hit->second);
  }
  expect_each_cell_once(drawn, kCells, kCells);
  expect_far_to_near(order_of(drawn), kCells, kCells, eye().x, eye().y);
}

INSTANTIATE_TEST_SUITE_P(NineEyePlaces, BodyOrderTest,
                         ::testing::Values(View{80, 10, 0},                                      // above the grid
                                           View{30, 10, kEyeBeyondYMin}, View{30, 190, kEyeBeyondYMax},
                                           View{30, 80, kEyeBeyondXMin}, View{30, 260, kEyeBeyondXMax},
                                           View{30, 45, kEyeBeyondXMin | kEyeBeyondYMin},
                                           View{30, 135, kEyeBeyondXMin | kEyeBeyondYMax},
                                           View{-30, 225, kEyeBeyondXMax | kEyeBeyondYMax},  // from below
                                           View{30, 315, kEyeBeyondXMax | kEyeBeyondYMin}));

}  // namespace
}  // namespace vex3d
