// The plot cube: which edges and faces are at the back for the current eye,
// the data box the view normalises, and the drawing of the cube's parts.
#pragma once

#include "cube_state.h"
#include "cube_tables.h"
#include "view_state.h"

namespace vex3d {

// Edge and face flags for an eye in cube coordinates. `nearest` and
// `farthest` are the corners with the largest and the smallest projected
// depth (they decide when the eye looks at a corner); an axis that is not
// shown loses both flags on its four edges.
CubeFlags classify_eye(const Point4 &eye, const double half[3], int nearest, int farthest, const bool shown[3]);

// The eye's position bits alone (see CubeFlags::eye_bits).
int eye_position_bits(const Point4 &eye, const double half[3]);

// Whether an edge is drawn at all: its axis is shown.
bool edge_shown(const Vex3dGraph *graph, int edge);

// ---- Geometry in cube coordinates (scaled by the half-extents)

struct Segment3 {
  Vec3 a, b;
};

Vec3 corner_point(const ViewState &view, int corner);
Segment3 edge_segment(const ViewState &view, int edge);
// The four corners of a face, in the face table's order.
void face_points(const ViewState &view, int face, Vec3 out[4]);
// The axis a face is perpendicular to, from the largest component of the
// cross product of two of its edges.
int face_normal_axis(const ViewState &view, int face);
// The short marker near corner 0 that shows the orientation of a preview.
std::vector<Segment3> orientation_marker(const ViewState &view);

// ---- Drawing (through the graph's operation table, after compute_view)
//
// Three-dimensional view, before the chart body: draw_axes, draw_cube_back,
// draw_grid_lines; after it, where the body leaves them uncovered,
// draw_front_edges. Flat map: draw_cube_back (the rectangle's background),
// then the zones, draw_axes, draw_grid_lines and draw_flat_frame.

// Back faces filled with DATA_AREA_BACKGROUND_COLOR (unless it is unset) and
// back edges as thin solid lines in the chart foreground; on the flat map the
// plot rectangle's background.
void draw_cube_back(Vex3dGraph *graph);
// The edges that are not drawn with the back, for the axes that are shown.
void draw_front_edges(Vex3dGraph *graph);
// The outline of the flat map's plot rectangle.
void draw_flat_frame(Vex3dGraph *graph);
// The cube alone, for interactive rotation: back edges solid, the others
// dashed 2 on, 4 off (all solid on a flat map), and the orientation marker.
void draw_preview_outline(Vex3dGraph *graph);
// Everything of the plot cube in the order of a drawing with no chart body.
void draw_empty_cube(Vex3dGraph *graph);

// The ends of the three axes before tick rounding, from the prepared data and
// the effective XMIN ... ZMAX. Every range comes back finite with lo < hi.
DataBox data_box(const Vex3dGraph *graph);

}  // namespace vex3d
