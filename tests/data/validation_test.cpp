// The checks a data set passes before the graph draws it, and how the graph
// reports them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "data_fixture.h"
#include "graph.h"
#include "graph_fixture.h"
#include "message_capture.h"

namespace {

struct ValidationCase {
  const char *what;
  std::function<DataPtr()> make;
  const char *reason;  // "" when the data set is valid
};

DataPtr grid_with(std::function<void(Vex3dGridData &)> change) {
  DataPtr d = make_grid(3, 2, [](int i, int j) { return i + j; });
  change(d->grid);
  return d;
}

DataPtr irgrid_with(std::function<void(Vex3dIrGridData &)> change) {
  DataPtr d(Vex3dDataCreateIrGrid(3, 2, -99, 1));
  for (int i = 0; i < 3; ++i) d->irgrid.xgrid[i] = i;
  for (int j = 0; j < 2; ++j) d->irgrid.ygrid[j] = j;
  change(d->irgrid);
  return d;
}

// Rows taken away from a data set are freed here, so the destroy that
// follows sees what a careless caller left.
void drop_row(double **values, int i) {
  std::free(values[i]);
  values[i] = nullptr;
}

const ValidationCase kCases[] = {
    {"unknown layout", [] { DataPtr d(Vex3dDataCreateGrid(1, 1, 0, 1, 1, 0, 0, 0)); d->type = 4; return d; },
     "Data is neither VEX3D_DATA_GRID, VEX3D_DATA_IRGRID, nor VEX3D_POINT"},
    {"no x points", [] { return DataPtr(Vex3dDataCreateGrid(0, 2, -99, 1, 1, 0, 0, 1)); },
     "Must have at least one x point"},
    {"no y points", [] { return grid_with([](Vex3dGridData &g) { g.numy = -1; }); }, "Must have at least one y point"},
    {"zero xstep", [] { return grid_with([](Vex3dGridData &g) { g.xstep = 0; }); }, "Must have a positive xstep"},
    {"negative xstep", [] { return grid_with([](Vex3dGridData &g) { g.xstep = -1; }); }, "Must have a positive xstep"},
    {"NaN xstep", [] { return grid_with([](Vex3dGridData &g) { g.xstep = NAN; }); }, "Must have a positive xstep"},
    {"zero ystep", [] { return grid_with([](Vex3dGridData &g) { g.ystep = 0; }); }, "Must have a positive ystep"},
    {"no value rows",
     [] {
       DataPtr d(Vex3dDataCreateGrid(3, 2, 0, 1, 1, 0, 0, 0));
       return d;
     },
     "No data values allocated"},
    {"a row missing", [] { return grid_with([](Vex3dGridData &g) { drop_row(g.values, 2); }); },
     "Not enough data values allocated"},
    {"1 x 1 grid", [] { return make_grid(1, 1, [](int, int) { return 3.0; }); }, ""},
    {"equal x neighbours", [] { return irgrid_with([](Vex3dIrGridData &g) { g.xgrid[2] = g.xgrid[1]; }); },
     "X Grid points must be strictly increasing"},
    {"decreasing y", [] { return irgrid_with([](Vex3dIrGridData &g) { g.ygrid[1] = -1; }); },
     "Y Grid points must be strictly increasing"},
    {"NaN x coordinate", [] { return irgrid_with([](Vex3dIrGridData &g) { g.xgrid[1] = NAN; }); },
     "X Grid points must be strictly increasing"},
    {"no x coordinates",
     [] { return irgrid_with([](Vex3dIrGridData &g) { std::free(g.xgrid), g.xgrid = nullptr; }); },
     "X Grid points not allocated"},
    {"irregular row missing", [] { return irgrid_with([](Vex3dIrGridData &g) { drop_row(g.values, 0); }); },
     "Not enough data values allocated"},
    {"irregular grid", [] { return irgrid_with([](Vex3dIrGridData &) {}); }, ""},
    {"no series", [] { return DataPtr(Vex3dDataCreatePoint(0, 0, 0, 0)); }, ""},
    {"series array missing",
     [] {
       DataPtr d(Vex3dDataCreatePoint(2, 0, 0, 0));
       std::free(d->point.series);
       d->point.series = nullptr;
       return d;
     },
     "Series memory not allocated"},
    {"points missing",
     [] {
       DataPtr d(Vex3dDataCreatePoint(2, 0, 0, 0));
       d->point.series[1].npoints = 3;
       return d;
     },
     "Points memory not allocated for series 1"},
    {"point data", [] { return DataPtr(Vex3dDataCreatePoint(2, 3, 0, 1)); }, ""},
};

void PrintTo(const ValidationCase &c, std::ostream *os) { *os << c.what; }

class SurfaceValidation : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(SurfaceValidation, DecidesValidityAndReportsTheFirstReason) {
  GraphPtr graph = make_graph();
  DataPtr data = GetParam().make();
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, VEX3D_SURFACE_DATA, data.get(), 0);
  const std::string reason = GetParam().reason;
  EXPECT_EQ(graph->surface_info.valid, reason.empty() ? 1 : 0);
  EXPECT_EQ(graph->surface_info.type, data->type);
  // The same through the public calls.
  char problem[VEX3D_ERROR_SIZE];
  EXPECT_EQ(Vex3dDataCheck(data.get(), problem), reason.empty() ? 1 : 0);
  EXPECT_EQ(problem, reason);
  Vex3dSurfaceInfo info;
  ASSERT_TRUE(Vex3dGetSurfaceInfo(graph.get(), &info));
  EXPECT_EQ(info.valid, reason.empty() ? 1 : 0);
  if (!info.valid || data->type == VEX3D_POINT) {
    EXPECT_EQ(info.count_x, 0) << "no viewing portion";
    EXPECT_EQ(info.distn_min, VALUE_UNSET);
  }
  const std::string report = "VEX/3d: Error in XtNvex3dSurfaceData.\n        " + reason + ".\n";
  EXPECT_EQ(capture.contains("Error in"), !reason.empty());
  if (!reason.empty()) {
    EXPECT_TRUE(capture.contains(report)) << capture.all();
  }
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, nullptr, 0);
  EXPECT_EQ(graph->surface_info.type, 0) << "no data set, nothing prepared";
  if (data->type == 4) data->type = VEX3D_DATA_GRID;  // so that the fixture frees what it made
}

