// Grouping the traced segments into the cell records.
#include "cell_lists.h"

#include <algorithm>

namespace vex3d {
namespace {

// Position of point b counter-clockwise along its side: up the right side,
// leftwards along the top, down the left side, rightwards along the bottom.
double along_side(const Vex3dContourSegment &s) {
  switch (s.side_b) {
    case kRight: return s.b->y;
    case kTop: return -s.b->x;
    case kLeft: return -s.b->y;
    default: return s.b->x;
  }
}

bool before(const RawSegment &p, const RawSegment &q) {
  if (p.list != q.list) return p.list < q.list;
  if (p.segment.side_b != q.segment.side_b) return p.segment.side_b < q.segment.side_b;
  return along_side(p.segment) < along_side(q.segment);
}

}  // namespace

RawSegment make_raw_segment(std::uint32_t cell, int level, int from, Vex3dContourPoint *p, int to,
                            Vex3dContourPoint *q) {
  RawSegment r{cell, 0, {level, 0, 0, nullptr, nullptr}};
  const bool forward = ((from + 1) & 3) == to;
  if (((to - from) & 3) == 2) {
    // Across the cell: a is the end on the left or the bottom side.
    r.list = kCrossList;
    const bool p_first = from == kLeft || from == kBottom;
    r.segment.side_a = (unsigned char)(p_first ? from : to);
    r.segment.side_b = (unsigned char)(p_first ? to : from);
    r.segment.a = p_first ? p : q;
    r.segment.b = p_first ? q : p;
  } else {
    // List k cuts off the corner between side k - 1 (point a) and side k.
    r.list = std::uint8_t(forward ? to : from);
    r.segment.side_a = (unsigned char)(forward ? from : to);
    r.segment.side_b = (unsigned char)(forward ? to : from);
    r.segment.a = forward ? p : q;
    r.segment.b = forward ? q : p;
  }
  return r;
}

void build_cell_lists(std::vector<RawSegment> &raw, ContourResult &out) {
  const std::size_t cells = std::size_t(out.cell_count());
  out.cell_start.assign(cells + 1, 0);
  for (const RawSegment &r : raw) ++out.cell_start[r.cell + 1];
  for (std::size_t c = 0; c < cells; ++c) out.cell_start[c + 1] += out.cell_start[c];

  std::vector<RawSegment> grouped(raw.size());
  std::vector<std::uint32_t> next(out.cell_start.begin(), out.cell_start.end() - 1);
  for (const RawSegment &r : raw) grouped[next[r.cell]++] = r;
  raw = {};
  next = {};

  for (std::size_t c = 0; c < cells; ++c) {
    const auto first = grouped.begin() + out.cell_start[c], last = grouped.begin() + out.cell_start[c + 1];
    if (last - first > 1) std::stable_sort(first, last, before);
  }
  out.segments.resize(grouped.size());
  std::transform(grouped.begin(), grouped.end(), out.segments.begin(), [](const RawSegment &r) { return r.segment; });
}

Vex3dContourCell contour_cell(const ContourResult &result, int i, int j) {
  Vex3dContourCell cell{};
  if (!result.has_cell(i, j)) {
    cell.hole = 1;
    return cell;
  }
  const std::size_t c = std::size_t(result.cell_index(i, j));
  cell.hole = result.hole[c];
  if (result.cell_start.empty()) return cell;
  const std::uint32_t first = result.cell_start[c], last = result.cell_start[c + 1];
  cell.count = int(last - first);
  // Within the cell the segments run list by list.
  const Vex3dContourSegment *s = result.segments.data() + first;
  std::uint32_t k = first;
  for (int list = 0; list < kLists; ++list) {
    cell.list[list] = s;
    while (k < last && list_of(result.segments[k]) == list) {
      ++k;
      ++s;
      ++cell.list_count[list];
    }
  }
  return cell;
}

}  // namespace vex3d
