// The ranges a graph derives from its data and bounds.
#include <gtest/gtest.h>

#include <cmath>

#include "data_fixture.h"
#include "graph.h"
#include "graph_fixture.h"
#include "message_capture.h"
#include "ranges.h"

namespace {

using vex3d::locate;

TEST(Locate, GivesTheLastEntryNotGreater) {
  const double a[] = {0, 1, 2.5, 4, 10};
  struct {
    double v;
    int index;
  } cases[] = {{-3, 0}, {0, 0}, {0.5, 0}, {1, 1}, {2.4, 1}, {2.5, 2}, {9.99, 3}, {10, 4}, {11, 4}};
  for (const auto &c : cases) EXPECT_EQ(locate(c.v, a, 5), c.index) << c.v;
  EXPECT_EQ(locate(7, a, 1), 0) << "fewer than two entries";
  const double two[] = {1, 2};
  EXPECT_EQ(locate(1.5, two, 2), 0);
  EXPECT_EQ(locate(2, two, 2), 1);
}

// The values of a grid whose value at x index i and y index j is i * 10 + j.
double ij(int i, int j) { return i * 10 + j; }

struct Bounds {
  double xmin, xmax, ymin, ymax, zmin, zmax;
};

Bounds bounds_of(Vex3dGraph *g) {
  Bounds b;
  Vex3dGetValues(g, VEX3D_XMIN, &b.xmin, VEX3D_XMAX, &b.xmax, VEX3D_YMIN, &b.ymin, VEX3D_YMAX, &b.ymax, VEX3D_ZMIN,
                 &b.zmin, VEX3D_ZMAX, &b.zmax, 0);
  return b;
}

TEST(GridRanges, ANewGraphTakesEverythingFromTheData) {
  GraphPtr graph = make_graph();
  DataPtr grid = make_grid(5, 4, ij, -99, 0.5, 10, 1, 100);
  grid->grid.values[4][3] = -99;  // a hole is no extreme
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, grid.get(), 0);
  const Bounds b = bounds_of(graph.get());
  EXPECT_EQ(b.xmin, 1);
  EXPECT_EQ(b.xmax, 3);
  EXPECT_EQ(b.ymin, 100);
  EXPECT_EQ(b.ymax, 130);
  EXPECT_EQ(b.zmin, 0);
  EXPECT_EQ(b.zmax, 42);
  const vex3d::DerivedRanges &r = graph->ranges;
  EXPECT_EQ(r.x_spacing, 0.5);
  EXPECT_EQ(r.y_spacing, 10);
  EXPECT_EQ(r.portion.first_x, 0);
  EXPECT_EQ(r.portion.last_x, 4);
  EXPECT_EQ(r.portion.count_y, 4);
  EXPECT_EQ(r.distn_min, 0);
  EXPECT_EQ(r.distn_max, 42);
  EXPECT_EQ(get_int(graph.get(), VEX3D_ZMIN_USE_DEFAULT), 1);
}

TEST(GridRanges, IrregularSpacingIsTheSmallestInterval) {
  GraphPtr graph = make_graph();
  DataPtr ir(Vex3dDataCreateIrGrid(4, 2, -99, 1));
  const double xs[] = {0, 3, 3.5, 10};
  for (int i = 0; i < 4; ++i) ir->irgrid.xgrid[i] = xs[i];
  ir->irgrid.ygrid[0] = 2;
  ir->irgrid.ygrid[1] = 9;
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, ir.get(), 0);
  EXPECT_EQ(graph->ranges.x_spacing, 0.5);
  EXPECT_EQ(graph->ranges.y_spacing, 7);
}

