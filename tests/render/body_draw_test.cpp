// What the chart body draws, read back from the recording: folded cells,
// mesh flags, projection order, the transparent mesh, bars and symbols.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "body_fixture.h"
#include "body_geometry.h"
#include "contour.h"
#include "xycolors.h"

namespace vex3d {
namespace {

using platform::Point;
using platform::Primitive;

std::vector<int> flagged(const std::vector<std::uint8_t> &flags) {
  std::vector<int> out;
  for (std::size_t k = 0; k < flags.size(); ++k)
    if (flags[k]) out.push_back(int(k));
  return out;
}

DevicePoint device(const ViewState &view, double x, double y, double z) {
  const Point4 p = data_to_device(view, x, y, z);
  return DevicePoint{device_round(p.x), device_round(p.y)};
}

// ---- Folded cells

TEST_F(BodyTest, FoldedCellIsFourTrianglesAboutItsCentreFarEdgeFirst) {
  // Seen low from the front, the near left corner raised above the far edge:
  // the near edge crosses the far one on the device.
  use(make_grid(2, 2, [](int i, int j) { return i == 0 && j == 0 ? 5.0 : 0.0; }));
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 1, 0);
  rotate(20, 0, 0);
  draw();
  const ProjectedGrid &grid = body().grid;
  const DevicePoint c[4] = {grid.at(0, 0), grid.at(0, 1), grid.at(1, 1), grid.at(1, 0)};
  ASSERT_TRUE(body().eye.columns.has_strip());  // the eye's column: tag 2, a strip
  ASSERT_TRUE(cell_folds(2, c, false));

  std::vector<std::vector<Point>> triangles;
  for (const auto &op : ops())
    if (op.primitive == Primitive::kPolygon && (int(op.state.brush.color) == kTop || int(op.state.brush.color) == kBottom))
      triangles.push_back(op.points);
  const Point centre = point_of(device(view(), 0.5, 0.5, 5.0 / 4));
  // Strips start from the far edge b-c, then a-b, c-d, d-a (a, b, c, d = 0, 1, 2, 3).
  const std::vector<std::vector<Point>> expected = {
      {point_of(c[1]), point_of(c[2]), centre},
      {point_of(c[0]), point_of(c[1]), centre},
      {point_of(c[2]), point_of(c[3]), centre},
      {point_of(c[3]), point_of(c[0]), centre},
  };
  EXPECT_EQ(triangles, expected);
}

TEST_F(BodyTest, FlatCellIsOneQuadrilateral) {
  use(make_grid(2, 2, [](int, int) { return 0.0; }));
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 1, VEX3D_ZMIN, -1.0, VEX3D_ZMAX, 1.0, 0);
  rotate(20, 0, 0);
  draw();
  EXPECT_EQ(fills_in(kTop).size() + fills_in(kBottom).size(), 1u);
}

TEST_F(BodyTest, CellSeenEdgeOnIsNotFilledButMeshed) {
  // The flat cell seen from its own plane lies on one device row: a fill
  // would cover no pixel and is left out, its mesh is drawn.
  use(make_grid(2, 2, [](int, int) { return 0.0; }));
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 1, VEX3D_DRAW_SHADED, 1, VEX3D_ZMIN, -1.0, VEX3D_ZMAX, 1.0, 0);
  for (const double x_rotation : {20.0, 0.0}) {
    rotate(x_rotation, 0, 0);
    draw();
    const DevicePoint a = body().grid.at(0, 0), b = body().grid.at(1, 1);
    EXPECT_EQ(a.y == b.y, x_rotation == 0) << x_rotation;
    EXPECT_EQ(fills_in(kTop).size() + fills_in(kBottom).size(), x_rotation == 0 ? 0u : 1u) << x_rotation;
    EXPECT_FALSE(lines_in(kMeshTop).empty() && lines_in(kMeshBottom).empty()) << x_rotation;
  }
}

// ---- Mesh flags as the drawing prepares them

