// The outer walls and the bottom of a solid surface.
#include "body_draw.h"

namespace vex3d {
namespace {

// One wall from the surface edge between grid points p and q down to the
// bottom of the z axis, wound so that its outer side has a non-negative area.
void wall(BodyPass &pass, int pi, int pj, int qi, int qj) {
  const ProjectedGrid &grid = pass.state.grid;
  if (grid.hole(pi, pj) || grid.hole(qi, qj)) return;
  const GridValues &v = pass.values;
  const DevicePoint face[4] = {grid.at(pi, pj), grid.at(qi, qj), pass.project(v.x[qi], v.y[qj], pass.z_floor),
                               pass.project(v.x[pi], v.y[pj], pass.z_floor)};
  paint_face(pass, pass.painter, face, 4, COLOR_UNSET, COLOR_UNSET);
}

bool cell_has_hole(const ProjectedGrid &g, int i, int j) {
  return g.hole(i, j) || g.hole(i + 1, j) || g.hole(i, j + 1) || g.hole(i + 1, j + 1);
}

// The bottom under the cells that are drawn, one quadrilateral per run of
// such cells along a row, so that holes through the solid stay open.
void bottom(BodyPass &pass) {
  const ProjectedGrid &grid = pass.state.grid;
  const GridValues &v = pass.values;
  for (int j = 0; j + 1 < grid.ny; ++j)
    for (int i = 0; i + 1 < grid.nx;) {
      if (cell_has_hole(grid, i, j)) {
        ++i;
        continue;
      }
      int end = i + 1;
      while (end + 1 < grid.nx && !cell_has_hole(grid, end, j)) ++end;
      // P0 ... P3 as for a bar's horizontal face: seen from below it shows its underside.
      const DevicePoint face[4] = {
          pass.project(v.x[end], v.y[j], pass.z_floor), pass.project(v.x[i], v.y[j], pass.z_floor),
          pass.project(v.x[i], v.y[j + 1], pass.z_floor), pass.project(v.x[end], v.y[j + 1], pass.z_floor)};
      paint_face(pass, pass.painter, face, 4, COLOR_UNSET, COLOR_UNSET);
      i = end;
    }
}

}  // namespace

void draw_solid_skirt(BodyPass &pass) {
  const ProjectedGrid &grid = pass.state.grid;
  const int flags = pass.state.view_flags;
  const int last_i = grid.nx - 1, last_j = grid.ny - 1;
  if (grid.nx < 2 || grid.ny < 2) return;
  if (flags & kEyeBeyondXMax)
    for (int j = 0; j < last_j; ++j) wall(pass, last_i, j, last_i, j + 1);
  if (flags & kEyeBeyondXMin)
    for (int j = 0; j < last_j; ++j) wall(pass, 0, j + 1, 0, j);
  if (flags & kEyeBeyondYMax)
    for (int i = 0; i < last_i; ++i) wall(pass, i + 1, last_j, i, last_j);
  if (flags & kEyeBeyondYMin)
    for (int i = 0; i < last_i; ++i) wall(pass, i, 0, i + 1, 0);
  if (flags & kFloorFromBelow) bottom(pass);
}

}  // namespace vex3d
