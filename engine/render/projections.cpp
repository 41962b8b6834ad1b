// Zones and contour lines projected on the floor and the ceiling of the cube.
#include "projections.h"

#include "body.h"
#include "body_pass.h"
#include "cube_tables.h"
#include "draw_contours.h"
#include "graph_contours.h"

namespace vex3d {

bool seen_from_inside(const ViewState &view, CubePlane plane) {
  const CubeFace &face = kCubeFaces[plane == CubePlane::kFloor ? 4 : 5];
  // The face's corners in reverse order turn clockwise on the device when seen from inside.
  Point4 p[4];
  for (int k = 0; k < 4; ++k) {
    const CubeCorner &c = kCubeCorners[face.corners[3 - k]];
    p[k] = transform_point(view.cube_to_device,
                           Point4{c.c[0] * view.half[0], c.c[1] * view.half[1], c.c[2] * view.half[2], 1});
  }
  double area = 0;
  for (int k = 0; k < 4; ++k) area += p[k].x * p[(k + 1) % 4].y - p[(k + 1) % 4].x * p[k].y;
  return area < 0;
}

void draw_projection(BodyPass &pass, CubePlane plane, int what) {
  Vex3dGraph *graph = pass.graph;
  if (!(what & (Vex3dProjectContours | Vex3dProjectZones)) || !current_contours(graph)) return;
  // Every point lands on the plane: the normalisation keeps x and y and
  // puts z at the plane's height in the cube.
  Matrix onto = pass.view.normalize;
  onto.m[2][0] = onto.m[2][1] = onto.m[2][2] = 0;
  onto.m[2][3] = plane == CubePlane::kFloor ? -pass.view.half[2] : pass.view.half[2];
  Matrix transform;
  multiply(pass.view.cube_to_device, onto, transform);

  ProjectedGrid &flat = pass.state.plane_grid;
  project_grid(graph, transform, false, flat);  // the zone pass visits x index outermost
  project_contour_points(graph, transform);
  if (what & Vex3dProjectZones)
    fill_all_zones(
        graph,
        [&](int i, int j) {
          const DevicePoint p = flat.at(i, j);
          return ScreenPoint{p.x, p.y};
        },
        nullptr);
  if (what & Vex3dProjectContours) draw_contour_lines(graph);
  project_contour_points(graph, pass.view.transform);
}

}  // namespace vex3d
