// Picking at the edges: the region test's order, flat maps beyond the grid
// and over holes, point data (the index equal to the count, two points on
// one pixel), and bad input of every kind.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "pick_fixture.h"

namespace vex3d {
namespace {

bool unset(double v) { return v == VALUE_UNSET; }

void expect_nothing_picked(Vex3dGraph *graph, int x, int y, int region) {
  const Vex3dDataCoordResult c = Vex3dPixelToDataCoord(graph, x, y);
  EXPECT_EQ(c.region, region) << x << "," << y;
  EXPECT_TRUE(unset(c.x) && unset(c.y) && unset(c.z)) << x << "," << y;
  EXPECT_EQ(c.pixel_x, x);
  EXPECT_EQ(c.pixel_y, y);
  const Vex3dDataIndexResult i = Vex3dPixelToDataIndex(graph, x, y);
  EXPECT_EQ(i.region, region) << x << "," << y;
  EXPECT_EQ(i.row, -1);
  EXPECT_EQ(i.column, -1);
  EXPECT_EQ(i.distance, -1);
}

// ---- Regions

struct RegionCase {
  const char *name;
  int x, y, region;
};

TEST_F(PickTest, RegionsAreTestedLegendChartAreaFooterHeader) {
  g()->header.rect = Rect{0, 0, 600, 40};
  g()->footer.rect = Rect{0, 410, 600, 40};
  g()->graph_rect = Rect{0, 40, 450, 370};
  g()->legend_rect = Rect{400, 100, 150, 200};  // over the chart area's right part
  const RegionCase cases[] = {
      {"legend over the chart area", 420, 150, Vex3dRegionInLegend},
      {"legend beside it", 500, 150, Vex3dRegionInLegend},
      {"legend's last pixel", 549, 299, Vex3dRegionInLegend},
      {"just right of the legend", 550, 150, Vex3dRegionNone},
      {"chart area's first pixel", 0, 40, Vex3dRegionInChartArea},
      {"chart area's last pixel", 449, 409, Vex3dRegionInChartArea},
      {"right of the chart area", 450, 60, Vex3dRegionNone},
      {"header", 10, 0, Vex3dRegionInHeader},
      {"header's last row", 599, 39, Vex3dRegionInHeader},
      {"footer", 10, 410, Vex3dRegionInFooter},
      {"footer's last pixel", 599, 449, Vex3dRegionInFooter},
      {"below the page", 10, 450, Vex3dRegionNone},
      {"left of the page", -1, 100, Vex3dRegionNone},
      {"far away", INT_MAX, INT_MIN, Vex3dRegionNone},
  };
  for (const RegionCase &c : cases) EXPECT_EQ(Vex3dPickRegion(g(), c.x, c.y), c.region) << c.name;
  // Overlapping footer and chart area: the chart area wins; footer and header: the footer.
  g()->footer.rect = Rect{0, 400, 600, 50};
  g()->header.rect = Rect{0, 0, 600, 405};
  EXPECT_EQ(Vex3dPickRegion(g(), 10, 405), Vex3dRegionInChartArea);
  EXPECT_EQ(Vex3dPickRegion(g(), 500, 402), Vex3dRegionInFooter);
  EXPECT_EQ(Vex3dPickRegion(nullptr, 10, 10), Vex3dRegionNone);
}

TEST_F(PickTest, OverTheLegendNothingOfTheChartIsPicked) {
  use(make_grid(10, 10, [](int i, int j) { return i + j; }));
  draw();
  g()->legend_rect = Rect{250, 150, 100, 100};  // over the middle of the surface
  expect_nothing_picked(g(), 300, 200, Vex3dRegionInLegend);
  EXPECT_FALSE(unset(Vex3dPixelToDataCoord(g(), 300, 260).z)) << "below the legend the surface shows";
}

// ---- Flat maps

class FlatPick : public PickTest {
 protected:
  void SetUp() override {
    PickTest::SetUp();
    Vex3dSetValues(g(), VEX3D_DRAW_SHADED, 0, 0);
  }
  Vex3dDataCoordResult pick_at(double x, double y) {
    const Vex3dPixelResult p = Vex3dDataCoordToPixel(g(), x, y, 0);
    return Vex3dPixelToDataCoord(g(), p.pixel_x, p.pixel_y);
  }
};

TEST_F(FlatPick, BeyondTheLastGridLineThePlaceIsKnownButNotTheHeight) {
  use(make_grid(10, 10, [](int i, int j) { return i * 10.0 + j; }));
  Vex3dSetValues(g(), VEX3D_XMAX, 15.0, 0);
  draw();
  const Vex3dDataCoordResult beyond = pick_at(12, 5);
  EXPECT_EQ(beyond.region, Vex3dRegionInChartArea);
  EXPECT_NEAR(beyond.x, 12, 0.1);
  EXPECT_NEAR(beyond.y, 5, 0.1);
  EXPECT_TRUE(unset(beyond.z));
  const Vex3dDataCoordResult inside = pick_at(4.5, 5.5);
  EXPECT_NEAR(inside.z, inside.x * 10 + inside.y, 1e-9) << "bilinear on a plane";
}

TEST_F(FlatPick, OnACellWithAHoleCornerTheHeightIsUnset) {
  use(make_grid(10, 10, [](int i, int j) { return i == 3 && j == 3 ? 1e308 : 1.0 * i; }));
  draw();
  for (auto [x, y] : {std::pair{2.5, 2.5}, {3.5, 3.5}, {2.5, 3.5}, {3.5, 2.5}}) {
    const Vex3dDataCoordResult r = pick_at(x, y);
    EXPECT_NEAR(r.x, x, 0.1);
    EXPECT_TRUE(unset(r.z)) << x << "," << y;
  }
  EXPECT_FALSE(unset(pick_at(1.5, 1.5).z));
  EXPECT_FALSE(unset(pick_at(4.5, 3.5).z));
}

TEST_F(FlatPick, ScatterChartsPickTheNearestSymbol) {
  use(make_grid(10, 10, [](int i, int j) { return i + 0.5 * j; }));
  Vex3dSetValues(g(), VEX3D_TYPE, Vex3dTypeScatter, 0);
  draw();
  const Vex3dDataCoordResult r = pick_at(6.2, 2.9);
  EXPECT_EQ(r.x, 6);
  EXPECT_EQ(r.y, 3);
  EXPECT_EQ(r.z, 7.5);
}

// ---- Holes in three dimensions

TEST_F(PickTest, StraightDownThroughAHoleCellNothingIsMet) {
  use(make_grid(10, 10, [](int i, int j) { return i == 5 && j == 5 ? 1e308 : 2.0; }));
  rotate(90, 0, 0);
  draw();
  const Vex3dPixelResult hole = Vex3dDataCoordToPixel(g(), 5, 5, 2);
  // The four cells about the hole point are not drawn.
  EXPECT_TRUE(unset(Vex3dPixelToDataCoord(g(), hole.pixel_x, hole.pixel_y).z));
  const Vex3dPixelResult solid = Vex3dDataCoordToPixel(g(), 2.5, 2.5, 2);
  const Vex3dDataCoordResult r = Vex3dPixelToDataCoord(g(), solid.pixel_x, solid.pixel_y);
  EXPECT_NEAR(r.z, 2, 1e-9);
  EXPECT_NEAR(r.x, 2.5, 0.1);
}

// ---- Point data

DataPtr points(std::initializer_list<std::initializer_list<Vex3dPoint>> series) {
  DataPtr data(Vex3dDataCreatePoint(int(series.size()), 0, 1e308, 0));
  int k = 0;
  for (const auto &s : series) {
    Vex3dDataSetSeriesSize(&data->point.series[k], int(s.size()));
    int n = 0;
    for (const Vex3dPoint &p : s) data->point.series[k].points[n++] = p;
    ++k;
  }
  return data;
}

TEST_F(PickTest, PointIndexEqualToTheCountIsInvalid) {
  use(points({{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}, {{4, 4, 4}}}));
  draw();
  const struct {
    int series, point;
    bool valid;
  } cases[] = {{0, 0, true},  {0, 2, true},  {0, 3, false},  {1, 0, true},
               {1, 1, false}, {2, 0, false}, {-1, 0, false}, {0, -1, false}};
  for (const auto &c : cases) {
    const Vex3dIndexPixelResult p = Vex3dDataIndexToPixel(g(), c.series, c.point);
    EXPECT_EQ(p.pixel_x >= 0 && p.pixel_y >= 0, c.valid) << c.series << "," << c.point;
    if (!c.valid) {
      EXPECT_EQ(p.pixel_x, -1);
      EXPECT_EQ(p.pixel_y, -1);
    }
  }
}

TEST_F(PickTest, OfTwoPointsOnOnePixelTheOneNearerTheEyeIsPicked) {
  // The second point lies on the line from the first to the eye.
  const Vex3dPoint far{5, 5, 5};
  use(points({{far}}));
  draw();
  const Point4 eye = transform_point(view().normalize_inverse, view().eye);
  const Vex3dPoint near{far.x + 0.3 * (eye.x - far.x), far.y + 0.3 * (eye.y - far.y), far.z + 0.3 * (eye.z - far.z)};
  for (const bool near_first : {true, false}) {
    use(near_first ? points({{near}, {far}}) : points({{far}, {near}}));
    Vex3dSetValues(g(), VEX3D_XMIN, 0.0, VEX3D_XMAX, 10.0, VEX3D_YMIN, 0.0, VEX3D_YMAX, 10.0, VEX3D_ZMIN, 0.0,
                   VEX3D_ZMAX, 10.0, 0);
    draw();
    const Vex3dIndexPixelResult a = Vex3dDataIndexToPixel(g(), near_first ? 1 : 0, 0);
    const Vex3dIndexPixelResult b = Vex3dDataIndexToPixel(g(), near_first ? 0 : 1, 0);
    ASSERT_EQ(a.pixel_x, b.pixel_x);
    ASSERT_EQ(a.pixel_y, b.pixel_y);
    const Vex3dDataIndexResult r = Vex3dPixelToDataIndex(g(), a.pixel_x, a.pixel_y);
    EXPECT_EQ(r.row, near_first ? 0 : 1) << "the series of the nearer point";
    EXPECT_EQ(r.column, 0);
    EXPECT_EQ(r.distance, 0);
    const Vex3dDataCoordResult c = Vex3dPixelToDataCoord(g(), a.pixel_x, a.pixel_y);
    EXPECT_EQ(c.x, near.x);
    EXPECT_EQ(c.z, near.z);
  }
}

// ---- Bad input

TEST_F(PickTest, PixelsFarOutsideTheWindowPickNothing) {
  use(make_grid(10, 10, [](int i, int j) { return i * j; }));
  draw();
  for (auto [x, y] : {std::pair{INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}, {INT_MIN, 100}, {-1, -1}, {kWidth, 10}})
    expect_nothing_picked(g(), x, y, Vex3dRegionNone);
}

TEST_F(PickTest, DataCoordinatesThatAreNoNumbersOrTooLargeMapToNoPixel) {
  use(make_grid(10, 10, [](int i, int j) { return i * j; }));
  draw();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();
  const struct {
    double x, y, z;
  } bad[] = {{kNaN, 1, 1}, {1, kNaN, 1}, {1, 1, kNaN}, {kInf, 1, 1}, {1, -kInf, 1}, {1e308, 1, 1}};
  for (const auto &c : bad) {
    const Vex3dPixelResult p = Vex3dDataCoordToPixel(g(), c.x, c.y, c.z);
    EXPECT_EQ(p.pixel_x, -1) << c.x << "," << c.y << "," << c.z;
    EXPECT_EQ(p.pixel_y, -1);
  }
  // Behind the eye no pixel shows a point.
  const Point4 eye = transform_point(view().normalize_inverse, view().eye);
  const Vex3dPixelResult behind = Vex3dDataCoordToPixel(g(), 2 * eye.x - 5, 2 * eye.y - 5, 2 * eye.z - 5);
  EXPECT_EQ(behind.pixel_x, -1);
  EXPECT_EQ(behind.pixel_y, -1);
  // Very far along x, in perspective: towards the vanishing point, on the device.
  const Vex3dPixelResult far = Vex3dDataCoordToPixel(g(), 1e12, 5, 5);
  EXPECT_NE(far.pixel_x, -1);
  EXPECT_NEAR(far.pixel_x, Vex3dDataCoordToPixel(g(), 1e13, 5, 5).pixel_x, 1);
  // Far outside the cube but still on the device: mapped, not clipped.
  const Vex3dPixelResult outside = Vex3dDataCoordToPixel(g(), -20, 5, 5);
  EXPECT_NE(outside.pixel_x, -1);
  EXPECT_LT(outside.pixel_x, Vex3dDataCoordToPixel(g(), 0, 5, 5).pixel_x);
  // On a flat map a huge coordinate lies beyond what the device addresses.
  Vex3dSetValues(g(), VEX3D_DRAW_SHADED, 0, 0);
  draw();
  EXPECT_EQ(Vex3dDataCoordToPixel(g(), 1e12, 5, 5).pixel_x, -1);
  EXPECT_NE(Vex3dDataCoordToPixel(g(), 5, 5, 5).pixel_x, -1);
}

TEST_F(PickTest, IndicesOutOfRangeMapToNoPixel) {
  use(make_grid(30, 20, [](int i, int j) { return i + j; }));
  draw();
  for (auto [i, j] : {std::pair{-1, 0}, {0, -1}, {30, 0}, {0, 20}, {INT_MIN, INT_MAX}, {INT_MAX, 0}}) {
    const Vex3dIndexPixelResult p = Vex3dDataIndexToPixel(g(), i, j);
    EXPECT_EQ(p.pixel_x, -1) << i << "," << j;
    EXPECT_EQ(p.pixel_y, -1);
    EXPECT_EQ(p.row, i);
    EXPECT_EQ(p.column, j);
  }
  EXPECT_NE(Vex3dDataIndexToPixel(g(), 29, 19).pixel_x, -1);
}

TEST_F(PickTest, WithoutDataOrViewNothingIsPicked) {
  // No view yet.
  expect_nothing_picked(g(), 300, 200, Vex3dRegionInChartArea);
  EXPECT_EQ(Vex3dDataCoordToPixel(g(), 1, 1, 1).pixel_x, -1);
  // A view, no data.
  draw();
  expect_nothing_picked(g(), 300, 200, Vex3dRegionInChartArea);
  EXPECT_EQ(Vex3dDataCoordToPixel(g(), 1, 1, 1).pixel_x, -1);
  EXPECT_EQ(Vex3dDataIndexToPixel(g(), 0, 0).pixel_x, -1);
  // No graph.
  expect_nothing_picked(nullptr, 300, 200, Vex3dRegionNone);
  EXPECT_EQ(Vex3dDataCoordToPixel(nullptr, 1, 1, 1).pixel_x, -1);
  EXPECT_EQ(Vex3dDataIndexToPixel(nullptr, 0, 0).pixel_x, -1);
}

// Sweeps the picture with every pick; none may crash, and none may find
// anything on a chart that shows nothing.
void sweep(Vex3dGraph *graph, bool shows_nothing) {
  for (int y = 0; y < 450; y += 25)
    for (int x = 0; x < 600; x += 25) {
      const Vex3dDataCoordResult c = Vex3dPixelToDataCoord(graph, x, y);
      const Vex3dDataIndexResult i = Vex3dPixelToDataIndex(graph, x, y);
      if (shows_nothing) {
        EXPECT_TRUE(unset(c.z));
        EXPECT_EQ(i.row, -1);
      }
    }
}

TEST_F(PickTest, AllHolesShowNothingToPick) {
  use(make_grid(10, 10, [](int, int) { return 1e308; }));
  for (const bool flat : {false, true}) {
    Vex3dSetValues(g(), VEX3D_DRAW_SHADED, flat ? 0 : 1, 0);
    draw();
    sweep(g(), true);
  }
}

TEST_F(PickTest, AGridOfOneLineIsPickedWithoutCrashing) {
  use(make_grid(1, 12, [](int, int j) { return 1.0 * j; }));
  draw();
  sweep(g(), true);  // a surface needs two lines each way
  EXPECT_NE(Vex3dDataIndexToPixel(g(), 0, 11).pixel_x, -1);

  Vex3dSetValues(g(), VEX3D_TYPE, Vex3dTypeScatter, 0);
  draw();
  sweep(g(), false);
  for (int j = 0; j < 12; ++j) {
    const Vex3dIndexPixelResult p = Vex3dDataIndexToPixel(g(), 0, j);
    const Vex3dDataIndexResult r = Vex3dPixelToDataIndex(g(), p.pixel_x, p.pixel_y);
    EXPECT_EQ(r.row, 0);
    EXPECT_EQ(r.column, j);
  }

  Vex3dSetValues(g(), VEX3D_TYPE, Vex3dTypeSurface, VEX3D_DRAW_SHADED, 0, 0);  // a flat map
  draw();
  sweep(g(), false);
  const Vex3dPixelResult on_line = Vex3dDataCoordToPixel(g(), 0, 4.5, 0);
  const Vex3dDataCoordResult r = Vex3dPixelToDataCoord(g(), on_line.pixel_x, on_line.pixel_y);
  EXPECT_EQ(r.x, 0);
  EXPECT_NEAR(r.z, r.y, 1e-9) << "along the one line";
}

}  // namespace
}  // namespace vex3d
