// Corners, edges, faces and the orientation marker in cube coordinates.
#include <cmath>

#include "basecube.h"

namespace vex3d {

Vec3 corner_point(const ViewState &view, int corner) {
  const CubeCorner &c = kCubeCorners[corner];
  return Vec3{c.c[0] * view.half[0], c.c[1] * view.half[1], c.c[2] * view.half[2]};
}

Segment3 edge_segment(const ViewState &view, int edge) {
  return Segment3{corner_point(view, kCubeEdges[edge].from), corner_point(view, kCubeEdges[edge].to)};
}

void face_points(const ViewState &view, int face, Vec3 out[4]) {
  for (int i = 0; i < 4; ++i) out[i] = corner_point(view, kCubeFaces[face].corners[i]);
}

int face_normal_axis(const ViewState &view, int face) {
  Vec3 p[4];
  face_points(view, face, p);
  const Vec3 n = cross(difference(p[1], p[0]), difference(p[3], p[0]));
  const double m[3] = {std::fabs(n.x), std::fabs(n.y), std::fabs(n.z)};
  return m[0] >= m[1] && m[0] >= m[2] ? 0 : m[1] >= m[2] ? 1 : 2;
}

std::vector<Segment3> orientation_marker(const ViewState &view) {
  // A small square on the floor at corner 0, closed by the cube's own edges.
  const double hx = view.half[0], hy = view.half[1], hz = view.half[2];
  const Vec3 inner{-0.8 * hx, -0.8 * hy, -hz};
  return {Segment3{inner, Vec3{-0.8 * hx, -hy, -hz}}, Segment3{inner, Vec3{-hx, -0.8 * hy, -hz}}};
}

}  // namespace vex3d
