// The graph palette: every colour a chart draws with, for devices and files
// that show at most 256 colours (8-bit images, metafiles).
#pragma once

#include <vector>

#include "graph.h"

namespace vex3d {

// Most entries a palette holds.
constexpr int kMaxPaletteEntries = 256;

// Colours of the chart in the order they are collected (the extra palette
// colour, white, black, backgrounds with their border shades, foregrounds,
// surface and mesh colours, contour bands, data styles, per-cell colours,
// texts, grid lines, then the colours of loaded bitmap pictures while fewer
// than 256 are collected). Unset colours are skipped.
std::vector<int> collect_palette_colors(Vex3dGraph *graph);

// The palette's entries: colours with a component other than 0, 128 or 255
// first, each group ascending, duplicates dropped, at most 256 (the plain
// colours at the end are the ones cut).
std::vector<int> order_palette(std::vector<int> colors);

// Builds the palette from the chart's colours. An identical palette is kept;
// a new one replaces it, redraws everything (unless an extra palette colour
// is set) and tells the window's parent. True when the palette was replaced.
bool rebuild_palette(Vex3dGraph *graph);

// Builds the palette when the current context shows at most 256 colours
// (a metafile counts as 2 bits per pixel); true-colour contexts need none.
void rebuild_palette_if_used(Vex3dGraph *graph);

}  // namespace vex3d

extern "C" {
/* Stores one more colour for the palette (-1: none) and, unless -1,
 * rebuilds the palette at once. */
void Vex3dSetPaletteColor(Vex3dGraph *graph, int color);
}
