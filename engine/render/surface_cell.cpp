// The cell drawer of surface charts.
#include <algorithm>
#include <climits>

#include "body_draw.h"
#include "body_geometry.h"

namespace vex3d {
namespace {

struct Box {
  int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
  void add(DevicePoint p) {
    x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
    x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
  }
};

// Window indices of corner k of cell (i, j).
constexpr int kCornerDi[4] = {0, 0, 1, 1};
constexpr int kCornerDj[4] = {0, 1, 1, 0};

// The centre of a cell: the middle of its grid rectangle at the mean height of its corners.
DevicePoint cell_centre(const BodyPass &pass, int i, int j) {
  const GridValues &v = pass.values;
  const double z = (v.z(i, j) + v.z(i, j + 1) + v.z(i + 1, j + 1) + v.z(i + 1, j)) / 4;
  return pass.project((v.x[i] + v.x[i + 1]) / 2, (v.y[j] + v.y[j + 1]) / 2, z);
}

// The four triangles of a folded cell, far parts first: strips start from
// the edge b-c, quadrants from a-b.
void paint_folded(BodyPass &pass, const DevicePoint corner[4], int i, int j, int tag) {
  const CornerOrder o = corner_order(tag);
  const int abcd[4] = {o.a, o.b, o.c, o.d};
  const int strip_order[4] = {1, 0, 2, 3}, quadrant_order[4] = {0, 1, 2, 3};
  const int *order = tag < kTagAboveAbove ? strip_order : quadrant_order;
  const DevicePoint centre = cell_centre(pass, i, j);
  for (int k = 0; k < 4; ++k) {
    // Edge from the k-th to the next of a, b, c, d; corners run 0, 1, 2, 3 cyclically,
    // so that edge is the cell's edge numbered by its first corner.
    const int from = abcd[order[k]], to = abcd[(order[k] + 1) % 4];
    const DevicePoint triangle[3] = {corner[from], corner[to], centre};
    paint_cell_triangle(pass, triangle, i, j, from, k == 3);
  }
}

// Walls from the cell's edges down into the hole beside it, on the sides
// facing the eye.
void paint_hole_walls(BodyPass &pass, const DevicePoint corner[4], const DevicePoint base[4], int bits) {
  const WallEdges walls = wall_edges(bits);
  for (int e = 0; e < 4; ++e) {
    if (!walls.edge[e]) continue;
    const int a = e, b = (e + 1) % 4;
    const DevicePoint wall[4] = {corner[a], corner[b], base[b], base[a]};
    paint_face(pass, pass.painter, wall, 4, COLOR_UNSET, COLOR_UNSET);
  }
}

}  // namespace

void draw_surface_cell(BodyPass &pass, int i, int j, int tag) {
  ProjectedGrid &grid = pass.state.grid;
  if (i < 0 || j < 0 || i + 1 >= grid.nx || j + 1 >= grid.ny) return;
  std::uint8_t &drawn = grid.flags[grid.index(i, j)];
  if (drawn & kCellDrawn) return;
  drawn |= kCellDrawn;

  DevicePoint corner[4];
  for (int k = 0; k < 4; ++k) corner[k] = grid.at(i + kCornerDi[k], j + kCornerDj[k]);
  const int bits = cell_hole_bits(grid, i, j);
  const bool holes = (bits & 15) != 0;
  const bool walls = holes && pass.graph->solid_surface;

  DevicePoint base[4];
  if (walls)
    for (int k = 0; k < 4; ++k) {
      const int u = i + kCornerDi[k], v = j + kCornerDj[k];
      base[k] = pass.project(pass.values.x[u], pass.values.y[v], pass.z_floor);
    }
  if (pass.cull) {
    Box box;
    for (int k = 0; k < 4; ++k) box.add(corner[k]);
    if (walls)
      for (int k = 0; k < 4; ++k) box.add(base[k]);
    if (pass.outside_area(box.x0, box.y0, box.x1, box.y1)) return;
  }

  draw_cell_labels(pass, i, j, LabelSide::kBehind);
  if (walls) {
    paint_hole_walls(pass, corner, base, bits | tag_wall_bits(tag));
  } else if (!holes) {
    if (cell_folds(tag, corner, (pass.mode & kModeZones) != 0))
      paint_folded(pass, corner, i, j, tag);
    else
      paint_cell(pass, corner, i, j);
  }
  draw_cell_labels(pass, i, j, LabelSide::kInFront);
}

}  // namespace vex3d
