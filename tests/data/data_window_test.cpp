// Resampling a grid onto a new regular grid: values, holes, the new grid's
// layout and every refusal.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "allocation.h"
#include "data_fixture.h"
#include "message_capture.h"
#include "methods.h"

namespace {

constexpr int kLinear = VEX3D_INTERPOLATE_LINEAR_SPLINE, kCubic = VEX3D_INTERPOLATE_CUBIC_SPLINE;

// An irregular grid of f over the given coordinates.
DataPtr irregular(const std::vector<double> &xs, const std::vector<double> &ys,
                  const std::function<double(double, double)> &f, double hole = -99) {
  DataPtr d(Vex3dDataCreateIrGrid(int(xs.size()), int(ys.size()), hole, 1));
  for (std::size_t i = 0; i < xs.size(); ++i) d->irgrid.xgrid[i] = xs[i];
  for (std::size_t j = 0; j < ys.size(); ++j) d->irgrid.ygrid[j] = ys[j];
  for (std::size_t i = 0; i < xs.size(); ++i)
    for (std::size_t j = 0; j < ys.size(); ++j) d->irgrid.values[i][j] = f(xs[i], ys[j]);
  return d;
}

double new_x(const Vex3dData &g, int k) { return g.grid.xorig + k * g.grid.xstep; }
double new_y(const Vex3dData &g, int k) { return g.grid.yorig + k * g.grid.ystep; }

TEST(DataWindow, TwoByTwoOntoThreeByThreeGivesTheBilinearMidpoints) {
  // Corners z(0,0) = 1, z(1,0) = 3, z(0,1) = 5, z(1,1) = 11 on x {2, 4}, y {0, 1}.
  DataPtr in = make_grid(
      2, 2, [](int i, int j) { return (i ? 3.0 : 1.0) + (j ? (i ? 8.0 : 4.0) : 0.0); }, -1, 2, 1, 2, 0);
  DataPtr out(Vex3dDataWindow(in.get(), 2, 0, 4, 1, 3, 3, kLinear));
  ASSERT_TRUE(out);
  EXPECT_EQ(out->type, VEX3D_DATA_GRID);
  EXPECT_EQ(out->grid.numx, 3);
  EXPECT_EQ(out->grid.numy, 3);
  EXPECT_EQ(out->grid.xstep, 1);
  EXPECT_EQ(out->grid.ystep, 0.5);
  EXPECT_EQ(out->grid.xorig, 2);
  EXPECT_EQ(out->grid.yorig, 0);
  EXPECT_EQ(out->grid.hole, -1);
  const double expected[3][3] = {{1, 3, 5}, {2, 5, 8}, {3, 7, 11}};  // [x index][y index]
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_DOUBLE_EQ(out->grid.values[i][j], expected[i][j]) << i << "," << j;
}

TEST(DataWindow, LinearReproducesBilinearAndCubicReproducesBiquadraticOnUnevenGrids) {
  const std::vector<double> xs = {-1, -0.2, 0.5, 2, 2.2, 4}, ys = {0, 0.3, 1.8, 2, 3.5};
  struct Case {
    int method;
    std::function<double(double, double)> f;
  } cases[] = {
      {kLinear, [](double x, double y) { return 1 + 2 * x - 3 * y + 0.5 * x * y; }},
      {kCubic, [](double x, double y) { return (1 + x - 0.7 * x * x) * (2 - y + 0.5 * y * y); }},
      {7, [](double x, double y) { return 4 - x + y * x; }},  // an unknown method is linear
  };
  for (const Case &c : cases) {
    DataPtr in = irregular(xs, ys, c.f);
    DataPtr out(Vex3dDataWindow(in.get(), -1, 0, 4, 3.5, 23, 17, c.method));
    ASSERT_TRUE(out);
    for (int i = 0; i < 23; ++i)
      for (int j = 0; j < 17; ++j) {
        const double x = std::min(new_x(*out, i), 4.0), y = std::min(new_y(*out, j), 3.5);
        EXPECT_NEAR(out->grid.values[i][j], c.f(x, y), 1e-12 * (1 + std::abs(c.f(x, y))))
            << "method " << c.method << " at " << x << "," << y;
      }
  }
}

TEST(DataWindow, LinearIsNotCubic) {
  const std::vector<double> xs = {0, 1, 2, 3, 4}, ys = {0, 1};
  DataPtr in = irregular(xs, ys, [](double x, double) { return x * x; });
  DataPtr linear(Vex3dDataWindow(in.get(), 0, 0, 4, 1, 9, 2, kLinear));
  DataPtr cubic(Vex3dDataWindow(in.get(), 0, 0, 4, 1, 9, 2, kCubic));
  EXPECT_DOUBLE_EQ(linear->grid.values[1][0], 0.5) << "half way between 0 and 1";
  EXPECT_DOUBLE_EQ(cubic->grid.values[1][0], 0.25) << "the parabola itself";
}

// Holes spread as the two passes make them: along x on the hole's y line a
// new point is a hole when the old interval holding it (the last one on the
// last line) has the hole at an end; then along y on each new x line that
// holds such a hole.
TEST(DataWindow, HolesSpreadThroughTheIntervalsTheyTouch) {
  const double hole = -5;
  struct Case {
    int hole_i, hole_j;
  } cases[] = {{2, 2}, {0, 0}, {5, 4}, {5, 1}};
  for (const int method : {kLinear, kCubic})
    for (const Case &c : cases) {
      DataPtr in = make_grid(
          6, 5, [](int i, int j) { return i + 0.1 * j * j; }, hole);
      in->grid.values[c.hole_i][c.hole_j] = hole;
      // Steps of 0.25 put new points on every old grid line.
      DataPtr out(Vex3dDataWindow(in.get(), 0, 0, 5, 4, 21, 17, method));
      ASSERT_TRUE(out);
      auto touches = [](double t, int hole_index, int n) {
        int cell = std::min(int(std::floor(t)), n - 2);  // the old interval holding t
        return cell == hole_index || cell + 1 == hole_index;
      };
      for (int i = 0; i < 21; ++i)
        for (int j = 0; j < 17; ++j) {
          const bool expect_hole = touches(i * 0.25, c.hole_i, 6) && touches(j * 0.25, c.hole_j, 5);
          EXPECT_EQ(out->grid.values[i][j] == hole, expect_hole)
              << "method " << method << " hole " << c.hole_i << "," << c.hole_j << " new " << i << "," << j;
        }
    }
}

TEST(DataWindow, PointsBeyondTheGridAreHoles) {
  DataPtr in = make_grid(
      3, 3, [](int i, int j) { return double(i + j); }, -9);
  DataPtr out(Vex3dDataWindow(in.get(), -1, 0, 3, 2, 5, 3, kCubic));
  ASSERT_TRUE(out);
  for (int j = 0; j < 3; ++j) {
    EXPECT_EQ(out->grid.values[0][j], -9) << "x = -1";
    EXPECT_EQ(out->grid.values[4][j], -9) << "x = 3";
    for (int i = 1; i < 4; ++i) EXPECT_DOUBLE_EQ(out->grid.values[i][j], i - 1 + j);
  }
}

TEST(DataWindow, AReversedWindowIsTheSameWindow) {
  DataPtr in = make_grid(4, 4, [](int i, int j) { return std::cos(i * 0.9) * j; });
  DataPtr ordered(Vex3dDataWindow(in.get(), 0.5, 0, 3, 2.5, 6, 5, kCubic));
  DataPtr reversed(Vex3dDataWindow(in.get(), 3, 2.5, 0.5, 0, 6, 5, kCubic));
  ASSERT_TRUE(ordered && reversed);
  EXPECT_EQ(reversed->grid.xorig, 0.5);
  EXPECT_EQ(reversed->grid.ystep, 0.625);
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 5; ++j) EXPECT_EQ(reversed->grid.values[i][j], ordered->grid.values[i][j]);
}

