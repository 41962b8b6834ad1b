// The sheet of the drawing operations: every operation of a graph's table
// drawn once or more, labelled, so that a person can look at what the back
// end makes of each (line patterns and widths, caps and joins, arcs and
// pies, polygons, rectangles, clipping, stipple, aligned text in three
// fonts, border shades, pictures in the seven image layouts).
#pragma once

#include "restable.h"

namespace vex3d {

inline constexpr int kSheetWidth = 1200, kSheetHeight = 1090;

// Draws the sheet through the graph's operation table into its current
// context, which is at least kSheetWidth x kSheetHeight pixels.
void draw_operations_sheet(Vex3dGraph *graph);

}  // namespace vex3d