TEST_F(BodyTest, MeshFilterThreeOnElevenRows) {
  use(make_grid(3, 11, [](int i, int j) { return i + j; }));
  Vex3dSetValues(g(), VEX3D_XMESH_FILTER, 3, 0);
  draw();
  EXPECT_EQ(flagged(body().row_mesh), (std::vector<int>{0, 3, 6, 9, 10}));
  EXPECT_EQ(flagged(body().column_mesh), (std::vector<int>{0, 1, 2}));
}

TEST_F(BodyTest, AutomaticMeshFilterOnThreeHundredRows) {
  use(make_grid(3, 300, [](int i, int j) { return std::sin(i + j * 0.01); }));
  Vex3dSetValues(g(), VEX3D_XMESH_FILTER, 0, 0);  // the chart area is 300 device units high
  draw();
  std::vector<int> expected;
  for (int k = 0; k < 300; k += 10) expected.push_back(k);
  expected.push_back(299);
  EXPECT_EQ(flagged(body().row_mesh), expected);
}

// ---- Projections before or after the body

struct ProjectionCase {
  double x_rotation;
  bool floor_first;
};

class ProjectionOrderTest : public BodyTest, public ::testing::WithParamInterface<ProjectionCase> {};

TEST_P(ProjectionOrderTest, FloorBehindFromAboveOverTheBodyFromBelow) {
  use(make_grid(4, 4, [](int i, int j) { return i * j; }));
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 1, VEX3D_PROJECT_ZMIN, int(Vex3dProjectZones), 0);
  rotate(GetParam().x_rotation, 0, 30);
  draw();
  std::vector<std::size_t> body_fills = fills_in(kTop), floor_fills;
  const std::vector<std::size_t> bottom = fills_in(kBottom);
  body_fills.insert(body_fills.end(), bottom.begin(), bottom.end());
  std::sort(body_fills.begin(), body_fills.end());
  for (std::size_t k = 0; k < ops().size(); ++k)
    if (ops()[k].primitive == Primitive::kPolygon && int(ops()[k].state.brush.color) != kTop &&
        int(ops()[k].state.brush.color) != kBottom)
      floor_fills.push_back(k);
  ASSERT_FALSE(body_fills.empty());
  ASSERT_FALSE(floor_fills.empty());
  if (GetParam().floor_first) {
    EXPECT_LT(floor_fills.back(), body_fills.front());
  } else {
    EXPECT_GT(floor_fills.front(), body_fills.back());
    // The cube's front edges follow, in the foreground colour.
    const std::vector<std::size_t> edges = lines_in(0);
    ASSERT_FALSE(edges.empty());
    EXPECT_GT(edges.back(), floor_fills.back());
  }
}

INSTANTIATE_TEST_SUITE_P(FromAboveAndBelow, ProjectionOrderTest,
                         ::testing::Values(ProjectionCase{45, true}, ProjectionCase{-45, false}));

// ---- The transparent single-colour mesh

struct ShortcutCase {
  const char *name;
  int hidden_lines, solid, mesh_bottom, shaded;
  bool label;
  bool shortcut;
};

class TransparentMeshTest : public BodyTest, public ::testing::WithParamInterface<ShortcutCase> {};

