// The walk of a ray over the cells of a grid seen from above: the cells
// whose columns the ray passes through, in the order in which it reaches
// them. Picking walks only these cells, so that a pick costs the length of
// the ray across the grid, not the size of the grid.
#pragma once

#include <span>

#include "function_ref.h"

namespace vex3d {

// The ray's trace on the x-y plane: (x, y) = origin + t * direction, t from
// `from` to `to` (to may be infinite).
struct RayTrace {
  double x = 0, y = 0;    // at t = 0
  double dx = 0, dy = 0;  // per unit of t
  double from = 0, to = 0;
};

// Called for every slot the trace crosses, nearest first: slot (i, j) lies
// between lines i and i + 1 in x and j and j + 1 in y, entered at t_in and
// left at t_out. Returning true ends the walk.
using SlotVisitor = FunctionRef<bool(int i, int j, double t_in, double t_out)>;

// Walks the slots between ascending lines (at least two each way). Where the
// trace passes exactly through a crossing of two lines, the slots that it
// only touches at that point are left out. A trace that stands still on the
// plane (looking straight down) visits the one slot under it.
void walk_slots(std::span<const double> x_lines, std::span<const double> y_lines, const RayTrace &trace,
                SlotVisitor visit);

}  // namespace vex3d
