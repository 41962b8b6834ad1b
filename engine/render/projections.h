// Zones and contour lines projected on the floor and the ceiling.
#pragma once

#include "view_state.h"

namespace vex3d {

struct BodyPass;

enum class CubePlane { kFloor, kCeiling };

// Whether the eye sees the floor (or the ceiling) from inside the cube: the
// projection is then drawn behind the body, otherwise over it.
bool seen_from_inside(const ViewState &view, CubePlane plane);

// Draws what `what` asks for on a plane (Vex3dProjectContours,
// Vex3dProjectZones bits of PROJECT_ZMIN or PROJECT_ZMAX), from the
// contours of the surface, then puts the contour points back on it.
void draw_projection(BodyPass &pass, CubePlane plane, int what);

}  // namespace vex3d
