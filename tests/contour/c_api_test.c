/* The levels, styles and per-cell colours from C: the headers compile as C11
 * and the operations work through them. */
#include <stdio.h>

#include "ctable.h"
#include "dtable.h"
#include "restable.h"
#include "xycolors.h"

static int failures = 0;
#define CHECK(cond)                                              \
  do {                                                           \
    if (!(cond)) {                                               \
      fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #cond); \
      ++failures;                                                \
    }                                                            \
  } while (0)

int main(void) {
  Vex3dGraph *graph = Vex3dCreateGraph();
  double levels[] = {3, 1, 2};
  Vex3dDistnTable table = {3, levels};
  Vex3dSetValues(graph, VEX3D_DISTN_TABLE, &table, VEX3D_DISTN_METHOD, Vex3dDistnFromTable, 0);
  Vex3dDistnTable *in_use = Vex3dGetDistnTable(graph);
  CHECK(in_use != NULL && in_use->nlevels == 3 && in_use->levels[0] == 1);
  Vex3dFreeDistnTable(in_use);
  CHECK(Vex3dCalcDistnIndex(graph, 2.5) == 2);

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
  Vex3dDestroyGraph(graph);
  return failures == 0 ? 0 : 1;
}
