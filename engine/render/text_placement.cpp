#include "text_placement.h"

#include <climits>
#include <cmath>

namespace vex3d {

int device_round(double v) {
  // Adding 0.5 and truncating, as on the drawing surface; below 0 the floor
  // keeps rounding to the nearest integer instead of toward 0, so that a shape
  // reaching off the surface keeps its form.
  v = std::floor(v + 0.5);
  if (!(v > -kDeviceLimit)) v = -kDeviceLimit;  // NaN too; callers filter it first
  if (v > kDeviceLimit) v = kDeviceLimit;
  return static_cast<int>(v);
}

std::optional<DevicePoint> place(const PlacementMatrix &m, double x, double y) {
  const double w = m[3][0] * x + m[3][1] * y + m[3][3];
  const double dx = (m[0][0] * x + m[0][1] * y + m[0][3]) / w;
  const double dy = (m[1][0] * x + m[1][1] * y + m[1][3]) / w;
  if (std::isnan(dx) || std::isnan(dy)) return std::nullopt;
  return DevicePoint{device_round(dx), device_round(dy)};
}

int rounded_width(double thousandths) {
  const double width = std::round(thousandths);
  if (std::isnan(width)) return 0;
  if (width >= INT_MAX) return INT_MAX;
  return width <= INT_MIN ? INT_MIN : static_cast<int>(width);
}

}  // namespace vex3d
