// The order in which the cells (or bars, or symbols) of a grid are drawn:
// farther cells first along every ray from the eye.
#pragma once

#include "body_state.h"
#include "function_ref.h"

namespace vex3d {

// The tag (a TraversalTag) says from which side of the eye a cell is drawn.
using CellVisitor = FunctionRef<void(int column, int row, int tag)>;

// Visits the elements of the eye cell's splits in nine steps: the four
// quadrants, the eye's column and row when a strip exists, and last the eye
// cell when both do. Above the eye an index runs
// from the last down, below it from the first up. Within the quadrants the
// outer loop runs over columns when the eye lies beyond exactly one y end
// (view flags 4 or 8), over rows otherwise.
void traverse_cells(const EyeCell &eye, int view_flags, CellVisitor visit);

// The tag with which the traversal draws element (column, row); 0 for one
// it does not visit.
int cell_tag(const EyeCell &eye, int column, int row);

// Whether the traversal's inner loop runs along x (over columns): the outer
// loop runs over rows.
bool traversal_runs_along_x(int view_flags);

}  // namespace vex3d
