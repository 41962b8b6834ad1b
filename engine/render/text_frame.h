// The frame of a text laid in the scene: which way its baseline runs and
// which way is down, seen through the projection it will be drawn with.
#pragma once

#include "matrix.h"

namespace vex3d {

struct ViewState;

struct Vec2 {
  double x = 0, y = 0;
};

inline Vec3 operator+(const Vec3 &a, const Vec3 &b) { return Vec3{a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator*(const Vec3 &a, double s) { return Vec3{a.x * s, a.y * s, a.z * s}; }

// A cube-to-projected-plane map: y upward.
struct Projection {
  Matrix m;
  Vec2 operator()(const Vec3 &p) const {
    const Point4 q = transform_point(m, Point4{p.x, p.y, p.z, 1});
    return Vec2{q.x, q.y};
  }
  Vec2 direction(const Vec3 &at, const Vec3 &d) const {
    const Vec2 a = (*this)(at), b = (*this)(at + d);
    return Vec2{b.x - a.x, b.y - a.y};
  }
};

// The projection texts in the scene are laid out through: the cube seen
// through the view's rotation and perspective, or the flat map as it is.
Projection scene_projection(const ViewState &view);

// Text direction u and downward direction v of a text plane.
struct TextFrame {
  Vec3 u, v;
};

// The frame of a text at `at` whose baseline runs along ±u and whose down is
// ±v, signs chosen so that the text reads left to right (bottom to top when
// it runs within about 6 degrees of vertical) and is not mirrored.
TextFrame text_frame(const Projection &project, const Vec3 &at, Vec3 u, Vec3 v);

}  // namespace vex3d
