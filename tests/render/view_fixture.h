// A graph with a chart area, axis ranges and a text measure of fixed
// proportions, for view and layout tests that need no fonts.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "anno.h"
#include "draw_ops.h"
#include "gl.h"
#include "graph.h"
#include "graph_fixture.h"

namespace vex3d {

// Every character is 0.7 of the text height wide; heights follow the axis
// stroke sizes (thousandths of the cube, which spans 2 units).
class FixedMeasure : public TextMeasure {
 public:
  explicit FixedMeasure(const Vex3dGraph *graph) : graph_(graph) {}
  double width(TextRole role, std::string_view text) const override {
    return 0.7 * height(role) * static_cast<double>(text.size());
  }
  double height(TextRole role) const override {
    return 0.002 * (role == TextRole::kLabel ? graph_->axis_font.stroke_size : graph_->axis_title_font.stroke_size);
  }

 private:
  const Vex3dGraph *graph_;
};

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Vex3dSetValues(g(), VEX3D_XMIN, 0.0, VEX3D_XMAX, 10.0, VEX3D_YMIN, 0.0, VEX3D_YMAX, 10.0, VEX3D_ZMIN, 0.0,
                   VEX3D_ZMAX, 10.0, 0);
    g()->graph_rect = Rect{0, 0, 400, 300};
  }
  Vex3dGraph *g() { return graph_.get(); }
  const ViewState &compute() {
    compute_view(g(), measure_);
    return *find_view_state(g());
  }
  Point4 device(double x, double y, double z) { return data_to_device(*find_view_state(g()), x, y, z); }

  GraphPtr graph_ = make_graph();
  FixedMeasure measure_{graph_.get()};
};

}  // namespace vex3d