TEST(GridRanges, ASingleGridLineIsItsOwnSpacing) {
  GraphPtr graph = make_graph();
  DataPtr at_three = make_grid(1, 1, ij, -99, 1, 1, 3, 0);
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, at_three.get(), 0);
  EXPECT_EQ(graph->surface_info.valid, 1);
  EXPECT_EQ(graph->ranges.x_spacing, 3);
  EXPECT_EQ(graph->ranges.y_spacing, 1) << "a line at 0 is spaced 1";
  EXPECT_EQ(graph->ranges.portion.count_x, 1) << "a 1 x 1 grid has one line to show";
  EXPECT_EQ(graph->ranges.portion.first_x, 0);
  const Bounds b = bounds_of(graph.get());
  EXPECT_EQ(b.zmin, -1) << "a single value v widens to [v - 1, v + 1]";
  EXPECT_EQ(b.zmax, 1);
}

struct PortionCase {
  const char *what;
  int type, xbar_format;
  double xmin, xmax;
  int first, last;
};

// x lines at 0, 1, 2, 3, 4.
const PortionCase kPortions[] = {
    {"inside one interval", Vex3dTypeSurface, 0, 1.2, 1.7, 1, 2},
    {"on one line", Vex3dTypeSurface, 0, 2, 2, 2, 3},
    {"on the last line", Vex3dTypeSurface, 0, 4, 4, 3, 4},
    {"bars keep one line", Vex3dTypeBar, 0, 2, 2, 2, 2},
    {"histogram bars need two", Vex3dTypeBar, 1, 2, 2, 2, 3},
    {"between lines", Vex3dTypeScatter, 0, 0.5, 2.5, 0, 3},
    {"below and above the grid", Vex3dTypeSurface, 0, -7, 9, 0, 4},
};

void PrintTo(const PortionCase &c, std::ostream *os) { *os << c.what; }

class ViewingPortion : public ::testing::TestWithParam<PortionCase> {};

TEST_P(ViewingPortion, CoversTheBounds) {
  const PortionCase &c = GetParam();
  GraphPtr graph = make_graph();
  DataPtr grid = make_grid(5, 3, ij);
  Vex3dSetValues(graph.get(), VEX3D_TYPE, c.type, VEX3D_XBAR_FORMAT, c.xbar_format, VEX3D_SURFACE_DATA, grid.get(),
                 VEX3D_XMIN, c.xmin, VEX3D_XMAX, c.xmax, 0);
  const auto &p = graph->ranges.portion;
  EXPECT_EQ(p.first_x, c.first);
  EXPECT_EQ(p.last_x, c.last);
  EXPECT_EQ(p.count_x, c.last - c.first + 1);
  EXPECT_EQ(p.corner_x, c.first);
  Vex3dSurfaceInfo info;
  ASSERT_TRUE(Vex3dGetSurfaceInfo(graph.get(), &info));
  EXPECT_EQ(info.first_x, c.first) << "as the public call hands it out";
  EXPECT_EQ(info.last_x, c.last);
  EXPECT_EQ(info.count_y, 3);
  EXPECT_EQ(info.corner_x, c.first);
  const Bounds b = bounds_of(graph.get());
  EXPECT_EQ(b.xmin, c.xmin) << "user bounds stay";
  EXPECT_EQ(b.zmin, c.first * 10) << "the z range covers the portion only";
  EXPECT_EQ(b.zmax, c.last * 10 + 2);
}

INSTANTIATE_TEST_SUITE_P(Bounds, ViewingPortion, ::testing::ValuesIn(kPortions));

TEST(GridRanges, ChangingTheChartTypeRecomputesThePortion) {
  GraphPtr graph = make_graph();
  DataPtr grid = make_grid(5, 3, ij);
  Vex3dSetValues(graph.get(), VEX3D_TYPE, Vex3dTypeBar, VEX3D_SURFACE_DATA, grid.get(), VEX3D_XMIN, 2.0, VEX3D_XMAX,
                 2.0, 0);
  EXPECT_EQ(graph->ranges.portion.count_x, 1);
  Vex3dSetValues(graph.get(), VEX3D_TYPE, Vex3dTypeSurface, 0);
  EXPECT_EQ(graph->ranges.portion.count_x, 2);
  Vex3dSetValues(graph.get(), VEX3D_XMIN_USE_DEFAULT, 1, VEX3D_XMAX_USE_DEFAULT, 1, 0);
  EXPECT_EQ(graph->ranges.portion.count_x, 5) << "the flags switched on follow the data again";
  EXPECT_EQ(bounds_of(graph.get()).xmax, 4);
}

