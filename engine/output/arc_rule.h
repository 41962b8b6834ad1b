// Which ellipse and which part of it an arc operation draws.
//
// With a = min(angle1, angle1 + angle2) and b the other (1/64 degree), the
// start point is (x + w/2 + round(cos a * w), y + h/2 - round(sin a * h)) and
// the end point likewise with b; the arc runs counter-clockwise from the
// start point's ray to the end point's on the ellipse of the box moved one
// pixel right and down. When the two points coincide the whole ellipse is
// drawn if the sweep exceeds half a turn (the filled form in the box as
// given), and nothing otherwise.
#pragma once

#include <optional>

#include "draw_state.h"

namespace vex3d {

std::optional<platform::ArcSpec> plan_arc(int x, int y, int width, int height, int angle1, int angle2, bool filled);

}  // namespace vex3d
