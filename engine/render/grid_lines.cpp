// Where the grid lines of an axis cross a face.
#include "anno.h"
#include "grid.h"

namespace vex3d {

std::vector<Segment3> grid_segments(const Vex3dGraph *graph, const ViewState &view, int face, int axis) {
  std::vector<Segment3> lines;
  const Axis &record = axis == 0 ? graph->x : axis == 1 ? graph->y : graph->z;
  const int normal = face_normal_axis(view, face);
  if (axis == normal || !record.show || !(record.grid_planes & face_plane(kCubeFaces[face]))) return lines;
  // The flat map is the floor seen from above: its grid is the xy plane's.
  if (view.mode == DrawMode::kFlat && normal != 2) return lines;
  const int across = 3 - normal - axis;  // the other axis in the face
  const AxisAnnotation &a = view.cube.axes[axis];
  const double plane = kCubeFaces[face].side * view.half[normal];
  for (double v : a.grid_values) {
    double from[3], to[3];
    from[axis] = to[axis] = axis_position(a.ticks, view.half[axis], v);
    from[normal] = to[normal] = plane;
    from[across] = -view.half[across];
    to[across] = view.half[across];
    lines.push_back(Segment3{Vec3{from[0], from[1], from[2]}, Vec3{to[0], to[1], to[2]}});
  }
  return lines;
}

}  // namespace vex3d
