// The arithmetic of the chart body that needs no drawing: mode bits, view
// flags, the eye's split of the grid, mesh flags, the fold test of a cell,
// the walls of a solid surface and the footprint of a bar.
#pragma once

#include <cstdint>
#include <vector>

#include "body_state.h"
#include "matrix.h"

namespace vex3d {

// ---- Mode and view

// The ModeBit set of the four drawing switches.
int mode_bits(const Vex3dGraph *graph);

// The view flags for an eye in cube coordinates against the data box's x and
// y ends taken into the cube (lo < hi), with the floor side from three
// projected floor corners a = (xmax, ymin), b = (xmin, ymin), c = (xmin, ymax).
int view_flags(const Point4 &eye, const double cube_lo[2], const double cube_hi[2], DevicePoint a, DevicePoint b,
               DevicePoint c);

// ---- The eye's split of one grid direction

// Element k spans [lo(k), hi(k)], ascending in k. The eye's element is the
// last one starting at or before e; it is the strip when it reaches e,
// otherwise it goes below the eye (or, before the first element, nothing
// does). NaN counts as below every element.
struct ElementSpans {
  const double *grid = nullptr;  // the visible grid values
  int points = 0;                // how many
  bool per_point = false;        // elements are points (fixed bars, scatter), not intervals
  double half_width = 0;         // a point element spans grid[k] -+ half_width
};
AxisSplit split_axis(const ElementSpans &spans, double e);

// ---- Mesh flags

// One flag per visible line (`count` of them) when `show` is on: with filter
// f (0: automatic, f = trunc(10 / (extent / count)) so that lines stay about
// 10 device units apart), every line when f <= 1, else every f-th line from
// the first and always the last. All zero when `show` is off.
std::vector<std::uint8_t> mesh_flags(bool show, int filter, int count, double extent);

// ---- Cells on the device

// Whether segments p1-p2 and p3-p4 cross, in integers: the bounding boxes
// overlap and both parametric cross products lie between 0 and the
// denominator. Parallel segments (a zero denominator) never cross: a cell
// whose opposite edges are parallel and overlap has no area on the device,
// and splitting it would draw the same pixels four times over.
bool segments_cross(DevicePoint p1, DevicePoint p2, DevicePoint p3, DevicePoint p4);

// The corners of a cell in drawing order for a traversal tag (1 ... 9):
// corners are 0 = (i, j), 1 = (i, j+1), 2 = (i+1, j+1), 3 = (i+1, j).
struct CornerOrder {
  int a, b, c, d;
};
CornerOrder corner_order(int tag);

// Whether a cell drawn with `tag` is split into four triangles about its
// centre: tags 2 to 5 (strips) when edges b-c and d-a cross, tags 6 to 9
// (quadrants) when a-b and c-d or b-c and d-a cross. Tag 1 is never split,
// and neither is any cell while zones are drawn.
bool cell_folds(int tag, const DevicePoint corner[4], bool zones);

// Twice the signed area of a device polygon (sum of x_k y_k+1 - x_k+1 y_k):
// non-negative when its upper side faces the viewer.
std::int64_t doubled_area(const DevicePoint *points, int count);

// ---- Walls of a solid surface

// Edge bits of a cell: edge 0-1 (column i), 1-2 (row j+1), 2-3 (column i+1),
// 3-0 (row j). Corner holes set 1, 2, 4, 8 for corners 0 ... 3; a missing
// neighbour beyond an edge sets 16 (left), 32 (above), 64 (right), 128 (below).
enum WallBit : int {
  kWallLeft = 16,    // first column, or the column before has a hole at row j or j+1
  kWallAbove = 32,   // last row, or the row after next has a hole at column i or i+1
  kWallRight = 64,   // last column, or the column after next has a hole at row j or j+1
  kWallBelow = 128,  // first row, or the row before has a hole at column i or i+1
};
// The bits of cell (i, j) of the projected grid: its corner holes and its
// missing neighbours.
int cell_hole_bits(const ProjectedGrid &grid, int i, int j);
// The bits the traversal tag adds for the sides that face away from the eye.
int tag_wall_bits(int tag);
// Which of the four edges (0-1, 1-2, 2-3, 3-0) get a wall for these bits.
struct WallEdges {
  bool edge[4];
};
WallEdges wall_edges(int bits);

// ---- Bars

// Half the width of a fixed bar: grid step * spacing percent * 0.005.
double bar_half_width(double step, double spacing_percent);
// The footprint of bar k along one direction: from grid[k] to grid[k + 1]
// for histogram bars, grid[k] -+ the half width for fixed ones.
struct BarSpan {
  double lo, hi;
};
BarSpan bar_footprint(const double *grid, int k, int bar_format, double step, double spacing_percent);
// The sides of a bar that face the eye for a traversal tag, by side index
// (0 x-low, 1 y-high, 2 x-high, 3 y-low); -1 for none.
struct BarSides {
  int first = -1, second = -1;
};
BarSides bar_sides(int tag);
// The footprint corners a side joins: (1, 2), (2, 3), (3, 0), (0, 1).
struct SideCorners {
  int from, to;
};
SideCorners side_corners(int side);

}  // namespace vex3d
