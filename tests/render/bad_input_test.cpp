// Bad ranges, scales, rotations and chart areas: the view stays finite and
// nothing that is not a number reaches the device coordinates or the drawing
// operations.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "basecube.h"
#include "body.h"
#include "recording_context.h"
#include "view_fixture.h"
#include "w_render.h"

namespace vex3d {
namespace {

bool finite(const Matrix &m) {
  for (const auto &row : m.m)
    for (double v : row)
      if (!std::isfinite(v)) return false;
  return true;
}

// Where the drawn points must lie: inside the chart area, or (shifted far
// left and down) beyond its right and bottom edges. A coordinate that is not
// a number would land at minus the device limit, outside both.
enum class Reach { kChartArea, kBeyondRightAndBottom };

class BadInputTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    // Every part of the cube drawn: titles, grid lines on every plane, back faces.
    Vex3dSetValues(g(), VEX3D_XAXIS_TITLE, "Distance east", VEX3D_YAXIS_TITLE, "North", VEX3D_ZAXIS_TITLE, "Height",
                   VEX3D_XGRID_LINES, 7, VEX3D_YGRID_LINES, 7, VEX3D_ZGRID_LINES, 7, VEX3D_DATA_AREA_BACKGROUND_COLOR,
                   0xE0E0E0, 0);
  }

  // The empty cube and the preview outline drawn through the operation table.
  void expect_sound_drawing(const std::string &what, Reach reach) {
    recording_.clear();
    draw_empty_chart(g());
    draw_preview_outline(g());
    const int f = coordinate_factor(g()->draw_ops);
    const Rect &area = g()->graph_rect;
    const int left = area.x * f, right = (area.x + area.width) * f;
    const int top = area.y * f, bottom = (area.y + area.height) * f;
    int lines = 0;
    for (const platform::RecordedOp &op : recording_.ops()) {
      lines += op.primitive == platform::Primitive::kPolyline;
      for (const platform::Point &p : op.points) {
        const bool sound = reach == Reach::kChartArea ? p.x >= left && p.x <= right && p.y >= top && p.y <= bottom
                                                      : p.x > right && p.y > bottom;
        ASSERT_TRUE(sound) << what << ": (" << p.x << ", " << p.y << ")";
      }
    }
    if (find_view_state(g())->drawable) {
      EXPECT_GE(lines, 12) << what << ": the cube's edges at least";
    }
  }

  void expect_finite_view(const std::string &what, Reach reach = Reach::kChartArea) {
    const ViewState &v = compute();
    for (const Matrix *m : {&v.normalize, &v.normalize_inverse, &v.rotation, &v.rotation_inverse, &v.perspective,
                            &v.viewport, &v.viewport_inverse, &v.cube_to_device, &v.transform})
      EXPECT_TRUE(finite(*m)) << what;
    for (int a = 0; a < 3; ++a) {
      EXPECT_TRUE(std::isfinite(v.cube.box.min[a]) && std::isfinite(v.cube.box.max[a])) << what;
      EXPECT_LT(v.cube.box.min[a], v.cube.box.max[a]) << what;
    }
    for (const CubeCorner &c : kCubeCorners) {
      const double p[3] = {c.c[0] < 0 ? v.cube.box.min[0] : v.cube.box.max[0],
                           c.c[1] < 0 ? v.cube.box.min[1] : v.cube.box.max[1],
                           c.c[2] < 0 ? v.cube.box.min[2] : v.cube.box.max[2]};
      const Point4 d = data_to_device(v, p[0], p[1], p[2]);
      EXPECT_TRUE(std::isfinite(d.x) && std::isfinite(d.y) && std::isfinite(d.z)) << what;
    }
    for (const PlacedText &t : v.cube.texts) {
      EXPECT_TRUE(finite(t.placement)) << what;
      EXPECT_FALSE(t.text.empty()) << what;
    }
    expect_sound_drawing(what, reach);
  }

