// Scatter symbols: on grid data cell by cell, point data farthest first, and
// the drawing of one symbol with its drop line.
#include <algorithm>
#include <cmath>
#include <new>

#include "body_draw.h"
#include "defaults.h"
#include "symbols.h"

namespace vex3d {
namespace {

const Vex3dDataStyle &series_style(const Vex3dGraph *graph, int series) {
  const auto &styles = graph->data_styles.styles.items();
  if (series >= 0 && series < int(styles.size())) return styles[std::size_t(series)];
  return builtin_data_style(series);
}

bool usable(double v, double hole) { return v != hole && std::isfinite(v); }

// Where a drop line ends: at the z origin, or at ZMIN when the origin is the hole value.
double foot_height(const Vex3dGraph *graph, double hole) {
  return graph->zorigin == hole ? graph->z.min : graph->zorigin;
}

bool culled(const BodyPass &pass, DevicePoint a, DevicePoint b) {
  return pass.cull && pass.outside_area(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
}

void drop_line(BodyPass &pass, DevicePoint point, DevicePoint foot, const Vex3dLineStyle &line) {
  const Vex3dDrawOps &ops = pass.canvas.ops();
  Vex3dGraph *graph = pass.graph;
  const int color = line.color != COLOR_UNSET ? line.color : pass.foreground;
  ops.setforeground(graph, color);
  ops.setdashes(graph, line.pattern, 0, 0, nullptr);
  ops.setlineattributes(graph, line.width, stroke_style(line.pattern == Vex3dLpatSolid), VEX3D_CAP_FLAT,
                        VEX3D_JOIN_BEVEL);
  ops.primitives[0].drawline(graph, point.x, point.y, foot.x, foot.y);
}

void symbol(BodyPass &pass, DevicePoint at, const Vex3dDataStyle &style) {
  const long long size = static_cast<long long>(style.symbol_size) * pass.coordinate_factor;
  const int color = style.symbol_color != COLOR_UNSET ? style.symbol_color : pass.foreground;
  draw_symbol(pass.graph, pass.canvas.ops(), symbol_geometry(style.symbol, int(std::min<long long>(size, 1 << 20)), at),
              color);
}

}  // namespace

bool update_point_order(const Vex3dGraph *graph, BodyState &s, const ViewState &view) {
  const Vex3dDataInfo &info = graph->surface_info;
  const Point4 eye = transform_point(view.normalize_inverse, view.eye);
  long long total = 0;
  for (int k = 0; k < info.nseries; ++k) total += std::max(info.series[k].npoints, 0);
  const PointOrderKey key{info.series, info.nseries, total, {eye.x, eye.y, eye.z}};
  if (s.point_order_valid && s.point_order_key == key) return true;
  s.point_order_valid = false;
  try {
    s.point_order.clear();
    s.point_order.reserve(static_cast<std::size_t>(total));
    for (int k = 0; k < info.nseries; ++k) {
      const Vex3dSeries &series = info.series[k];
      for (int n = 0; n < series.npoints; ++n) {
        const Vex3dPoint &p = series.points[n];
        if (!usable(p.x, info.hole) || !usable(p.y, info.hole) || !usable(p.z, info.hole)) continue;
        const double dx = p.x - eye.x, dy = p.y - eye.y, dz = p.z - eye.z;
        s.point_order.push_back({k, n, std::sqrt(dx * dx + dy * dy + dz * dz)});
      }
    }
  } catch (const std::bad_alloc &) {
    s.point_order.clear();
    return false;  // no points this time
  }
  // Farthest first; ties in series and point order, so that every drawing is the same.
  std::sort(s.point_order.begin(), s.point_order.end(), [](const OrderedPoint &a, const OrderedPoint &b) {
    if (a.distance != b.distance) return a.distance > b.distance;
    return a.series != b.series ? a.series < b.series : a.index < b.index;
  });
  s.point_order_key = key;
  s.point_order_valid = true;
  return true;
}

void draw_symbol_and_drop_line(BodyPass &pass, DevicePoint point, DevicePoint foot, const Vex3dDataStyle &style) {
  const Vex3dGraph *graph = pass.graph;
  const bool drop = pass.view.mode == DrawMode::kThreeD && graph->draw_drop_lines && style.line.width > 0 &&
                    style.line.pattern != Vex3dLpatNone;
  // Seen from below with the eye beyond at most one side, the foot lies
  // farther than the point: the line goes over the symbol.
  const int side = pass.state.view_flags & kEyeSideBits;
  const bool line_last =
      (pass.state.view_flags & kFloorFromBelow) && (side == 0 || side == kEyeBeyondXMax || side == kEyeBeyondXMin ||
                                                    side == kEyeBeyondYMax || side == kEyeBeyondYMin);
  if (drop && !line_last) drop_line(pass, point, foot, style.line);
  if (style.symbol_size >= 1 && style.symbol != Vex3dSymbolNone) symbol(pass, point, style);
  if (drop && line_last) drop_line(pass, point, foot, style.line);
}

void draw_scatter_cell(BodyPass &pass, int i, int j, int /*tag*/) {
  ProjectedGrid &grid = pass.state.grid;
  if (i < 0 || j < 0 || i >= grid.nx || j >= grid.ny) return;
  std::uint8_t &flags = grid.flags[grid.index(i, j)];
  if (flags & (kSymbolDrawn | kPointHole)) return;
  flags |= kSymbolDrawn;
  const GridValues &v = pass.values;
  const DevicePoint point = grid.at(i, j);
  const DevicePoint foot = pass.project(v.x[i], v.y[j], foot_height(pass.graph, v.hole));
  if (culled(pass, point, foot)) return;
  draw_symbol_and_drop_line(pass, point, foot, series_style(pass.graph, 0));
}

void draw_point_data(BodyPass &pass) {
  const Vex3dDataInfo &info = pass.graph->surface_info;
  if (!info.valid || info.type != VEX3D_POINT || !info.series || info.nseries < 1) return;
  if (!update_point_order(pass.graph, pass.state, pass.view)) return;
  const double foot_z = foot_height(pass.graph, info.hole);
  for (const OrderedPoint &o : pass.state.point_order) {
    // The order may outlive an edit of the data in place: look again.
    if (o.series >= info.nseries || o.index >= info.series[o.series].npoints) continue;
    const Vex3dPoint &p = info.series[o.series].points[o.index];
    if (!usable(p.x, info.hole) || !usable(p.y, info.hole) || !usable(p.z, info.hole)) continue;
    draw_point_labels_farther_than(pass, o.distance);
    const DevicePoint point = pass.project(p.x, p.y, p.z);
    const DevicePoint foot = pass.project(p.x, p.y, foot_z);
    if (culled(pass, point, foot)) continue;
    draw_symbol_and_drop_line(pass, point, foot, series_style(pass.graph, o.series));
  }
  draw_point_labels_farther_than(pass, -1);
}

}  // namespace vex3d
