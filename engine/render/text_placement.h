// Text is laid out in its own plane (x to the right, y downward, z = 0) and
// taken to the device by a 4 x 4 placement matrix: row by row, applied to the
// column vector (x, y, 0, 1), the result divided by w.
#pragma once

#include <optional>

#include "draw_ops.h"

namespace vex3d {

using PlacementMatrix = double[4][4];

// A point of the drawing operations: device integers.
using DevicePoint = Vex3dDevicePoint;

// Device coordinates beyond this are held at it, so that a point at infinity
// (w = 0) still converts.
inline constexpr double kDeviceLimit = 1e9;

// A device coordinate from a double: the nearest integer, halves upward
// (add 0.5 and take the floor), held within the limit.
int device_round(double v);

// The device point of text-plane point (x, y); none when the matrix gives no
// number (NaN).
std::optional<DevicePoint> place(const PlacementMatrix &m, double x, double y);

// A text width in thousandths of the cube: rounded, held within int.
int rounded_width(double thousandths);

}  // namespace vex3d
