// The page drawing through the public face: a full redraw of a 1000 x 1000
// page (header, legend, a zoned and meshed surface of 200 x 200 points)
// beside a partial redraw of the legend alone, which should cost under 5 %
// of the full one.
#include <benchmark/benchmark.h>

#include <cmath>

#include "data.h"
#include "page.h"
#include "restable.h"

namespace {

struct Page {
  Page() {
    constexpr int n = 200;
    const double step = 6.0 / (n - 1);
    data = Vex3dDataCreateGrid(n, n, 1e308, step, step, -3, -3, 1);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) {
        const double x = -3 + i * step, y = -3 + j * step;
        data->grid.values[i][j] = std::sin(x) * std::cos(y) * 4 + x;
      }
    static const char *const header[] = {"Peaks", nullptr};
    graph = Vex3dCreateGraph();
    Vex3dSetValues(graph, VEX3D_REPAINT, 0, VEX3D_WIDTH, 1000, VEX3D_HEIGHT, 1000, VEX3D_SURFACE_DATA, data,
                   VEX3D_DRAW_ZONES, 1, VEX3D_DRAW_SHADED, 1, VEX3D_DRAW_CONTOURS, 1, VEX3D_HEADER_STRINGS, header,
                   VEX3D_LEGEND_STYLE, Vex3dLegendStyleStepped, 0);
    raster = Vex3dCreateRasterContext(1000, 1000);
    Vex3dDrawPage(graph, raster, VEX3D_CHANGE_ALL);
  }
  ~Page() {
    Vex3dDestroyDrawContext(raster);
    Vex3dDestroyGraph(graph);
    Vex3dDataDestroy(data, 1);
  }
  Vex3dData *data = nullptr;
  Vex3dGraph *graph = nullptr;
  Vex3dDrawContext *raster = nullptr;
};

void BM_FullPage(benchmark::State &state) {
  Page page;
  for (auto _ : state) Vex3dDrawPage(page.graph, page.raster, VEX3D_CHANGE_ALL);
}
BENCHMARK(BM_FullPage)->Unit(benchmark::kMillisecond);

void BM_LegendAlone(benchmark::State &state) {
  Page page;
  for (auto _ : state) Vex3dDrawPage(page.graph, page.raster, VEX3D_CHANGE_LEGEND);
}
BENCHMARK(BM_LegendAlone)->Unit(benchmark::kMillisecond);

}  // namespace
