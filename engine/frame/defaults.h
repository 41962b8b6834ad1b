// Process-wide defaults: the built-in data styles and the default grid-line
// style. Chosen once, when the first graph is made, and read-only afterwards.
#pragma once

#include "graph.h"

namespace vex3d {

// Fixes the process-wide choices from the first graph's colour depth.
void choose_process_defaults(int color_depth);
// The built-in style of a series (cycled modulo 8).
const Vex3dDataStyle &builtin_data_style(int series);
const Vex3dLineStyle &default_grid_line_style();

// Grows the data styles in force to one per series of SURFACE_DATA.
void ensure_data_styles(Vex3dGraph *graph);
// The data styles in force become the built-in ones.
void reset_data_styles(Vex3dGraph *graph);
// A grid-line record takes the default style in the chart area's foreground.
void restore_grid_style(Vex3dGraph *graph, GridLineStyle &grid);
// Every grid-line record whose use-default flag is on follows the foreground.
void recolor_default_grid_styles(Vex3dGraph *graph);

}  // namespace vex3d
