// Mode bits, view flags, the eye's split of the grid and the mesh flags.
#include "body_geometry.h"

#include <algorithm>
#include <cmath>

namespace vex3d {

int mode_bits(const Vex3dGraph *graph) {
  return (graph->draw_mesh ? kModeMesh : 0) | (graph->draw_shaded ? kModeShaded : 0) |
         (graph->draw_zones ? kModeZones : 0) | (graph->draw_contours ? kModeContours : 0);
}

int view_flags(const Point4 &eye, const double cube_lo[2], const double cube_hi[2], DevicePoint a, DevicePoint b,
               DevicePoint c) {
  int flags = 0;
  if (eye.x >= cube_hi[0]) flags |= kEyeBeyondXMax;
  if (eye.x <= cube_lo[0]) flags |= kEyeBeyondXMin;
  if (eye.y >= cube_hi[1]) flags |= kEyeBeyondYMax;
  if (eye.y <= cube_lo[1]) flags |= kEyeBeyondYMin;
  // The floor's winding on the device tells from which side it is seen.
  const std::int64_t turn = std::int64_t(b.y - a.y) * (c.x - a.x) - std::int64_t(c.y - a.y) * (b.x - a.x);
  return flags | (turn > 0 ? kFloorFromBelow : kFloorFromAbove);
}

AxisSplit split_axis(const ElementSpans &s, double e) {
  AxisSplit split;
  const int count = s.per_point ? s.points : s.points - 1;
  split.last = count - 1;
  if (count < 1 || !s.grid) return split;
  auto lo = [&](int k) { return s.per_point ? s.grid[k] - s.half_width : s.grid[k]; };
  auto hi = [&](int k) { return s.per_point ? s.grid[k] + s.half_width : s.grid[k + 1]; };

  // The last element starting at or before e (the grid is ascending).
  int first_after = 0, end = count;
  while (first_after < end) {
    const int mid = first_after + (end - first_after) / 2;
    if (lo(mid) <= e)
      first_after = mid + 1;
    else
      end = mid;
  }
  const int k = first_after - 1;
  if (k < 0) {  // before the first element: everything lies above the eye
    split.eye = 0;
    split.last_below = -1;
    split.first_above = 0;
  } else if (hi(k) >= e) {  // the eye's strip
    split.eye = k;
    split.last_below = k - 1;
    split.first_above = k + 1;
  } else {  // between two elements, or beyond the last
    split.eye = k;
    split.last_below = k;
    split.first_above = k + 1;
  }
  return split;
}

std::vector<std::uint8_t> mesh_flags(bool show, int filter, int count, double extent) {
  std::vector<std::uint8_t> flags(static_cast<std::size_t>(std::max(count, 0)), 0);
  if (!show || count < 1) return flags;
  double f = filter;
  if (filter == 0) {
    // Lines about 10 device units apart; an area of no height keeps only the ends.
    f = extent > 0 ? std::trunc(10.0 / (extent / count)) : double(count);
  }
  if (!(f > 1)) {
    std::fill(flags.begin(), flags.end(), 1);
    return flags;
  }
  const double step = std::min(f, double(count));
  for (double k = 0; k < count; k += step) flags[static_cast<std::size_t>(k)] = 1;
  flags.back() = 1;
  return flags;
}

}  // namespace vex3d
