// Running a painter's steps over one polygon of a cell.
#include <cstdint>

#include "body_geometry.h"
#include "body_pass.h"
#include "draw_contours.h"
#include "graph_contours.h"
#include "zone_pieces.h"

namespace vex3d {
namespace {

// The corners each edge of a cell joins: 0-1, 1-2, 2-3, 3-0.
constexpr int kEdgeEnds[4][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}};
// The mesh edges of a whole cell, in drawing order: rows j+1 and j, then columns i and i+1.
constexpr int kQuadMeshOrder[4] = {1, 3, 0, 2};
// The zoned mesh's edge bit of each edge.
constexpr unsigned kZonedEdgeBits[4] = {kMeshLeft, kMeshTop, kMeshRight, kMeshBottom};

ScreenPoint grid_point(const ProjectedGrid &grid, int i, int j) {
  const DevicePoint p = grid.at(i, j);
  return ScreenPoint{p.x, p.y};
}

struct Facing {
  bool top;
  int shade(const BodyPass &pass, int given) const {
    return given != COLOR_UNSET ? given : top ? pass.surface_top : pass.surface_bottom;
  }
  int mesh(const BodyPass &pass) const { return top ? pass.mesh_top : pass.mesh_bottom; }
};

Facing facing(const DevicePoint *points, int count) { return Facing{doubled_area(points, count) >= 0}; }

// The per-cell colour of cell (i, j): that of its first grid point.
int cell_color(const BodyPass &pass, int i, int j) {
  return pass.cell_colors.empty() ? COLOR_UNSET : pass.cell_colors.at(pass.values.first_x + i, pass.values.first_y + j);
}

void quad_mesh(BodyPass &pass, const DevicePoint corner[4], int i, int j, int color) {
  for (int edge : kQuadMeshOrder)
    if (edge_meshed(pass, i, j, edge)) pass.canvas.line(corner[kEdgeEnds[edge][0]], corner[kEdgeEnds[edge][1]], color);
}

bool zone_fill(BodyPass &pass, int i, int j) {
  const ProjectedGrid &grid = pass.state.grid;
  return fill_cell_zones(pass.graph, i, j, [&](int u, int v) { return grid_point(grid, u, v); });
}

bool zoned_mesh(BodyPass &pass, int i, int j) {
  unsigned edges = 0;
  for (int edge = 0; edge < 4; ++edge)
    if (edge_meshed(pass, i, j, edge)) edges |= kZonedEdgeBits[edge];
  const ProjectedGrid &grid = pass.state.grid;
  const int drew = draw_cell_zoned_mesh(
      pass.graph, i, j, [&](int u, int v) { return grid_point(grid, u, v); }, edges);
  return drew != 0;
}

void contour_lines(BodyPass &pass, int i, int j) {
  // Most cells hold no contour segment: nothing to draw, no line style to change.
  const ContourState *contours = current_contours(pass.graph);
  if (!contours || contour_cell(contours->result, i, j).count == 0) return;
  draw_cell_contours(pass.graph, i, j);
}

}  // namespace

bool edge_meshed(const BodyPass &pass, int i, int j, int edge) {
  const BodyState &s = pass.state;
  switch (edge) {
    case 0: return s.column_mesh[std::size_t(i)] != 0;
    case 1: return s.row_mesh[std::size_t(j + 1)] != 0;
    case 2: return s.column_mesh[std::size_t(i + 1)] != 0;
    default: return s.row_mesh[std::size_t(j)] != 0;
  }
}

// Whether a fill of the cell can cover a pixel: not when its corners share
// one device column or one device row. Its zone pieces lie between its
// corners, so they cover nothing either. On dense grids most cells are such.
bool covers_area(const DevicePoint corner[4]) {
  bool one_x = true, one_y = true;
  for (int k = 1; k < 4; ++k) {
    one_x = one_x && corner[k].x == corner[0].x;
    one_y = one_y && corner[k].y == corner[0].y;
  }
  return !one_x && !one_y;
}

void paint_cell(BodyPass &pass, const DevicePoint corner[4], int i, int j) {
  const Facing side = facing(corner, 4);
  BodyCanvas &canvas = pass.canvas;
  const bool area = covers_area(corner);
  for (int k = 0; k < pass.painter.count; ++k) {
    switch (pass.painter.steps[k]) {
      case PaintStep::kErase:
        if (area) canvas.fill(corner, 4, pass.erase_color);
        break;
      case PaintStep::kShade:
        if (area) canvas.fill(corner, 4, side.shade(pass, cell_color(pass, i, j)));
        break;
      case PaintStep::kMesh: quad_mesh(pass, corner, i, j, side.mesh(pass)); break;
      case PaintStep::kZoneFillOrShade:
        if (area && !zone_fill(pass, i, j)) canvas.fill(corner, 4, side.shade(pass, cell_color(pass, i, j)));
        break;
      case PaintStep::kZonedMeshOrMesh:
        if (!zoned_mesh(pass, i, j)) quad_mesh(pass, corner, i, j, side.mesh(pass));
        break;
      case PaintStep::kContourLines: contour_lines(pass, i, j); break;
    }
  }
}

void paint_cell_triangle(BodyPass &pass, const DevicePoint triangle[3], int i, int j, int edge, bool last) {
  // A folded cell is never zoned (zones keep cells whole), so the zone steps shade.
  const Facing side = facing(triangle, 3);
  BodyCanvas &canvas = pass.canvas;
  for (int k = 0; k < pass.painter.count; ++k) {
    switch (pass.painter.steps[k]) {
      case PaintStep::kErase: canvas.fill(triangle, 3, pass.erase_color); break;
      case PaintStep::kShade:
      case PaintStep::kZoneFillOrShade: canvas.fill(triangle, 3, side.shade(pass, cell_color(pass, i, j))); break;
      case PaintStep::kMesh:
      case PaintStep::kZonedMeshOrMesh:
        if (edge_meshed(pass, i, j, edge)) canvas.line(triangle[0], triangle[1], side.mesh(pass));
        break;
      case PaintStep::kContourLines:
        // Once for the cell, over its last triangle: drawn with each triangle
        // they would show through the triangles painted after them.
        if (last) contour_lines(pass, i, j);
        break;
    }
  }
}

void paint_face(BodyPass &pass, const Painter &painter, const DevicePoint *points, int count, int fill, int line) {
  const Facing side = facing(points, count);
  BodyCanvas &canvas = pass.canvas;
  for (int k = 0; k < painter.count; ++k) {
    switch (painter.steps[k]) {
      case PaintStep::kErase: canvas.fill(points, count, pass.erase_color); break;
      case PaintStep::kShade:
      case PaintStep::kZoneFillOrShade: canvas.fill(points, count, side.shade(pass, fill)); break;
      case PaintStep::kMesh:
      case PaintStep::kZonedMeshOrMesh: {
        const int color = line != COLOR_UNSET ? line : side.mesh(pass);
        for (int e = 0; e < count; ++e) canvas.line(points[e], points[(e + 1) % count], color);
        break;
      }
      case PaintStep::kContourLines: break;
    }
  }
}

}  // namespace vex3d