TEST(ZRange, OnlyHolesFallBackAndSayWhy) {
  GraphPtr graph = make_graph();
  DataPtr holes = make_grid(2, 2, [](int, int) { return -99.0; });
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, VEX3D_SURFACE_DATA, holes.get(), 0);
  EXPECT_EQ(capture.all(),
            "VEX/3d: Warning on XtNvex3dSurfaceData.\n"
            "        Viewing portion contains only holes.\n"
            "        Z range set to [0, 1].\n");
  Bounds b = bounds_of(graph.get());
  EXPECT_EQ(b.zmin, 0);
  EXPECT_EQ(b.zmax, 1);

  DataPtr data = make_grid(2, 2, ij);  // z from 0 to 11
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, data.get(), 0);
  DataPtr more_holes = make_grid(2, 2, [](int, int) { return -99.0; });
  capture.clear();
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, more_holes.get(), 0);
  EXPECT_EQ(capture.all(),
            "VEX/3d: Warning on XtNvex3dSurfaceData.\n"
            "        Viewing portion contains only holes.\n"
            "        Previous Z range maintained.\n");
  b = bounds_of(graph.get());
  EXPECT_EQ(b.zmin, 0);
  EXPECT_EQ(b.zmax, 11);
}

TEST(ZRange, AUserBoundMayWidenButNotCut) {
  GraphPtr graph = make_graph();
  DataPtr data = make_grid(3, 3, ij);  // z from 0 to 22
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, VEX3D_ZMAX, 50.0, VEX3D_ZMIN, 3.0, VEX3D_SURFACE_DATA, data.get(), 0);
  EXPECT_TRUE(capture.contains("VEX/3d: Warning on XtNvex3dZMin.\n"
                               "        Value specified: 3 is invalid.\n"
                               "        Using default value!\n"))
      << capture.all();
  EXPECT_FALSE(capture.contains("XtNvex3dZMax"));
  const Bounds b = bounds_of(graph.get());
  EXPECT_EQ(b.zmin, 0);
  EXPECT_EQ(b.zmax, 50);
  EXPECT_EQ(get_int(graph.get(), VEX3D_ZMIN_USE_DEFAULT), 1) << "the replaced bound follows the data from now on";
  EXPECT_EQ(get_int(graph.get(), VEX3D_ZMAX_USE_DEFAULT), 0);

  capture.clear();
  Vex3dSetValues(graph.get(), VEX3D_ZMAX, 20.0, 0);
  EXPECT_EQ(capture.all(),
            "VEX/3d: Warning on XtNvex3dZMax.\n"
            "        Value specified: 20 is invalid.\n"
            "        Using default value!\n");
  EXPECT_EQ(bounds_of(graph.get()).zmax, 22);
  EXPECT_EQ(get_int(graph.get(), VEX3D_ZMAX_USE_DEFAULT), 1);
}

TEST(ZRange, EqualValuesWidenByTheFirstPowerOfTenThatShows) {
  for (double v : {5.0, -2.0, 1e20, 0.0}) {
    GraphPtr graph = make_graph();
    DataPtr flat = make_grid(2, 3, [v](int, int) { return v; });
    Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, flat.get(), 0);
    double step = 1;
    while (v + step == v) step *= 10;
    const Bounds b = bounds_of(graph.get());
    EXPECT_EQ(b.zmin, v - (v + step - v)) << v;
    EXPECT_EQ(b.zmax, v + step) << v;
    EXPECT_LT(b.zmin, b.zmax);
  }
}

