#include "body_canvas.h"

#include <algorithm>

namespace vex3d {

void BodyCanvas::select_fill(int color) {
  if (fill_.color == color && fill_.changes == graph_->draw_state_changes.brush) return;
  ops_->setsolidfill(graph_, color);
  fill_ = {color, graph_->draw_state_changes.brush};
}

void BodyCanvas::select_line(int color) {
  if (line_.color == color && line_.changes == graph_->draw_state_changes.pen) return;
  ops_->setsolidline(graph_, color);
  line_ = {color, graph_->draw_state_changes.pen};
}

void BodyCanvas::fill(const DevicePoint *points, int count, int color) {
  if (!ops_ || count < 3) return;
  select_fill(color);
  Vex3dDevicePoint p[16];
  count = std::min(count, 16);
  for (int k = 0; k < count; ++k) p[k] = {points[k].x, points[k].y};
  ops_->primitives[0].fillpolygon(graph_, p, count, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
}

void BodyCanvas::line(DevicePoint a, DevicePoint b, int color) {
  if (!ops_ || a == b) return;
  select_line(color);
  ops_->primitives[0].drawline(graph_, a.x, a.y, b.x, b.y);
}

void BodyCanvas::polyline(const Vex3dDevicePoint *points, int count, int color) {
  if (!ops_ || count < 2) return;
  select_line(color);
  ops_->primitives[0].drawlines(graph_, points, std::min(count, kPolylinePoints), VEX3D_COORD_ABSOLUTE);
}

}  // namespace vex3d