TEST_P(TransparentMeshTest, OnlyForATransparentSingleColourMesh) {
  const ShortcutCase &c = GetParam();
  use(make_grid(4, 5, [](int i, int j) { return i * 0.3 + j * 0.2; }));
  Vex3dSetValues(g(), VEX3D_DRAW_HIDDEN_LINES, c.hidden_lines, VEX3D_SOLID_SURFACE, c.solid, VEX3D_MESH_BOTTOM_COLOR,
                 c.mesh_bottom, VEX3D_DRAW_SHADED, c.shaded, 0);
  if (c.label) Vex3dCreateText(g());
  draw();
  std::size_t long_lines = 0;
  for (std::size_t k : lines_in(kMeshTop)) long_lines += ops()[k].points.size() > 2;
  if (c.shortcut) {
    EXPECT_EQ(long_lines, 4u + 5u) << "one polyline per column and per row";
    EXPECT_TRUE(fills_in(0xFFFFFF).empty()) << "nothing erased";
  } else {
    EXPECT_EQ(long_lines, 0u) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Conditions, TransparentMeshTest,
                         ::testing::Values(ShortcutCase{"all hold", 1, 0, kMeshTop, 0, false, true},
                                           ShortcutCase{"hidden lines removed", 0, 0, kMeshTop, 0, false, false},
                                           ShortcutCase{"solid", 1, 1, kMeshTop, 0, false, false},
                                           ShortcutCase{"two mesh colours", 1, 0, kMeshBottom, 0, false, false},
                                           ShortcutCase{"shaded", 1, 0, kMeshTop, 1, false, false},
                                           ShortcutCase{"a chart label", 1, 0, kMeshTop, 0, true, false}));

TEST_F(BodyTest, TransparentMeshPolylinesBreakAtHolesAndAt501Points) {
  use(make_grid(2, 600, [](int i, int j) { return i == 1 && j == 3 ? 1e308 : std::sin(j * 0.01); }));
  Vex3dSetValues(g(), VEX3D_DRAW_HIDDEN_LINES, 1, VEX3D_MESH_BOTTOM_COLOR, kMeshTop, 0);
  draw();
  std::vector<std::vector<Point>> lines;
  for (std::size_t k : lines_in(kMeshTop)) lines.push_back(ops()[k].points);
  // Column 0: 501 points, then the remaining 99 from the 501st on.
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0].size(), 501u);
  EXPECT_EQ(lines[1].size(), 100u);
  EXPECT_EQ(lines[1].front(), lines[0].back());
  // Column 1 has a hole at row 3: rows 0 ... 2, then 4 ... 599 (501 + 96).
  EXPECT_EQ(lines[2].size(), 3u);
  EXPECT_EQ(lines[3].size(), 501u);
  EXPECT_EQ(lines[4].size(), 96u);
}

// ---- Bars

TEST_F(BodyTest, FixedBarIsTheSpacingShareOfTheStepWide) {
  use(make_grid(2, 2, [](int i, int j) { return 1.0 + i + 2 * j; }));
  Vex3dSetValues(g(), VEX3D_TYPE, int(Vex3dTypeBar), VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 1, VEX3D_XBAR_SPACING,
                 80.0, VEX3D_YBAR_SPACING, 80.0, 0);
  draw();
  // The top face of the bar at (1, 1) (value 4): 0.8 wide, centred on the grid point.
  const std::vector<Point> top = {point_of(device(view(), 1.4, 0.6, 4)), point_of(device(view(), 0.6, 0.6, 4)),
                                  point_of(device(view(), 0.6, 1.4, 4)), point_of(device(view(), 1.4, 1.4, 4))};
  bool found = false;
  for (std::size_t k : fills_in(kTop)) found = found || ops()[k].points == top;
  EXPECT_TRUE(found);
  // Seen from above: four top faces and two sides each, no bottom faces.
  EXPECT_EQ(fills_in(kTop).size(), 4u * 3u);
  EXPECT_TRUE(fills_in(kBottom).empty());
}

TEST_F(BodyTest, HistogramBarsSpanTheirCellAndTakeTheirPerCellColour) {
  use(make_grid(3, 3, [](int i, int j) { return i == 1 && j == 0 ? -2.0 : 1.0; }));
  constexpr int kRed = 0x0000FF;
  Vex3dSetValues(g(), VEX3D_TYPE, int(Vex3dTypeBar), VEX3D_XBAR_FORMAT, int(Vex3dBarHistogram), VEX3D_YBAR_FORMAT,
                 int(Vex3dBarHistogram), VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 1, 0);
  Vex3dSetXYColor(g(), 1, 0, kRed);
  draw();
  // The bar of cell (1, 0) hangs from the origin down to -2: its upper face lies at z = 0.
  const std::vector<Point> upper = {point_of(device(view(), 2, 0, 0)), point_of(device(view(), 1, 0, 0)),
                                    point_of(device(view(), 1, 1, 0)), point_of(device(view(), 2, 1, 0))};
  const std::vector<std::size_t> red = fills_in(kRed);
  ASSERT_EQ(red.size(), 3u);  // upper face and two sides
  EXPECT_EQ(ops()[red[0]].points, upper);
  EXPECT_EQ(fills_in(kTop).size(), 3u * 3u);  // the other three bars
}

