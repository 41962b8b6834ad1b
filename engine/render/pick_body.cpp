// The first face of the chart body on a line of sight: surface cells as
// drawn, or bar boxes, visited along the line from the eye.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "body_geometry.h"
#include "body_pass.h"
#include "pick_body.h"
#include "ray_walk.h"
#include "traversal.h"

namespace vex3d {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Window indices of corner k of cell (i, j), as the cell drawer numbers them.
constexpr int kCornerDi[4] = {0, 0, 1, 1};
constexpr int kCornerDj[4] = {0, 1, 1, 0};

RayTrace trace_of(const Ray &data) {
  return {data.origin.x, data.origin.y, data.direction.x, data.direction.y, 0, kInfinity};
}

// The trace of the stretch of a line of sight whose height lies within
// lo ... hi: nothing of the body lies above or below that. Empty (from > to)
// when the line never passes there.
RayTrace trace_between_heights(const Ray &data, double lo, double hi) {
  RayTrace trace = trace_of(data);
  if (!(lo <= hi)) {
    trace.from = kInfinity, trace.to = 0;
    return trace;
  }
  // A hair wider, so that rounding cannot cut off a hit at the very top or bottom.
  const double margin = (hi - lo) * 1e-9 + (std::fabs(lo) + std::fabs(hi)) * 1e-12;
  lo -= margin, hi += margin;
  const double z = data.origin.z, dz = data.direction.z;
  if (dz == 0) {
    if (z < lo || z > hi) trace.from = kInfinity, trace.to = 0;
    return trace;
  }
  const double t0 = (lo - z) / dz, t1 = (hi - z) / dz;
  trace.from = std::max(0.0, std::min(t0, t1));
  trace.to = std::max(t0, t1);
  return trace;
}

Vec3 to_cube(const Matrix &n, double x, double y, double z) {
  const Point4 p = transform_point(n, Point4{x, y, z, 1});
  return {p.x, p.y, p.z};
}

// Twice the signed area of triangle a, b, c on the device.
std::int64_t turn(DevicePoint a, DevicePoint b, DevicePoint c) {
  return std::int64_t(b.x - a.x) * (c.y - a.y) - std::int64_t(b.y - a.y) * (c.x - a.x);
}

// The diagonal that splits a quadrilateral drawn as one polygon into two
// triangles covering what it covers: 0-2 unless corners 1 and 3 lie on the
// same side of it (the corner 0 or 2 is then reflex), else 1-3.
bool splits_through_corner_0(const DevicePoint c[4]) {
  const std::int64_t s1 = turn(c[0], c[2], c[1]), s3 = turn(c[0], c[2], c[3]);
  return (s1 >= 0 && s3 <= 0) || (s1 <= 0 && s3 >= 0);
}

void keep_nearer(std::optional<double> t, double &best) {
  if (t && *t < best) best = *t;
}

// Whether the line of sight between t_in and t_out passes above or below
// every height from lo to hi.
bool passes_by(const Ray &data, double t_in, double t_out, double lo, double hi) {
  const double z_in = data.origin.z + t_in * data.direction.z, z_out = data.origin.z + t_out * data.direction.z;
  return std::max(z_in, z_out) < lo || std::min(z_in, z_out) > hi;
}

// The first hit on surface cell (i, j) between t_in and t_out, as the cell
// is drawn; infinity when there is none.
double surface_cell_hit(const GridValues &v, const ViewState &view, const BodyState &body, const SightLine &sight,
                        int i, int j, double t_in, double t_out) {
  const ProjectedGrid &grid = body.grid;
  double z[4];
  DevicePoint device[4];
  for (int k = 0; k < 4; ++k) {
    const int u = i + kCornerDi[k], w = j + kCornerDj[k];
    if (grid.hole(u, w)) return kInfinity;  // a cell with a hole corner is not drawn
    z[k] = v.z(u, w);
    device[k] = grid.at(u, w);
  }
  // Most cells the line passes high above or far below.
  if (passes_by(sight.data, t_in, t_out, std::min({z[0], z[1], z[2], z[3]}), std::max({z[0], z[1], z[2], z[3]})))
    return kInfinity;

  Vec3 corner[4];
  for (int k = 0; k < 4; ++k) corner[k] = to_cube(view.normalize, v.x[i + kCornerDi[k]], v.y[j + kCornerDj[k]], z[k]);
  double best = kInfinity;
  const int tag = cell_tag(body.eye, i, j);
  if (cell_folds(tag, device, (body.mode & kModeZones) != 0)) {
    const Vec3 centre =
        to_cube(view.normalize, (v.x[i] + v.x[i + 1]) / 2, (v.y[j] + v.y[j + 1]) / 2, (z[0] + z[1] + z[2] + z[3]) / 4);
    for (int k = 0; k < 4; ++k) keep_nearer(ray_triangle(sight.cube, corner[k], corner[(k + 1) % 4], centre), best);
  } else if (splits_through_corner_0(device)) {
    keep_nearer(ray_triangle(sight.cube, corner[0], corner[1], corner[2]), best);
    keep_nearer(ray_triangle(sight.cube, corner[0], corner[2], corner[3]), best);
  } else {
    keep_nearer(ray_triangle(sight.cube, corner[1], corner[2], corner[3]), best);
    keep_nearer(ray_triangle(sight.cube, corner[1], corner[3], corner[0]), best);
  }
  return best;
}

// Cells a side of a height block: small enough that a line of sight meets
// few cells in a block it cannot pass over, large enough that the blocks of a
// large grid fit in the cache.
constexpr int kBlockCells = 16;

const HeightBlocks &height_blocks(const GridValues &v, ProjectedGrid &grid) {
  HeightBlocks &b = grid.height_blocks;
  if (b.size) return b;
  b.size = kBlockCells;
  const int cells_x = v.nx - 1, cells_y = v.ny - 1;
  b.nx = (cells_x + b.size - 1) / b.size, b.ny = (cells_y + b.size - 1) / b.size;
  b.lo.assign(std::size_t(b.nx) * std::size_t(b.ny), kInfinity);
  b.hi.assign(b.lo.size(), -kInfinity);
  auto lines = [&](const double *grid_values, int cells, std::vector<double> &out) {
    out.clear();
    for (int k = 0; k < cells; k += b.size) out.push_back(grid_values[k]);
    out.push_back(grid_values[cells]);
  };
  lines(v.x, cells_x, b.x_lines);
  lines(v.y, cells_y, b.y_lines);
  // A point on a block's edge belongs to the blocks on both sides.
  for (int i = 0; i < v.nx; ++i) {
    const int first_x = std::max(0, (i - 1) / b.size), last_x = std::min(b.nx - 1, i / b.size);
    for (int j = 0; j < v.ny; ++j) {
      if (grid.hole(i, j)) continue;
      const double z = v.z(i, j);
      const int first_y = std::max(0, (j - 1) / b.size), last_y = std::min(b.ny - 1, j / b.size);
      for (int bi = first_x; bi <= last_x; ++bi)
        for (int bj = first_y; bj <= last_y; ++bj) {
          const std::size_t k = std::size_t(bi) * std::size_t(b.ny) + std::size_t(bj);
          b.lo[k] = std::min(b.lo[k], z), b.hi[k] = std::max(b.hi[k], z);
        }
    }
  }
  return b;
}

// Block by block along the line, and cell by cell within the blocks it
// does not pass by.
std::optional<BodyHit> surface_hit(const GridValues &v, const ViewState &view, BodyState &body,
                                   const SightLine &sight) {
  if (v.nx < 2 || v.ny < 2) return std::nullopt;
  const HeightBlocks &b = height_blocks(v, body.grid);
  std::optional<BodyHit> hit;
  const RayTrace trace = trace_between_heights(sight.data, body.grid.z_lo, body.grid.z_hi);
  walk_slots(b.x_lines, b.y_lines, trace, [&](int bi, int bj, double t_in, double t_out) {
    const std::size_t k = std::size_t(bi) * std::size_t(b.ny) + std::size_t(bj);
    if (passes_by(sight.data, t_in, t_out, b.lo[k], b.hi[k])) return false;
    const int i0 = bi * b.size, j0 = bj * b.size;
    const int i1 = std::min(i0 + b.size, v.nx - 1), j1 = std::min(j0 + b.size, v.ny - 1);
    RayTrace inside = trace;
    inside.from = t_in, inside.to = t_out;
    walk_slots({v.x + i0, std::size_t(i1 - i0 + 1)}, {v.y + j0, std::size_t(j1 - j0 + 1)}, inside,
               [&](int i, int j, double cell_in, double cell_out) {
                 const double t = surface_cell_hit(v, view, body, sight, i0 + i, j0 + j, cell_in, cell_out);
                 if (t == kInfinity) return false;
                 hit = BodyHit{i0 + i, j0 + j, t, sight.data.at(t)};
                 return true;
               });
    return hit.has_value();
  });
  return hit;
}

// The slots of the bars along one direction, one per bar: the grid lines
// for histogram bars; for fixed ones the middles between neighbours, and
// the outer bars' own ends (a bar is at most a grid step wide, so each lies
// within its slot).
std::vector<double> bar_slot_lines(const double *grid, int count, int format, double step, double spacing) {
  std::vector<double> lines;
  if (format == Vex3dBarHistogram) return std::vector<double>(grid, grid + count);
  const double h = bar_half_width(step, spacing);
  lines.push_back(grid[0] - h);
  for (int k = 1; k < count; ++k) lines.push_back((grid[k - 1] + grid[k]) / 2);
  lines.push_back(grid[count - 1] + h);
  return lines;
}

std::optional<BodyHit> bar_hit(const Vex3dGraph *graph, const GridValues &v, const BodyState &body,
                               const SightLine &sight) {
  const Axis &ax = graph->x, &ay = graph->y;
  const bool histogram_x = ax.bar_format == Vex3dBarHistogram, histogram_y = ay.bar_format == Vex3dBarHistogram;
  if (v.nx < (histogram_x ? 2 : 1) || v.ny < (histogram_y ? 2 : 1)) return std::nullopt;
  const std::vector<double> xs = bar_slot_lines(v.x, v.nx, ax.bar_format, graph->ranges.x_spacing, ax.bar_spacing);
  const std::vector<double> ys = bar_slot_lines(v.y, v.ny, ay.bar_format, graph->ranges.y_spacing, ay.bar_spacing);
  const double lo = std::min(body.grid.z_lo, graph->zorigin), hi = std::max(body.grid.z_hi, graph->zorigin);
  std::optional<BodyHit> hit;
  walk_slots(xs, ys, trace_between_heights(sight.data, lo, hi), [&](int i, int j, double, double) {
    if (body.grid.hole(i, j)) return false;
    const double value = v.z(i, j);
    const BarSpan x = bar_footprint(v.x, i, ax.bar_format, graph->ranges.x_spacing, ax.bar_spacing);
    const BarSpan y = bar_footprint(v.y, j, ay.bar_format, graph->ranges.y_spacing, ay.bar_spacing);
    const std::optional<double> t = ray_box(sight.data, Vec3{x.lo, y.lo, std::min(value, graph->zorigin)},
                                            Vec3{x.hi, y.hi, std::max(value, graph->zorigin)});
    if (!t) return false;
    hit = BodyHit{i, j, *t, sight.data.at(*t)};
    return true;
  });
  return hit;
}

}  // namespace

std::optional<BodyHit> first_body_hit(const Vex3dGraph *graph, const ViewState &view, BodyState &body,
                                      const SightLine &sight) {
  const GridValues v = grid_values(graph);
  if (v.nx != body.grid.nx || v.ny != body.grid.ny) return std::nullopt;  // not prepared for these data
  if (graph->type == Vex3dTypeSurface) return surface_hit(v, view, body, sight);
  if (graph->type == Vex3dTypeBar) return bar_hit(graph, v, body, sight);
  return std::nullopt;
}

}  // namespace vex3d
