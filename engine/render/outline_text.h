// Glyph outlines of an outline font as device polygons.
#pragma once

#include <vector>

#include "outline_font.h"
#include "text_placement.h"

namespace vex3d {

// Polygons filled together, so that where contours nest the inner ones are
// holes: every polygon's points in order, and the number of points of each.
struct PolyPolygon {
  std::vector<DevicePoint> points;
  std::vector<int> counts;

  void clear() {
    points.clear();
    counts.clear();
  }
};

// Where a glyph goes in the text plane: its origin (the pen on the baseline)
// and text-plane units per face unit.
struct GlyphPlacement {
  double pen_x = 0, baseline_y = 0, scale = 0;
};

// Appends one polygon per contour of the glyph. Outline y runs upward and is
// negated for the text plane. Quadratic records give each of their points and
// the midpoint of each pair of consecutive points; cubic segments are
// flattened finely enough to look smooth at their device size.
void outline_polygons(const GlyphOutline &glyph, const GlyphPlacement &at, const PlacementMatrix &m, PolyPolygon &out);

// The bar of an underline or strike-out from the text-plane x0 to x1,
// between y_top and y_top + thickness (text-plane y, downward): one polygon.
void bar_polygon(double x0, double x1, double y_top, double thickness, const PlacementMatrix &m, PolyPolygon &out);

// The polygons as one polygon with the same inside under the even-odd rule:
// after each polygon the outline runs back to the first polygon's start, so
// the connecting edges come in pairs run both ways and cancel.
void joined_polygon(const PolyPolygon &polygons, std::vector<DevicePoint> &out);

}  // namespace vex3d
