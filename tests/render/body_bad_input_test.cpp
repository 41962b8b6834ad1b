// Bad data drawn in every chart type and mode: thin grids, holes everywhere,
// values that are no numbers or huge. Nothing crashes, every coordinate the
// body hands out stays in range, and missing points leave their cells out.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "body_fixture.h"

namespace vex3d {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Setting {
  const char *name;
  int type, mesh, shaded, zones, contours, project, solid;
};

constexpr Setting kSettings[] = {
    {"mesh", Vex3dTypeSurface, 1, 0, 0, 0, 0, 0},
    {"everything", Vex3dTypeSurface, 1, 1, 1, 1, 3, 1},
    {"flat map", Vex3dTypeSurface, 0, 0, 1, 1, 0, 0},
    {"bars", Vex3dTypeBar, 1, 1, 1, 0, 0, 0},
    {"scatter", Vex3dTypeScatter, 1, 0, 0, 0, 0, 0},
};

struct BadGrid {
  const char *name;
  int nx, ny;
  double (*z)(int i, int j);
};

constexpr BadGrid kGrids[] = {
    {"one column", 1, 5, [](int, int j) { return double(j); }},
    {"one row", 5, 1, [](int i, int) { return double(i); }},
    {"one point", 1, 1, [](int, int) { return 1.0; }},
    {"all holes", 4, 4, [](int, int) { return 1e308; }},
    {"NaN and infinities", 5, 5, [](int i, int j) { return i == 2 ? kNaN : j == 1 ? kInf : j == 3 ? -kInf : i + j; }},
    {"huge values", 4, 4, [](int i, int j) { return (i + j) % 2 ? 1e300 : -1e300; }},
    {"a spike", 4, 4, [](int i, int j) { return i == 1 && j == 2 ? 1e305 : 0.0; }},
};

class BodyBadInputTest : public BodyTest, public ::testing::WithParamInterface<BadGrid> {};

TEST_P(BodyBadInputTest, EveryTypeAndMode) {
  const BadGrid &bad = GetParam();
  use(make_grid(bad.nx, bad.ny, bad.z));
  for (const Setting &s : kSettings) {
    Vex3dSetValues(g(), VEX3D_TYPE, s.type, VEX3D_DRAW_MESH, s.mesh, VEX3D_DRAW_SHADED, s.shaded, VEX3D_DRAW_ZONES,
                   s.zones, VEX3D_DRAW_CONTOURS, s.contours, VEX3D_PROJECT_ZMIN, s.project, VEX3D_PROJECT_ZMAX,
                   s.project, VEX3D_SOLID_SURFACE, s.solid, 0);
    for (double x_rotation : {45.0, -60.0}) {
      rotate(x_rotation, 0, 30);
      draw();
      for (const auto &op : ops())
        for (const platform::Point &p : op.points) {
          ASSERT_LE(std::abs(p.x), 1000000000 + (1 << 20)) << bad.name << ", " << s.name;
          ASSERT_LE(std::abs(p.y), 1000000000 + (1 << 20)) << bad.name << ", " << s.name;
        }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Grids, BodyBadInputTest, ::testing::ValuesIn(kGrids));

TEST_F(BodyTest, MissingPointsLeaveTheirCellsOut) {
  // A 4 x 4 grid with one hole and one NaN: of its 9 cells only 2 have all corners.
  use(make_grid(4, 4, [](int i, int j) { return i == 1 && j == 1 ? 1e308 : i == 2 && j == 2 ? kNaN : 0.1 * i; }));
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 1, 0);
  draw();
  EXPECT_EQ(fills_in(kTop).size() + fills_in(kBottom).size(), 2u);
}

TEST_F(BodyTest, ThinGridsDrawNoSurfaceButBarsAndSymbols) {
  use(make_grid(1, 5, [](int, int j) { return double(j); }));
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 1, 0);
  draw();
  EXPECT_TRUE(fills_in(kTop).empty() && fills_in(kBottom).empty());
  Vex3dSetValues(g(), VEX3D_TYPE, int(Vex3dTypeBar), 0);  // fixed bars: one per point
  draw();
  EXPECT_FALSE(fills_in(kTop).empty());
  Vex3dSetValues(g(), VEX3D_XBAR_FORMAT, int(Vex3dBarHistogram), 0);  // a histogram needs two columns
  draw();
  EXPECT_TRUE(fills_in(kTop).empty());
}

}  // namespace
}  // namespace vex3d
