// The displayed data point nearest to a device point: along a line of sight
// through the cells it crosses, outward from the nearest grid lines on a
// flat map, and through the drawing order of point data.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "body_draw.h"
#include "body_pass.h"
#include "pick_body.h"
#include "ray_walk.h"

namespace vex3d {
namespace {


bool inside(const Rect &area, DevicePoint p) {
  return p.x >= area.x && p.x < area.x + area.width && p.y >= area.y && p.y < area.y + area.height;
}

std::int64_t squared_distance(DevicePoint a, DevicePoint b) {
  const std::int64_t dx = std::int64_t(a.x) - b.x, dy = std::int64_t(a.y) - b.y;
  return dx * dx + dy * dy;
}

// The grid lines of one direction with one more line beyond each end, a grid
// step out, so that a line of sight passing just outside the grid still
// crosses the slots whose corners are the outer grid points. Slot k then
// holds the points k - 1 and k.
std::vector<double> lines_with_margin(const double *grid, int count, double single_step) {
  std::vector<double> lines;
  lines.reserve(std::size_t(count) + 2);
  const double first = count > 1 ? grid[1] - grid[0] : single_step;
  const double last = count > 1 ? grid[count - 1] - grid[count - 2] : single_step;
  lines.push_back(grid[0] - std::fabs(first));
  lines.insert(lines.end(), grid, grid + count);
  lines.push_back(grid[count - 1] + std::fabs(last));
  return lines;
}

}  // namespace

NearestPoint nearest_grid_point_on_sight(const Vex3dGraph *graph, const ViewState &view, const BodyState &body,
                                         const SightLine &sight, DevicePoint at, const Rect &area) {
  NearestPoint best;
  const GridValues v = grid_values(graph);
  const ProjectedGrid &grid = body.grid;
  if (v.nx < 1 || v.ny < 1 || v.nx != grid.nx || v.ny != grid.ny) return best;
  // A surface of less than 2 x 2 points draws nothing.
  if (graph->type == Vex3dTypeSurface && (v.nx < 2 || v.ny < 2)) return best;
  const double step_x = graph->ranges.x_spacing != 0 ? graph->ranges.x_spacing : 1;
  const double step_y = graph->ranges.y_spacing != 0 ? graph->ranges.y_spacing : 1;
  const std::vector<double> xs = lines_with_margin(v.x, v.nx, step_x), ys = lines_with_margin(v.y, v.ny, step_y);
  double best_depth = 0;  // the eye's distance of the best point, in cube units
  auto depth = [&](int i, int j) {
    const Point4 p = transform_point(view.normalize, Point4{v.x[i], v.y[j], v.z(i, j), 1});
    const double dx = p.x - view.eye.x, dy = p.y - view.eye.y, dz = p.z - view.eye.z;
    return dx * dx + dy * dy + dz * dz;
  };
  auto consider = [&](int i, int j) {
    if (i < 0 || j < 0 || i >= v.nx || j >= v.ny || grid.hole(i, j)) return;
    const DevicePoint p = grid.at(i, j);
    if (!inside(area, p)) return;
    const std::int64_t d = squared_distance(p, at);
    if (best.found() && d > best.squared) return;
    if (best.found() && d == best.squared) {
      if (i == best.i && j == best.j) return;
      const double e = depth(i, j);
      if (!(e < best_depth)) return;
      best_depth = e;
    } else {
      best_depth = depth(i, j);
    }
    best.i = i, best.j = j, best.squared = d;
  };
  const RayTrace trace{sight.data.origin.x,
                       sight.data.origin.y,
                       sight.data.direction.x,
                       sight.data.direction.y,
                       0,
                       std::numeric_limits<double>::infinity()};
  walk_slots(xs, ys, trace, [&](int k, int l, double, double) {
    for (int i = k - 1; i <= k; ++i)
      for (int j = l - 1; j <= l; ++j) consider(i, j);
    return false;
  });
  return best;
}

NearestPoint nearest_grid_point_flat(const BodyState &body, DevicePoint at, const Rect &area) {
  NearestPoint best;
  const ProjectedGrid &grid = body.grid;
  if (grid.nx < 1 || grid.ny < 1) return best;
  // On a flat map a column's points share one device x and a row's one
  // device y: the distance splits into a column part and a row part, and
  // whether a point lies in the area into a column test and a row test.
  auto span_inside = [](int count, auto coordinate, int lo, int hi, int &first, int &last) {
    first = count, last = -1;
    for (int k = 0; k < count; ++k)
      if (coordinate(k) >= lo && coordinate(k) < hi) first = std::min(first, k), last = std::max(last, k);
  };
  int i0, i1, j0, j1;
  span_inside(
      grid.nx, [&](int i) { return grid.at(i, 0).x; }, area.x, area.x + area.width, i0, i1);
  span_inside(
      grid.ny, [&](int j) { return grid.at(0, j).y; }, area.y, area.y + area.height, j0, j1);
  if (i0 > i1 || j0 > j1) return best;
  std::vector<std::int64_t> dx(std::size_t(grid.nx)), dy(std::size_t(grid.ny));
  for (int i = 0; i < grid.nx; ++i)
    dx[std::size_t(i)] = std::int64_t(grid.at(i, 0).x - std::int64_t(at.x)) * (grid.at(i, 0).x - std::int64_t(at.x));
  for (int j = 0; j < grid.ny; ++j)
    dy[std::size_t(j)] = std::int64_t(grid.at(0, j).y - std::int64_t(at.y)) * (grid.at(0, j).y - std::int64_t(at.y));
  // The nearest column and row; the distances grow away from them, since
  // the device positions run monotonically along the grid.
  auto nearest = [](const std::vector<std::int64_t> &d, int first, int last) {
    return int(std::min_element(d.begin() + first, d.begin() + last + 1) - d.begin());
  };
  const int ci = nearest(dx, i0, i1), cj = nearest(dy, j0, j1);
  auto consider = [&](int i, int j, std::int64_t d) {
    const bool later = i > best.i || (i == best.i && j > best.j);
    if (!best.found() || d < best.squared || (d == best.squared && later)) best.i = i, best.j = j, best.squared = d;
  };
  // Columns by growing distance from the nearest one, and within each the
  // rows by growing distance from the nearest row, each until it cannot
  // give a point as near as the best: without holes, a few points in all.
  auto outward = [](const std::vector<std::int64_t> &d, int first, int last, int from, auto visit) {
    int lo = from, hi = from + 1;
    while (lo >= first || hi <= last) {
      const bool take_lo = lo >= first && (hi > last || d[std::size_t(lo)] <= d[std::size_t(hi)]);
      const int k = take_lo ? lo-- : hi++;
      if (!visit(k)) return;
    }
  };
  outward(dx, i0, i1, ci, [&](int i) {
    if (best.found() && dx[std::size_t(i)] > best.squared) return false;
    outward(dy, j0, j1, cj, [&](int j) {
      const std::int64_t d = dx[std::size_t(i)] + dy[std::size_t(j)];
      if (best.found() && d > best.squared) return false;
      if (!grid.hole(i, j)) consider(i, j, d);
      return true;
    });
    return true;
  });
  return best;
}

NearestPoint nearest_data_point(const Vex3dGraph *graph, const ViewState &view, BodyState &body, DevicePoint at,
                                const Rect &area) {
  NearestPoint best;
  const Vex3dDataInfo &info = graph->surface_info;
  if (!info.valid || info.type != VEX3D_POINT || !info.series || info.nseries < 1) return best;
  if (!update_point_order(graph, body, view)) return best;
  for (const OrderedPoint &o : body.point_order) {
    if (o.series >= info.nseries || o.index >= info.series[o.series].npoints) continue;
    const Vex3dPoint &p = info.series[o.series].points[o.index];
    const Point4 d = transform_point(view.transform, Point4{p.x, p.y, p.z, 1});
    if (!std::isfinite(d.x) || !std::isfinite(d.y)) continue;
    const DevicePoint device{device_round(d.x), device_round(d.y)};
    if (!inside(area, device)) continue;
    const std::int64_t squared = squared_distance(device, at);
    // Farthest first: a later point at the same distance is drawn over it.
    if (!best.found() || squared <= best.squared) best.i = o.series, best.j = o.index, best.squared = squared;
  }
  return best;
}

}  // namespace vex3d
