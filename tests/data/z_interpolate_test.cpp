// The surface height at a point: bilinear in the cell holding it, holes and
// refusals with their messages.
#include <gtest/gtest.h>

#include <cmath>

#include "data_fixture.h"
#include "graph_fixture.h"
#include "message_capture.h"
#include "methods.h"

namespace {

// z = 1 + 2x - 3y + 0.5xy is reproduced exactly by bilinear interpolation.
double bilinear(double x, double y) { return 1 + 2 * x - 3 * y + 0.5 * x * y; }

class ZInterpolate : public ::testing::Test {
 protected:
  // A graph drawing `data` as its surface, with DEBUG on or off.
  void use(DataPtr data, bool debug = true) {
    data_ = std::move(data);
    Vex3dSetValues(graph_.get(), VEX3D_REPAINT, 0, VEX3D_DEBUG, debug ? 1 : 0, VEX3D_SURFACE_DATA, data_.get(), 0);
  }
  double at(double x, double y) { return Vex3dZInterpolate(graph_.get(), x, y); }

  GraphPtr graph_ = make_graph();
  DataPtr data_;
};

// An irregular grid of `bilinear` on x {0, 1, 3, 3.5}, y {-2, 0, 0.25}.
DataPtr uneven_grid(double hole = -99) {
  const double xs[] = {0, 1, 3, 3.5}, ys[] = {-2, 0, 0.25};
  DataPtr d(Vex3dDataCreateIrGrid(4, 3, hole, 1));
  for (int i = 0; i < 4; ++i) d->irgrid.xgrid[i] = xs[i];
  for (int j = 0; j < 3; ++j) d->irgrid.ygrid[j] = ys[j];
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 3; ++j) d->irgrid.values[i][j] = bilinear(xs[i], ys[j]);
  return d;
}

TEST_F(ZInterpolate, AtGridPointsGivesTheirValues) {
  // Values that no interpolation between neighbours would give back by chance.
  use(make_grid(
      5, 4, [](int i, int j) { return std::sin(i * 1.7 + j * 0.3) * 100; }, -99, 0.5, 2, -1, 10));
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 4; ++j) {
      const double x = -1 + i * 0.5, y = 10 + j * 2.0, z = data_->grid.values[i][j];
      if (i < 4 && j < 3)
        EXPECT_EQ(at(x, y), z) << i << "," << j;
      else  // on the last grid line the last cell is used: its far corner, within rounding
        EXPECT_DOUBLE_EQ(at(x, y), z) << i << "," << j;
    }
}

TEST_F(ZInterpolate, InsideACellIsBilinear) {
  use(uneven_grid());
  const double points[][2] = {{0.5, -1}, {2.9, 0.1}, {3.5, 0.25}, {3.5, -2}, {0, 0.25}, {1.75, -0.3}, {3.2, 0.2}};
  for (const auto &p : points) EXPECT_NEAR(at(p[0], p[1]), bilinear(p[0], p[1]), 1e-12) << p[0] << "," << p[1];
}

TEST_F(ZInterpolate, AtTheMaximumUsesTheLastCell) {
  // A grid whose last cell alone slopes: at x = max the value is the last
  // line's, between the last two y lines.
  use(make_grid(3, 3, [](int i, int j) { return i == 2 ? 10.0 * j : 0.0; }));
  EXPECT_DOUBLE_EQ(at(2, 1.5), 15);
  EXPECT_DOUBLE_EQ(at(2, 2), 20);
  EXPECT_DOUBLE_EQ(at(1.5, 2), 10);
}

TEST_F(ZInterpolate, ACornerThatIsAHoleGivesTheHole) {
  DataPtr d = uneven_grid(-7);
  d->irgrid.values[1][1] = -7;
  use(std::move(d));
  for (const auto &p : {std::pair{0.5, -1.0}, {2, 0.1}, {1, 0}, {0.5, 0.2}}) EXPECT_EQ(at(p.first, p.second), -7);
  EXPECT_NE(at(3.2, -1), -7) << "a cell without the hole";
}

TEST_F(ZInterpolate, OutsideTheGridOrNotASurfaceIsRefusedWithAMessage) {
  use(uneven_grid());
  struct Case {
    int type;
    double x, y;
    const char *message;
  } cases[] = {
      {Vex3dTypeSurface, 5, 0, "Vex3dZInterpolate: \nPoint --> (5,0) not inside xy-grid!\n"},
      {Vex3dTypeSurface, 1, -2.5, "Vex3dZInterpolate: \nPoint --> (1,-2.5) not inside xy-grid!\n"},
      {Vex3dTypeSurface, NAN, 0, "Vex3dZInterpolate: \nPoint --> (NAN,0) not inside xy-grid!\n"},
      {Vex3dTypeBar, 1, 0, "Vex3dZInterpolate: \nData must be of type VEX3D_TYPE_SURFACE!\n"},
      {Vex3dTypeBar, 1e6, 0,
       "Vex3dZInterpolate: \nPoint --> (1E+06,0) not inside xy-grid!\nData must be of type VEX3D_TYPE_SURFACE!\n"},
      {Vex3dTypeScatter, 1, 0, "Vex3dZInterpolate: \nData must be of type VEX3D_TYPE_SURFACE!\n"},
  };
  for (const Case &c : cases) {
    Vex3dSetValues(graph_.get(), VEX3D_TYPE, c.type, 0);
    MessageCapture capture;
    EXPECT_EQ(at(c.x, c.y), VALUE_UNSET);
    ASSERT_EQ(capture.messages().size(), 1u) << c.message;
    EXPECT_EQ(capture.messages()[0], c.message);
  }
  Vex3dSetValues(graph_.get(), VEX3D_TYPE, Vex3dTypeSurface, VEX3D_DEBUG, 0, 0);
  MessageCapture quiet;
  EXPECT_EQ(at(-1, 0), VALUE_UNSET);
  EXPECT_TRUE(quiet.messages().empty()) << "messages only with DEBUG on";
}

TEST_F(ZInterpolate, PointDataGivesItsHoleSilently) {
  DataPtr points(Vex3dDataCreatePoint(1, 3, -55, 1));
  use(std::move(points));
  MessageCapture capture;
  EXPECT_EQ(at(0, 0), -55);
  EXPECT_TRUE(capture.messages().empty());
}

TEST_F(ZInterpolate, NoGraphOrNoDataAndSingleLines) {
  EXPECT_EQ(Vex3dZInterpolate(nullptr, 0, 0), 0);
  {
    MessageCapture capture;
    Vex3dSetValues(graph_.get(), VEX3D_DEBUG, 1, 0);
    EXPECT_EQ(at(0, 0), VALUE_UNSET) << "no surface data";
    EXPECT_EQ(capture.all(), "Vex3dZInterpolate: \nNo valid surface grid!\n");
  }
  // A grid of one x line: the height varies along y alone, without dividing by 0.
  use(make_grid(1, 3, [](int, int j) { return 4.0 * j; }));
  EXPECT_EQ(at(0, 0.5), 2);
  EXPECT_EQ(at(0, 2), 8);
  EXPECT_EQ(at(0.1, 1), VALUE_UNSET);
  use(make_grid(1, 1, [](int, int) { return 6.0; }));
  EXPECT_EQ(at(0, 0), 6);
}

}  // namespace
