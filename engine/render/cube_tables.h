// The fixed geometry of the plot cube: corners, faces and edges.
//
// Corner components are -1 or +1 and are scaled by the cube half-extents
// where they are used. The numbering is part of the engine's interface: the
// chart body, picking and the tests refer to corners, faces and edges by
// number.
#pragma once

namespace vex3d {

struct CubeCorner {
  int c[3];  // x, y, z: each -1 or +1
};

inline constexpr CubeCorner kCubeCorners[8] = {
    {{-1, -1, -1}}, {{-1, -1, +1}}, {{-1, +1, +1}}, {{-1, +1, -1}},
    {{+1, +1, -1}}, {{+1, +1, +1}}, {{+1, -1, +1}}, {{+1, -1, -1}},
};

// A face: its four corners in order, and its plane axis = side.
struct CubeFace {
  int corners[4];
  int axis;  // 0 x, 1 y, 2 z
  int side;  // -1 or +1
};

inline constexpr CubeFace kCubeFaces[6] = {
    {{0, 1, 2, 3}, 0, -1}, {{4, 5, 6, 7}, 0, +1},  // x = -1, x = +1
    {{0, 7, 6, 1}, 1, -1}, {{2, 5, 4, 3}, 1, +1},  // y = -1, y = +1
    {{0, 3, 4, 7}, 2, -1}, {{1, 6, 5, 2}, 2, +1},  // floor, ceiling
};

// An edge: its two corners and the axis it runs along.
struct CubeEdge {
  int from, to;
  int axis;
};

inline constexpr CubeEdge kCubeEdges[12] = {
    {0, 7, 0}, {1, 6, 0}, {3, 4, 0}, {2, 5, 0},  // along x
    {0, 3, 1}, {1, 2, 1}, {7, 4, 1}, {6, 5, 1},  // along y
    {0, 1, 2}, {3, 2, 2}, {7, 6, 2}, {4, 5, 2},  // along z
};

// The fixed coordinate of an edge on one of the two axes it does not run
// along (-1 or +1).
constexpr int edge_position(const CubeEdge &edge, int axis) { return kCubeCorners[edge.from].c[axis]; }

// The planes of the plane sets of the grid-line resources: a face of axis a
// lies in the plane of the other two axes.
inline constexpr int kXYPlane = 1, kXZPlane = 2, kYZPlane = 4;
constexpr int face_plane(const CubeFace &face) {
  return face.axis == 0 ? kYZPlane : face.axis == 1 ? kXZPlane : kXYPlane;
}

namespace cube_table_checks {

constexpr bool edges_consistent() {
  for (const CubeEdge &e : kCubeEdges)
    for (int a = 0; a < 3; ++a) {
      const bool same = kCubeCorners[e.from].c[a] == kCubeCorners[e.to].c[a];
      if (same == (a == e.axis)) return false;  // only the run axis differs
    }
  return true;
}

constexpr bool faces_consistent() {
  for (const CubeFace &f : kCubeFaces)
    for (int corner : f.corners)
      if (kCubeCorners[corner].c[f.axis] != f.side) return false;
  return true;
}

static_assert(edges_consistent(), "each edge joins two corners that differ along its axis only");
static_assert(faces_consistent(), "each face's corners lie in its plane");

}  // namespace cube_table_checks

}  // namespace vex3d