  platform::RecordingContext recording_;
  const CurrentContextScope current_{g(), &recording_};
};

TEST_F(BadInputTest, AxisRanges) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char *name;
    double lo, hi;
  } cases[] = {
      {"zero length", 3, 3},
      {"reversed", 10, -10},
      {"unset", VALUE_UNSET, VALUE_UNSET},
      {"huge", -1e308, 1e308},
      {"one end unset", 5, VALUE_UNSET},
      {"huge zero length", 1e300, 1e300},
      {"tiny span", 1, 1 + 1e-15},
      {"large and close", 1e20, 1e20 + 1e5},
  };
  for (const Case &c : cases) {
    Vex3dSetValues(g(), VEX3D_XMIN, c.lo, VEX3D_XMAX, c.hi, VEX3D_ZMIN, c.lo, VEX3D_ZMAX, c.hi, 0);
    expect_finite_view(c.name);
  }
  // NaN cannot be set as a resource; it can still come from data.
  g()->x.min = nan;
  g()->z.max = nan;
  expect_finite_view("nan");
}

TEST_F(BadInputTest, ScalesRotationsAndDepths) {
  struct Case {
    const char *name;
    double xscale, zscale, xrot, zrot, depth;
  } cases[] = {
      {"huge x scale", 1e300, 1, 45, 45, 2.5},  {"tiny x scale", 1e-300, 1, 45, 45, 2.5},
      {"tiny z scale", 1, 1e-300, 45, 45, 2.5}, {"huge rotations", 1, 1, 1e9, -1e9, 2.5},
      {"deep eye", 1, 1, 45, 45, 1e308},        {"closest eye", 1, 1, 30, 10, 1.0},
  };
  for (const Case &c : cases) {
    Vex3dSetValues(g(), VEX3D_XSCALE, c.xscale, VEX3D_ZSCALE, c.zscale, VEX3D_XROTATION, c.xrot, VEX3D_ZROTATION,
                   c.zrot, VEX3D_PERSPECTIVE_DEPTH, c.depth, 0);
    expect_finite_view(c.name);
  }
}

TEST_F(BadInputTest, ViewportExtremes) {
  // The window moves far left and down, the picture far right and down.
  Vex3dSetValues(g(), VEX3D_VIEW_SCALE, 30.0, VEX3D_VIEW_XTRANSLATE, -1e300, VEX3D_VIEW_YTRANSLATE, 1e300, 0);
  expect_finite_view("far shift", Reach::kBeyondRightAndBottom);
  Vex3dSetValues(g(), VEX3D_VIEW_SCALE, 1.0 / 30.0, VEX3D_VIEW_XTRANSLATE, 0.0, VEX3D_VIEW_YTRANSLATE, 0.0, 0);
  expect_finite_view("smallest zoom");
  g()->graph_rect = Rect{0, 0, 5, 5};
  expect_finite_view("no room");
  EXPECT_FALSE(find_view_state(g())->drawable);
}

TEST(ViewScale, AcceptsOneThirtiethToThirtyAndRefusesTheRest) {
  GraphPtr graph = make_graph();
  struct Case {
    double set, stored;
  } cases[] = {{2, 2},
               {30, 30},
               {31, 30},
               {1.0 / 30.0, 1.0 / 30.0},
               {0.03, 1.0 / 30.0},
               {0, 1.0 / 30.0},
               {-5, 1.0 / 30.0},
               {std::numeric_limits<double>::infinity(), 1.0 / 30.0},
               {std::numeric_limits<double>::quiet_NaN(), 1.0 / 30.0},
               {1, 1}};
  for (const Case &c : cases) {
    Vex3dSetValues(graph.get(), VEX3D_VIEW_SCALE, c.set, 0);
    EXPECT_EQ(get_double(graph.get(), VEX3D_VIEW_SCALE), c.stored) << c.set;
  }
}

}  // namespace
}  // namespace vex3d
