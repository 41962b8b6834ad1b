// The pure steps from which the graph's ranges are made.
#pragma once

#include "graph.h"

namespace vex3d {

// The index of the last entry of the increasing array a (n entries) not
// greater than v: 0 below a[0] (and for n < 2), n - 1 above a[n - 1].
int locate(double v, const double *a, int n);

// Spacing of grid lines: the first interval of a regular grid, the smallest
// interval of an irregular one; a single line gives its own coordinate, or
// 1 when that coordinate is negligible next to 1.
double grid_spacing(const double *grid, int n, bool regular);

// A bound pair with the flags that make it follow the data.
struct BoundPair {
  double &min, &max;
  int &min_use_default, &max_use_default;
};

// Makes max greater than min: a bound whose flag is clear gives way to the
// data's extent [dmin, dmax] first; when that is not enough the pair takes
// the extent, or for an extent of one value d the smallest [d - 10^k, d + 10^k]
// whose ends differ.
void repair_range(BoundPair bounds, double dmin, double dmax);

// What the viewing portion depends on, besides the grid.
struct PortionBounds {
  double xmin, xmax, ymin, ymax;
  bool at_least_two_x, at_least_two_y;  // surfaces and histogram bars need a cell
};

// The part of the grid inside the bounds, with one more grid line where a
// bound falls between two.
ViewingPortion viewing_portion(const Vex3dDataInfo &info, const PortionBounds &bounds);

// The height of grid data at (x, y), bilinear in the grid cell holding it:
// VALUE_UNSET for no valid grid or a place outside it, the hole value on a
// cell with a hole corner.
double grid_height(const Vex3dDataInfo &info, double x, double y);

}  // namespace vex3d
