// Rectangle arithmetic of the page: device pixels, y growing downward.
#pragma once

#include <algorithm>
#include <limits>

#include "graph.h"

namespace vex3d {

inline bool same_rect(const Rect &a, const Rect &b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

inline bool empty_rect(const Rect &r) { return r.width <= 0 || r.height <= 0; }

// True when the two rectangles share at least one pixel. Edges are summed
// in 64 bits: a region placed near the end of the int range may reach past it.
inline bool overlaps(const Rect &a, const Rect &b) {
  if (empty_rect(a) || empty_rect(b)) return false;
  return a.x < 1LL * b.x + b.width && b.x < 1LL * a.x + a.width && a.y < 1LL * b.y + b.height &&
         b.y < 1LL * a.y + a.height;
}

// The rectangle from (x, y) of the size given, each side at most 2^30 as
// united_rect keeps them, and the corner within the int range.
inline Rect saturated_rect(long long x, long long y, long long width, long long height) {
  auto to_int = [](long long v) {
    return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
  };
  return Rect{to_int(x), to_int(y), static_cast<int>(std::clamp<long long>(width, 0, 1 << 30)),
              static_cast<int>(std::clamp<long long>(height, 0, 1 << 30))};
}

// The smallest rectangle holding both; an empty one adds nothing.
inline Rect united_rect(const Rect &a, const Rect &b) {
  if (empty_rect(a)) return b;
  if (empty_rect(b)) return a;
  const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  const long long x1 = std::max<long long>(1LL * a.x + a.width, 1LL * b.x + b.width);
  const long long y1 = std::max<long long>(1LL * a.y + a.height, 1LL * b.y + b.height);
  return Rect{x0, y0, static_cast<int>(std::min<long long>(x1 - x0, 1 << 30)),
              static_cast<int>(std::min<long long>(y1 - y0, 1 << 30))};
}

// The part of `r` inside `bounds` (empty when none).
inline Rect clipped_rect(const Rect &r, const Rect &bounds) {
  const long long x0 = std::max(r.x, bounds.x), y0 = std::max(r.y, bounds.y);
  const long long x1 = std::min(1LL * r.x + r.width, 1LL * bounds.x + bounds.width);
  const long long y1 = std::min(1LL * r.y + r.height, 1LL * bounds.y + bounds.height);
  if (x1 <= x0 || y1 <= y0) return Rect{};
  return Rect{static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0), static_cast<int>(y1 - y0)};
}

}  // namespace vex3d
