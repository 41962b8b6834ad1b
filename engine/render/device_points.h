// Cube points on the device: the cube-to-device matrix of the current view,
// rounded to device integers as every drawing is.
#pragma once

#include <optional>

#include "draw_ops.h"
#include "matrix.h"
#include "view_state.h"

namespace vex3d {

// None when the point does not project to a number.
std::optional<Vex3dDevicePoint> cube_to_device(const ViewState &view, const Vec3 &p);

// The colour of the cube's lines and annotation: GRAPH_FOREGROUND_COLOR, or
// FOREGROUND_COLOR when that is unset.
int chart_foreground(const Vex3dGraph *graph);

// A line between two cube points in the current pen.
void draw_cube_line(Vex3dGraph *graph, const ViewState &view, const Vec3 &a, const Vec3 &b);

}  // namespace vex3d
