#include "text_frame.h"

#include <cmath>

#include "view_state.h"

namespace vex3d {
namespace {

// Text that runs within this ratio of vertical (dx / dy, about 6 degrees)
// reads bottom to top; all other text reads left to right.
constexpr double kNearVertical = 0.1;

}  // namespace

Projection scene_projection(const ViewState &view) {
  Projection project;
  if (view.mode == DrawMode::kFlat)
    set_identity(project.m);
  else
    multiply(view.perspective, view.rotation, project.m);
  return project;
}

TextFrame text_frame(const Projection &project, const Vec3 &at, Vec3 u, Vec3 v) {
  const double probe = 0.01;
  const Vec2 du = project.direction(at, u * probe);
  const bool near_vertical = std::fabs(du.x) < kNearVertical * std::fabs(du.y);
  const bool backward = near_vertical ? du.y < 0 : du.x < 0;
  if (backward) u = u * -1;
  const Vec2 pu = project.direction(at, u * probe), pv = project.direction(at, v * probe);
  // Text y runs downward: in the projected plane (y up) v must lie clockwise
  // of u.
  if (pu.x * pv.y - pu.y * pv.x > 0) v = v * -1;
  return TextFrame{u, v};
}

}  // namespace vex3d
