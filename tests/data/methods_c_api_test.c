/* Z evaluation and the grids made from grids, from C: methods.h compiles as
 * C11 and its operations work through it. */
#include <math.h>

#include "c_check.h"
#include "data.h"
#include "methods.h"
#include "restable.h"

int main(void) {
  /* z = 1 + x + 2y on a 3 x 3 grid from (0, 0) by 1. */
  Vex3dData *grid = Vex3dDataCreateGrid(3, 3, -99, 1, 1, 0, 0, 1);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) grid->grid.values[i][j] = 1 + i + 2 * j;

  Vex3dGraph *graph = Vex3dCreateGraph();
  Vex3dSetValues(graph, VEX3D_REPAINT, 0, VEX3D_SURFACE_DATA, grid, 0);
  CHECK(Vex3dZInterpolate(graph, 0.5, 1.5) == 1 + 0.5 + 3);
  CHECK(Vex3dZInterpolate(graph, 4, 0) == VALUE_UNSET);
  CHECK(Vex3dComputeZValue(graph, 9, 9, 0, 0) == -99);
  Vex3dDestroyGraph(graph);

  Vex3dData *fine = Vex3dDataWindow(grid, 0, 0, 2, 2, 5, 5, VEX3D_INTERPOLATE_CUBIC_SPLINE);
  CHECK(fine != NULL && fine->grid.numx == 5 && fabs(fine->grid.values[1][3] - (1 + 0.5 + 3)) < 1e-12);
  Vex3dDataDestroy(fine, 1);

  Vex3dData *light = Vex3dDataShaded(grid, 0, 90, 1, 0, 1);
  CHECK(light != NULL && light->grid.hole == VEX3D_SHADED_HOLE);
  CHECK(light != NULL && fabs(light->grid.values[1][1] - 1 / sqrt(6.0)) < 1e-12);
  Vex3dDataDestroy(light, 1);

  Vex3dDataSmooth(grid, 0.5);
  CHECK(fabs(grid->grid.values[1][1] - 4) < 1e-12);
  Vex3dDataDestroy(grid, 1);
  return failures ? 1 : 0;
}
