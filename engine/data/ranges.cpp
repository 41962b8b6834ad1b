#include "ranges.h"

#include <algorithm>
#include <cmath>

namespace vex3d {
namespace {

// Changes too small to move 1.0 do not count.
bool negligible(double d) { return d + 1.0 == 1.0; }

// First and last index of one direction of the portion.
struct Span {
  int first, last;
};

Span span_of(const double *grid, int n, double lo, double hi, bool at_least_two) {
  Span s{locate(lo, grid, n), locate(hi, grid, n)};
  if (!negligible(grid[s.last] - hi)) s.last = std::min(s.last + 1, n - 1);
  if (at_least_two && s.last <= s.first) {
    if (s.last != n - 1)
      s.last = s.first + 1;
    else
      s.first = s.last - 1;
  }
  s.first = std::max(s.first, 0);
  s.last = std::min(s.last, n - 1);
  return s;
}

}  // namespace

int locate(double v, const double *a, int n) {
  if (n < 2) return 0;
  int low = 0, high = n - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    if (a[middle] == v) return middle;
    if (a[middle] < v)
      low = middle + 1;
    else
      high = middle - 1;
  }
  if (low == n)
    low = n - 1;
  else if (low > 0 && a[low] > v)
    --low;
  return std::clamp(low, 0, n - 1);
}

double grid_spacing(const double *grid, int n, bool regular) {
  if (n < 1) return 1.0;
  if (n == 1) return negligible(grid[0]) ? 1.0 : grid[0];
  if (regular) return grid[1] - grid[0];
  double smallest = grid[1] - grid[0];
  for (int k = 2; k < n; ++k) smallest = std::min(smallest, grid[k] - grid[k - 1]);
  return smallest;
}

void repair_range(BoundPair b, double dmin, double dmax) {
  if (b.max <= b.min && !b.max_use_default) {
    b.max_use_default = 1;
    b.max = dmax;
  }
  if (b.max <= b.min && !b.min_use_default) {
    b.min_use_default = 1;
    b.min = dmin;
  }
  if (!(b.max <= b.min)) return;  // ordered, or NaN
  if (dmax > dmin) {
    b.min = dmin;
    b.max = dmax;
    return;
  }
  // Widen a single value by the first power of ten that moves it; the bound
  // on k only matters for a value no power of ten can move (not finite).
  double lo = dmin, hi = dmin;
  for (int k = 0; !(hi > lo) && k < 400; ++k) {
    hi = lo + std::pow(10.0, k);
    lo = lo - (hi - lo);
  }
  b.min = lo;
  b.max = hi;
}

ViewingPortion viewing_portion(const Vex3dDataInfo &info, const PortionBounds &bounds) {
  const Span x = span_of(info.xgrid, info.numx, bounds.xmin, bounds.xmax, bounds.at_least_two_x);
  const Span y = span_of(info.ygrid, info.numy, bounds.ymin, bounds.ymax, bounds.at_least_two_y);
  ViewingPortion p;
  p.first_x = x.first;
  p.last_x = x.last;
  p.first_y = y.first;
  p.last_y = y.last;
  p.count_x = x.last - x.first + 1;
  p.count_y = y.last - y.first + 1;
  p.corner_x = info.xgrid[x.first];
  p.corner_y = info.ygrid[y.first];
  return p;
}

}  // namespace vex3d
