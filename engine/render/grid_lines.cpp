// Where the grid lines of an axis cross a face.
#include "anno.h"
#include "device_points.h"
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

namespace {

// Puts the pen into an axis's grid line style; false for the pattern "none".
bool set_grid_pen(Vex3dGraph *graph, const Vex3dLineStyle &style) {
  if (style.pattern == Vex3dLpatNone) return false;
  const Vex3dDrawOps *ops = graph->draw_ops;
  ops->setforeground(graph, style.color != COLOR_UNSET ? style.color : chart_foreground(graph));
  const bool solid = style.pattern == Vex3dLpatSolid;
  ops->setlineattributes(graph, style.width, stroke_style(solid), VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
  if (!solid) ops->setdashes(graph, style.pattern, 0, 0, nullptr);
  return true;
}

}  // namespace

void draw_grid_lines(Vex3dGraph *graph) {
  const ViewState *view = find_view_state(graph);
  if (!graph->draw_ops || !view || !view->computed || !view->drawable) return;
  const Axis *axes[3] = {&graph->x, &graph->y, &graph->z};
  for (int axis = 0; axis < 3; ++axis) {
    bool pen_set = false;
    for (int face = 0; face < 6; ++face) {
      if (view->cube.flags.faces[face] != kBackFace) continue;
      const std::vector<Segment3> lines = grid_segments(graph, *view, face, axis);
      if (lines.empty()) continue;
      if (!pen_set && !(pen_set = set_grid_pen(graph, axes[axis]->grid.in_force))) break;
      for (const Segment3 &s : lines) draw_cube_line(graph, *view, s.a, s.b);
    }
  }
  graph->draw_ops->setsolidline(graph, chart_foreground(graph));
}

}  // namespace vex3d
