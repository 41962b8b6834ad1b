#include "body_canvas.h"

#include <algorithm>

namespace vex3d {

void BodyCanvas::fill(const DevicePoint *points, int count, int color) {
  if (!ops_ || count < 3) return;
  if (fill_color_ != color) {
    ops_->setsolidfill(graph_, color);
    fill_color_ = color;
  }
  Vex3dDevicePoint p[16];
  count = std::min(count, 16);
  for (int k = 0; k < count; ++k) p[k] = {points[k].x, points[k].y};
  ops_->primitives[0].fillpolygon(graph_, p, count, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
}

void BodyCanvas::line(DevicePoint a, DevicePoint b, int color) {
  if (!ops_ || a == b) return;
  if (line_color_ != color) {
    ops_->setsolidline(graph_, color);
    line_color_ = color;
  }
  ops_->primitives[0].drawline(graph_, a.x, a.y, b.x, b.y);
}

void BodyCanvas::polyline(const Vex3dDevicePoint *points, int count, int color) {
  if (!ops_ || count < 2) return;
  if (line_color_ != color) {
    ops_->setsolidline(graph_, color);
    line_color_ = color;
  }
  ops_->primitives[0].drawlines(graph_, points, std::min(count, kPolylinePoints), VEX3D_COORD_ABSOLUTE);
}

}  // namespace vex3d
