// A graph drawn into a raster picture for picking tests: the view and the
// body as a drawing leaves them, and the picture to look at the pixels.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>

#include "body.h"
#include "body_fixture.h"
#include "pick.h"
#include "raster_context.h"
#include "w_render.h"

namespace vex3d {

class PickTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 600, kHeight = 450;
  static constexpr int kBackground = 0xFFFFFF;

  void SetUp() override {
    g()->graph_rect = Rect{0, 0, kWidth, kHeight};
    Vex3dSetValues(g(), VEX3D_REPAINT, 0, VEX3D_SURFACE_TOP_COLOR, kTop, VEX3D_SURFACE_BOTTOM_COLOR, kBottom,
                   VEX3D_MESH_TOP_COLOR, kMeshTop, VEX3D_MESH_BOTTOM_COLOR, kMeshBottom, VEX3D_BACKGROUND_COLOR,
                   kBackground, VEX3D_DRAW_MESH, 0, VEX3D_DRAW_SHADED, 1, 0);
  }

  Vex3dGraph *g() { return graph_.get(); }
  void use(DataPtr data) {
    data_ = std::move(data);
    Vex3dSetValues(g(), VEX3D_SURFACE_DATA, data_.get(), 0);
  }
  void rotate(double x, double y, double z) {
    Vex3dSetValues(g(), VEX3D_XROTATION, x, VEX3D_YROTATION, y, VEX3D_ZROTATION, z, 0);
  }
  // Computes the view and draws the chart area afresh.
  void draw() {
    vex3d_win_setsolidfill(g(), kBackground);
    vex3d_win_fillrectangle(g(), 0, 0, kWidth, kHeight);
    compute_view(g(), measure_);
    draw_chart(g());
  }
  const ViewState &view() const { return *find_view_state(graph_.get()); }
  BodyState &body() { return body_state(g()); }

  // The colour at a pixel as 0xBBGGRR, as the resources give colours.
  int color_at(int x, int y) {
    const std::uint32_t argb = raster_.pixel(x, y);
    return int(((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16));
  }
  bool surface_at(int x, int y) {
    const int c = color_at(x, y);
    return c == kTop || c == kBottom;
  }
  // Whether every pixel within one of (x, y) satisfies `test`.
  template <class F>
  bool around(int x, int y, F test) {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (!test(x + dx, y + dy)) return false;
    return true;
  }

  GraphPtr graph_ = make_graph();
  platform::RasterContext raster_{kWidth, kHeight};
  const CurrentContextScope current_{g(), &raster_};
  FixedMeasure measure_{graph_.get()};
  DataPtr data_;
};

}  // namespace vex3d
