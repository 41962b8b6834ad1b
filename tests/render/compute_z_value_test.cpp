// Dragging a data point along z: the z found for a pixel puts the point
// under that pixel (or at the foot of the perpendicular from it onto the
// point's vertical line) in every kind of view; refusals and their messages.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include <memory>

#include "data.h"
#include "engine_ptr.h"
#include "message_capture.h"
#include "methods.h"
#include "view_fixture.h"

namespace vex3d {
namespace {

// A regular grid of f(i, j) with its steps and origin.
template <class F>
DataPtr make_grid(int nx, int ny, F f, double hole, double xstep, double ystep, double xorig, double yorig) {
  DataPtr d(Vex3dDataCreateGrid(nx, ny, hole, xstep, ystep, xorig, yorig, 1));
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < ny; ++j) d->grid.values[i][j] = f(i, j);
  return d;
}

struct View {
  const char *name;
  double xrotation, yrotation, zrotation, perspective;
};

class ComputeZValue : public ::testing::Test {
 protected:
  void SetUp() override {
    grid_ = make_grid(
        6, 5, [](int i, int j) { return std::sin(i * 0.8) * 3 + j * 0.5; }, -99, 2, 1.5, -4, 1);
    Vex3dSetValues(g(), VEX3D_REPAINT, 0, VEX3D_SURFACE_DATA, grid_.get(), VEX3D_DRAW_MESH, 1, 0);
    g()->graph_rect = Rect{0, 0, 640, 480};
  }
  Vex3dGraph *g() { return graph_.get(); }
  void look(const View &v) {
    Vex3dSetValues(g(), VEX3D_XROTATION, v.xrotation, VEX3D_YROTATION, v.yrotation, VEX3D_ZROTATION, v.zrotation,
                   VEX3D_PERSPECTIVE_DEPTH, v.perspective, 0);
    compute_view(g(), measure_);
  }
  Point4 device(double x, double y, double z) { return data_to_device(*find_view_state(g()), x, y, z); }

  GraphPtr graph_ = make_graph();
  FixedMeasure measure_{graph_.get()};
  DataPtr grid_;
};

const View kViews[] = {
    {"default", 45, 0, 45, 2.5},           {"strong perspective", 30, 0, 120, 1}, {"from below", -60, 0, 75, 3},
    {"nearly from above", 85, 0, 10, 2.5}, {"tilted about y", 20, 35, 195, 5},    {"nearly parallel", 10, 0, 300, 1e6},
};

TEST_F(ComputeZValue, TheDraggedPointLandsUnderThePixel) {
  for (const View &v : kViews) {
    look(v);
    for (const auto &[i, j] : {std::pair{0, 0}, {3, 2}, {5, 4}, {2, 4}}) {
      const double x = -4 + 2.0 * i, y = 1 + 1.5 * j;
      for (const double target : {-2.5, 0.0, 1.7, 4.4}) {
        const Point4 aim = device(x, y, target);
        const int px = int(std::floor(aim.x + 0.5)), py = int(std::floor(aim.y + 0.5));
        const double z = Vex3dComputeZValue(g(), i, j, px, py);
        const Point4 back = device(x, y, z);
        // Rounding the aim to a pixel moves it at most half a pixel each way.
        EXPECT_LE(std::hypot(back.x - px, back.y - py), std::sqrt(0.5) + 1e-9)
            << v.name << " point " << i << "," << j << " aim " << target;
      }
    }
  }
}

TEST_F(ComputeZValue, APixelBesideTheLineGivesTheFootOfThePerpendicular) {
  for (const View &v : kViews) {
    look(v);
    const double x = 2, y = 4;  // grid point (3, 2)
    const Point4 a = device(x, y, -10), b = device(x, y, 10);
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    ASSERT_GT(len, 1) << v.name;
    // 25 pixels beside the point at z = 1, across the line.
    const Point4 on = device(x, y, 1);
    const int px = int(std::lround(on.x - 25 * dy / len)), py = int(std::lround(on.y + 25 * dx / len));
    const double z = Vex3dComputeZValue(g(), 3, 2, px, py);
    const double t = ((px - a.x) * dx + (py - a.y) * dy) / (len * len);
    const Point4 back = device(x, y, z);
    EXPECT_NEAR(back.x, a.x + t * dx, 1e-6) << v.name;
    EXPECT_NEAR(back.y, a.y + t * dy, 1e-6) << v.name;
  }
}

TEST_F(ComputeZValue, LeavesThePointWhereItIsWhenTheViewCannotTell) {
  const double own = grid_->grid.values[2][3];
  EXPECT_EQ(Vex3dComputeZValue(g(), 2, 3, 100, 100), own) << "no view computed yet";
  // A flat map: every z lands on the same pixel.
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 0, 0);
  compute_view(g(), measure_);
  EXPECT_EQ(Vex3dComputeZValue(g(), 2, 3, 10, 400), own);
  EXPECT_EQ(Vex3dComputeZValue(nullptr, 0, 0, 0, 0), VALUE_UNSET);
}