// ---- Symbols and drop lines of point data

class PointTest : public BodyTest {
 protected:
  static constexpr int kSymbolColor = 0x00AA00, kLineColor = 0xAA0000;
  void SetUp() override {
    BodyTest::SetUp();
    data_.reset(Vex3dDataCreatePoint(1, 3, 1e308, 1));
    const Vex3dPoint points[3] = {{0, 0, 0}, {1, 1, 1}, {0.5, 0.25, 0.75}};
    std::copy(points, points + 3, data_->point.series[0].points);
    Vex3dDataStyle style{{Vex3dLpatSolid, kLineColor, 1}, Vex3dSymbolBox, kSymbolColor, 6};
    Vex3dDataStyle *styles[] = {&style, nullptr};
    Vex3dSetValues(g(), VEX3D_SURFACE_DATA, data_.get(), VEX3D_DATA_STYLES, styles, VEX3D_DRAW_DROP_LINES, 1,
                   VEX3D_TYPE, int(Vex3dTypeScatter), 0);
  }
  // Positions of the symbol and the drop line of the point at (0.5, 0.25, 0.75).
  std::pair<std::size_t, std::size_t> symbol_and_line() {
    const DevicePoint at = device(view(), 0.5, 0.25, 0.75);
    std::size_t symbol = 0, line = 0;
    for (std::size_t k = 0; k < ops().size(); ++k) {
      const auto &op = ops()[k];
      if (op.primitive == Primitive::kRectangle && op.box == platform::Box{at.x - 3, at.y - 3, 6, 6}) symbol = k;
      if (op.primitive == Primitive::kPolyline && int(op.state.pen.color) == kLineColor &&
          op.points.front() == point_of(at))
        line = k;
    }
    return {symbol, line};
  }
};

TEST_F(PointTest, BoxSymbolCentredOnThePoint) {
  draw();
  const auto [symbol, line] = symbol_and_line();
  ASSERT_NE(symbol, 0u);
  EXPECT_EQ(int(ops()[symbol].state.brush.color), kSymbolColor);
  // The drop line ends at the foot, z = ZORIGIN.
  ASSERT_NE(line, 0u);
  EXPECT_EQ(ops()[line].points.back(), point_of(device(view(), 0.5, 0.25, 0)));
}

TEST_F(PointTest, DropLineGoesOverTheSymbolOnlyFromBelowBeyondAtMostOneSide) {
  struct Case {
    double x_rotation, z_rotation;
    bool line_first;
  } cases[] = {
      {45, 45, true},     // from above
      {-80, 10, false},   // from below, the eye over the data box
      {-30, 10, false},   // from below, beyond the y minimum only
      {-30, 45, true},    // from below, beyond two sides
  };
  for (const Case &c : cases) {
    rotate(c.x_rotation, 0, c.z_rotation);
    draw();
    const auto [symbol, line] = symbol_and_line();
    ASSERT_TRUE(symbol && line) << c.x_rotation << " " << c.z_rotation;
    EXPECT_EQ(line < symbol, c.line_first) << c.x_rotation << " " << c.z_rotation;
  }
}

TEST_F(PointTest, FarthestPointFirst) {
  rotate(30, 0, 45);
  draw();
  const Point4 e = eye();
  std::vector<double> distances;
  for (std::size_t k = 0; k < ops().size(); ++k)
    if (ops()[k].primitive == Primitive::kRectangle && int(ops()[k].state.brush.color) == kSymbolColor) {
      const Vex3dPoint *p = data_->point.series[0].points;
      for (int n = 0; n < 3; ++n) {
        const DevicePoint at = device(view(), p[n].x, p[n].y, p[n].z);
        if (ops()[k].box.x == at.x - 3 && ops()[k].box.y == at.y - 3)
          distances.push_back(std::hypot(p[n].x - e.x, p[n].y - e.y, p[n].z - e.z));
      }
    }
  ASSERT_EQ(distances.size(), 3u);
  EXPECT_TRUE(std::is_sorted(distances.rbegin(), distances.rend()));
}

}  // namespace
}  // namespace vex3d
