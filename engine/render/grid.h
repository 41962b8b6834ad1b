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

// Draws every axis's grid lines on the back faces, each axis in its grid line
// style (XGRID_LINE_STYLE ...).
void draw_grid_lines(Vex3dGraph *graph);

}  // namespace vex3d