TEST(ZRange, ValuesThatAreNotFiniteAreLeftOut) {
  GraphPtr graph = make_graph();
  DataPtr data = make_grid(2, 2, ij);
  data->grid.values[0][0] = NAN;
  data->grid.values[1][1] = INFINITY;
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, data.get(), 0);
  const Bounds b = bounds_of(graph.get());
  EXPECT_EQ(b.zmin, 1);
  EXPECT_EQ(b.zmax, 10);
}

TEST(DistributionRange, BarsIncludeTheOriginAndZonesUseTheirOwnValues) {
  GraphPtr graph = make_graph();
  DataPtr surface = make_grid(3, 2, ij, -99);  // 0 .. 21
  Vex3dSetValues(graph.get(), VEX3D_TYPE, Vex3dTypeBar, VEX3D_ZORIGIN, -5.0, VEX3D_SURFACE_DATA, surface.get(), 0);
  EXPECT_EQ(graph->ranges.distn_min, -5);
  EXPECT_EQ(graph->ranges.distn_max, 21);
  Vex3dSetValues(graph.get(), VEX3D_ZORIGIN, 30.0, 0);
  EXPECT_EQ(graph->ranges.distn_min, 0);
  EXPECT_EQ(graph->ranges.distn_max, 30);

  DataPtr zone = make_grid(3, 2, [](int i, int j) { return 100.0 + i - j; }, 101);
  surface->grid.values[2][0] = -99;  // 102 sits on a surface hole
  Vex3dSetValues(graph.get(), VEX3D_TYPE, Vex3dTypeSurface, VEX3D_ZONE_DATA, zone.get(), 0);
  ASSERT_EQ(graph->zone_info.valid, 1);
  EXPECT_EQ(graph->ranges.distn_min, 99);
  EXPECT_EQ(graph->ranges.distn_max, 100) << "zone holes (101) and surface holes are skipped";
  Vex3dSurfaceInfo info;
  ASSERT_TRUE(Vex3dGetSurfaceInfo(graph.get(), &info));
  EXPECT_EQ(info.distn_min, 99);
  EXPECT_EQ(info.distn_max, 100);
  EXPECT_EQ(info.hole, -99);
}

TEST(DistributionRange, ZoneDataOfOnlyHolesFallsBack) {
  GraphPtr graph = make_graph();
  DataPtr surface = make_grid(2, 2, ij);
  DataPtr zone = make_grid(2, 2, [](int, int) { return 7.0; }, 7);
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, VEX3D_SURFACE_DATA, surface.get(), VEX3D_ZONE_DATA, zone.get(), 0);
  EXPECT_TRUE(capture.contains("VEX/3d: Warning on XtNvex3dZoneData.\n"
                               "        Viewing portion contains only holes.\n"
                               "        Previous distribution levels maintained.\n"))
      << "the surface alone gave a range first: " << capture.all();
  EXPECT_EQ(graph->ranges.distn_min, 0);
  EXPECT_EQ(graph->ranges.distn_max, 11);

  GraphPtr fresh = make_graph();
  capture.clear();
  Vex3dSetValues(fresh.get(), VEX3D_DEBUG, 1, VEX3D_ZONE_DATA, zone.get(), VEX3D_SURFACE_DATA, surface.get(), 0);
  EXPECT_TRUE(capture.contains("        Distribution range set to [0, 1].\n")) << capture.all();
  EXPECT_EQ(fresh->ranges.distn_min, 0);
  EXPECT_EQ(fresh->ranges.distn_max, 1);
}

