// Which steps paint one polygon of a cell, by mode bits.
#pragma once

#include <cstdint>

namespace vex3d {

enum class PaintStep : std::uint8_t {
  kErase,            // fill with the chart area's background
  kShade,            // fill in the top or bottom surface colour by facing
  kMesh,             // the polygon's meshed edges in the top or bottom mesh colour
  kZoneFillOrShade,  // the cell's zone pieces; shade when that filled nothing
  kZonedMeshOrMesh,  // the cell's mesh edges in zone colours; plain mesh when that drew nothing
  kContourLines,     // the contour lines crossing the cell
};

struct Painter {
  int count = 0;
  PaintStep steps[4] = {};
};

// The painter of a mode (ModeBit set, 0 ... 15). The hidden-line form
// (DRAW_HIDDEN_LINES on) leaves out the erasing, so lines behind the surface
// stay visible. Modes with neither mesh nor shading have no painter: they
// never reach the three-dimensional body.
Painter painter_for(int mode, bool hidden_lines);

}  // namespace vex3d
