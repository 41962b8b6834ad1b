// Making, copying, editing and freeing data sets.
#include <gtest/gtest.h>

#include <cmath>

#include "allocation.h"
#include "data_fixture.h"
#include "message_capture.h"

namespace {

TEST(DataSet, CreateMakesZeroFilledArraysOfAtLeastOneElement) {
  DataPtr grid(Vex3dDataCreateGrid(2, 3, -1, 0.5, 2, 10, 20, 1));
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->type, VEX3D_DATA_GRID);
  EXPECT_EQ(grid->grid.numx, 2);
  EXPECT_EQ(grid->grid.numy, 3);
  EXPECT_EQ(grid->grid.xstep, 0.5);
  EXPECT_EQ(grid->grid.yorig, 20);
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_EQ(grid->grid.values[i][j], 0.0);

  DataPtr bare(Vex3dDataCreateGrid(2, 3, -1, 1, 1, 0, 0, 0));
  EXPECT_EQ(bare->grid.values, nullptr) << "without the flag the caller fills the arrays";

  DataPtr ir(Vex3dDataCreateIrGrid(0, -2, 7, 1));
  ASSERT_TRUE(ir);
  EXPECT_EQ(ir->irgrid.xgrid[0], 0.0) << "a count below 1 still gets one element";
  EXPECT_EQ(ir->irgrid.ygrid[0], 0.0);
  EXPECT_NE(ir->irgrid.values, nullptr);

  DataPtr points(Vex3dDataCreatePoint(3, 4, -5, 1));
  ASSERT_TRUE(points);
  EXPECT_EQ(points->point.nseries, 3);
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(points->point.series[s].npoints, 4);
    EXPECT_EQ(points->point.series[s].points[3].z, 0.0);
  }
  DataPtr empty_series(Vex3dDataCreatePoint(2, 5, 0, 0));
  EXPECT_EQ(empty_series->point.series[1].points, nullptr) << "the series array alone";
}

TEST(DataSet, SeriesSizeReplacesThePoints) {
  DataPtr d(Vex3dDataCreatePoint(1, 2, 0, 1));
  Vex3dSeries &series = d->point.series[0];
  series.points[1].x = 9;
  EXPECT_EQ(Vex3dDataSetSeriesSize(&series, 5), 1);
  EXPECT_EQ(series.npoints, 5);
  EXPECT_EQ(series.points[1].x, 0.0) << "a new zero-filled array";
  EXPECT_EQ(Vex3dDataSetSeriesSize(&series, -1), 0);
  EXPECT_EQ(series.npoints, 5) << "a negative size is refused";
  EXPECT_EQ(Vex3dDataSetSeriesSize(&series, 0), 1);
  EXPECT_EQ(series.npoints, 0);
  EXPECT_EQ(series.points, nullptr);
  EXPECT_EQ(Vex3dDataSetSeriesSize(nullptr, 3), 0);
}

TEST(DataSet, CopyIsDeepAndExact) {
  DataPtr grid = make_grid(3, 2, [](int i, int j) { return i * 10.5 + j; }, -99, 0.25, 3, -1, 4);
  DataPtr copy(Vex3dDataCopy(grid.get()));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->grid.hole, -99);
  EXPECT_EQ(copy->grid.xstep, 0.25);
  EXPECT_EQ(copy->grid.xorig, -1);
  EXPECT_EQ(copy->grid.values[2][1], 22.0);
  EXPECT_NE(copy->grid.values[2], grid->grid.values[2]);

  DataPtr ir(Vex3dDataCreateIrGrid(2, 2, 1e300, 1));
  ir->irgrid.xgrid[1] = 3.5;
  ir->irgrid.ygrid[0] = -2;
  ir->irgrid.values[1][1] = 8;
  DataPtr ir_copy(Vex3dDataCopy(ir.get()));
  EXPECT_EQ(ir_copy->irgrid.xgrid[1], 3.5);
  EXPECT_EQ(ir_copy->irgrid.ygrid[0], -2);
  EXPECT_EQ(ir_copy->irgrid.values[1][1], 8);
  EXPECT_NE(ir_copy->irgrid.xgrid, ir->irgrid.xgrid);

  DataPtr points(Vex3dDataCreatePoint(2, 0, 0, 0));
  points->point.series[0].npoints = 0;
  Vex3dDataSetSeriesSize(&points->point.series[1], 2);
  points->point.series[1].points[1] = {1, 2, 3};
  DataPtr p_copy(Vex3dDataCopy(points.get()));
  EXPECT_EQ(p_copy->point.series[0].npoints, 0);
  EXPECT_NE(p_copy->point.series[0].points, nullptr) << "every copied series gets at least one point";
  EXPECT_EQ(p_copy->point.series[1].points[1].z, 3);
}

TEST(DataSet, UnknownLayoutsAreReported) {
  MessageCapture capture;
  Vex3dData odd{};
  odd.type = 9;
  EXPECT_EQ(Vex3dDataCopy(&odd), nullptr);
  EXPECT_EQ(Vex3dDataUpdateDataValue(&odd, 0, 1), 0);
  EXPECT_EQ(capture.all(),
            "Vex3dDataCopy: Unrecognized Vex3d Data type!\n"
            "Vex3dDataUpdateDataValue: Unrecognized Vex3d Data type!\n");
  capture.clear();
  EXPECT_EQ(Vex3dDataCopy(nullptr), nullptr);
  EXPECT_EQ(Vex3dDataUpdateDataValue(nullptr, 0, 1), 0);
  EXPECT_EQ(capture.all(), "") << "no data set: no message";
}

// Every allocation of a copy in turn fails; the copy must then return
// nothing, and the sanitizer build checks that nothing leaked.
TEST(DataSet, CopyRunningOutOfMemoryReturnsNothing) {
  DataPtr grid = make_grid(4, 3, [](int i, int j) { return i + j; });
  DataPtr ir(Vex3dDataCreateIrGrid(3, 2, 0, 1));
  DataPtr points(Vex3dDataCreatePoint(3, 2, 0, 1));
  for (const Vex3dData *source : {grid.get(), ir.get(), points.get()}) {
    int failures = 0;
    for (long allowed = 0;; ++allowed) {
      vex3d::fail_data_allocations_after(allowed);
      DataPtr copy(Vex3dDataCopy(source));
      vex3d::fail_data_allocations_after(-1);
      if (copy) break;
      ++failures;
    }
    EXPECT_GE(failures, 3) << "layout " << source->type << ": every allocation was a point of failure";
  }
}

TEST(DataSet, UpdateReplacesExactMatchesOnly) {
  DataPtr grid = make_grid(2, 2, [](int i, int j) { return i == j ? 0.0 : 0.1; });
  EXPECT_EQ(Vex3dDataUpdateDataValue(grid.get(), 0.0, 5.0), 2);
  EXPECT_EQ(grid->grid.values[1][1], 5.0);
  EXPECT_EQ(grid->grid.values[0][1], 0.1);

  DataPtr points(Vex3dDataCreatePoint(1, 2, 0, 1));
  points->point.series[0].points[1] = {0, 7, 0};
  EXPECT_EQ(Vex3dDataUpdateDataValue(points.get(), 0.0, -1.0), 5) << "x and y coordinates count too";
  EXPECT_EQ(points->point.series[0].points[1].y, 7);
  EXPECT_EQ(points->point.series[0].points[0].x, -1);
}

}  // namespace
