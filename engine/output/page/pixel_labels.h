// Chart labels attached to pixels: boxes like the titles', laid over the
// page after everything else, each with its connecting line.
#pragma once

#include "graph.h"

namespace vex3d {

// Whether any chart label is attached by pixel.
bool has_pixel_label(const Vex3dGraph *graph);

// Sizes, places and draws every shown pixel label: the box of its lines (and
// its border's room) centred on its pixel plus its offset, the line from the
// pixel to the facing edge, then the box as a title's.
void draw_pixel_labels(Vex3dGraph *graph);

}  // namespace vex3d