TEST(PointRanges, ExtentsSkipPointsWithAHole) {
  GraphPtr graph = make_graph();
  DataPtr points(Vex3dDataCreatePoint(2, 2, -1, 1));
  points->point.series[0].points[0] = {1, 5, 9};
  points->point.series[0].points[1] = {-1, 50, 90};  // x is the hole: the whole point goes
  points->point.series[1].points[0] = {3, 4, -2};
  points->point.series[1].points[1] = {2, 6, 0};
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, points.get(), 0);
  const Bounds b = bounds_of(graph.get());
  EXPECT_EQ(b.xmin, 1);
  EXPECT_EQ(b.xmax, 3);
  EXPECT_EQ(b.ymin, 4);
  EXPECT_EQ(b.ymax, 6);
  EXPECT_EQ(b.zmin, -2);
  EXPECT_EQ(b.zmax, 9);
}

TEST(PointRanges, OnlyHolesGiveUnitRangesAndEqualCoordinatesAreRepaired) {
  GraphPtr graph = make_graph();
  DataPtr holes(Vex3dDataCreatePoint(1, 2, 0, 1));  // every coordinate is 0, the hole
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, VEX3D_SURFACE_DATA, holes.get(), 0);
  EXPECT_EQ(capture.all(),
            "VEX/3d: Warning on XtNvex3dSurfaceData.\n"
            "        Data set contains only holes.\n");
  Bounds b = bounds_of(graph.get());
  EXPECT_EQ(b.xmin, 0);
  EXPECT_EQ(b.xmax, 1);
  EXPECT_EQ(b.zmax, 1);

  DataPtr column(Vex3dDataCreatePoint(1, 2, -99, 1));
  column->point.series[0].points[0] = {4, 1, 1};
  column->point.series[0].points[1] = {4, 2, 1};
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, column.get(), 0);
  b = bounds_of(graph.get());
  EXPECT_EQ(b.xmin, 3) << "one x value widens to [x - 1, x + 1]";
  EXPECT_EQ(b.xmax, 5);
  EXPECT_EQ(b.ymin, 1);
  EXPECT_EQ(b.ymax, 2);
}

TEST(PointRanges, AnInvertedUserPairGivesWayToTheData) {
  GraphPtr graph = make_graph();
  DataPtr points(Vex3dDataCreatePoint(1, 2, -99, 1));
  points->point.series[0].points[0] = {1, 1, 1};
  points->point.series[0].points[1] = {8, 2, 3};
  Vex3dSetValues(graph.get(), VEX3D_XMIN, 6.0, VEX3D_XMAX, 2.0, VEX3D_SURFACE_DATA, points.get(), 0);
  const Bounds b = bounds_of(graph.get());
  EXPECT_EQ(b.xmin, 6) << "the maximum gives way first";
  EXPECT_EQ(b.xmax, 8);
  EXPECT_EQ(get_int(graph.get(), VEX3D_XMAX_USE_DEFAULT), 1);
  EXPECT_EQ(get_int(graph.get(), VEX3D_XMIN_USE_DEFAULT), 0);
}

TEST(DataFromText, AFileNameSetsTheDataAndTheGraphFreesIt) {
  ScratchFolder dir;
  const std::string path = dir.write("s.dat", "GRID 2 2\n-99\n1 1\n0 0\n1 2 \n3 4 \n");
  GraphPtr graph = make_graph();
  ASSERT_EQ(Vex3dSetValueString(graph.get(), VEX3D_SURFACE_DATA, path.c_str()), 1);
  EXPECT_EQ(graph->surface_info.valid, 1);
  EXPECT_EQ(bounds_of(graph.get()).zmax, 4);
  EXPECT_EQ(Vex3dSetValueString(graph.get(), VEX3D_SURFACE_DATA, (dir.path() + "/missing.dat").c_str()), 0);
  EXPECT_EQ(graph->surface_info.valid, 1) << "a file that does not read changes nothing";
  ASSERT_EQ(Vex3dSetValueString(graph.get(), VEX3D_ZONE_DATA, path.c_str()), 1);
  EXPECT_EQ(graph->zone_info.valid, 1);
  ASSERT_EQ(Vex3dSetValueString(graph.get(), VEX3D_SURFACE_DATA, ""), 1);
  EXPECT_EQ(graph->surface_info.type, 0);
}

}  // namespace
