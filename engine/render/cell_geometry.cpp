// Cells and bars on the device: the fold test, corner orders, facing, the
// walls of a solid surface and the faces of a bar.
#include <algorithm>
#include <cmath>

#include "body_geometry.h"

namespace vex3d {
namespace {

// Corner orders (a, b, c, d) by traversal tag; tag 1 paints the cell whole.
constexpr CornerOrder kCornerOrders[kTraversalTags] = {
    {0, 1, 2, 3},                                             // (no tag 0)
    {0, 1, 2, 3},                                             // 1: the eye cell
    {0, 1, 2, 3}, {2, 3, 0, 1}, {1, 2, 3, 0}, {3, 0, 1, 2},   // 2 ... 5: strips
    {1, 2, 3, 0}, {2, 3, 0, 1}, {0, 1, 2, 3}, {3, 0, 1, 2}};  // 6 ... 9: quadrants

// Walls left out on the sides that face away from the eye, by tag.
constexpr int kTagWallBits[kTraversalTags] = {0,
                                              0,
                                              kWallBelow,
                                              kWallAbove,
                                              kWallLeft,
                                              kWallRight,
                                              kWallBelow | kWallLeft,
                                              kWallAbove | kWallLeft,
                                              kWallBelow | kWallRight,
                                              kWallAbove | kWallRight};

// Bar sides facing the eye, by tag.
constexpr BarSides kBarSides[kTraversalTags] = {{},      {},     {3, -1}, {1, -1}, {0, -1},
                                                {2, -1}, {0, 3}, {0, 1},  {2, 3},  {1, 2}};

constexpr SideCorners kSideCorners[4] = {{1, 2}, {2, 3}, {3, 0}, {0, 1}};

int valid_tag(int tag) { return tag >= kTagEyeCell && tag <= kTagBelowBelow ? tag : 0; }
bool is_quadrant(int tag) { return tag >= kTagAboveAbove && tag <= kTagBelowBelow; }

bool between(std::int64_t v, std::int64_t limit) { return limit >= 0 ? v >= 0 && v <= limit : v <= 0 && v >= limit; }

}  // namespace

bool segments_cross(DevicePoint p1, DevicePoint p2, DevicePoint p3, DevicePoint p4) {
  if (std::max(p1.x, p2.x) < std::min(p3.x, p4.x) || std::max(p3.x, p4.x) < std::min(p1.x, p2.x) ||
      std::max(p1.y, p2.y) < std::min(p3.y, p4.y) || std::max(p3.y, p4.y) < std::min(p1.y, p2.y))
    return false;
  using I = std::int64_t;
  const I ax = I(p2.x) - p1.x, ay = I(p2.y) - p1.y;
  const I bx = I(p4.x) - p3.x, by = I(p4.y) - p3.y;
  const I cx = I(p3.x) - p1.x, cy = I(p3.y) - p1.y;
  const I denominator = ax * by - ay * bx;
  if (denominator == 0) return false;
  return between(cx * by - cy * bx, denominator) && between(cx * ay - cy * ax, denominator);
}

CornerOrder corner_order(int tag) { return kCornerOrders[valid_tag(tag)]; }

bool cell_folds(int tag, const DevicePoint corner[4], bool zones) {
  if (zones || tag < kTagColumnAbove || tag > kTagBelowBelow) return false;
  const CornerOrder o = corner_order(tag);
  const DevicePoint a = corner[o.a], b = corner[o.b], c = corner[o.c], d = corner[o.d];
  if (segments_cross(b, c, d, a)) return true;
  return is_quadrant(tag) && segments_cross(a, b, c, d);
}

std::int64_t doubled_area(const DevicePoint *points, int count) {
  std::int64_t sum = 0;
  for (int k = 0; k < count; ++k) {
    const DevicePoint &p = points[k], &q = points[(k + 1) % count];
    sum += std::int64_t(p.x) * q.y - std::int64_t(q.x) * p.y;
  }
  return sum;
}

int cell_hole_bits(const ProjectedGrid &g, int i, int j) {
  int bits = 0;
  if (g.hole(i, j)) bits |= 1;
  if (g.hole(i, j + 1)) bits |= 2;
  if (g.hole(i + 1, j + 1)) bits |= 4;
  if (g.hole(i + 1, j)) bits |= 8;
  if (i == 0 || g.hole(i - 1, j) || g.hole(i - 1, j + 1)) bits |= kWallLeft;
  if (j + 2 >= g.ny || g.hole(i, j + 2) || g.hole(i + 1, j + 2)) bits |= kWallAbove;
  if (i + 2 >= g.nx || g.hole(i + 2, j) || g.hole(i + 2, j + 1)) bits |= kWallRight;
  if (j == 0 || g.hole(i, j - 1) || g.hole(i + 1, j - 1)) bits |= kWallBelow;
  return bits;
}

int tag_wall_bits(int tag) { return kTagWallBits[valid_tag(tag)]; }

WallEdges wall_edges(int bits) {
  // A wall needs both ends of its edge on the surface and no hole beyond it.
  constexpr int kBeyond[4] = {kWallLeft, kWallAbove, kWallRight, kWallBelow};
  WallEdges walls{};
  for (int e = 0; e < 4; ++e) {
    const int ends = (1 << e) | (1 << ((e + 1) % 4));
    walls.edge[e] = !(bits & (ends | kBeyond[e]));
  }
  return walls;
}

double bar_half_width(double step, double spacing_percent) { return std::fabs(step) * spacing_percent * 0.005; }

BarSpan bar_footprint(const double *grid, int k, int bar_format, double step, double spacing_percent) {
  if (bar_format == Vex3dBarHistogram) return {grid[k], grid[k + 1]};
  const double h = bar_half_width(step, spacing_percent);
  return {grid[k] - h, grid[k] + h};
}

BarSides bar_sides(int tag) { return kBarSides[valid_tag(tag)]; }

SideCorners side_corners(int side) { return kSideCorners[std::clamp(side, 0, 3)]; }

}  // namespace vex3d
