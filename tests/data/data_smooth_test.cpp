// Smoothing a grid in place: the neighbours' weights, holes and edges left
// out, every new value from the values before smoothing.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "data_fixture.h"
#include "message_capture.h"
#include "methods.h"

namespace {

double **values_of(Vex3dData &d) { return d.type == VEX3D_DATA_GRID ? d.grid.values : d.irgrid.values; }

DataPtr irregular(const std::vector<double> &xs, const std::vector<double> &ys, double fill, double hole = -99) {
  DataPtr d(Vex3dDataCreateIrGrid(int(xs.size()), int(ys.size()), hole, 1));
  for (std::size_t i = 0; i < xs.size(); ++i) d->irgrid.xgrid[i] = xs[i];
  for (std::size_t j = 0; j < ys.size(); ++j) d->irgrid.ygrid[j] = ys[j];
  for (std::size_t i = 0; i < xs.size(); ++i)
    for (std::size_t j = 0; j < ys.size(); ++j) d->irgrid.values[i][j] = fill;
  return d;
}

TEST(DataSmooth, AConstantGridStaysConstantWithHolesAndAtEdges) {
  for (const double w : {0.0, 0.25, 0.5, 0.999}) {
    DataPtr regular = make_grid(
        7, 5, [](int, int) { return 3.25; }, -99, 0.5, 4);
    DataPtr uneven = irregular({0, 0.1, 2, 2.5, 7, 7.01}, {-3, -1, 0, 10}, 3.25);
    for (Vex3dData *d : {regular.get(), uneven.get()}) {
      double **v = values_of(*d);
      v[0][0] = v[2][2] = v[3][2] = v[5][3] = -99;  // a corner, a pair inside, an edge
      Vex3dDataSmooth(d, w);
      const int numx = d->type == VEX3D_DATA_GRID ? d->grid.numx : d->irgrid.numx;
      const int numy = d->type == VEX3D_DATA_GRID ? d->grid.numy : d->irgrid.numy;
      for (int i = 0; i < numx; ++i)
        for (int j = 0; j < numy; ++j) {
          const bool hole = (i == 0 && j == 0) || (i == 2 && j == 2) || (i == 3 && j == 2) || (i == 5 && j == 3);
          if (hole)
            EXPECT_EQ(v[i][j], -99) << "holes stay holes";
          else
            EXPECT_NEAR(v[i][j], 3.25, 1e-14) << "w " << w << " at " << i << "," << j;
        }
    }
  }
}

// The new centre of a 3 x 3 grid that is 0 except for a 1 at one neighbour is
// that neighbour's weight (the others add nothing, all weights are present).
double weight_of_neighbour(Vex3dData &grid, int i, int j, double w) {
  double **v = values_of(grid);
  for (int a = 0; a < 3; ++a)
    for (int b = 0; b < 3; ++b) v[a][b] = a == i && b == j ? 1 : 0;
  Vex3dDataSmooth(&grid, w);
  return v[1][1];
}

TEST(DataSmooth, RegularWeightsFollowTheInverseDistances) {
  const double w = 0.4, xstep = 1, ystep = 2, d = std::sqrt(5.0);
  // Shares of 1 - w in proportion to 1 / distance: x at 1, y at 2, diagonals at sqrt 5.
  const double sum = 2 / xstep + 2 / ystep + 4 / d;
  const double wx = (1 - w) / xstep / sum, wy = (1 - w) / ystep / sum, wd = (1 - w) / d / sum;
  DataPtr g = make_grid(
      3, 3, [](int, int) { return 0.0; }, -99, xstep, ystep);
  const double expected[3][3] = {{wd, wx, wd}, {wy, w, wy}, {wd, wx, wd}};  // [i][j]: i along x
  double total = 0;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      const double got = weight_of_neighbour(*g, i, j, w);
      EXPECT_NEAR(got, expected[i][j], 1e-15) << i << "," << j;
      total += got;
    }
  EXPECT_NEAR(total, 1, 1e-15);
}

TEST(DataSmooth, IrregularWeightsComeFromTheSpacingsBesideThePoint) {
  // Centre (1, 1): the previous x line is 1 away (the next one's 2 is not
  // used), the previous y line 2 away, the next 0.5.
  const double w = 0.2;
  DataPtr g = irregular({0, 1, 3}, {0, 2, 2.5}, 0);
  const double inv_x = 1, inv_prev = 1 / 2.0, inv_next = 1 / 0.5, inv_dprev = 1 / std::sqrt(5.0),
               inv_dnext = 1 / std::sqrt(1.25);
  const double sum = 2 * inv_x + inv_prev + inv_next + 2 * inv_dprev + 2 * inv_dnext;
  const double expected[3][3] = {{inv_dprev, inv_x, inv_dnext}, {0, 0, 0}, {inv_dprev, inv_x, inv_dnext}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      if (i == 1) continue;  // the row of the centre holds the y neighbours
      EXPECT_NEAR(weight_of_neighbour(*g, i, j, w), (1 - w) * expected[i][j] / sum, 1e-15) << i << "," << j;
    }
  EXPECT_NEAR(weight_of_neighbour(*g, 1, 0, w), (1 - w) * inv_prev / sum, 1e-15);
  EXPECT_NEAR(weight_of_neighbour(*g, 1, 2, w), (1 - w) * inv_next / sum, 1e-15);
  EXPECT_NEAR(weight_of_neighbour(*g, 1, 1, w), w, 1e-15);
}

