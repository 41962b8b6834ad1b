/* The installed headers compile as C (the drawing codes too). */
#include <torvane3d/draw_codes.h>
#include <torvane3d/restable.h>

int main(void) {
  Vex3dGraph *graph = Vex3dCreateGraph();
  int type = -1;
  Vex3dSetValues(graph, VEX3D_TYPE, Vex3dTypeScatter, 0);
  Vex3dGetValues(graph, VEX3D_TYPE, &type, 0);
  Vex3dDestroyGraph(graph);
  return type == Vex3dTypeScatter ? 0 : 1;
}
