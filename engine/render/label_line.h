// The connecting line of a chart label: from the place the label points at
// to the edge or corner of its box that faces that place.
#pragma once

#include <optional>

#include "text_placement.h"

namespace vex3d {

// A label's box on the device (y downward): its centre and half sizes.
struct LabelBox {
  double cx = 0, cy = 0, half_width = 0, half_height = 0;
};

// Where the line from `attached` ends for a box placed at the offset
// (offset_x, offset_y) from it: the middle of the facing edge, or for a
// diagonal offset the facing corner with only the coordinates of `attached`
// that lie outside it moved there. None for a zero offset, or when the
// attached place lies inside the box on the facing side.
std::optional<DevicePoint> connecting_line_end(DevicePoint attached, const LabelBox &box, int offset_x, int offset_y);

}  // namespace vex3d
