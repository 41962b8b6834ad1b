// A graph with grid or point data drawn into a recording context, for tests
// that say what the chart body drew and in which order.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "body.h"
#include "data.h"
#include "engine_ptr.h"
#include "recording_fixture.h"
#include "view_fixture.h"

namespace vex3d {

// An nx x ny grid over 0 ... nx-1, 0 ... ny-1 with z(i, j).
inline DataPtr make_grid(int nx, int ny, const std::function<double(int, int)> &z, double hole = 1e308) {
  DataPtr data(Vex3dDataCreateGrid(nx, ny, hole, 1, 1, 0, 0, 1));
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < ny; ++j) data->grid.values[i][j] = z(i, j);
  return data;
}

// Colours no cube part uses, so that the body's primitives can be told apart.
inline constexpr int kTop = 0x0000F0, kBottom = 0x00F000, kMeshTop = 0xF00000, kMeshBottom = 0x505050;

class BodyTest : public RecordingGraph {
 protected:
  void SetUp() override {
    RecordingGraph::SetUp();
    graph->graph_rect = Rect{0, 0, 400, 300};
    Vex3dSetValues(g(), VEX3D_REPAINT, 0, VEX3D_SURFACE_TOP_COLOR, kTop, VEX3D_SURFACE_BOTTOM_COLOR, kBottom,
                   VEX3D_MESH_TOP_COLOR, kMeshTop, VEX3D_MESH_BOTTOM_COLOR, kMeshBottom, 0);
  }
  Vex3dGraph *g() { return graph.get(); }

  void use(DataPtr data) {
    data_ = std::move(data);
    Vex3dSetValues(g(), VEX3D_SURFACE_DATA, data_.get(), 0);
  }
  void rotate(double x, double y, double z) {
    Vex3dSetValues(g(), VEX3D_XROTATION, x, VEX3D_YROTATION, y, VEX3D_ZROTATION, z, 0);
  }
  // Computes the view and draws the chart afresh.
  void draw() {
    recording.clear();
    compute_view(g(), measure_);
    draw_chart(g());
  }
  const ViewState &view() const { return *find_view_state(graph.get()); }
  const BodyState &body() { return body_state(g()); }
  // The eye in data units.
  Point4 eye() const { return transform_point(view().normalize_inverse, view().eye); }

  // Positions in the recording of the polygons filled in `color`.
  std::vector<std::size_t> fills_in(int color) const {
    std::vector<std::size_t> at;
    for (std::size_t k = 0; k < ops().size(); ++k)
      if (ops()[k].primitive == platform::Primitive::kPolygon && int(ops()[k].state.brush.color) == color)
        at.push_back(k);
    return at;
  }
  std::vector<std::size_t> lines_in(int color) const {
    std::vector<std::size_t> at;
    for (std::size_t k = 0; k < ops().size(); ++k)
      if (ops()[k].primitive == platform::Primitive::kPolyline && int(ops()[k].state.pen.color) == color)
        at.push_back(k);
    return at;
  }

  DataPtr data_;
  FixedMeasure measure_{graph.get()};
};

inline platform::Point point_of(DevicePoint p) { return platform::Point{p.x, p.y}; }

}  // namespace vex3d
