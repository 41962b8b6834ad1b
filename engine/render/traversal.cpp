// The nine steps of the cell traversal.
#include "traversal.h"

namespace vex3d {
namespace {

// A run of indices from `from` to `to` inclusive; empty when it runs the
// other way.
struct Run {
  int from, to;
};

// Indices above the eye run from the last down; below it from the first up.
Run above(const AxisSplit &s) { return {s.last, s.first_above}; }
Run below(const AxisSplit &s) { return {s.first, s.last_below}; }
Run strip(const AxisSplit &s) { return {s.last_below + 1, s.last_below + 1}; }

template <class F>
void for_each(const Run &run, bool downward, F &&f) {
  if (downward) {
    for (int k = run.from; k >= run.to; --k) f(k);
  } else {
    for (int k = run.from; k <= run.to; ++k) f(k);
  }
}

void quadrant(Run columns, bool columns_down, Run rows, bool rows_down, int tag, bool columns_outer,
              CellVisitor visit) {
  if (columns_outer)
    for_each(columns, columns_down, [&](int i) { for_each(rows, rows_down, [&](int j) { visit(i, j, tag); }); });
  else
    for_each(rows, rows_down, [&](int j) { for_each(columns, columns_down, [&](int i) { visit(i, j, tag); }); });
}

}  // namespace

int cell_tag(const EyeCell &eye, int column, int row) {
  // Which side of the eye an index lies on: 0 below, 1 above, 2 the strip.
  auto side = [](const AxisSplit &s, int k) {
    if (k < s.first || k > s.last) return -1;
    if (k <= s.last_below) return 0;
    if (k >= s.first_above) return 1;
    return s.has_strip() ? 2 : -1;
  };
  // By column side, then row side, as the nine steps visit them.
  constexpr int kTags[3][3] = {{9, 8, 5}, {7, 6, 4}, {3, 2, 1}};
  const int c = side(eye.columns, column), r = side(eye.rows, row);
  return c < 0 || r < 0 ? 0 : kTags[c][r];
}

bool traversal_runs_along_x(int view_flags) {
  const int side = view_flags & kEyeSideBits;
  return side != kEyeBeyondYMax && side != kEyeBeyondYMin;
}

void traverse_cells(const EyeCell &eye, int view_flags, CellVisitor visit) {
  const AxisSplit &c = eye.columns, &r = eye.rows;
  const bool columns_outer = !traversal_runs_along_x(view_flags);

  quadrant(above(c), true, above(r), true, kTagAboveAbove, columns_outer, visit);
  quadrant(above(c), true, below(r), false, kTagAboveBelow, columns_outer, visit);
  quadrant(below(c), false, above(r), true, kTagBelowAbove, columns_outer, visit);
  quadrant(below(c), false, below(r), false, kTagBelowBelow, columns_outer, visit);
  if (c.has_strip()) {
    const int i = strip(c).from;
    for_each(above(r), true, [&](int j) { visit(i, j, kTagColumnAbove); });
    for_each(below(r), false, [&](int j) { visit(i, j, kTagColumnBelow); });
  }
  if (r.has_strip()) {
    const int j = strip(r).from;
    for_each(above(c), true, [&](int i) { visit(i, j, kTagRowAbove); });
    for_each(below(c), false, [&](int i) { visit(i, j, kTagRowBelow); });
  }
  if (c.has_strip() && r.has_strip()) visit(strip(c).from, strip(r).from, kTagEyeCell);
}

}  // namespace vex3d
