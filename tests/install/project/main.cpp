// An application that knows the engine only through its installed package.
#include <torvane3d/restable.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main() {
  Vex3dGraph *graph = Vex3dCreateGraph();
  if (!graph) return 1;
  Vex3dSetValues(graph, VEX3D_NUM_DISTN_LEVELS, 4, VEX3D_XROTATION, 30.0, VEX3D_HEADER_STRINGS, nullptr, 0);
  int levels = 0;
  double rotation = 0;
  Vex3dGetValues(graph, VEX3D_NUM_DISTN_LEVELS, &levels, VEX3D_XROTATION, &rotation, 0);
  char *color = nullptr;
  const bool ok = Vex3dSetValueString(graph, VEX3D_BACKGROUND_COLOR, "LightGray") &&
                  Vex3dGetValueString(graph, VEX3D_BACKGROUND_COLOR, &color) && std::strcmp(color, "#d3d3d3") == 0 &&
                  levels == 4 && rotation == 30.0;
  std::free(color);
  Vex3dDestroyGraph(graph);
  std::puts(ok ? "outside application: ok" : "outside application: wrong values");
  return ok ? 0 : 1;
}
