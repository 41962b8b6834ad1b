// The transparent single-colour mesh: no cell is hidden, so the mesh goes
// out as long polylines without the traversal.
#include "body_draw.h"

namespace vex3d {
namespace {

// Collects the points of one grid line and draws them in polylines of at
// most 501 points; a hole ends the polyline, a full one starts the next at
// its own last point.
class MeshLine {
 public:
  MeshLine(BodyPass &pass, int color) : pass_(pass), color_(color) {}
  void add(DevicePoint p) {
    points_[count_++] = {p.x, p.y};
    if (count_ == BodyCanvas::kPolylinePoints) {
      pass_.canvas.polyline(points_, count_, color_);
      points_[0] = points_[count_ - 1];
      count_ = 1;
    }
  }
  void end() {
    if (count_ >= 2) pass_.canvas.polyline(points_, count_, color_);
    count_ = 0;
  }

 private:
  BodyPass &pass_;
  int color_;
  int count_ = 0;
  Vex3dDevicePoint points_[BodyCanvas::kPolylinePoints];
};

}  // namespace

bool transparent_mesh_applies(const BodyPass &pass) {
  const Vex3dGraph *g = pass.graph;
  return pass.mode == kModeMesh && g->draw_hidden_lines && !g->solid_surface && !has_data_labels(g) &&
         g->mesh_top == g->mesh_bottom;
}

void draw_transparent_mesh(BodyPass &pass) {
  const ProjectedGrid &grid = pass.state.grid;
  MeshLine line(pass, pass.mesh_top);
  auto point = [&](int i, int j) {
    if (grid.hole(i, j))
      line.end();
    else
      line.add(grid.at(i, j));
  };
  for (int i = 0; i < grid.nx; ++i) {
    if (!pass.state.column_mesh[std::size_t(i)]) continue;
    for (int j = 0; j < grid.ny; ++j) point(i, j);
    line.end();
  }
  for (int j = 0; j < grid.ny; ++j) {
    if (!pass.state.row_mesh[std::size_t(j)]) continue;
    for (int i = 0; i < grid.nx; ++i) point(i, j);
    line.end();
  }
}

bool has_data_labels(const Vex3dGraph *graph) {
  for (const auto &text : graph->texts)
    if (text && text->show && text->attach_method != Vex3dAttachPixel) return true;
  return false;
}

}  // namespace vex3d
