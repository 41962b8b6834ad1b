// The legend: whether there is one and of which kind, its entries and their
// labels, its size and the drawing of its entries.
#pragma once

#include <vector>

#include "function_ref.h"
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

// Each entry the legend shows, in drawing order, with the top left of its
// place (entry_width x row_height pixels) as last sized and placed.
void for_each_placed_entry(Vex3dGraph *graph, FunctionRef<void(const LegendEntry &, int x, int y)> visit);

// The series whose entry of a series legend lies under pixel (px, py); -1
// over no entry or in another kind of legend.
int legend_series_at(Vex3dGraph *graph, int px, int py);

}  // namespace vex3d
