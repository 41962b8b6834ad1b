// The data box: the ends of the three axes in data units, before the ticks
// round them.
#include <algorithm>
#include <cmath>

#include "basecube.h"

namespace vex3d {
namespace {

// Ends beyond this are drawn at this: the tick and normalisation arithmetic
// multiplies and subtracts ends and must stay finite.
constexpr double kLargestEnd = 1e300;

bool usable(double v) { return std::isfinite(v) && v != VALUE_UNSET; }

// Makes a range finite and ordered. A missing end is taken one unit from the
// other; with both missing the range is 0 to 1.
void make_drawable(double &lo, double &hi) {
  const bool lo_ok = usable(lo), hi_ok = usable(hi);
  if (!lo_ok && !hi_ok) {
    lo = 0, hi = 1;
  } else if (!lo_ok) {
    lo = hi - 1;
  } else if (!hi_ok) {
    hi = lo + 1;
  }
  lo = std::clamp(lo, -kLargestEnd, kLargestEnd);
  hi = std::clamp(hi, -kLargestEnd, kLargestEnd);
  if (lo > hi) std::swap(lo, hi);
}

// Widens [lo, hi] to include v when v is set.
void include(double &lo, double &hi, double v) {
  if (!usable(v)) return;
  lo = std::min(lo, v);
  hi = std::max(hi, v);
}

struct GridSpan {
  double lo, hi;
};

// The grid values of the first and the last visible index.
GridSpan visible_span(const double *grid, int count, int first, int last) {
  if (!grid || count < 1) return {VALUE_UNSET, VALUE_UNSET};
  first = std::clamp(first, 0, count - 1);
  last = std::clamp(last, 0, count - 1);
  return {grid[first], grid[last]};
}

// Bars stand out of both ends: by 5 % of the span, and by half a grid step
// more when they are centred on the grid values.
void widen_for_bars(double &lo, double &hi, int bar_format, double spacing) {
  double margin = (hi - lo) * 0.05;
  if (bar_format == Vex3dBarFixed && std::isfinite(spacing)) margin += spacing / 2;
  lo -= margin;
  hi += margin;
}

}  // namespace

DataBox data_box(const Vex3dGraph *graph) {
  DataBox box;
  const Vex3dDataInfo &info = graph->surface_info;
  const bool grid = info.valid && !info.empty && (info.type == VEX3D_DATA_GRID || info.type == VEX3D_DATA_IRGRID);
  const bool bars = graph->type == Vex3dTypeBar;
  double &xlo = box.min[0], &xhi = box.max[0], &ylo = box.min[1], &yhi = box.max[1];
  double &zlo = box.min[2], &zhi = box.max[2];

  bool z_to_origin = graph->draw_drop_lines && graph->type == Vex3dTypeScatter;
  if (grid) {
    const ViewingPortion &p = graph->ranges.portion;
    const GridSpan xs = visible_span(info.xgrid, info.numx, p.first_x, p.last_x);
    const GridSpan ys = visible_span(info.ygrid, info.numy, p.first_y, p.last_y);
    xlo = xs.lo, xhi = xs.hi, ylo = ys.lo, yhi = ys.hi;
    make_drawable(xlo, xhi);
    make_drawable(ylo, yhi);
    if (bars) {
      widen_for_bars(xlo, xhi, graph->x.bar_format, graph->ranges.x_spacing);
      widen_for_bars(ylo, yhi, graph->y.bar_format, graph->ranges.y_spacing);
      z_to_origin = true;
    }
    include(xlo, xhi, graph->x.min);
    include(xlo, xhi, graph->x.max);
    include(ylo, yhi, graph->y.min);
    include(ylo, yhi, graph->y.max);
  } else {
    xlo = graph->x.min, xhi = graph->x.max, ylo = graph->y.min, yhi = graph->y.max;
    z_to_origin = graph->draw_drop_lines != 0;
  }
  zlo = graph->z.min, zhi = graph->z.max;
  if (z_to_origin && usable(zlo) && usable(zhi)) include(zlo, zhi, graph->zorigin);
  for (int a = 0; a < 3; ++a) make_drawable(box.min[a], box.max[a]);
  return box;
}

}  // namespace vex3d
