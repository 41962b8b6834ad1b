/* The README's example: a chart of z = f(x, y) drawn into a PNG file by an
 * application that knows the engine only through its installed package.
 * Usage: outside_chart OUT.png */
#include <math.h>
#include <stdio.h>

#include <torvane3d/data.h>
#include <torvane3d/page.h>
#include <torvane3d/restable.h>

int main(int argc, char **argv) {
  if (argc != 2) return 2;
  /* 40 x 40 values of a bump over [-2, 2] x [-2, 2]. */
  Vex3dData *data = Vex3dDataCreateGrid(40, 40, 1e308, 0.1, 0.1, -2, -2, 1);
  for (int i = 0; i < 40; ++i)
    for (int j = 0; j < 40; ++j) {
      const double x = -2 + 0.1 * i, y = -2 + 0.1 * j;
      data->grid.values[i][j] = exp(-x * x - y * y) * cos(2 * x);
    }
  const char *header[] = {"A bump", NULL};
  Vex3dGraph *graph = Vex3dCreateGraph();
  Vex3dSetValues(graph, VEX3D_WIDTH, 640, VEX3D_HEIGHT, 480, VEX3D_SURFACE_DATA, data, VEX3D_DRAW_ZONES, 1,
                 VEX3D_DRAW_SHADED, 1, VEX3D_HEADER_STRINGS, header, VEX3D_LEGEND_STYLE, Vex3dLegendStyleStepped, 0);
  char error[VEX3D_ERROR_SIZE];
  const int written = Vex3dWritePagePng(graph, argv[1], error);
  if (!written) fprintf(stderr, "%s\n", error);

  /* The layout is readable as resources; the legend lists the zones. */
  Vex3dLayOutPage(graph);
  int legend_width = 0;
  Vex3dGetValues(graph, VEX3D_LEGEND_WIDTH, &legend_width, 0);
  const int ok = written && legend_width > 0 && Vex3dLegendKind(graph) == VEX3D_LEGEND_STEPPED_ZONES &&
                 Vex3dLegendEntryCount(graph) == 11;
  Vex3dDestroyGraph(graph);
  Vex3dDataDestroy(data, 1);
  return ok ? 0 : 1;
}
