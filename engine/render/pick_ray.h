// The line of sight of a pixel and where it meets the chart body's faces.
#pragma once

#include <optional>

#include "matrix.h"
#include "view_state.h"

namespace vex3d {

// origin + t * direction; t = 0 at the eye, t = 1 on the view plane through
// the cube's centre.
struct Ray {
  Vec3 origin, direction;
  Vec3 at(double t) const {
    return {origin.x + t * direction.x, origin.y + t * direction.y, origin.z + t * direction.z};
  }
};

// The line of sight of a device point in a three-dimensional view, in cube
// coordinates and in data coordinates (the same t on both). The device point
// is taken back through W^-1 onto the view plane, where the perspective
// leaves points where they are, and through R^-1 into the cube.
struct SightLine {
  Ray cube, data;
};
std::optional<SightLine> sight_line(const ViewState &view, double device_x, double device_y);

// The t at which a ray meets triangle a, b, c from either side, t >= 0; a
// hit on an edge counts, so that neighbouring triangles leave no crack.
std::optional<double> ray_triangle(const Ray &ray, const Vec3 &a, const Vec3 &b, const Vec3 &c);

// The t at which a ray enters the box lo ... hi (t >= 0; 0 from inside).
std::optional<double> ray_box(const Ray &ray, const Vec3 &lo, const Vec3 &hi);

}  // namespace vex3d
