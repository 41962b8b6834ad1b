// The four picking questions and the region test.
#include "pick.h"
#include "boundary.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "body.h"
#include "body_pass.h"
#include "gl.h"
#include "hooks.h"
#include "methods.h"
#include "pick_body.h"
#include "text_placement.h"

namespace vex3d {
namespace {

bool contains(const Rect &r, long long px, long long py) {
  return r.x <= px && px < (long long)r.x + r.width && r.y <= py && py < (long long)r.y + r.height;
}

bool data_present(const Vex3dGraph *graph) { return graph->surface_info.valid && !graph->surface_info.empty; }

bool point_data(const Vex3dGraph *graph) { return graph->surface_info.type == VEX3D_POINT; }

// What every pick reads: the view, the body prepared for it, and the chart
// area less its border in device units (pixels times the coordinate factor).
struct Pick {
  const ViewState *view = nullptr;
  BodyState *body = nullptr;
  int factor = 1;
  Rect area;

  bool flat() const { return view->mode == DrawMode::kFlat; }
  DevicePoint device(int px, int py) const {
    auto scale = [&](int p) { return int(std::clamp<long long>((long long)p * factor, -kDeviceLimit, kDeviceLimit)); };
    return {scale(px), scale(py)};
  }
};

// The view and the body as the last drawing left them; the projected grid
// is made when it is missing. None without a drawable view or without data.
std::optional<Pick> prepare_pick(Vex3dGraph *graph) {
  const ViewState *view = find_view_state(graph);
  if (!view || !view->computed || !view->drawable || !data_present(graph)) return std::nullopt;
  BodyState &body = body_state(graph);
  if (!point_data(graph)) {
    const GridValues v = grid_values(graph);
    if (v.nx < 1 || v.ny < 1) return std::nullopt;
    if (body.grid.nx != v.nx || body.grid.ny != v.ny) {
      if (!prepare_drawing(graph)) return std::nullopt;
    }
  }
  Pick pick;
  pick.view = view;
  pick.body = &body;
  pick.factor = std::max(1, coordinate_factor(graph->draw_ops));
  const Rect inner = inner_chart_rect(graph->graph_rect, graph->graph_border, graph->graph_border_width);
  pick.area = Rect{inner.x * pick.factor, inner.y * pick.factor, inner.width * pick.factor, inner.height * pick.factor};
  return pick;
}

int pixel_of(double device, int factor) { return device_round(device / factor); }

// The pixel that shows data point (x, y, z); false when none does: the
// point lies behind the eye (no pixel shows it; the division by w would
// mirror it onto the picture), or it projects to no number or beyond what
// the device can address.
bool pixel_of_point(const ViewState &view, double x, double y, double z, int factor, int &px, int &py) {
  const Matrix &t = view.transform;
  const double w = t.m[3][0] * x + t.m[3][1] * y + t.m[3][2] * z + t.m[3][3];
  if (!(w > 0)) return false;
  const Point4 d = data_to_device(view, x, y, z);
  if (!(std::fabs(d.x) < kDeviceLimit) || !(std::fabs(d.y) < kDeviceLimit)) return false;
  px = pixel_of(d.x, factor), py = pixel_of(d.y, factor);
  return true;
}

// ---- Flat map

// The surface's height at (x, y) inside its grid: bilinear in the cell; unset
// on a cell with a hole.
double flat_height(Vex3dGraph *graph, double x, double y) {
  const double z = Vex3dZInterpolate(graph, x, y);
  return z == graph->surface_info.hole || !std::isfinite(z) ? VALUE_UNSET : z;
}

// The flat map's data rectangle: the first and last visible grid lines, or
// the axis ends for point data.
struct DataRect {
  double lo[2], hi[2];
};
DataRect flat_rectangle(const Vex3dGraph *graph, const ViewState &view) {
  const GridValues v = grid_values(graph);
  if (point_data(graph) || v.nx < 1 || v.ny < 1)
    return {{view.cube.box.min[0], view.cube.box.min[1]}, {view.cube.box.max[0], view.cube.box.max[1]}};
  return {{v.x[0], v.y[0]}, {v.x[v.nx - 1], v.y[v.ny - 1]}};
}

// The pixel's place by the linear map between the data rectangle's
// projected corners, wherever the pixel lies; false when it lies outside
// the rectangle.
bool flat_coordinate(const Vex3dGraph *graph, const ViewState &view, DevicePoint at, double &x, double &y) {
  const DataRect r = flat_rectangle(graph, view);
  const Point4 lower = data_to_device(view, r.lo[0], r.lo[1], 0), upper = data_to_device(view, r.hi[0], r.hi[1], 0);
  // One grid line in a direction spans no device distance: the pixel
  // must then lie on it.
  auto along = [](double lo, double hi, double d0, double d1, double p, double &out) {
    if (d1 == d0) {
      out = lo;
      return std::fabs(p - d0) <= 0.5;
    }
    out = lo + (hi - lo) * (p - d0) / (d1 - d0);
    return out >= lo && out <= hi;
  };
  const bool in_x = along(r.lo[0], r.hi[0], lower.x, upper.x, at.x, x);
  const bool in_y = along(r.lo[1], r.hi[1], lower.y, upper.y, at.y, y);
  return in_x && in_y;
}

Vex3dDataCoordResult coordinate_of_point(const Vex3dGraph *graph, Vex3dDataCoordResult r, const NearestPoint &n) {
  if (!n.found()) return r;
  const Vex3dPoint &p = graph->surface_info.series[n.i].points[n.j];
  r.x = p.x, r.y = p.y, r.z = p.z;
  return r;
}

Vex3dDataCoordResult coordinate_of_grid_point(const Vex3dGraph *graph, Vex3dDataCoordResult r, const NearestPoint &n) {
  if (!n.found()) return r;
  const GridValues v = grid_values(graph);
  r.x = v.x[n.i], r.y = v.y[n.j], r.z = v.z(n.i, n.j);
  return r;
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" int Vex3dPickRegion(const Vex3dGraph *graph, int px, int py) {
  return guarded(__func__, [&]() -> int {
    if (!graph) return Vex3dRegionNone;
    if (contains(graph->legend_rect, px, py)) return Vex3dRegionInLegend;
    if (contains(graph->graph_rect, px, py)) return Vex3dRegionInChartArea;
    if (contains(graph->footer.rect, px, py)) return Vex3dRegionInFooter;
    if (contains(graph->header.rect, px, py)) return Vex3dRegionInHeader;
    return Vex3dRegionNone;
  });
}

extern "C" Vex3dDataCoordResult Vex3dPixelToDataCoord(Vex3dGraph *graph, int px, int py) {
  return guarded(__func__, [&]() -> Vex3dDataCoordResult {
    Vex3dDataCoordResult r{px, py, VALUE_UNSET, VALUE_UNSET, VALUE_UNSET, Vex3dPickRegion(graph, px, py)};
    if (r.region != Vex3dRegionInChartArea) return r;
    const std::optional<Pick> pick = prepare_pick(graph);
    if (!pick) return r;
    const DevicePoint at = pick->device(px, py);
    if (pick->flat()) {
      double x, y;
      const bool inside = flat_coordinate(graph, *pick->view, at, x, y);
      if (point_data(graph)) {
        if (!inside) return r;
        return coordinate_of_point(graph, r, nearest_data_point(graph, *pick->view, *pick->body, at, pick->area));
      }
      // A scatter chart shows its grid points, not a surface between them.
      if (graph->type == Vex3dTypeScatter)
        return coordinate_of_grid_point(graph, r, nearest_grid_point_flat(*pick->body, at, pick->area));
      // Beyond the grid the place is known, the height is not.
      r.x = x, r.y = y;
      if (inside) r.z = flat_height(graph, x, y);
      return r;
    }
    if (point_data(graph))
      return coordinate_of_point(graph, r, nearest_data_point(graph, *pick->view, *pick->body, at, pick->area));
    const std::optional<SightLine> sight = sight_line(*pick->view, at.x, at.y);
    if (!sight) return r;
    if (graph->type == Vex3dTypeScatter)
      return coordinate_of_grid_point(
          graph, r, nearest_grid_point_on_sight(graph, *pick->view, *pick->body, *sight, at, pick->area));
    if (const std::optional<BodyHit> hit = first_body_hit(graph, *pick->view, *pick->body, *sight))
      r.x = hit->data.x, r.y = hit->data.y, r.z = hit->data.z;
    return r;
  });
}

extern "C" Vex3dPixelResult Vex3dDataCoordToPixel(Vex3dGraph *graph, double x, double y, double z) {
  return guarded(__func__, [&]() -> Vex3dPixelResult {
    Vex3dPixelResult r{x, y, z, -1, -1};
    const ViewState *view = find_view_state(graph);
    if (!view || !view->computed || !data_present(graph)) return r;
    const int factor = std::max(1, coordinate_factor(graph->draw_ops));
    if (!pixel_of_point(*view, x, y, z, factor, r.pixel_x, r.pixel_y)) r.pixel_x = r.pixel_y = -1;
    return r;
  });
}

extern "C" Vex3dDataIndexResult Vex3dPixelToDataIndex(Vex3dGraph *graph, int px, int py) {
  return guarded(__func__, [&]() -> Vex3dDataIndexResult {
    Vex3dDataIndexResult r{px, py, -1, -1, -1, Vex3dPickRegion(graph, px, py)};
    // Over the legend of a scatter chart, its entry gives the series.
    if (r.region == Vex3dRegionInLegend && graph->type == Vex3dTypeScatter && data_present(graph) &&
        point_data(graph)) {
      if (const auto series_at = hooks().legend_series_at) r.row = series_at(graph, px, py);
      return r;
    }
    if (r.region != Vex3dRegionInChartArea) return r;
    const std::optional<Pick> pick = prepare_pick(graph);
    if (!pick) return r;
    const DevicePoint at = pick->device(px, py);
    NearestPoint n;
    int first_x = 0, first_y = 0;
    if (point_data(graph)) {
      n = nearest_data_point(graph, *pick->view, *pick->body, at, pick->area);
    } else {
      const GridValues v = grid_values(graph);
      first_x = v.first_x, first_y = v.first_y;
      if (pick->flat()) {
        n = nearest_grid_point_flat(*pick->body, at, pick->area);
      } else if (const std::optional<SightLine> sight = sight_line(*pick->view, at.x, at.y)) {
        if (graph->type == Vex3dTypeBar) {
          if (const std::optional<BodyHit> hit = first_body_hit(graph, *pick->view, *pick->body, *sight)) {
            const DevicePoint p = pick->body->grid.at(hit->i, hit->j);
            n.i = hit->i, n.j = hit->j;
            n.squared = (std::int64_t(p.x) - at.x) * (std::int64_t(p.x) - at.x) +
                        (std::int64_t(p.y) - at.y) * (std::int64_t(p.y) - at.y);
          }
        } else {
          n = nearest_grid_point_on_sight(graph, *pick->view, *pick->body, *sight, at, pick->area);
        }
      }
    }
    if (!n.found()) return r;
    r.row = n.i + first_x, r.column = n.j + first_y;
    r.distance = int(std::sqrt(double(n.squared)) / pick->factor);
    return r;
  });
}

extern "C" Vex3dIndexPixelResult Vex3dDataIndexToPixel(Vex3dGraph *graph, int row, int column) {
  return guarded(__func__, [&]() -> Vex3dIndexPixelResult {
    Vex3dIndexPixelResult r{row, column, -1, -1};
    const ViewState *view = find_view_state(graph);
    if (!view || !view->computed || !data_present(graph)) return r;
    const Vex3dDataInfo &info = graph->surface_info;
    const int factor = std::max(1, coordinate_factor(graph->draw_ops));
    if (point_data(graph)) {
      if (!info.series || row < 0 || row >= info.nseries || column < 0 || column >= info.series[row].npoints) return r;
      const Vex3dPoint &p = info.series[row].points[column];
      const double z = p.z == info.hole || !std::isfinite(p.z) ? graph->z.min : p.z;
      if (!pixel_of_point(*view, p.x, p.y, z, factor, r.pixel_x, r.pixel_y)) r.pixel_x = r.pixel_y = -1;
      return r;
    }
    if (row < 0 || row >= info.numx || column < 0 || column >= info.numy || !info.xgrid || !info.ygrid || !info.values)
      return r;
    const GridValues v = grid_values(graph);
    const int i = row - v.first_x, j = column - v.first_y;
    if (i >= 0 && j >= 0 && i < v.nx && j < v.ny) {
      const std::optional<Pick> pick = prepare_pick(graph);
      if (!pick) return r;
      const DevicePoint p = pick->body->grid.at(i, j);
      r.pixel_x = pixel_of(p.x, factor), r.pixel_y = pixel_of(p.y, factor);
      return r;
    }
    // Beyond the axis ranges: no projected grid point, the view's own projection.
    double z = info.values[row][column];
    if (z == info.hole || !std::isfinite(z)) z = graph->z.min;
    if (!pixel_of_point(*view, info.xgrid[row], info.ygrid[column], z, factor, r.pixel_x, r.pixel_y))
      r.pixel_x = r.pixel_y = -1;
    return r;
  });
}
