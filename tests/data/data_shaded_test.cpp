// Shaded relief: the light a grid's surface reflects, its layout, holes,
// the automatic scale and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "allocation.h"
#include "data_fixture.h"
#include "message_capture.h"
#include "methods.h"

namespace {

constexpr double kRadians = std::numbers::pi / 180;

struct Light {
  double sweep, rise;
  double x() const { return std::cos(rise * kRadians) * std::cos(sweep * kRadians); }
  double y() const { return std::cos(rise * kRadians) * std::sin(sweep * kRadians); }
  double z() const { return std::sin(rise * kRadians); }
};

TEST(DataShaded, APlaneFacingTheLightGivesIntensityPlusAmbientClamped) {
  const Light lights[] = {{0, 45}, {315, 30}, {120, 80}, {-40, 10}, {90, 90}};
  struct Levels {
    double ambient, intensity, expected;
  } levels[] = {{0.2, 0.7, 0.9}, {0.5, 0.8, 1.0}, {0, 1, 1}, {-1, 0.4, 0.4}, {0.3, 2, 1}, {2, 0, 1}, {0.1, -3, 0.1}};
  for (const Light &light : lights)
    for (const double scale : {1.0, 0.5, 3.0}) {
      // z = a x + b y has the normal (-a, -b, scale^2) once scaled: make it the light.
      const double a = -scale * scale * light.x() / light.z(), b = -scale * scale * light.y() / light.z();
      DataPtr regular = make_grid(
          5, 4, [&](int i, int j) { return a * (0.5 * i) + b * (2.0 * j); }, -1, 0.5, 2);
      for (const Levels &l : levels) {
        DataPtr out(Vex3dDataShaded(regular.get(), light.sweep, light.rise, scale, l.ambient, l.intensity));
        ASSERT_TRUE(out);
        for (int i = 0; i < 5; ++i)
          for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(out->grid.values[i][j], l.expected, 1e-12)
                << "light " << light.sweep << "/" << light.rise << " scale " << scale << " at " << i << "," << j;
      }
    }
}

TEST(DataShaded, FlatGroundAndSlopesAwayFromTheLight) {
  DataPtr flat = make_grid(3, 3, [](int, int) { return 7.0; });
  DataPtr lit(Vex3dDataShaded(flat.get(), 10, 30, 1, 0, 1));
  EXPECT_NEAR(lit->grid.values[1][1], 0.5, 1e-15) << "sin 30";
  // A slope steeper than the light, facing away from it: no light, the ambient alone.
  DataPtr steep = make_grid(3, 3, [](int i, int) { return 10.0 * i; });
  DataPtr dark(Vex3dDataShaded(steep.get(), 0, 20, 1, 0.15, 0.8));
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(dark->grid.values[i][2], 0.15, 1e-15);
  // The irregular grid's own spacings: the same plane on uneven lines.
  DataPtr uneven(Vex3dDataCreateIrGrid(3, 3, -1, 1));
  const double xs[] = {0, 0.3, 2}, ys[] = {-1, 1, 1.5};
  for (int k = 0; k < 3; ++k) uneven->irgrid.xgrid[k] = xs[k], uneven->irgrid.ygrid[k] = ys[k];
  const Light light{200, 50};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) uneven->irgrid.values[i][j] = -(light.x() * xs[i] + light.y() * ys[j]) / light.z();
  DataPtr facing(Vex3dDataShaded(uneven.get(), light.sweep, light.rise, 1, 0.25, 0.5));
  ASSERT_TRUE(facing);
  EXPECT_EQ(facing->type, VEX3D_DATA_IRGRID);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(facing->irgrid.values[i][j], 0.75, 1e-12) << i << "," << j;
}

TEST(DataShaded, TheResultHasTheGridsLayoutAndItsOwnHole) {
  DataPtr g = make_grid(
      4, 3, [](int i, int j) { return i * 0.1 + j; }, 55, 0.25, 3, -2, 8);
  DataPtr out(Vex3dDataShaded(g.get(), 0, 45, 0, 0.1, 0.9));
  ASSERT_TRUE(out);
  EXPECT_EQ(out->type, VEX3D_DATA_GRID);
  EXPECT_EQ(out->grid.numx, 4);
  EXPECT_EQ(out->grid.numy, 3);
  EXPECT_EQ(out->grid.xstep, 0.25);
  EXPECT_EQ(out->grid.ystep, 3);
  EXPECT_EQ(out->grid.xorig, -2);
  EXPECT_EQ(out->grid.yorig, 8);
  EXPECT_EQ(out->grid.hole, -100);
  DataPtr ir(Vex3dDataCreateIrGrid(2, 3, 0, 1));
  ir->irgrid.xgrid[1] = 4, ir->irgrid.ygrid[1] = 1, ir->irgrid.ygrid[2] = 1.5;
  DataPtr ir_out(Vex3dDataShaded(ir.get(), 0, 45, 1, 0, 1));
  ASSERT_TRUE(ir_out);
  EXPECT_EQ(ir_out->irgrid.hole, -100);
  EXPECT_EQ(ir_out->irgrid.xgrid[1], 4);
  EXPECT_EQ(ir_out->irgrid.ygrid[2], 1.5);
  EXPECT_NE(ir_out->irgrid.xgrid, ir->irgrid.xgrid);
}

