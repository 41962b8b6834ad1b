// The free region of the page: the inner area less the header, footer and
// legend, kept as disjoint rectangles, and the largest rectangle it holds.
#pragma once

#include <vector>

#include "graph.h"

namespace vex3d {

// Removes `taken` from every piece it overlaps; such a piece is replaced by
// up to four: the part above `taken` and the part below it (each with the
// piece's full width), then the parts to its left and to its right (each
// with the height the two share).
void subtract_rect(std::vector<Rect> &pieces, const Rect &taken);

// The largest rectangle (by area; the first found of equal ones, scanning
// from the top left) covered by the union of the disjoint pieces; empty when
// they cover nothing.
Rect largest_covered_rect(const std::vector<Rect> &pieces);

}  // namespace vex3d