INSTANTIATE_TEST_SUITE_P(DataSets, SurfaceValidation, ::testing::ValuesIn(kCases));

TEST(SurfaceValidation, IsSilentWithoutDebug) {
  GraphPtr graph = make_graph();
  DataPtr data = grid_with([](Vex3dGridData &g) { g.xstep = 0; });
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, data.get(), 0);
  EXPECT_EQ(graph->surface_info.valid, 0);
  EXPECT_EQ(capture.all(), "");
}

// ---- zone data against surface data -------------------------------------------

struct ZoneCase {
  const char *what;
  std::function<DataPtr()> zone;
  const char *reason;
};

DataPtr surface_grid() { return make_grid(3, 2, [](int i, int j) { return i * j; }, -99, 0.5, 2, 1, -1); }

const ZoneCase kZoneCases[] = {
    {"matching grid", [] { return make_grid(3, 2, [](int, int) { return 7.0; }, 0, 0.5, 2, 1, -1); }, ""},
    {"other layout", [] { return irgrid_with([](Vex3dIrGridData &) {}); },
     "Surface and Zone data types do not match"},
    {"x count", [] { return make_grid(4, 2, [](int, int) { return 0.0; }, 0, 0.5, 2, 1, -1); },
     "Number of X points in surface and zone data do not match"},
    {"y count", [] { return make_grid(3, 3, [](int, int) { return 0.0; }, 0, 0.5, 2, 1, -1); },
     "Number of Y points in surface and zone data do not match"},
    {"x step", [] { return make_grid(3, 2, [](int, int) { return 0.0; }, 0, 0.25, 2, 1, -1); },
     "X step in surface and zone data do not match"},
    {"y step", [] { return make_grid(3, 2, [](int, int) { return 0.0; }, 0, 0.5, 3, 1, -1); },
     "Y step in surface and zone data do not match"},
    {"x origin", [] { return make_grid(3, 2, [](int, int) { return 0.0; }, 0, 0.5, 2, 1.5, -1); },
     "X origin in surface and zone data do not match"},
    {"y origin", [] { return make_grid(3, 2, [](int, int) { return 0.0; }, 0, 0.5, 2, 1, 0); },
     "Y origin in surface and zone data do not match"},
    {"zone itself invalid", [] { return make_grid(3, 2, [](int, int) { return 0.0; }, 0, 0, 2, 1, -1); },
     "Must have a positive xstep"},
};

