// Computing the view: rotation, eye, perspective, projected cube, axis
// layout, viewport fit and normalisation, in that order.
#include <algorithm>
#include <cmath>

#include "anno.h"
#include "basecube.h"
#include "chart_labels.h"
#include "draw_ops.h"
#include "gl.h"

namespace vex3d {
namespace {

// The eye's distance from the cube centre is kept finite: a perspective depth
// near the largest double would overflow when doubled.
constexpr double kFarthestEye = 1e300;

double eye_distance(const Vex3dGraph *graph) { return std::min(2 * graph->perspective_depth, kFarthestEye); }

void rotations(const Vex3dGraph *graph, ViewState &v) {
  set_identity(v.rotation);
  set_identity(v.rotation_inverse);
  set_identity(v.perspective);
  if (v.mode == DrawMode::kFlat) return;
  // Turned about z, then y, then x, and last by -90 about x, which carries the
  // data z axis up the screen and the data y axis into it.
  rotate_exact(v.rotation, kAxisX, -90);
  rotate_exact(v.rotation, kAxisX, graph->x.rotation);
  rotate_exact(v.rotation, kAxisY, graph->y.rotation);
  rotate_exact(v.rotation, kAxisZ, graph->z.rotation);
  rotate_exact(v.rotation_inverse, kAxisZ, -graph->z.rotation);
  rotate_exact(v.rotation_inverse, kAxisY, -graph->y.rotation);
  rotate_exact(v.rotation_inverse, kAxisX, -graph->x.rotation);
  rotate_exact(v.rotation_inverse, kAxisX, 90);
  v.perspective.m[3][2] = -1 / eye_distance(graph);
}

void project_corners(ViewState &v) {
  Matrix q;
  multiply(v.perspective, v.rotation, q);
  for (double &e : q.m[1]) e = -e;  // diag(1, -1, 1) * P * R
  for (int i = 0; i < 8; ++i) {
    const CubeCorner &c = kCubeCorners[i];
    v.corners[i] = transform_point(q, Point4{c.c[0] * v.half[0], c.c[1] * v.half[1], c.c[2] * v.half[2], 1});
  }
  v.nearest_corner = v.farthest_corner = 0;
  for (int i = 1; i < 8; ++i) {
    if (v.corners[i].z > v.corners[v.nearest_corner].z) v.nearest_corner = i;
    if (v.corners[i].z < v.corners[v.farthest_corner].z) v.farthest_corner = i;
  }
}

}  // namespace

void compute_view(Vex3dGraph *graph, const TextMeasure &measure) {
  ViewState &v = view_state(graph);
  compute_half_extents(graph);
  place_data_labels(graph);  // their room in the z range comes before the ticks
  v.mode = draws_three_d(graph) ? DrawMode::kThreeD : DrawMode::kFlat;
  v.half[0] = graph->x.normalized_scale;
  v.half[1] = graph->y.normalized_scale;
  v.half[2] = graph->z.normalized_scale;

  rotations(graph, v);
  v.eye = transform_point(v.rotation_inverse, Point4{0, 0, eye_distance(graph), 1});
  project_corners(v);
  const bool shown[3] = {graph->x.show != 0, graph->y.show != 0, graph->z.show != 0};
  v.cube.flags = classify_eye(v.eye, v.half, v.nearest_corner, v.farthest_corner, shown);

  const ProjectedWindow window = lay_out_cube(graph, v, measure);
  const ProjectedWindow chosen = choose_window(v.full_view, window, graph->view_normalized != 0);
  const ProjectedWindow zoomed =
      zoom_and_shift(chosen, graph->view_scale, graph->view_xtranslate, graph->view_ytranslate);
  const Rect inner = inner_chart_rect(graph->graph_rect, graph->graph_border, graph->graph_border_width);
  const ViewportFit fit = fit_window(inner, zoomed, coordinate_factor(graph->draw_ops));
  viewport_matrices(fit, v.viewport, v.viewport_inverse);
  v.drawable = fit.ok;

  DataWindow data;
  for (int a = 0; a < 3; ++a) {
    data.min[a] = v.cube.box.min[a];
    data.length[a] = v.cube.box.max[a] - v.cube.box.min[a];
  }
  normalization(data, v.half, v.mode, v.normalize, v.normalize_inverse);
  Matrix wp;
  multiply(v.viewport, v.perspective, wp);
  multiply(wp, v.rotation, v.cube_to_device);
  multiply(v.cube_to_device, v.normalize, v.transform);
  v.computed = true;
  project_data_labels(graph, v);
}

void compute_view(Vex3dGraph *graph) { compute_view(graph, AxisFontMeasure(graph)); }

Point4 data_to_device(const ViewState &view, double x, double y, double z) {
  return transform_point(view.transform, Point4{x, y, z, 1});
}

}  // namespace vex3d
