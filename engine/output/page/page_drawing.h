// The page drawing: the routine every drawing of a graph goes through, and
// the layout it starts from.
#pragma once

#include "graph.h"

namespace vex3d {

// Lays out the header, footer, legend and chart area in WIDTH x HEIGHT and
// writes the positions and sizes back into their resources. Fonts are
// measured in the current context (the screen when there is none).
void lay_out_page(Vex3dGraph *graph);

// What one page drawing did.
struct PageDrawing {
  int mask = 0;        // the final mask: every region drawn
  Rect changed;        // the part of the surface erased or drawn over
  bool drawn = false;  // false: no context or nothing asked
};

// Draws the page into the graph's current context with the mask (or'ed with
// the pending change mask): prepares what the mask needs, erases the regions
// that changed (pulling in the regions an erase overlaps), draws the chart
// area, header, footer, legend, chart labels attached by pixel and the
// whole-area border. The final mask becomes the pending change mask.
PageDrawing draw_page(Vex3dGraph *graph, int mask);

}  // namespace vex3d
