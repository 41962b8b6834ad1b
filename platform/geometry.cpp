#include "geometry.h"

#include <algorithm>

namespace vex3d::platform {

Box intersect(const Box &a, const Box &b) {
  const long long x0 = std::max<long long>(a.x, b.x), y0 = std::max<long long>(a.y, b.y);
  const long long x1 = std::min(static_cast<long long>(a.x) + a.width, static_cast<long long>(b.x) + b.width);
  const long long y1 = std::min(static_cast<long long>(a.y) + a.height, static_cast<long long>(b.y) + b.height);
  if (x1 <= x0 || y1 <= y0) return Box{static_cast<int>(x0), static_cast<int>(y0), 0, 0};
  return Box{static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0), static_cast<int>(y1 - y0)};
}

}  // namespace vex3d::platform