void PrintTo(const ZoneCase &c, std::ostream *os) { *os << c.what; }

class ZoneConsistency : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneConsistency, MarksOnlyTheZoneDataInvalid) {
  GraphPtr graph = make_graph();
  DataPtr surface = surface_grid();
  DataPtr zone = GetParam().zone();
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, VEX3D_SURFACE_DATA, surface.get(), VEX3D_ZONE_DATA, zone.get(), 0);
  const std::string reason = GetParam().reason;
  EXPECT_EQ(graph->surface_info.valid, 1);
  EXPECT_EQ(graph->zone_info.valid, reason.empty() ? 1 : 0);
  if (!reason.empty()) {
    EXPECT_TRUE(capture.contains("VEX/3d: Error in XtNvex3dZoneData.\n        " + reason + ".\n")) << capture.all();
  } else {
    EXPECT_FALSE(capture.contains("Error in"));
  }
}

INSTANTIATE_TEST_SUITE_P(Zones, ZoneConsistency, ::testing::ValuesIn(kZoneCases));

TEST(ZoneConsistencyIrregular, EveryGridCoordinateMustMatch) {
  GraphPtr graph = make_graph();
  DataPtr surface = irgrid_with([](Vex3dIrGridData &) {});
  DataPtr zone = irgrid_with([](Vex3dIrGridData &g) { g.ygrid[1] = 1.5; });
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, VEX3D_SURFACE_DATA, surface.get(), VEX3D_ZONE_DATA, zone.get(), 0);
  EXPECT_EQ(graph->zone_info.valid, 0);
  EXPECT_TRUE(capture.contains("        Y grid points in surface and zone data do not match.\n"));
  zone->irgrid.ygrid[1] = 1;
  zone->irgrid.xgrid[0] = -0.5;
  capture.clear();
  Vex3dSetValues(graph.get(), VEX3D_ZONE_DATA, nullptr, VEX3D_ZONE_DATA, zone.get(), 0);
  EXPECT_TRUE(capture.contains("        X grid points in surface and zone data do not match.\n"));
}

TEST(ZoneConsistencyFollowsSurface, AReplacedSurfaceChecksTheZoneAgain) {
  GraphPtr graph = make_graph();
  DataPtr points(Vex3dDataCreatePoint(1, 1, 0, 1));
  DataPtr zone = irgrid_with([](Vex3dIrGridData &) {});
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, points.get(), VEX3D_ZONE_DATA, zone.get(), 0);
  EXPECT_EQ(graph->zone_info.valid, 1) << "any zone data goes with point data";
  DataPtr grid = surface_grid();
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, grid.get(), 0);
  EXPECT_EQ(graph->zone_info.valid, 0);
}

// ---- prepared records ----------------------------------------------------------

TEST(PreparedData, RegularGridsGetCoordinatesIrregularOnesShareTheirs) {
  GraphPtr graph = make_graph();
  DataPtr grid = make_grid(3, 2, [](int, int) { return 1.0; }, -5, 0.5, 4, 10, -2);
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, grid.get(), 0);
  const vex3d::Vex3dDataInfo &info = graph->surface_info;
  EXPECT_EQ(info.empty, 0);
  EXPECT_EQ(info.numx, 3);
  EXPECT_EQ(info.nseries, 0);
  EXPECT_EQ(info.hole, -5);
  EXPECT_EQ(info.xgrid[2], 11);
  EXPECT_EQ(info.ygrid[1], 2);
  EXPECT_EQ(info.values, grid->grid.values);

  DataPtr ir = irgrid_with([](Vex3dIrGridData &) {});
  Vex3dSetValues(graph.get(), VEX3D_ZONE_DATA, ir.get(), 0);
  EXPECT_EQ(graph->zone_info.xgrid, ir->irgrid.xgrid);

  DataPtr points(Vex3dDataCreatePoint(2, 0, 0, 1));
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, points.get(), 0);
  EXPECT_EQ(graph->surface_info.nseries, 2);
  EXPECT_EQ(graph->surface_info.empty, 1) << "no series with a point";
  EXPECT_EQ(graph->surface_info.series, points->point.series);
}

}  // namespace
