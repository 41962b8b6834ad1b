/* The engine from C: the public headers compile as C11, and a graph can be
 * created, set, read and destroyed through them. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "c_check.h"
#include "draw_codes.h"
#include "restable.h"

int main(void) {
  Vex3dGraph *graph = Vex3dCreateGraph();
  CHECK(graph != NULL);
  Vex3dSetValues(graph, VEX3D_ZMIN, 5.0, VEX3D_TYPE, Vex3dTypeBar, VEX3D_NAME, "from C", 0);
  double zmin = 0;
  int type = -1, use_default = -1;
  const char *name = NULL;
  Vex3dGetValues(graph, VEX3D_ZMIN, &zmin, VEX3D_TYPE, &type, VEX3D_ZMIN_USE_DEFAULT, &use_default, VEX3D_NAME, &name,
                 0);
  CHECK(zmin == 5.0);
  /* The drawing codes are C too: a full turn is 360 degrees of 1/64. */
  CHECK(VEX3D_ANGLE_FULL_TURN == 23040 && VEX3D_CAP_ROUND == 3);
  CHECK(type == Vex3dTypeBar);
  CHECK(use_default == 0);
  CHECK(name != NULL && strcmp(name, "from C") == 0);
  char *text = NULL;
  CHECK(Vex3dSetValueString(graph, VEX3D_BACKGROUND_COLOR, "Coral"));
  CHECK(Vex3dGetValueString(graph, VEX3D_BACKGROUND_COLOR, &text));
  CHECK(text != NULL && strcmp(text, "#ff7f50") == 0);
  free(text);
  Vex3dText *label = Vex3dCreateText(graph);
  Vex3dTextSetValues(label, VEX3D_TEXT_ATTACH_POINT_X, 1.5, 0);
  double x = 0;
  Vex3dTextGetValues(label, VEX3D_TEXT_ATTACH_POINT_X, &x, 0);
  CHECK(x == 1.5);
  Vex3dDestroyGraph(graph);
  return failures == 0 ? 0 : 1;
}
