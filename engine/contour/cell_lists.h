// The five segment lists of every cell, built once all lines are traced.
#pragma once

#include <cstdint>
#include <vector>

#include "contour_result.h"

namespace vex3d {

// A segment as the tracer makes it, tagged with its cell and list.
struct RawSegment {
  std::uint32_t cell;
  std::uint8_t list;
  Vex3dContourSegment segment;
};

// The list a segment belongs in: 4 when it joins opposite sides, else the
// list of the corner it cuts off, which is the side of its point b.
inline int list_of(const Vex3dContourSegment &s) {
  return ((s.side_b - s.side_a) & 3) == 2 ? kCrossList : s.side_b;
}

// The segment from the point p on side `from` to the point q on side `to` of a
// cell, oriented and listed as the cell records keep it.
RawSegment make_raw_segment(std::uint32_t cell, int level, int from, Vex3dContourPoint *p, int to,
                            Vex3dContourPoint *q);

// Groups the segments by cell and list and orders each list; frees `raw`.
void build_cell_lists(std::vector<RawSegment> &raw, ContourResult &out);

}  // namespace vex3d