TEST(DataShaded, AHoleDarkensThePointsWhoseDifferencesUseIt) {
  // Differences go towards the next line, from the previous one on the last.
  struct Case {
    int i, j;
  } holes[] = {{2, 2}, {4, 3}, {0, 0}, {4, 0}};
  for (const Case &h : holes) {
    DataPtr g = make_grid(
        5, 4, [](int i, int j) { return std::sin(i + 0.3 * j); }, 9);
    g->grid.values[h.i][h.j] = 9;
    DataPtr out(Vex3dDataShaded(g.get(), 30, 40, 1, 0.1, 0.8));
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < 4; ++j) {
        const int xi = i < 4 ? i : 3, yj = j < 3 ? j : 2;  // lower lines of the two differences
        const bool uses = (j == h.j && (xi == h.i || xi + 1 == h.i)) || (i == h.i && (yj == h.j || yj + 1 == h.j));
        EXPECT_EQ(out->grid.values[i][j] == -100, uses) << "hole " << h.i << "," << h.j << " at " << i << "," << j;
      }
  }
}

TEST(DataShaded, TheAutomaticScaleIsTheMeanSlopeSizeTimesRootThree) {
  // z = 2x - 3y on steps 0.5 and 2: every point's slopes have the sizes 2 and 3.
  DataPtr g = make_grid(
      6, 5, [](int i, int j) { return 2 * (0.5 * i) + 3 * (2.0 * j); }, -9, 0.5, 2);
  g->grid.values[0][0] = -9;  // points beside a hole do not count
  DataPtr automatic(Vex3dDataShaded(g.get(), 60, 35, 0, 0.05, 0.9));
  DataPtr given(Vex3dDataShaded(g.get(), 60, 35, 5 * std::sqrt(3.0), 0.05, 0.9));
  DataPtr other(Vex3dDataShaded(g.get(), 60, 35, 1, 0.05, 0.9));
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 5; ++j) EXPECT_NEAR(automatic->grid.values[i][j], given->grid.values[i][j], 1e-14);
  EXPECT_GT(std::abs(automatic->grid.values[3][3] - other->grid.values[3][3]), 0.01) << "the scale matters";
  // Slopes that rise and fall count by their size: a zigzag along x whose
  // every slope is 1 or -1 has the scale sqrt 3, not 0.
  DataPtr zigzag = make_grid(7, 3, [](int i, int) { return double(i % 2); });
  DataPtr zig_auto(Vex3dDataShaded(zigzag.get(), 20, 60, 0, 0, 1));
  DataPtr zig_given(Vex3dDataShaded(zigzag.get(), 20, 60, std::sqrt(3.0), 0, 1));
  for (int i = 0; i < 7; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(zig_auto->grid.values[i][j], zig_given->grid.values[i][j], 1e-14);
  // A scale that is no number is taken as no scale given.
  DataPtr nan_scale(Vex3dDataShaded(g.get(), 60, 35, NAN, 0.05, 0.9));
  EXPECT_NEAR(nan_scale->grid.values[3][3], given->grid.values[3][3], 1e-14);
}

TEST(DataShaded, WithoutASlopeToScaleByTheHeightsAreTakenAsTheyAre) {
  // Flat ground has a mean slope of 0: the scale is then 1, and the ground
  // is lit as the light's rise says (instead of 0 / 0).
  DataPtr flat = make_grid(4, 4, [](int, int) { return -2.0; });
  DataPtr out(Vex3dDataShaded(flat.get(), 0, 30, 0, 0, 1));
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(out->grid.values[i][j], 0.5, 1e-15);
  // No point with its differences: every value a hole, and no failure.
  DataPtr holes = make_grid(
      2, 2, [](int i, int j) { return i == j ? -5.0 : 1.0; }, -5);
  DataPtr dark(Vex3dDataShaded(holes.get(), 0, 30, 0, 0, 1));
  ASSERT_TRUE(dark);
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) EXPECT_EQ(dark->grid.values[i][j], -100);
}

TEST(DataShaded, RefusalsAndOddValues) {
  MessageCapture capture;
  EXPECT_EQ(Vex3dDataShaded(nullptr, 0, 45, 1, 0, 1), nullptr);
  EXPECT_TRUE(capture.messages().empty());
  DataPtr points(Vex3dDataCreatePoint(1, 2, 0, 1));
  EXPECT_EQ(Vex3dDataShaded(points.get(), 0, 45, 1, 0, 1), nullptr);
  EXPECT_EQ(capture.all(), "Need grid or irregular grid data\n");
  for (const auto &[nx, ny] : {std::pair{1, 5}, {5, 1}, {1, 1}}) {
    capture.clear();
    DataPtr thin = make_grid(nx, ny, [](int, int) { return 0.0; });
    EXPECT_EQ(Vex3dDataShaded(thin.get(), 0, 45, 1, 0, 1), nullptr);
    EXPECT_EQ(capture.all(), "Grid too small: need at least 2x2 grid.\n");
  }
  capture.clear();
  DataPtr g = make_grid(3, 3, [](int i, int j) { return double(i * j); });
  vex3d::fail_data_allocations_after(0);
  EXPECT_EQ(Vex3dDataShaded(g.get(), 0, 45, 1, 0, 1), nullptr);
  vex3d::fail_data_allocations_after(-1);
  EXPECT_EQ(capture.all(), "Can't create second data set\n");

  // Angles, levels and values that are no numbers give values in [0, 1] or holes.
  DataPtr odd = make_grid(3, 3, [](int i, int j) { return i == 1 && j == 1 ? INFINITY : i == 2 ? NAN : 0.0; });
  for (const double bad : {NAN, INFINITY}) {
    DataPtr out(Vex3dDataShaded(odd.get(), bad, bad, bad, bad, bad));
    ASSERT_TRUE(out);
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) {
        const double v = out->grid.values[i][j];
        EXPECT_TRUE(v == -100 || (v >= 0 && v <= 1)) << v;
      }
  }
}

}  // namespace
