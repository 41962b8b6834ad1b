// The chart body: surfaces, bars and scatter symbols drawn from the farthest
// to the nearest, with the zones and contour lines on the surface and their
// projections on the floor and the ceiling of the plot cube.
#pragma once

#include "body_state.h"
#include "graph.h"
#include "matrix.h"

namespace vex3d {

// Draws the chart area: the plot cube with the body in it, or the flat map.
// Needs a computed view (compute_view) and the drawing operations; draws
// nothing without them.
void draw_chart(Vex3dGraph *graph);
// The same chart area with the plot cube alone: axes, titles, grid lines and
// edges around no body.
void draw_empty_chart(Vex3dGraph *graph);

// Brings the body's state up to date with the view: mode bits, view flags,
// eye cell, projected grid, mesh flags, and the contours and zones with their
// points projected. False when there is no view to draw with.
bool prepare_drawing(Vex3dGraph *graph);

// The visible grid points through matrix `m` (data to device), holes (and
// values that are no numbers) at ZMIN, stored along x or along y; every drawn
// flag cleared.
void project_grid(const Vex3dGraph *graph, const Matrix &m, bool along_x, ProjectedGrid &grid);

// The device positions (sx, sy) of every contour point through `m`.
void project_contour_points(Vex3dGraph *graph, const Matrix &m);

}  // namespace vex3d
