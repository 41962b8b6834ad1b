// Lines of sight and their intersections with triangles and boxes.
#include "pick_ray.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vex3d {
namespace {

bool finite(const Vec3 &v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

Vec3 cube_point(const Point4 &p) { return {p.x, p.y, p.z}; }

// How far outside a triangle's edges a hit may lie, in barycentric units:
// enough to close the cracks that rounding opens between neighbours.
constexpr double kEdgeSlack = 1e-9;

}  // namespace

std::optional<SightLine> sight_line(const ViewState &view, double device_x, double device_y) {
  const Point4 plane = transform_point(view.viewport_inverse, Point4{device_x, device_y, 0, 1});
  const Point4 through = transform_point(view.rotation_inverse, plane);
  SightLine s;
  s.cube.origin = cube_point(view.eye);
  s.cube.direction = difference(cube_point(through), s.cube.origin);
  const Point4 eye = transform_point(view.normalize_inverse, view.eye);
  const Point4 far = transform_point(view.normalize_inverse, through);
  s.data.origin = cube_point(eye);
  s.data.direction = difference(cube_point(far), s.data.origin);
  if (!finite(s.cube.origin) || !finite(s.cube.direction) || !finite(s.data.origin) || !finite(s.data.direction))
    return std::nullopt;
  return s;
}

std::optional<double> ray_triangle(const Ray &ray, const Vec3 &a, const Vec3 &b, const Vec3 &c) {
  // Moeller and Trumbore: solve origin + t d = a + u (b - a) + v (c - a).
  const Vec3 e1 = difference(b, a), e2 = difference(c, a);
  const Vec3 p = cross(ray.direction, e2);
  const double det = dot(e1, p);
  if (det == 0 || !std::isfinite(det)) return std::nullopt;  // parallel, or a degenerate triangle
  const double inv = 1 / det;
  const Vec3 s = difference(ray.origin, a);
  const double u = dot(s, p) * inv;
  if (u < -kEdgeSlack || u > 1 + kEdgeSlack) return std::nullopt;
  const Vec3 q = cross(s, e1);
  const double v = dot(ray.direction, q) * inv;
  if (v < -kEdgeSlack || u + v > 1 + kEdgeSlack) return std::nullopt;
  const double t = dot(e2, q) * inv;
  if (!(t >= 0)) return std::nullopt;
  return t;
}

std::optional<double> ray_box(const Ray &ray, const Vec3 &lo, const Vec3 &hi) {
  double from = 0, to = std::numeric_limits<double>::infinity();
  const double o[3] = {ray.origin.x, ray.origin.y, ray.origin.z};
  const double d[3] = {ray.direction.x, ray.direction.y, ray.direction.z};
  const double l[3] = {lo.x, lo.y, lo.z}, h[3] = {hi.x, hi.y, hi.z};
  for (int k = 0; k < 3; ++k) {
    if (d[k] == 0) {
      if (o[k] < l[k] || o[k] > h[k]) return std::nullopt;
      continue;
    }
    double t0 = (l[k] - o[k]) / d[k], t1 = (h[k] - o[k]) / d[k];
    if (t0 > t1) std::swap(t0, t1);
    from = std::max(from, t0);
    to = std::min(to, t1);
    if (!(from <= to)) return std::nullopt;
  }
  return from;
}

}  // namespace vex3d
