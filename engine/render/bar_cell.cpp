// The cell drawer of bar charts: one bar per grid point (per cell for
// histogram bars), from the z origin to the point's value.
#include <algorithm>
#include <climits>
#include <cmath>

#include "body_draw.h"
#include "body_geometry.h"
#include "levels.h"
#include "styles.h"

namespace vex3d {
namespace {

// The zone colour of a bar's value, when zones are drawn and have colours.
int zone_color(BodyPass &pass, int i, int j, double value) {
  Vex3dGraph *graph = pass.graph;
  const auto &styles = graph->contour_styles.items();
  if (!(pass.mode & kModeZones) || styles.empty()) return COLOR_UNSET;
  // Zones follow the zone data where they are valid, as on surfaces.
  const Vex3dDataInfo &zones = graph->zone_info;
  if (zones.valid && zones.values && pass.values.first_x + i < zones.numx && pass.values.first_y + j < zones.numy) {
    const double z = zones.values[pass.values.first_x + i][pass.values.first_y + j];
    if (z != zones.hole) value = z;
  }
  const std::vector<double> &levels = levels_in_use(graph);
  const int zone = zone_index(levels, value);
  const int style = style_of_level(int(styles.size()), int(levels.size()), zone);
  return styles[std::size_t(std::clamp(style, 0, int(styles.size()) - 1))].fill_color;
}

// Bars always stand in three dimensions: without mesh and shading they are shaded.
Painter bar_painter(const BodyPass &pass) {
  int mode = pass.mode & (kModeMesh | kModeShaded);
  if (mode == 0) mode = kModeShaded;
  return painter_for(mode, pass.graph->draw_hidden_lines != 0);
}

}  // namespace

void draw_bar_cell(BodyPass &pass, int i, int j, int tag) {
  ProjectedGrid &grid = pass.state.grid;
  const GridValues &v = pass.values;
  const Vex3dGraph *graph = pass.graph;
  const bool histogram_x = graph->x.bar_format == Vex3dBarHistogram;
  const bool histogram_y = graph->y.bar_format == Vex3dBarHistogram;
  if (i < 0 || j < 0 || i + (histogram_x ? 1 : 0) >= grid.nx || j + (histogram_y ? 1 : 0) >= grid.ny) return;
  std::uint8_t &flags = grid.flags[grid.index(i, j)];
  if (flags & (kCellDrawn | kPointHole)) return;
  flags |= kCellDrawn;

  const double value = v.z(i, j);
  const BarSpan xs = bar_footprint(v.x, i, graph->x.bar_format, graph->ranges.x_spacing, graph->x.bar_spacing);
  const BarSpan ys = bar_footprint(v.y, j, graph->y.bar_format, graph->ranges.y_spacing, graph->y.bar_spacing);
  const double upper = std::max(value, graph->zorigin), lower = std::min(value, graph->zorigin);

  // P0 = (x high, y low), P1 = (x low, y low), P2 = (x low, y high), P3 = (x high, y high).
  const double px[4] = {xs.hi, xs.lo, xs.lo, xs.hi}, py[4] = {ys.lo, ys.lo, ys.hi, ys.hi};
  DevicePoint top[4], bottom[4];
  for (int k = 0; k < 4; ++k) {
    top[k] = pass.project(px[k], py[k], upper);
    bottom[k] = pass.project(px[k], py[k], lower);
  }
  if (pass.cull) {
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
    for (const DevicePoint &p : top)
      x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    for (const DevicePoint &p : bottom)
      x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    if (pass.outside_area(x0, y0, x1, y1)) return;
  }

  const int zone = zone_color(pass, i, j, value);
  int fill = zone, line = COLOR_UNSET;
  if (zone == COLOR_UNSET && (pass.mode & kModeShaded)) fill = pass.cell_colors.at(v.first_x + i, v.first_y + j);
  const Painter painter = bar_painter(pass);
  // A bar in mesh alone shows its zone colour in its outline.
  if (zone != COLOR_UNSET && !(pass.mode & kModeShaded)) line = zone;

  draw_cell_labels(pass, i, j, LabelSide::kBehind);
  // The top and bottom faces, each when it faces the eye: the upper one seen
  // from above turns counter-clockwise on the device, the lower one from below clockwise.
  if (doubled_area(top, 4) > 0) paint_face(pass, painter, top, 4, fill, line);
  if (doubled_area(bottom, 4) < 0) paint_face(pass, painter, bottom, 4, fill, line);
  const BarSides sides = bar_sides(tag);
  for (int side : {sides.first, sides.second}) {
    if (side < 0) continue;
    // Wound so that the side faces the viewer with a non-negative area.
    const SideCorners c = side_corners(side);
    const DevicePoint face[4] = {top[c.to], top[c.from], bottom[c.from], bottom[c.to]};
    paint_face(pass, painter, face, 4, fill, line);
  }
  draw_cell_labels(pass, i, j, LabelSide::kInFront);
}

}  // namespace vex3d
