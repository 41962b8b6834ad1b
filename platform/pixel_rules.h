// Where cairo's continuous geometry meets whole pixels. Every cairo context
// draws through these rules, and the raster fast paths reproduce them.
//
// - Fills (polygons, rectangles, pies) are aliased: a pixel is filled when
//   its centre is inside, so neighbouring cells share no seam.
// - Lines and text are antialiased.
// - A thin line covers the pixels from its first point up to its last point,
//   which is left out (so a polyline draws every joint once).
// - Wide lines are centred on the pixel centres for odd widths and on the
//   pixel corners for even widths, so that both edges land on whole pixels.
#pragma once

#include <cairo.h>

#include "geometry.h"

namespace vex3d::platform {

constexpr cairo_antialias_t kFillAntialias = CAIRO_ANTIALIAS_NONE;
constexpr cairo_antialias_t kLineAntialias = CAIRO_ANTIALIAS_GRAY;

struct Segment {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// The centre line of a thin line from a to b, in cairo coordinates, for a
// one-pixel stroke with flat caps; false for a line of no length.
bool thin_segment(Point a, Point b, Segment &out);

// Offset of a wide line's path from the integer coordinates.
inline double stroke_offset(int width) { return width % 2 ? 0.5 : 0.0; }

// Coordinates beyond this distance from the surface are out of cairo's
// fixed-point range: geometry is cut to the guard before cairo sees it.
constexpr double kGuardMargin = 4096;
constexpr double kCairoSafe = 1 << 21;

}  // namespace vex3d::platform
