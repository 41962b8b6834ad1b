#include "label_line.h"

#include <cmath>

namespace vex3d {
namespace {

// The sectors of the offset's angle (degrees, counter-clockwise from the
// right, y upward): the four edges own 60 degrees about each axis, the four
// corners the 30 degrees between.
enum class Facing { kLeft, kBottom, kRight, kTop, kBottomLeft, kBottomRight, kTopRight, kTopLeft };

Facing facing(double degrees) {
  if (degrees >= -30 && degrees <= 30) return Facing::kLeft;
  if (degrees >= 60 && degrees <= 120) return Facing::kBottom;
  if (degrees >= 150 || degrees <= -150) return Facing::kRight;
  if (degrees >= -120 && degrees <= -60) return Facing::kTop;
  if (degrees > 30 && degrees < 60) return Facing::kBottomLeft;
  if (degrees > 120 && degrees < 150) return Facing::kBottomRight;
  if (degrees > -150 && degrees < -120) return Facing::kTopRight;
  return Facing::kTopLeft;
}

}  // namespace

std::optional<DevicePoint> connecting_line_end(DevicePoint attached, const LabelBox &box, int offset_x, int offset_y) {
  if (offset_x == 0 && offset_y == 0) return std::nullopt;
  const double degrees = std::atan2(-static_cast<double>(offset_y), static_cast<double>(offset_x)) * 180 / M_PI;
  const double left = box.cx - box.half_width, right = box.cx + box.half_width;
  const double top = box.cy - box.half_height, bottom = box.cy + box.half_height;
  const double ax = attached.x, ay = attached.y;
  auto at = [](double x, double y) { return DevicePoint{device_round(x), device_round(y)}; };
  // A corner: the coordinates beyond it move onto it, the others stay.
  auto corner = [&](double cx, bool x_outside, double cy, bool y_outside) -> std::optional<DevicePoint> {
    if (!x_outside && !y_outside) return std::nullopt;
    return at(x_outside ? cx : ax, y_outside ? cy : ay);
  };
  switch (facing(degrees)) {
    case Facing::kLeft: return ax < left ? std::optional(at(left, box.cy)) : std::nullopt;
    case Facing::kBottom: return ay > bottom ? std::optional(at(box.cx, bottom)) : std::nullopt;
    case Facing::kRight: return ax > right ? std::optional(at(right, box.cy)) : std::nullopt;
    case Facing::kTop: return ay < top ? std::optional(at(box.cx, top)) : std::nullopt;
    case Facing::kBottomLeft: return corner(left, ax < left, bottom, ay > bottom);
    case Facing::kBottomRight: return corner(right, ax > right, bottom, ay > bottom);
    case Facing::kTopRight: return corner(right, ax > right, top, ay < top);
    case Facing::kTopLeft: return corner(left, ax < left, top, ay < top);
  }
  return std::nullopt;
}

}  // namespace vex3d
