// Large data end to end: a 2000 x 2000 grid in every chart type and a million
// scatter points are drawn (into a context that keeps nothing) without
// failing. Run without the sanitizers, which would take minutes over them.
#include <gtest/gtest.h>

#include <cmath>

#include "body_fixture.h"

namespace vex3d {
namespace {

class LargeInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    graph_->graph_rect = Rect{0, 0, 1000, 800};
    Vex3dSetValues(graph_.get(), VEX3D_REPAINT, 0, 0);
  }
  void draw() {
    compute_view(graph_.get(), measure_);
    draw_chart(graph_.get());
  }

  GraphPtr graph_ = make_graph();
  platform::NullContext null_{platform::Box{0, 0, 1000, 800}};
  const CurrentContextScope current_{graph_.get(), &null_};
  FixedMeasure measure_{graph_.get()};
};

TEST_F(LargeInputTest, TwoThousandSquareGrid) {
  const DataPtr data = make_grid(2000, 2000, [](int i, int j) { return std::sin(i * 0.01) * std::cos(j * 0.013); });
  Vex3dSetValues(graph_.get(), VEX3D_SURFACE_DATA, data.get(), 0);
  for (int type : {int(Vex3dTypeSurface), int(Vex3dTypeBar)}) {  // symbols: a million points below
    Vex3dSetValues(graph_.get(), VEX3D_TYPE, type, VEX3D_DRAW_SHADED, 1, VEX3D_DRAW_ZONES, 1, VEX3D_DRAW_CONTOURS, 1,
                   VEX3D_PROJECT_ZMIN, 3, 0);
    draw();
    EXPECT_EQ(body_state(graph_.get()).grid.points.size(), 2000u * 2000u);
  }
}

TEST_F(LargeInputTest, MillionScatterPoints) {
  DataPtr data(Vex3dDataCreatePoint(1, 1000000, 1e308, 1));
  Vex3dPoint *p = data->point.series[0].points;
  for (int k = 0; k < 1000000; ++k) p[k] = {std::sin(k * 0.7), std::cos(k * 1.3), std::sin(k * 0.11)};
  Vex3dSetValues(graph_.get(), VEX3D_SURFACE_DATA, data.get(), VEX3D_TYPE, int(Vex3dTypeScatter),
                 VEX3D_DRAW_DROP_LINES, 1, 0);
  draw();
  EXPECT_EQ(body_state(graph_.get()).point_order.size(), 1000000u);
}

}  // namespace
}  // namespace vex3d