TEST(DataWindow, TheLastPointLandsOnTheWindowsEnd) {
  // 0.1 + 7 * (0.9 / 7) rounds above 1.0, and 7 * (0.9 / 7) above 0.9 (so for
  // 15, 26 and 29 points): the last new point is the end itself, so that a
  // window ending on the last grid line does not lose it to a hole.
  DataPtr in(Vex3dDataCreateIrGrid(2, 2, -1, 1));
  in->irgrid.xgrid[0] = 0.1, in->irgrid.xgrid[1] = 1.0;
  in->irgrid.ygrid[0] = 0, in->irgrid.ygrid[1] = 0.9;
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) in->irgrid.values[i][j] = 1 + i + j;
  for (const int n : {3, 8, 15, 26, 29}) {
    DataPtr out(Vex3dDataWindow(in.get(), 0.1, 0, 1.0, 0.9, n, n, kLinear));
    ASSERT_TRUE(out);
    EXPECT_DOUBLE_EQ(out->grid.values[n - 1][n - 1], 3) << n;
    EXPECT_DOUBLE_EQ(out->grid.values[0][n - 1], 2) << n;
  }
}

TEST(DataWindow, RefusalsAndTheirMessages) {
  DataPtr grid = make_grid(3, 3, [](int i, int j) { return double(i * j); });
  struct Case {
    const char *what;
    double x0, y0, x1, y1;
    int nx, ny;
    const char *message;  // "" : none
  } cases[] = {
      {"zero width", 1, 0, 1, 2, 5, 5, "Vex3dDataWindow: Data range is NULL!\n"},
      {"zero height", 0, 2, 2, 2, 5, 5, "Vex3dDataWindow: Data range is NULL!\n"},
      {"negligible width", 0, 0, 1e-17, 2, 5, 5, "Vex3dDataWindow: Data range is NULL!\n"},
      {"NaN", NAN, 0, 2, 2, 5, 5, "Vex3dDataWindow: Data range is NULL!\n"},
      {"infinite", 0, 0, INFINITY, 2, 5, 5, "Vex3dDataWindow: Data range is NULL!\n"},
      {"both infinite", -INFINITY, 0, INFINITY, 2, 5, 5, "Vex3dDataWindow: Data range is NULL!\n"},
      {"no x points", 0, 0, 2, 2, 0, 5, ""},
      {"one x point", 0, 0, 2, 2, 1, 5, ""},
      {"one y point", 0, 0, 2, 2, 5, 1, ""},
      {"negative count", 0, 0, 2, 2, -3, 5, ""},
      {"more than memory holds", 0, 0, 2, 2, 100000, 100000,
       "Vex3dDataWindow: Not enough memory for a 100000 x 100000 grid!\n"},
  };
  for (const Case &c : cases) {
    MessageCapture capture;
    EXPECT_EQ(Vex3dDataWindow(grid.get(), c.x0, c.y0, c.x1, c.y1, c.nx, c.ny, kLinear), nullptr) << c.what;
    EXPECT_EQ(capture.all(), c.message) << c.what;
  }
  MessageCapture capture;
  EXPECT_EQ(Vex3dDataWindow(nullptr, 0, 0, 1, 1, 3, 3, kLinear), nullptr);
  DataPtr points(Vex3dDataCreatePoint(1, 2, 0, 1));
  EXPECT_EQ(Vex3dDataWindow(points.get(), 0, 0, 1, 1, 3, 3, kLinear), nullptr);
  EXPECT_EQ(capture.all(), "Need grid or irregular grid data\n");
  capture.clear();
  DataPtr unknown = make_grid(2, 2, [](int, int) { return 0.0; });
  unknown->type = 9;
  EXPECT_EQ(Vex3dDataWindow(unknown.get(), 0, 0, 1, 1, 3, 3, kLinear), nullptr);
  EXPECT_EQ(capture.all(), "Vex3dDataWindow: Unrecognized Vex3d Data type!\n");
  unknown->type = VEX3D_DATA_GRID;
  capture.clear();
  DataPtr bad_step = make_grid(
      2, 2, [](int, int) { return 0.0; }, -99, 0);
  EXPECT_EQ(Vex3dDataWindow(bad_step.get(), 0, 0, 1, 1, 3, 3, kLinear), nullptr);
  EXPECT_EQ(capture.all(), "Vex3dDataWindow: Must have a positive xstep!\n");
}

