#include "guard.h"

#include <cmath>
#include <cstdlib>

namespace vex3d::platform {
namespace {

struct P {
  double x, y;
};

int to_int(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

bool within(std::span<const Point> points, double limit) {
  for (const Point &p : points)
    if (std::abs(static_cast<double>(p.x)) > limit || std::abs(static_cast<double>(p.y)) > limit) return false;
  return true;
}

bool clip_segment(const Box &box, Point &a, Point &b) {
  const double x0 = box.x, y0 = box.y, x1 = static_cast<double>(box.x) + box.width,
               y1 = static_cast<double>(box.y) + box.height;
  const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - x0, x1 - a.x, a.y - y0, y1 - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const Point from{to_int(a.x + t0 * dx), to_int(a.y + t0 * dy)};
  const Point to{to_int(a.x + t1 * dx), to_int(a.y + t1 * dy)};
  a = from;
  b = to;
  return true;
}

std::vector<Point> clip_polygon(const Box &box, std::span<const Point> points) {
  std::vector<P> poly;
  poly.reserve(points.size());
  for (const Point &p : points) poly.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  const double edges[4] = {static_cast<double>(box.x), static_cast<double>(box.x) + box.width,
                           static_cast<double>(box.y), static_cast<double>(box.y) + box.height};
  for (int side = 0; side < 4 && !poly.empty(); ++side) {
    const bool vertical = side < 2;   // cut by x = edge
    const bool keep_above = side % 2 == 0;  // keep coordinates >= edge
    const double edge = edges[side];
    const auto inside = [&](const P &p) {
      const double v = vertical ? p.x : p.y;
      return keep_above ? v >= edge : v <= edge;
    };
    std::vector<P> out;
    out.reserve(poly.size() + 4);
    for (std::size_t i = 0; i < poly.size(); ++i) {
      const P &cur = poly[i];
      const P &prev = poly[(i + poly.size() - 1) % poly.size()];
      const bool in_cur = inside(cur), in_prev = inside(prev);
      if (in_cur != in_prev) {
        const double a = vertical ? prev.x : prev.y, b = vertical ? cur.x : cur.y;
        const double t = (edge - a) / (b - a);
        out.push_back({prev.x + t * (cur.x - prev.x), prev.y + t * (cur.y - prev.y)});
      }
      if (in_cur) out.push_back(cur);
    }
    poly = std::move(out);
  }
  std::vector<Point> result;
  result.reserve(poly.size());
  for (const P &p : poly) result.push_back({to_int(p.x), to_int(p.y)});
  return result;
}

}  // namespace vex3d::platform