TEST(DataSmooth, NewValuesComeFromTheValuesBeforeSmoothing) {
  // A single 1 in the middle of a 3 x 3 grid: the two points beside it along
  // x, one smoothed before it and one after, get the same value.
  DataPtr g = make_grid(3, 3, [](int i, int j) { return i == 1 && j == 1 ? 1.0 : 0.0; });
  Vex3dDataSmooth(g.get(), 0.5);
  const double wx = 0.5 / (2 * (2 / std::sqrt(2.0) + 1 + 1)), wy = wx, wd = wx / std::sqrt(2.0);
  const double edge = wx / (0.5 + wx + 2 * wy + 2 * wd);  // the side's missing neighbours left out
  EXPECT_NEAR(g->grid.values[0][1], edge, 1e-15);
  EXPECT_NEAR(g->grid.values[2][1], edge, 1e-15);
  EXPECT_NEAR(g->grid.values[1][0], edge, 1e-15);
  EXPECT_NEAR(g->grid.values[1][2], edge, 1e-15);
  EXPECT_NEAR(g->grid.values[1][1], 0.5, 1e-15);
}

TEST(DataSmooth, ALonePointWithoutWeightBecomesAHole) {
  // With weight 0 the centre counts for nothing; surrounded by holes, nothing is left.
  DataPtr g = make_grid(3, 3, [](int i, int j) { return i == 1 && j == 1 ? 5.0 : -99.0; });
  Vex3dDataSmooth(g.get(), 0);
  EXPECT_EQ(g->grid.values[1][1], -99);
  DataPtr kept = make_grid(3, 3, [](int i, int j) { return i == 1 && j == 1 ? 5.0 : -99.0; });
  Vex3dDataSmooth(kept.get(), 0.5);
  EXPECT_EQ(kept->grid.values[1][1], 5);
  DataPtr single = make_grid(1, 1, [](int, int) { return 2.0; });
  Vex3dDataSmooth(single.get(), 0.1);
  EXPECT_EQ(single->grid.values[0][0], 2);
  DataPtr line = irregular({4}, {0, 1, 3}, 6);
  Vex3dDataSmooth(line.get(), 0.1);
  for (int j = 0; j < 3; ++j) EXPECT_NEAR(line->irgrid.values[0][j], 6, 1e-14);
}

TEST(DataSmooth, RefusalsChangeNothing) {
  const double weights[] = {-0.01, 1, 1.5, NAN, INFINITY, -INFINITY};
  for (const double w : weights) {
    DataPtr g = make_grid(3, 3, [](int i, int j) { return double(i * j); });
    Vex3dDataSmooth(g.get(), w);
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) EXPECT_EQ(g->grid.values[i][j], i * j) << "weight " << w;
  }
  MessageCapture capture;
  Vex3dDataSmooth(nullptr, 0.5);
  EXPECT_TRUE(capture.messages().empty());
  DataPtr points(Vex3dDataCreatePoint(1, 2, 0, 1));
  Vex3dDataSmooth(points.get(), 0.5);
  EXPECT_EQ(capture.all(), "Need grid or irregular grid data\n");
  capture.clear();
  DataPtr bad_step = make_grid(
      3, 3, [](int i, int) { return double(i); }, -99, 1, -2);
  Vex3dDataSmooth(bad_step.get(), 0.5);
  EXPECT_EQ(capture.all(), "Vex3dDataSmooth: Must have a positive ystep!\n");
  EXPECT_EQ(bad_step->grid.values[2][1], 2);
}

TEST(DataSmooth, RowsWithAndWithoutHolesAgree) {
  // Rows whose neighbourhoods have no hole take a shorter way; a hole in a
  // corner sends rows 0 to 1 the long way, whose values away from the hole
  // must be the same. Regular and irregular grids.
  auto f = [](int i, int j) { return std::sin(i * 0.37) * std::cos(j * 0.21) * 50 + i; };
  auto uneven = [&] {
    std::vector<double> xs, ys;
    for (int i = 0; i < 9; ++i) xs.push_back(i * 0.4 + 0.1 * std::sin(i));
    for (int j = 0; j < 12; ++j) ys.push_back(j * j * 0.05 + j);
    DataPtr d = irregular(xs, ys, 0);
    for (int i = 0; i < 9; ++i)
      for (int j = 0; j < 12; ++j) d->irgrid.values[i][j] = f(i, j);
    return d;
  };
  DataPtr pairs[2][2] = {{make_grid(9, 12, f, -99, 0.3, 0.7), make_grid(9, 12, f, -99, 0.3, 0.7)},
                         {uneven(), uneven()}};
  for (auto &pair : pairs) {
    Vex3dData &whole = *pair[0], &holed = *pair[1];
    values_of(holed)[0][0] = -99;
    Vex3dDataSmooth(&whole, 0.3);
    Vex3dDataSmooth(&holed, 0.3);
    for (int i = 0; i < 9; ++i)
      for (int j = 0; j < 12; ++j) {
        if (i <= 1 && j <= 1) continue;  // the hole and the points beside it
        EXPECT_NEAR(values_of(holed)[i][j], values_of(whole)[i][j], 1e-12) << whole.type << " at " << i << "," << j;
      }
  }
}

TEST(DataSmooth, ValuesThatAreNoNumbersDoNoHarm) {
  DataPtr g = make_grid(4, 4, [](int i, int j) { return i == 1 && j == 2 ? NAN : j == 3 ? INFINITY : 1.0; });
  Vex3dDataSmooth(g.get(), 0.5);
  EXPECT_TRUE(std::isnan(g->grid.values[0][1])) << "beside the NaN";
  EXPECT_NEAR(g->grid.values[3][0], 1, 1e-15) << "out of reach of both";
}

}  // namespace
