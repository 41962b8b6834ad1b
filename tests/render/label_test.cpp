// Chart labels attached to data: where they go, when they are refused, the
// room they take in the z range, their connecting line and their place in
// the painter's order of the body.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "body_fixture.h"
#include "chart_labels.h"
#include "label_line.h"
#include "traversal.h"

namespace vex3d {
namespace {

constexpr int kLabelFill = 0x123456, kLabelInk = 0x654321;
constexpr double kHole = 1e308;

class LabelTest : public BodyTest {
 protected:
  Vex3dText *label(const char *text = "Label") {
    Vex3dText *t = Vex3dCreateText(g());
    EXPECT_TRUE(Vex3dTextSetValueString(t, VEX3D_TEXT_STRINGS, (std::string("(\"") + text + "\")").c_str()));
    Vex3dTextSetValues(t, VEX3D_TEXT_BACKGROUND_COLOR, kLabelFill, VEX3D_TEXT_FOREGROUND_COLOR, kLabelInk, 0);
    return t;
  }
  Vex3dText *by_index(int column, int row) {
    Vex3dText *t = label();
    Vex3dTextSetValues(t, VEX3D_TEXT_ATTACH_METHOD, Vex3dAttachIndex, VEX3D_TEXT_ATTACH_INDEX_X, column,
                       VEX3D_TEXT_ATTACH_INDEX_Y, row, 0);
    return t;
  }
  Vex3dText *by_point(double x, double y, double z) {
    Vex3dText *t = label();
    Vex3dTextSetValues(t, VEX3D_TEXT_ATTACH_METHOD, Vex3dAttachPoint, VEX3D_TEXT_ATTACH_POINT_X, x,
                       VEX3D_TEXT_ATTACH_POINT_Y, y, VEX3D_TEXT_ATTACH_POINT_Z, z, 0);
    return t;
  }
  static const LabelState &state(const Vex3dText *t) { return *find_label_state(t); }
  // A 5 x 5 surface over 0 ... 4 rising along x: z = x, with a hole at (3, 3).
  void ramp(bool with_hole = false) {
    use(make_grid(5, 5, [&](int i, int j) { return with_hole && i == 3 && j == 3 ? kHole : double(i); }));
    Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 1, 0);
  }
};

// ---- Placement

TEST_F(LabelTest, EachAttachMethodFindsItsPlace) {
  ramp(true);
  const Vex3dText *index = by_index(2, 1);
  const Vex3dText *hole_z = by_point(1.5, 2, kHole);      // takes the surface height
  const Vex3dText *under = by_point(3.5, 0.5, 1.0);       // below z = 3.5
  const Vex3dText *over = by_point(0.5, 0.5, 3.0);
  draw();
  struct Expected {
    const Vex3dText *label;
    double x, y, z;
    bool below;
  } cases[] = {{index, 2, 1, 2, false}, {hole_z, 1.5, 2, 1.5, false}, {under, 3.5, 0.5, 1, true}, {over, 0.5, 0.5, 3, false}};
  for (const Expected &e : cases) {
    const LabelState &s = state(e.label);
    ASSERT_TRUE(s.placed);
    EXPECT_DOUBLE_EQ(s.x, e.x);
    EXPECT_DOUBLE_EQ(s.y, e.y);
    EXPECT_DOUBLE_EQ(s.z, e.z);
    EXPECT_EQ(s.below, e.below);
    EXPECT_TRUE(s.projected);
  }
}

TEST_F(LabelTest, HistogramBarsCarryIndexLabelsAtTheirCentres) {
  use(make_grid(4, 4, [](int i, int j) { return 1.0 + i + j; }));
  Vex3dSetValues(g(), VEX3D_TYPE, Vex3dTypeBar, VEX3D_XBAR_FORMAT, Vex3dBarHistogram, 0);
  const Vex3dText *inner = by_index(1, 2), *last = by_index(3, 2);
  draw();
  EXPECT_DOUBLE_EQ(state(inner).x, 1.5);  // between grid values 1 and 2
  EXPECT_DOUBLE_EQ(state(inner).y, 2);    // y is not in histogram format
  EXPECT_DOUBLE_EQ(state(last).x, 3);     // the last has no next value
}

TEST_F(LabelTest, PointDataAreAddressedBySeriesAndPoint) {
  DataPtr points(Vex3dDataCreatePoint(2, 0, kHole, 0));
  Vex3dSeries *series = points->point.series;
  ASSERT_TRUE(Vex3dDataSetSeriesSize(&series[0], 2) && Vex3dDataSetSeriesSize(&series[1], 1));
  series[0].points[1] = Vex3dPoint{1, 1, 1};
  series[1].points[0] = Vex3dPoint{2, 2, 2};
  use(std::move(points));
  Vex3dText *found = by_index(0, 0), *missing_point = by_index(0, 0), *missing_series = by_index(0, 0);
  Vex3dTextSetValues(found, VEX3D_TEXT_ATTACH_INDEX_SERIES, 1, VEX3D_TEXT_ATTACH_INDEX_POINT, 0, 0);
  Vex3dTextSetValues(missing_point, VEX3D_TEXT_ATTACH_INDEX_SERIES, 1, VEX3D_TEXT_ATTACH_INDEX_POINT, 1, 0);
  Vex3dTextSetValues(missing_series, VEX3D_TEXT_ATTACH_INDEX_SERIES, 2, 0);
  draw();
  ASSERT_TRUE(state(found).placed);
  EXPECT_DOUBLE_EQ(state(found).z, 2);
  EXPECT_FALSE(state(missing_point).placed);
  EXPECT_FALSE(state(missing_series).placed);
}

TEST_F(LabelTest, RefusedPlacesLeaveTheLabelUnplaced) {
  ramp(true);
  Vex3dSetValues(g(), VEX3D_XMAX, 3.0, 0);  // the visible grid ends at column 3
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  Vex3dText *refused[] = {
      by_index(3, 3),            // a hole
      by_index(4, 0),            // beyond the visible columns
      by_index(-1, 0),           // before the grid
      by_index(1 << 30, 1 << 30),
      by_point(3.5, 1, 1),       // x beyond XMAX
      by_point(1, 4.5, 1),       // y beyond YMAX
      by_point(1, 1, 100),       // z beyond the z range of a three-dimensional chart
      by_point(1e300, 1, 1),
      by_point(1, 1, 1), by_point(1, 1, 1), by_point(1, 1, 1),  // made non-finite below
  };
  // The setters refuse numbers that are not finite; a record may still hold one.
  const std::size_t n = std::size(refused);
  refused[n - 3]->attach_point_x = nan;
  refused[n - 2]->attach_point_y = inf;
  refused[n - 1]->attach_point_z = nan;
  Vex3dText *hidden = by_index(1, 1);
  Vex3dTextSetValues(hidden, VEX3D_TEXT_SHOW, 0, 0);
  draw();
  for (std::size_t k = 0; k < n; ++k) EXPECT_FALSE(state(refused[k]).placed) << "case " << k;
  EXPECT_TRUE(!find_label_state(hidden) || !state(hidden).placed);
  EXPECT_TRUE(fills_in(kLabelFill).empty());
}

TEST_F(LabelTest, ASolidSurfaceHidesLabelsUnderItWholly) {
  ramp();
  const Vex3dText *under = by_point(3.5, 0.5, 1.0), *over = by_point(0.5, 0.5, 3.0);
  Vex3dSetValues(g(), VEX3D_SOLID_SURFACE, 1, 0);
  draw();
  EXPECT_FALSE(state(under).placed);
  EXPECT_TRUE(state(over).placed);
}

// ---- Room in the z range

TEST_F(LabelTest, LabelsAboveTheSurfaceRaiseADefaultZMaxUntilTheirTextFits) {
  ramp();
  draw();
  const double plain_max = graph->z.max;
  Vex3dText *top = by_index(4, 2);  // on the highest grid line
  Vex3dTextSetValueString(top, VEX3D_TEXT_STRINGS, "(\"two\" \"lines\")");
  draw();
  EXPECT_GT(graph->z.max, plain_max);
  // The box's top in cube units lies inside the cube.
  const LabelState &s = state(top);
  const Point4 place = transform_point(view().normalize, Point4{s.x, s.y, s.z, 1});
  EXPECT_LE(place.z + s.text_height + s.margin, view().half[2] + 1e-9);

  Vex3dSetValues(g(), VEX3D_ZMAX, 4.0, 0);
  draw();
  EXPECT_DOUBLE_EQ(graph->z.max, 4.0);
}

TEST_F(LabelTest, LabelsUnderTheSurfaceLowerADefaultZMin) {
  ramp();
  draw();
  const double plain_min = graph->z.min;
  by_point(3.5, 0.5, 0.0);  // at the data minimum, below the surface
  draw();
  EXPECT_LT(graph->z.min, plain_min);
}

// ---- Connecting line

TEST(LabelLineTest, EndsAtTheEdgeOrCornerFacingThePlace) {
  // A 40 x 20 box centred 100 px from the place in the offset's direction.
  struct Case {
    int dx, dy;
    DevicePoint end;
  } cases[] = {
      {100, 0, {80, 0}},       // right: the middle of the left edge
      {0, -100, {0, -90}},     // above: the middle of the bottom edge
      {-100, 0, {-80, 0}},     // left: the right edge
      {0, 100, {0, 90}},       // below: the top edge
      {71, -71, {51, -61}},    // up right: the bottom-left corner
      {-71, -71, {-51, -61}},  // up left: the bottom-right corner
      {-71, 71, {-51, 61}},    // down left: the top-right corner
      {71, 71, {51, 61}},      // down right: the top-left corner
  };
  for (const Case &c : cases) {
    const LabelBox box{double(c.dx), double(c.dy), 20, 10};
    const std::optional<DevicePoint> end = connecting_line_end(DevicePoint{0, 0}, box, c.dx, c.dy);
    ASSERT_TRUE(end) << c.dx << "," << c.dy;
    EXPECT_EQ(end->x, c.end.x) << c.dx << "," << c.dy;
    EXPECT_EQ(end->y, c.end.y) << c.dx << "," << c.dy;
  }
}

TEST(LabelLineTest, NoLineForNoOffsetOrAPlaceInsideTheBox) {
  EXPECT_FALSE(connecting_line_end(DevicePoint{0, 0}, LabelBox{0, 0, 20, 10}, 0, 0));
  EXPECT_FALSE(connecting_line_end(DevicePoint{0, 0}, LabelBox{5, 0, 20, 10}, 5, 0));
  EXPECT_FALSE(connecting_line_end(DevicePoint{0, 0}, LabelBox{5, -5, 20, 10}, 5, -5));
  // Past a corner on one side only: only that coordinate moves to the corner.
  const std::optional<DevicePoint> end = connecting_line_end(DevicePoint{0, 0}, LabelBox{30, -5, 20, 10}, 30, -30);
  ASSERT_TRUE(end);
  EXPECT_EQ(end->x, 10);
  EXPECT_EQ(end->y, 0);
}

// ---- Drawing order

class LabelOrderTest : public LabelTest, public ::testing::WithParamInterface<double> {
 protected:
  // The position of cell (i, j) in the traversal of the drawing just made.
  int traversal_position(int i, int j) {
    int k = 0, found = -1;
    traverse_cells(body().eye, body().view_flags, [&](int ci, int cj, int) {
      if (ci == i && cj == j && found < 0) found = k;
      if (ci >= 0 && cj >= 0 && ci + 1 < 5 && cj + 1 < 5) ++k;
    });
    return found;
  }
};

TEST_P(LabelOrderTest, ALabelIsDrawnAfterTheCellsBehindItAndBeforeThoseInFront) {
  // A plane seen from above: one fill per cell in the top colour.
  use(make_grid(5, 5, [](int, int) { return 0.0; }));
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 1, VEX3D_ZMIN, -1.0, VEX3D_ZMAX, 1.0, 0);
  rotate(45, 0, GetParam());
  by_point(1.5, 2.5, 0.5);  // the label above the plane, in the label fill
  Vex3dText *under = by_point(2.5, 0.5, -0.5);
  Vex3dTextSetValues(under, VEX3D_TEXT_BACKGROUND_COLOR, kLabelFill + 1, 0);
  draw();
  const std::vector<std::size_t> cells = fills_in(kTop);
  ASSERT_EQ(cells.size(), 16u);
  auto cells_before = [&](std::size_t at) { return std::count_if(cells.begin(), cells.end(), [&](std::size_t c) { return c < at; }); };
  const std::vector<std::size_t> above_fill = fills_in(kLabelFill), under_fill = fills_in(kLabelFill + 1);
  ASSERT_EQ(above_fill.size(), 1u);  // each label exactly once
  ASSERT_EQ(under_fill.size(), 1u);
  // Above the surface: after its own cell; under it: before its own cell.
  EXPECT_EQ(cells_before(above_fill[0]), traversal_position(1, 2) + 1);
  EXPECT_EQ(cells_before(under_fill[0]), traversal_position(2, 0));
  EXPECT_EQ(state(under).below, true);
}

