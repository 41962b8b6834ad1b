// Region borders: the ten border types of every rectangular region of the
// page (the whole area, the chart area, header, footer, legend, free texts).
#pragma once

#include "graph.h"

extern "C" {

/* Draws a border of `type` (a Vex3dBorder* value) and `border_width` pixels
 * inside the rectangle (x, y, width, height), its outer edge. `background` is
 * the region's background record (the three-dimensional looks use its two
 * shades), `foreground` its text colour; `use_background` makes a plain
 * border take the background colour instead. Nothing for BorderNone or a
 * width of 0. On a monochrome device the light shade is a stippled black. */
void Vex3dDrawBorder(Vex3dGraph *graph, int x, int y, int width, int height, int type, int border_width,
                     vex3d::BackgroundColor *background, int foreground, int use_background);
}

namespace vex3d {

// The room a title's border takes from its size: 4 x the width for every
// type but BorderNone (none) and BorderShadow (3 x the width).
int title_border_allowance(int type, int border_width);
// The room a legend's border takes from each margin: twice the width for
// every type but BorderNone (none) and BorderShadow (once the width).
int legend_border_allowance(int type, int border_width);

}  // namespace vex3d
