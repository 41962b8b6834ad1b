// Grid lines on the back faces of the cube (and on the flat map).
#pragma once

#include <vector>

#include "basecube.h"

namespace vex3d {

// The grid lines of one axis on one face, in cube coordinates: one per grid
// value, crossing the face from edge to edge. Empty when the axis does not
// lie in the face, is not shown, or the face's plane is not in the axis's
// plane set (XGRID_LINES ...).
std::vector<Segment3> grid_segments(const Vex3dGraph *graph, const ViewState &view, int face, int axis);

}  // namespace vex3d
