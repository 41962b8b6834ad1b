// Data labels among the cells: which grid element's drawing carries each
// label, on which side of the surface it lies, and the order of distance for
// point data.
#include <algorithm>
#include <cmath>

#include "body_draw.h"
#include "ranges.h"

namespace vex3d {
namespace {

// The element along one direction of the viewing portion whose drawing
// carries a label at v: the cell holding it for surfaces and histogram bars,
// the nearest grid value for bars and symbols centred on their values.
int element_of(double v, const double *grid, int n, bool cells) {
  if (n < 1) return 0;
  const int i = locate(v, grid, n);
  if (cells) return std::clamp(i, 0, std::max(0, n - 2));
  if (i + 1 < n && std::fabs(grid[i + 1] - v) < std::fabs(v - grid[i])) return i + 1;
  return i;
}

// Whether the eye lies under the surface of cell (i, j): on the lower side of
// the plane through the cell's centre spanned by its diagonals.
bool eye_under_cell(const BodyPass &pass, int i, int j, const Point4 &eye) {
  const GridValues &v = pass.values;
  if (i + 1 >= v.nx || j + 1 >= v.ny) return false;
  const double z[4] = {v.z(i, j), v.z(i, j + 1), v.z(i + 1, j + 1), v.z(i + 1, j)};
  for (double c : z)
    if (c == v.hole || !std::isfinite(c)) return false;
  const Vec3 p[4] = {{v.x[i], v.y[j], z[0]}, {v.x[i], v.y[j + 1], z[1]}, {v.x[i + 1], v.y[j + 1], z[2]}, {v.x[i + 1], v.y[j], z[3]}};
  Vec3 n = cross(difference(p[2], p[0]), difference(p[1], p[3]));
  if (n.z < 0) n = Vec3{-n.x, -n.y, -n.z};
  const Vec3 centre{(v.x[i] + v.x[i + 1]) / 2, (v.y[j] + v.y[j + 1]) / 2, (z[0] + z[1] + z[2] + z[3]) / 4};
  return dot(n, difference(Vec3{eye.x, eye.y, eye.z}, centre)) < 0;
}

}  // namespace

LabelIndex index_body_labels(const BodyPass &pass) {
  LabelIndex index;
  const Vex3dGraph *graph = pass.graph;
  const Vex3dDataInfo &info = graph->surface_info;
  const Point4 eye = transform_point(pass.view.normalize_inverse, pass.view.eye);
  const GridValues &v = pass.values;
  const bool points = info.type == VEX3D_POINT;
  if (!points && (v.nx < 1 || v.ny < 1)) return index;
  const bool surface = graph->type == Vex3dTypeSurface, bars = graph->type == Vex3dTypeBar;
  index.rows = v.ny;
  for (const auto &owned : graph->texts) {
    Vex3dText *text = owned.get();
    const LabelState *s = find_label_state(text);
    if (!is_data_label(*text) || !s || !s->placed || !s->projected) continue;
    if (points) {
      const double dx = s->x - eye.x, dy = s->y - eye.y, dz = s->z - eye.z;
      index.points.push_back(DistantLabel{std::sqrt(dx * dx + dy * dy + dz * dz), text});
      continue;
    }
    const int i = element_of(s->x, v.x, v.nx, surface || (bars && graph->x.bar_format == Vex3dBarHistogram));
    const int j = element_of(s->y, v.y, v.ny, surface || (bars && graph->y.bar_format == Vex3dBarHistogram));
    // Seen from under the surface, a label above it lies behind it, and the
    // other way round.
    const bool hidden = surface && s->below != eye_under_cell(pass, i, j, eye);
    index.cells.push_back(CellLabel{i * v.ny + j, hidden, text});
  }
  std::stable_sort(index.cells.begin(), index.cells.end(), [](const CellLabel &a, const CellLabel &b) { return a.cell < b.cell; });
  std::stable_sort(index.points.begin(), index.points.end(),
                   [](const DistantLabel &a, const DistantLabel &b) { return a.distance > b.distance; });
  return index;
}

void draw_cell_labels(BodyPass &pass, int column, int row, LabelSide side) {
  const std::vector<CellLabel> &cells = pass.labels.cells;
  if (cells.empty()) return;
  const int cell = column * pass.labels.rows + row;
  auto first = std::lower_bound(cells.begin(), cells.end(), cell, [](const CellLabel &l, int c) { return l.cell < c; });
  for (auto it = first; it != cells.end() && it->cell == cell; ++it) {
    if (it->hidden != (side == LabelSide::kBehind)) continue;
    draw_data_label(pass.graph, *it->text);
  }
}

void draw_point_labels_farther_than(BodyPass &pass, double distance) {
  LabelIndex &index = pass.labels;
  while (index.next_point < index.points.size() &&
         (distance < 0 || index.points[index.next_point].distance > distance)) {
    draw_data_label(pass.graph, *index.points[index.next_point++].text);
  }
}

}  // namespace vex3d
