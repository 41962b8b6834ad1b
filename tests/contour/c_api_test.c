/* The levels, styles, per-cell colours and contours from C: the headers
 * compile as C11 and the operations work through them. */
#include <stdio.h>

#include "c_check.h"
#include "contour.h"
#include "ctable.h"
#include "data.h"
#include "dtable.h"
#include "restable.h"
#include "xycolors.h"

int main(void) {
  Vex3dGraph *graph = Vex3dCreateGraph();
  double levels[] = {3, 1, 2};
  Vex3dDistnTable table = {3, levels};
  Vex3dSetValues(graph, VEX3D_DISTN_TABLE, &table, VEX3D_DISTN_METHOD, Vex3dDistnFromTable, 0);
  Vex3dDistnTable *in_use = Vex3dGetDistnTable(graph);
  CHECK(in_use != NULL && in_use->nlevels == 3 && in_use->levels[0] == 1);
  Vex3dFreeDistnTable(in_use);
  CHECK(Vex3dCalcDistnIndex(graph, 2.5) == 2);
  int count = 0;
  const double *own = Vex3dLevelsInUse(graph, &count);
  CHECK(count == 3 && own[2] == 3);
  CHECK(Vex3dLevelStyleIndex(graph, 3) == 99);

  const Vex3dContourStyle *last = get_cstyle(graph, 3, 1);
  CHECK(last != NULL && last->fill_color == 0x090BFF);
  Vex3dContourStyle red = {0x0000FF, 0, 2, Vex3dLpatDotted};
  set_cstyle(graph, 0, &red, 0);
  CHECK(get_cstyle(graph, 0, 0)->line_width == 2);
  Vex3dResetContourStyles(graph);
  CHECK(get_cstyle(graph, 0, 0)->line_width == 1);

  Vex3dSetXYColor(graph, 1, -1, 0x00FF00);
  CHECK(Vex3dGetXYColor(graph, 1, 7) == 0x00FF00);
  CHECK(Vex3dGetXYColor(graph, 2, 7) == -1);

  /* z = x over a 4 x 3 grid: the level 2.5 crosses each of the 2 rows of cells once. */
  Vex3dData *grid = Vex3dDataCreateGrid(4, 3, -99, 1, 1, 0, 0, 1);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 3; ++j) grid->grid.values[i][j] = i;
  double between[] = {1.5, 2.5};
  Vex3dDistnTable crossing = {2, between};
  Vex3dSetValues(graph, VEX3D_SURFACE_DATA, grid, VEX3D_DISTN_TABLE, &crossing, VEX3D_DRAW_CONTOURS, 1, 0);
  Vex3dData *lines = Vex3dDataContours(graph, 1, 1, 1);
  CHECK(lines != NULL && lines->point.nseries == 1 && lines->point.series[0].npoints == 2);
  CHECK(lines != NULL && lines->point.series[0].points[0].x == 2.5);
  Vex3dDataDestroy(lines, 1);
  Vex3dDestroyGraph(graph);
  Vex3dDataDestroy(grid, 1);
  return failures == 0 ? 0 : 1;
}
