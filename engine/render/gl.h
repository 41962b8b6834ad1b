// The view transformation: data coordinates -> plot cube -> rotated and
// projected plane -> device pixels, and the fit of the projected picture into
// the chart area with the user's zoom and shift.
#pragma once

#include "matrix.h"
#include "view_state.h"

namespace vex3d {

struct EngineHooks;

// ---- Draw mode and cube size

// The chart is drawn as a three-dimensional view for bar charts and whenever
// the mesh or the shading is on; otherwise as a flat map seen from above.
bool draws_three_d(const Vex3dGraph *graph);
// Stores the cube half-extents in the axes' normalized_scale: the largest of
// the three is 1 (a flat map fits x and y alone and keeps z at 1). Called by
// the frame whenever the scales or the draw mode may have changed.
void compute_half_extents(Vex3dGraph *graph);

// ---- Viewport fit

// The chart area less its border (device pixels); never negative.
Rect inner_chart_rect(const Rect &area, int border_type, int border_width);

// The window the fit uses: the computed one when the view is normalised or
// the stored full view is incomplete (it then becomes the stored full view),
// else the stored full view.
ProjectedWindow choose_window(ProjectedWindow &full_view, const ProjectedWindow &computed, bool normalized);

// The window shifted by fractions of its own size, then zoomed about its
// lower-left corner.
ProjectedWindow zoom_and_shift(const ProjectedWindow &window, double scale, double xshift, double yshift);

// The isotropic map of a window onto the inner rectangle, centred, with a
// margin of 4 pixels on each side of the limiting direction:
// device x = k x + tx, device y = -k y + ty (already times `factor`).
struct ViewportFit {
  bool ok = false;  // false when the rectangle or the window leaves no room (k <= 0)
  double k = 0, tx = 0, ty = 0;
};
ViewportFit fit_window(const Rect &inner, const ProjectedWindow &window, double factor);
// W and W^-1 of a fit; a fit that is not ok gives a W that collapses the
// picture onto (tx, ty) and an identity W^-1.
void viewport_matrices(const ViewportFit &fit, Matrix &w, Matrix &w_inverse);

// ---- Normalisation

// The lower ends and the lengths of the three axis ranges.
struct DataWindow {
  double min[3] = {0, 0, 0};
  double length[3] = {1, 1, 1};
};
// N maps each range onto [-h, h]; a zero z length gives a z scale of 1. A flat
// view gives every point the depth 0.
void normalization(const DataWindow &window, const double half[3], DrawMode mode, Matrix &n, Matrix &n_inverse);

// ---- The whole view

// Recomputes every matrix, the eye, the projected corners, the cube flags and
// the axis layout, then fits the picture into the chart area (GRAPH_X ...)
// in device coordinates: pixels times the coordinate factor of the graph's
// drawing operations.
void compute_view(Vex3dGraph *graph);
// The same with the annotation measured by `measure`.
class TextMeasure;
void compute_view(Vex3dGraph *graph, const TextMeasure &measure);

// A data point in device coordinates; z is the depth (larger is nearer).
Point4 data_to_device(const ViewState &view, double x, double y, double z);

// Fills the hooks the frame takes from this layer.
void install_render_hooks(EngineHooks &hooks);

}  // namespace vex3d