TEST_F(ComputeZValue, GridRefusalsGiveTheHoleWithAMessageWhenDebugging) {
  look(kViews[0]);
  grid_->grid.values[1][1] = -99;
  struct Case {
    int i, j;
    const char *message;
  } cases[] = {
      {-1, 0, "Vex3dComputeZValue: Indices out of range!\n"},
      {6, 0, "Vex3dComputeZValue: Indices out of range!\n"},
      {0, 5, "Vex3dComputeZValue: Indices out of range!\n"},
      {0, -3, "Vex3dComputeZValue: Indices out of range!\n"},
      {1, 1, "Vex3dComputeZValue: Can't compute z value for a hole!\n"},
  };
  for (const int debug : {1, 0})
    for (const Case &c : cases) {
      Vex3dSetValues(g(), VEX3D_DEBUG, debug, 0);
      MessageCapture capture;
      EXPECT_EQ(Vex3dComputeZValue(g(), c.i, c.j, 200, 200), -99);
      EXPECT_EQ(capture.all(), debug ? c.message : "") << c.i << "," << c.j;
    }
}

TEST_F(ComputeZValue, PointData) {
  DataPtr points(Vex3dDataCreatePoint(2, 3, -7, 1));
  for (int s = 0; s < 2; ++s)
    for (int p = 0; p < 3; ++p) points->point.series[s].points[p] = {double(p), double(s), double(p * s) - 1};
  Vex3dSetValues(g(), VEX3D_SURFACE_DATA, points.get(), VEX3D_TYPE, int(Vex3dTypeScatter), VEX3D_DEBUG, 0, 0);
  look(kViews[1]);
  const Point4 aim = device(2, 1, 0.5);
  const int px = int(std::lround(aim.x)), py = int(std::lround(aim.y));
  const double z = Vex3dComputeZValue(g(), 1, 2, px, py);
  const Point4 back = device(2, 1, z);
  EXPECT_LE(std::hypot(back.x - px, back.y - py), std::sqrt(0.5) + 1e-9);

  struct Case {
    int s, p;
    const char *message;
  } cases[] = {
      {2, 0, "Vex3dComputeZValue: Series 2 out of range!\n"},
      {-1, 0, "Vex3dComputeZValue: Series -1 out of range!\n"},
      {1, 3, "Vex3dComputeZValue: Point value 3 out of range in series 1!\n"},
      {0, -2, "Vex3dComputeZValue: Point value -2 out of range in series 0!\n"},
  };
  // A point that is no number cannot be placed: it stays as it is.
  points->point.series[0].points[1] = {NAN, 0.5, 2};
  EXPECT_EQ(Vex3dComputeZValue(g(), 0, 1, px, py), 2);
  EXPECT_TRUE(std::isfinite(Vex3dComputeZValue(g(), 1, 2, INT_MAX, INT_MIN))) << "far outside the picture";

  for (const Case &c : cases) {
    MessageCapture capture;  // written with DEBUG off too
    EXPECT_EQ(Vex3dComputeZValue(g(), c.s, c.p, px, py), -7);
    EXPECT_EQ(capture.all(), c.message);
  }
}

}  // namespace
}  // namespace vex3d
