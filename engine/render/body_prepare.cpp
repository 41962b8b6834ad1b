// Preparing a drawing of the body: flags, eye cell, projected grid, mesh
// flags and contours.
#include <algorithm>
#include <cmath>
#include <limits>

#include "basecube.h"
#include "body.h"
#include "body_geometry.h"
#include "body_pass.h"
#include "gl.h"
#include "graph_contours.h"
#include "traversal.h"

namespace vex3d {
namespace {

bool grid_data(const Vex3dGraph *graph) {
  const Vex3dDataInfo &info = graph->surface_info;
  return info.valid && !info.empty && info.type != VEX3D_POINT;
}

// The view flags: the eye against the data box's x and y ends in the cube,
// and the floor's winding on the device.
int flags_of_view(const Vex3dGraph *graph, const ViewState &view) {
  const DataBox box = data_box(graph);
  const Point4 lo = transform_point(view.normalize, Point4{box.min[0], box.min[1], box.min[2], 1});
  const Point4 hi = transform_point(view.normalize, Point4{box.max[0], box.max[1], box.min[2], 1});
  const double cube_lo[2] = {std::min(lo.x, hi.x), std::min(lo.y, hi.y)};
  const double cube_hi[2] = {std::max(lo.x, hi.x), std::max(lo.y, hi.y)};
  auto device = [&](double x, double y) {
    const Point4 p = transform_point(view.transform, Point4{x, y, box.min[2], 1});
    return DevicePoint{device_round(p.x), device_round(p.y)};
  };
  return view_flags(view.eye, cube_lo, cube_hi, device(box.max[0], box.min[1]), device(box.min[0], box.min[1]),
                    device(box.min[0], box.max[1]));
}

EyeCell eye_cell(const Vex3dGraph *graph, const ViewState &view, const GridValues &v) {
  const Point4 eye = transform_point(view.normalize_inverse, view.eye);
  const bool scatter = graph->type == Vex3dTypeScatter, bars = graph->type == Vex3dTypeBar;
  auto spans = [&](const double *grid, int count, const Axis &axis, double step) {
    ElementSpans s{grid, count, scatter, 0};
    if (bars && axis.bar_format == Vex3dBarFixed) {
      s.per_point = true;
      s.half_width = bar_half_width(step, axis.bar_spacing);
    }
    return s;
  };
  EyeCell cell;
  cell.columns = split_axis(spans(v.x, v.nx, graph->x, graph->ranges.x_spacing), eye.x);
  cell.rows = split_axis(spans(v.y, v.ny, graph->y, graph->ranges.y_spacing), eye.y);
  return cell;
}

}  // namespace

void project_grid(const Vex3dGraph *graph, const Matrix &m, bool along_x, ProjectedGrid &grid) {
  const GridValues v = grid_values(graph);
  grid.nx = v.nx, grid.ny = v.ny, grid.along_x = along_x;
  const std::size_t count = std::size_t(v.nx) * std::size_t(v.ny);
  grid.points.resize(count);
  grid.flags.assign(count, 0);
  const double zmin = graph->z.min;
  // The x and y parts of rows 0, 1 and 3 of m, once per grid line.
  struct Terms {
    double x, y, w;
  };
  std::vector<Terms> column_terms(std::size_t(v.nx)), row_terms(std::size_t(v.ny));
  for (int i = 0; i < v.nx; ++i)
    column_terms[std::size_t(i)] = {m.m[0][0] * v.x[i], m.m[1][0] * v.x[i], m.m[3][0] * v.x[i]};
  for (int j = 0; j < v.ny; ++j)
    row_terms[std::size_t(j)] = {m.m[0][1] * v.y[j], m.m[1][1] * v.y[j], m.m[3][1] * v.y[j]};
  const double zx = m.m[0][2], zy = m.m[1][2], zw = m.m[3][2];
  double z_lo = std::numeric_limits<double>::infinity(), z_hi = -z_lo;
  const double tx = m.m[0][3], ty = m.m[1][3], tw = m.m[3][3];
  auto project = [&](int i, int j) {
    double z = v.z(i, j);
    const std::size_t k = grid.index(i, j);
    if (z == v.hole || !std::isfinite(z)) {
      grid.flags[k] = kPointHole;
      z = zmin;
    } else {
      z_lo = std::min(z_lo, z), z_hi = std::max(z_hi, z);
    }
    const Terms &c = column_terms[std::size_t(i)], &r = row_terms[std::size_t(j)];
    const double w = c.w + r.w + zw * z + tw;
    grid.points[k] =
        DevicePoint{device_round((c.x + r.x + zx * z + tx) / w), device_round((c.y + r.y + zy * z + ty) / w)};
  };
  if (!along_x) {
    for (int i = 0; i < v.nx; ++i)
      for (int j = 0; j < v.ny; ++j) project(i, j);
  } else {
    // Stored along x while the data run along y: a few columns at a time, so
    // that both sides are read and written in runs.
    constexpr int kBlock = 16;
    for (int i0 = 0; i0 < v.nx; i0 += kBlock) {
      const int i1 = std::min(v.nx, i0 + kBlock);
      for (int j = 0; j < v.ny; ++j)
        for (int i = i0; i < i1; ++i) project(i, j);
    }
  }
  grid.z_lo = z_lo, grid.z_hi = z_hi;
  grid.height_blocks = HeightBlocks{};
}

void project_contour_points(Vex3dGraph *graph, const Matrix &m) {
  const ContourState *state = current_contours(graph);
  if (!state) return;
  for (const Vex3dContourLine &line : state->result.lines)
    for (Vex3dContourPoint *p = line.first; p; p = p->next) {
      const Point4 d = transform_point(m, Point4{p->x, p->y, p->z, 1});
      p->sx = device_round(d.x);
      p->sy = device_round(d.y);
    }
}

bool prepare_drawing(Vex3dGraph *graph) {
  const ViewState *view = find_view_state(graph);
  if (!view || !view->computed) return false;
  BodyState &s = body_state(graph);
  s.mode = mode_bits(graph);
  s.view_flags = flags_of_view(graph, *view);
  if (!grid_data(graph)) {
    s.grid = ProjectedGrid{};
    s.row_mesh.clear();
    s.column_mesh.clear();
    return true;
  }
  const GridValues v = grid_values(graph);
  s.eye = eye_cell(graph, *view, v);
  // Stored in the order the cells are visited: the traversal's outer loop,
  // or on a flat map the zone pass, which visits the x index outermost.
  const bool flat = view->mode == DrawMode::kFlat;
  project_grid(graph, view->transform, !flat && traversal_runs_along_x(s.view_flags), s.grid);

  const int factor = std::max(1, coordinate_factor(graph->draw_ops));
  const Rect inner = inner_chart_rect(graph->graph_rect, graph->graph_border, graph->graph_border_width);
  const bool meshed = graph->type == Vex3dTypeSurface && graph->draw_mesh;
  s.row_mesh = mesh_flags(meshed && graph->x.mesh_show, graph->x.mesh_filter, v.ny, double(inner.height) * factor);
  s.column_mesh = mesh_flags(meshed && graph->y.mesh_show, graph->y.mesh_filter, v.nx, double(inner.width) * factor);

  if (update_contours(graph)) project_contour_points(graph, view->transform);
  return true;
}

}  // namespace vex3d
