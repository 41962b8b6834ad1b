// Which cube edges and faces are at the back, and which edges may carry the
// annotation, for one eye position.
#include <cmath>

#include "basecube.h"

namespace vex3d {
namespace {

// The bit of each side of each axis: [axis][0] for +1, [axis][1] for -1.
constexpr int kSideBits[3][2] = {{1, 2}, {4, 8}, {16, 32}};

// The side (+1, -1) the eye lies beyond on an axis, or 0.
int eye_side(int bits, int axis) {
  if (bits & kSideBits[axis][0]) return +1;
  if (bits & kSideBits[axis][1]) return -1;
  return 0;
}

int face_of(int axis, int side) {
  for (int f = 0; f < 6; ++f)
    if (kCubeFaces[f].axis == axis && kCubeFaces[f].side == side) return f;
  return 0;
}

bool edge_touches(const CubeEdge &edge, int corner) { return edge.from == corner || edge.to == corner; }

// The eye looks straight at one face.
void one_axis(CubeFlags &flags, int axis, int side) {
  const int front = face_of(axis, side);
  for (int f = 0; f < 6; ++f) flags.faces[f] = f == front ? kFrontFace : kBackFace;
  for (int e = 0; e < 12; ++e) {
    flags.edges[e].back = true;
    const CubeEdge &edge = kCubeEdges[e];
    flags.edges[e].axis = edge.axis != axis && edge_position(edge, axis) == side;
  }
}

// The eye looks at the edge shared by the faces a = sa and b = sb.
void two_axes(CubeFlags &flags, int a, int sa, int b, int sb) {
  for (int f = 0; f < 6; ++f) {
    const CubeFace &face = kCubeFaces[f];
    const bool front = (face.axis == a && face.side == sa) || (face.axis == b && face.side == sb);
    flags.faces[f] = front ? kFrontFace : kBackFace;
  }
  for (int e = 0; e < 12; ++e) {
    const CubeEdge &edge = kCubeEdges[e];
    bool axis_edge;
    bool nearest = false;
    if (edge.axis != a && edge.axis != b) {
      // Along the nearest edge's axis: the two edges neither nearest nor
      // diagonally opposite to it.
      const bool on_a = edge_position(edge, a) == sa, on_b = edge_position(edge, b) == sb;
      nearest = on_a && on_b;
      axis_edge = on_a != on_b;
    } else {
      // Along a (or b): the two edges on the eye's side of the other one.
      const int other = edge.axis == a ? b : a;
      axis_edge = edge_position(edge, other) == (other == a ? sa : sb);
    }
    flags.edges[e].back = !nearest;
    flags.edges[e].axis = axis_edge;
  }
}

// The eye looks at a corner: the silhouette carries the axes.
void three_axes(CubeFlags &flags, int nearest, int farthest) {
  for (int e = 0; e < 12; ++e) {
    const CubeEdge &edge = kCubeEdges[e];
    flags.edges[e].back = !edge_touches(edge, nearest);
    flags.edges[e].axis = !edge_touches(edge, nearest) && !edge_touches(edge, farthest);
  }
  for (int f = 0; f < 6; ++f) {
    bool front = false;
    for (int corner : kCubeFaces[f].corners) front = front || corner == nearest;
    flags.faces[f] = front ? kFrontFace : kBackFace;
  }
}

}  // namespace

int eye_position_bits(const Point4 &eye, const double half[3]) {
  const double p[3] = {eye.x / half[0], eye.y / half[1], eye.z / half[2]};
  int bits = 0;
  for (int a = 0; a < 3; ++a) {
    if (p[a] >= 1) bits |= kSideBits[a][0];
    if (p[a] <= -1) bits |= kSideBits[a][1];
  }
  return bits;
}

CubeFlags classify_eye(const Point4 &eye, const double half[3], int nearest, int farthest, const bool shown[3]) {
  CubeFlags flags;
  flags.eye_bits = eye_position_bits(eye, half);
  int axes[3], count = 0;
  for (int a = 0; a < 3; ++a)
    if (eye_side(flags.eye_bits, a) != 0) axes[count++] = a;
  if (count == 1) {
    one_axis(flags, axes[0], eye_side(flags.eye_bits, axes[0]));
  } else if (count == 2) {
    two_axes(flags, axes[0], eye_side(flags.eye_bits, axes[0]), axes[1], eye_side(flags.eye_bits, axes[1]));
  } else {
    // Three axes; also an eye inside the slab of every axis, which a
    // perspective depth of at least 1 rules out, falls back to the corners.
    three_axes(flags, nearest, farthest);
  }
  for (int e = 0; e < 12; ++e)
    if (!shown[kCubeEdges[e].axis]) flags.edges[e] = EdgeFlags{};
  return flags;
}

bool edge_shown(const Vex3dGraph *graph, int edge) {
  const Axis *axes[3] = {&graph->x, &graph->y, &graph->z};
  return axes[kCubeEdges[edge].axis]->show != 0;
}

}  // namespace vex3d
