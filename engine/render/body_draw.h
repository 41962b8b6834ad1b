// The drawers of the chart body: one per chart type for grid data, the
// walls of a solid surface, the transparent mesh, point data and symbols.
#pragma once

#include "body_pass.h"

namespace vex3d {

// ---- Cell drawers: (column, row) of the viewing portion, the traversal tag

void draw_surface_cell(BodyPass &pass, int column, int row, int tag);
void draw_bar_cell(BodyPass &pass, int column, int row, int tag);
void draw_scatter_cell(BodyPass &pass, int column, int row, int tag);

// ---- Chart labels inside the body
//
// Chart labels attached to data are hidden by the body in front of them: a
// cell drawer draws the labels of its cell that lie on the hidden side of the
// surface before the cell and the others after it, and point data merge
// their labels into the point order.
enum class LabelSide { kBehind, kInFront };
void draw_cell_labels(BodyPass &pass, int column, int row, LabelSide side);
// Draws the pending labels of point data farther from the eye than
// `distance`; every one left for a negative distance.
void draw_point_labels_farther_than(BodyPass &pass, double distance);
// Whether any chart label is attached to data (by index or by point).
bool has_data_labels(const Vex3dGraph *graph);

// ---- Surfaces

// The outer walls of a solid surface on the sides the eye lies beyond, from
// the surface's edge down to the lower end of the z axis, then the bottom
// face when the floor is seen from below.
void draw_solid_skirt(BodyPass &pass);

// The transparent single-colour mesh: every flagged column, then every
// flagged row, as polylines broken at holes and flushed at 501 points.
bool transparent_mesh_applies(const BodyPass &pass);
void draw_transparent_mesh(BodyPass &pass);

// ---- Points

// Rebuilds the drawing order of point data (farthest from the eye first)
// when the data or the eye changed since it was made; false when memory ran
// out (the order is then empty).
bool update_point_order(const Vex3dGraph *graph, BodyState &state, const ViewState &view);

// Every point of point data, farthest from the eye first, each with the data
// style of its series.
void draw_point_data(BodyPass &pass);

// A symbol and its drop line: the point on the device, its foot at z =
// ZORIGIN, and the data style to draw them with.
void draw_symbol_and_drop_line(BodyPass &pass, DevicePoint point, DevicePoint foot, const Vex3dDataStyle &style);

}  // namespace vex3d
