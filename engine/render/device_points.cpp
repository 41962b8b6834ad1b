#include "device_points.h"

#include <cmath>

#include "text_placement.h"

namespace vex3d {

std::optional<Vex3dDevicePoint> cube_to_device(const ViewState &view, const Vec3 &p) {
  const Point4 d = transform_point(view.cube_to_device, Point4{p.x, p.y, p.z, 1});
  if (std::isnan(d.x) || std::isnan(d.y)) return std::nullopt;
  return Vex3dDevicePoint{device_round(d.x), device_round(d.y)};
}

int chart_foreground(const Vex3dGraph *graph) {
  return graph->graph_foreground != COLOR_UNSET ? graph->graph_foreground : graph->foreground;
}

void draw_cube_line(Vex3dGraph *graph, const ViewState &view, const Vec3 &a, const Vec3 &b) {
  const auto p = cube_to_device(view, a), q = cube_to_device(view, b);
  if (p && q) graph->draw_ops->primitives[0].drawline(graph, p->x, p->y, q->x, q->y);
}

}  // namespace vex3d
