// The legend: whether there is one and of which kind, its entries and their
// labels, its size and the drawing of its entries.
#pragma once

#include <vector>

#include "hdft.h"
#include "legend_content.h"

namespace vex3d {

// Decides the legend's content and arrangement for the current settings and
// returns its size (0 x 0 when there is no legend).
Size size_legend(Vex3dGraph *graph);

// Draws the legend at its rectangle, as last sized.
void draw_legend(Vex3dGraph *graph);

// The entries the legend draws, in drawing order: the highest interval
// first (series in their order), as many as its grid holds.
std::vector<const LegendEntry *> legend_draw_order(const LegendContent &content);

}  // namespace vex3d
