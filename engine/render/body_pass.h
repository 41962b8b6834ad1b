// One drawing of the chart body: what every cell drawer and painter reads,
// gathered once per drawing, and the painters themselves.
#pragma once

#include "body_canvas.h"
#include "body_state.h"
#include "cell_colors.h"
#include "chart_labels.h"
#include "painter_table.h"
#include "view_state.h"

namespace vex3d {

// The visible part of the grid data: point (i, j) of the window is data
// point (first_x + i, first_y + j).
struct GridValues {
  int first_x = 0, first_y = 0;
  int nx = 0, ny = 0;
  const double *x = nullptr;  // the window's x values
  const double *y = nullptr;
  double *const *rows = nullptr;  // the data's rows (all of them)
  double hole = 0;

  double z(int i, int j) const { return rows[first_x + i][first_y + j]; }
};

// The viewing portion of the graph's grid data; nx = ny = 0 without grid data.
GridValues grid_values(const Vex3dGraph *graph);

struct BodyPass {
  BodyPass(Vex3dGraph *graph, BodyState &state, const ViewState &view);

  Vex3dGraph *graph;
  BodyState &state;
  const ViewState &view;
  BodyCanvas canvas;
  GridValues values;
  CellColors cell_colors;
  Painter painter;
  int mode = 0;
  int erase_color = 0, foreground = 0;
  int surface_top = 0, surface_bottom = 0, mesh_top = 0, mesh_bottom = 0;
  bool cull = false;   // VIEW_NORMALIZED off: cells wholly outside the chart area are skipped
  Rect area;           // the chart area in device units
  double z_floor = 0;  // the lower end of the z axis, where walls end
  int coordinate_factor = 1;
  LabelIndex labels;   // the data labels in the places the body draws them

  // The device point of data point (x, y, z) through the composite transform.
  DevicePoint project(double x, double y, double z) const;
  // Whether a device box lies wholly outside the chart area.
  bool outside_area(int x0, int y0, int x1, int y1) const;
};

// The placed data labels of the pass by the grid element whose drawing
// carries them (or, for point data, by distance from the eye).
LabelIndex index_body_labels(const BodyPass &pass);

// ---- Painters (steps by mode, painter_table.h)

// The cell (i, j) whole, corners in their order 0 = (i, j), 1 = (i, j+1),
// 2 = (i+1, j+1), 3 = (i+1, j): its fill, the mesh edges its row and column
// flags select, its zones and contour lines.
void paint_cell(BodyPass &pass, const DevicePoint corner[4], int i, int j);
// One of the four triangles of a folded cell: `edge` (0 for 0-1, 1 for 1-2,
// 2 for 2-3, 3 for 3-0) is its outer edge, drawn as a mesh line when its
// grid line is flagged; the cell's contour lines come with the last triangle.
void paint_cell_triangle(BodyPass &pass, const DevicePoint triangle[3], int i, int j, int edge, bool last);
// A face that is no part of the surface grid (a wall, the bottom, a bar
// face): filled and outlined by the painter's rules; zones and contour lines
// do not apply. `fill` (and `line`) replace the shading (and mesh) colours
// when not -1.
void paint_face(BodyPass &pass, const Painter &painter, const DevicePoint *points, int count, int fill, int line);

// The grid line an edge of a cell lies on is meshed.
bool edge_meshed(const BodyPass &pass, int i, int j, int edge);

}  // namespace vex3d
