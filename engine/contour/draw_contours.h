// Drawing the contour lines and zones of a graph through its operation
// table. The chart drawing projects first: it gives the device positions of
// the grid vertices and fills in those of the contour points (sx, sy).
#pragma once

#include "function_ref.h"
#include "graph.h"
#include "zone_batch.h"

namespace vex3d {

// Device position of window vertex (i, j).
using ProjectFn = FunctionRef<ScreenPoint(int i, int j)>;

// The segments crossing cell (i, j), list by list, each between the device
// positions of its points in the line style of its level. A level whose
// style draws no line (width 0 or pattern None) is not drawn.
void draw_cell_contours(Vex3dGraph *graph, int i, int j);

// Cuts cell (i, j) into zone pieces and fills each with its zone's fill
// colour, or gathers them in `batch`. False for a hole cell, or when there
// are no current contours.
bool fill_cell_zones(Vex3dGraph *graph, int i, int j, ProjectFn project, ZoneBatch *batch = nullptr);

// The mesh edges of cell (i, j) named by `edges` (MeshEdge bits), cut at the
// contour crossings, each piece in the colour of its zone; on a surface of
// colour depth below 2 in the graph's foreground colour. 0 for a hole cell
// (or no current contours), 1 otherwise.
int draw_cell_zoned_mesh(Vex3dGraph *graph, int i, int j, ProjectFn project, unsigned edges);

// Every polyline, in the order of tracing, whose level has a drawable line
// style, through the device positions of its points, in pieces of at most
// 300 points that join one another.
void draw_contour_lines(Vex3dGraph *graph);

// The zones of every cell, x index outermost, batched by zone and drawn
// zone by zone at the end. Columns and rows whose two grid lines project
// onto the same device line are skipped, and, given a repaint rectangle, so
// is a cell whose device box lies wholly outside it. With zones made from
// cells, a cell is one rectangle. The grid must be flat on the device (the
// map, the floor, the ceiling): when zones come from the contours and there
// is no repaint rectangle, uncut cells of one zone running down a column are
// filled at once as one polygon, as they go, covering the same pixels.
void fill_all_zones(Vex3dGraph *graph, ProjectFn project, const Rect *repaint);

}  // namespace vex3d