TEST(DataWindow, SmallAndOddInputs) {
  // Two points per side is enough.
  DataPtr grid = make_grid(3, 3, [](int i, int j) { return double(i + 2 * j); });
  DataPtr two(Vex3dDataWindow(grid.get(), 0, 0, 2, 2, 2, 2, kCubic));
  ASSERT_TRUE(two);
  EXPECT_DOUBLE_EQ(two->grid.values[1][1], 6);
  // Many points along one side, few along the other.
  DataPtr long_side(Vex3dDataWindow(grid.get(), 0, 0, 2, 2, 100000, 2, kLinear));
  ASSERT_TRUE(long_side);
  EXPECT_NEAR(long_side->grid.values[50000][1], 50000 * 2.0 / 99999 + 4, 1e-12);

  // One x line: only the new points on that line take its values.
  DataPtr one_line = make_grid(
      1, 3, [](int, int j) { return 10.0 + j; }, -1);
  DataPtr from_line(Vex3dDataWindow(one_line.get(), 0, 0, 1, 2, 3, 3, kLinear));
  ASSERT_TRUE(from_line);
  for (int j = 0; j < 3; ++j) {
    EXPECT_EQ(from_line->grid.values[0][j], 10 + j);
    EXPECT_EQ(from_line->grid.values[1][j], -1);
    EXPECT_EQ(from_line->grid.values[2][j], -1);
  }

  // Only holes: only holes.
  DataPtr holes = make_grid(4, 4, [](int, int) { return -99.0; });
  DataPtr all_holes(Vex3dDataWindow(holes.get(), 0, 0, 3, 3, 7, 7, kCubic));
  ASSERT_TRUE(all_holes);
  for (int i = 0; i < 7; ++i)
    for (int j = 0; j < 7; ++j) EXPECT_EQ(all_holes->grid.values[i][j], -99);

  // Values that are no numbers or infinite travel as such, without harm.
  DataPtr odd = make_grid(4, 4, [](int i, int j) { return i == 1 && j == 1 ? NAN : i == 2 ? INFINITY : 1.0; });
  DataPtr odd_out(Vex3dDataWindow(odd.get(), 0, 0, 3, 3, 7, 7, kCubic));
  ASSERT_TRUE(odd_out);
  EXPECT_TRUE(std::isnan(odd_out->grid.values[2][2]));
}

TEST(DataWindow, OutOfMemoryLeavesNothingBehind) {
  DataPtr grid = make_grid(5, 5, [](int i, int j) { return double(i - j); });
  // The pass along x needs 1 + 4 arrays, the result 2 + 4.
  const long needed = 11;
  for (long successes = 0; successes <= needed; ++successes) {
    vex3d::fail_data_allocations_after(successes);
    DataPtr out(Vex3dDataWindow(grid.get(), 0, 0, 4, 4, 4, 6, kLinear));
    vex3d::fail_data_allocations_after(-1);
    ASSERT_EQ(out != nullptr, successes >= needed) << successes;
    if (out) {
      EXPECT_NEAR(out->grid.values[3][5], 0.0, 1e-12);
    }
  }
}

}  // namespace
