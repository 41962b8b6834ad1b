// Where a data label goes, and the room labels take in the z range.
#include <algorithm>
#include <cmath>

#include "chart_labels.h"
#include "gl.h"
#include "ranges.h"
#include "text3d.h"

namespace vex3d {
namespace {

// Text sizes are thousandths of the cube, which spans 2.
constexpr double kCubeUnitsPerThousandth = 0.002;
// The margin around a label's text, per thousandth of its size.
constexpr double kMarginPerThousandth = 0.0003 * 7;
// The smallest share of the z range the data keep when labels take room.
constexpr double kLeastDataShare = 0.01;

bool grid_layout(const Vex3dDataInfo &info) { return info.type == VEX3D_DATA_GRID || info.type == VEX3D_DATA_IRGRID; }

bool in_range(double v, double lo, double hi) { return lo <= v && v <= hi; }

// The grid value an index label takes along one direction: the grid line,
// or for histogram bars the bar's centre (the midpoint to the next line,
// except at the last).
double grid_place(const double *grid, int count, int index, bool histogram) {
  if (histogram && index + 1 < count) return (grid[index] + grid[index + 1]) / 2;
  return grid[index];
}

bool place_by_index(const Vex3dGraph *graph, const Vex3dText &text, LabelState &s) {
  const Vex3dDataInfo &info = graph->surface_info;
  if (info.type == VEX3D_POINT) {
    const int series = text.attach_index_series, point = text.attach_index_point;
    if (!info.series || series < 0 || series >= info.nseries) return false;
    const Vex3dSeries &list = info.series[series];
    if (!list.points || point < 0 || point >= list.npoints) return false;
    const Vex3dPoint &p = list.points[point];
    if (p.x == info.hole || p.y == info.hole || p.z == info.hole) return false;
    s.x = p.x, s.y = p.y, s.z = p.z;
    return std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.z);
  }
  if (!grid_layout(info) || !info.xgrid || !info.ygrid || !info.values) return false;
  const ViewingPortion &p = graph->ranges.portion;
  const int column = text.attach_index_x, row = text.attach_index_y;
  // An index outside the visible part of the grid places nothing.
  if (column != std::clamp(column, p.first_x, p.last_x) || row != std::clamp(row, p.first_y, p.last_y)) return false;
  if (column < 0 || column >= info.numx || row < 0 || row >= info.numy) return false;
  const bool bars = graph->type == Vex3dTypeBar;
  s.x = grid_place(info.xgrid, info.numx, column, bars && graph->x.bar_format == Vex3dBarHistogram);
  s.y = grid_place(info.ygrid, info.numy, row, bars && graph->y.bar_format == Vex3dBarHistogram);
  s.z = info.values[column][row];
  return s.z != info.hole && std::isfinite(s.z);
}

bool place_by_point(const Vex3dGraph *graph, const Vex3dText &text, LabelState &s, double zmin, double zmax) {
  const Vex3dDataInfo &info = graph->surface_info;
  s.x = text.attach_point_x, s.y = text.attach_point_y, s.z = text.attach_point_z;
  if (!in_range(s.x, graph->x.min, graph->x.max) || !in_range(s.y, graph->y.min, graph->y.max)) return false;
  const bool grid = grid_layout(info);
  const double height = grid ? grid_height(info, s.x, s.y) : VALUE_UNSET;
  const bool has_height = height != VALUE_UNSET && height != info.hole;
  if (grid && s.z == info.hole) s.z = has_height ? height : graph->zorigin;
  if (!std::isfinite(s.z)) return false;
  if (info.type != VEX3D_POINT && draws_three_d(graph) && !in_range(s.z, zmin, zmax)) return false;
  s.below = graph->type == Vex3dTypeSurface && has_height && s.z < height;
  return true;
}

// The z bounds a label's z is checked against: the range before labels grew
// it (the data's while a bound follows the data).
double base_bound(const Axis &z, bool is_min, const DerivedRanges &r) {
  const bool follows = is_min ? z.min_use_default : z.max_use_default;
  if (follows && r.data_zmax > r.data_zmin) return is_min ? r.data_zmin : r.data_zmax;
  return is_min ? z.min : z.max;
}

void measure_text(Vex3dGraph *graph, Vex3dText &text, LabelState &s) {
  const std::vector<std::string> &lines = text.strings.items();
  const double size = text.font.stroke_size;
  s.text_height = static_cast<double>(lines.size()) * size * kCubeUnitsPerThousandth;
  s.margin = size * kMarginPerThousandth;
  int widest = 0;
  if (!lines.empty()) {
    select_cube_font(graph, text.font);
    for (const std::string &line : lines) widest = std::max(widest, text_3d_width(graph, line.c_str()));
  }
  s.text_width = widest * kCubeUnitsPerThousandth;
}

// Labels above the surface take room above the data, labels below it room
// below: each needs its text and margin as a share of the cube's height.
void make_room(Vex3dGraph *graph, double above, double below) {
  if (!draws_three_d(graph)) return;
  const DerivedRanges &r = graph->ranges;
  const double range = r.data_zmax - r.data_zmin;
  if (!(range > 0) || !std::isfinite(range)) return;
  const double share = std::max(kLeastDataShare, 1 - above - below);
  if (graph->z.max_use_default) graph->z.max = r.data_zmax + above * range / share;
  if (graph->z.min_use_default) graph->z.min = r.data_zmin - below * range / share;
}

}  // namespace

LabelState &label_state(Vex3dText *text) {
  if (auto *s = dynamic_cast<LabelState *>(text->layout.get())) return *s;
  text->layout = std::make_unique<LabelState>();
  return static_cast<LabelState &>(*text->layout);
}

const LabelState *find_label_state(const Vex3dText *text) { return dynamic_cast<const LabelState *>(text->layout.get()); }

bool is_data_label(const Vex3dText &text) { return text.show && text.attach_method != Vex3dAttachPixel; }

void place_data_labels(Vex3dGraph *graph) {
  const Vex3dDataInfo &info = graph->surface_info;
  const bool data = info.valid && !info.empty;
  const double zmin = base_bound(graph->z, true, graph->ranges), zmax = base_bound(graph->z, false, graph->ranges);
  const double half_z = graph->z.normalized_scale;
  double above = 0, below = 0;
  bool any = false;  // a label attached to data, shown or not: the room follows it
  for (const auto &owned : graph->texts) {
    Vex3dText &text = *owned;
    any = any || text.attach_method != Vex3dAttachPixel;
    if (!is_data_label(text)) {
      if (text.layout) label_state(&text).placed = false;
      continue;
    }
    LabelState &s = label_state(&text);
    s.placed = s.below = s.projected = false;
    if (!data) continue;
    s.placed = text.attach_method == Vex3dAttachIndex ? place_by_index(graph, text, s)
                                                       : place_by_point(graph, text, s, zmin, zmax);
    if (s.placed && s.below && graph->solid_surface) s.placed = false;  // a solid surface hides it wholly
    if (!s.placed) continue;
    measure_text(graph, text, s);
    if (half_z > 0) {
      const double need = (s.margin + s.text_height) / (2 * half_z);
      (s.below ? below : above) = std::max(s.below ? below : above, need);
    }
  }
  if (any) make_room(graph, above, below);
}

}  // namespace vex3d
