// The 16 symbol shapes of scatter points, as device geometry centred on the
// projected point.
#pragma once

#include "text_placement.h"

namespace vex3d {

enum class SymbolKind {
  kNone,
  kFillEllipse,       // the ellipse in the box, filled
  kFillRectangle,     // the box, filled
  kFillPolygon,       // the polygon through `points`, filled
  kSegments,          // lines between points 0-1, 2-3, ...
  kOutlineRectangle,  // the box's outline
  kOutlineEllipse,    // the outline of the ellipse in the box
  kPolyline,          // a polyline through `points` (closed by repeating the first)
};

struct SymbolGeometry {
  SymbolKind kind = SymbolKind::kNone;
  int line_width = 1;
  int x = 0, y = 0, width = 0, height = 0;  // the box
  int count = 0;
  DevicePoint points[8];
};

// The geometry of `shape` (a Vex3dSymbol* value) of size s (already in
// device units) at `at`. Nothing for a size below 1, for SymbolNone and for
// unknown shapes; a size beyond 16384 is held there. Lines of the plain line
// shapes are max(1, s / 7) wide.
SymbolGeometry symbol_geometry(int shape, int size, DevicePoint at);

// Draws the symbol in `color` through the operations.
void draw_symbol(Vex3dGraph *graph, const Vex3dDrawOps &ops, const SymbolGeometry &symbol, int color);

}  // namespace vex3d
