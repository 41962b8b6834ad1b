#include "pixel_rules.h"

#include <cmath>

namespace vex3d::platform {

bool thin_segment(Point a, Point b, Segment &out) {
  const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
  const double length = std::hypot(dx, dy);
  if (length == 0) return false;
  // Pixel centres, moved back half a pixel along the line: the stroke then
  // starts at the first pixel's near edge and ends before the last pixel.
  const double ux = dx / length * 0.5, uy = dy / length * 0.5;
  out = Segment{a.x + 0.5 - ux, a.y + 0.5 - uy, b.x + 0.5 - ux, b.y + 0.5 - uy};
  return true;
}

}  // namespace vex3d::platform