INSTANTIATE_TEST_SUITE_P(FromFourSides, LabelOrderTest, ::testing::Values(30.0, 120.0, 210.0, 300.0));

// ---- Bad input

TEST_F(LabelTest, ManyLabelsAndLongTextsAreEachDrawnOnce) {
  ramp();
  for (int k = 0; k < 10000; ++k) by_point(0.0004 * k, 0.0004 * k, kHole);
  std::string lines = "(";
  for (int k = 0; k < 1000; ++k) lines += "\"line\" ";
  lines += ")";
  Vex3dText *tall = by_index(1, 1);
  Vex3dTextSetValues(tall, VEX3D_TEXT_BACKGROUND_COLOR, kLabelFill + 2, 0);
  ASSERT_TRUE(Vex3dTextSetValueString(tall, VEX3D_TEXT_STRINGS, lines.c_str()));
  Vex3dText *empty = by_index(2, 2);
  Vex3dTextSetValues(empty, VEX3D_TEXT_STRINGS, nullptr, VEX3D_TEXT_BACKGROUND_COLOR, kLabelFill + 3, 0);
  draw();
  EXPECT_EQ(fills_in(kLabelFill).size(), 10000u);
  EXPECT_EQ(fills_in(kLabelFill + 2).size(), 1u);
  EXPECT_EQ(fills_in(kLabelFill + 3).size(), 1u);
  EXPECT_TRUE(std::isfinite(graph->z.max));
}

}  // namespace
}  // namespace vex3d
