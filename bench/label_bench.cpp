// Chart labels on a large page: the peer workload W2 (peaks on 300 x 300,
// shaded, zoned, contoured, zones and contour lines on the floor, z from -8
// to 9, 1000 x 800) drawn whole with no data labels and with 100 of them
// spread over the surface, each a boxed two-line text with a connecting
// line. The labelled page should cost at most 1.2 times the plain one.
#include <benchmark/benchmark.h>

#include <cmath>

#include "data.h"
#include "page.h"
#include "restable.h"

namespace {

constexpr int kGrid = 300;

struct Page {
  explicit Page(int labels) {
    const double step = 6.0 / (kGrid - 1);
    data = Vex3dDataCreateGrid(kGrid, kGrid, 1e308, step, step, -3, -3, 1);
    for (int i = 0; i < kGrid; ++i)
      for (int j = 0; j < kGrid; ++j) {
        const double x = -3 + i * step, y = -3 + j * step;
        data->grid.values[i][j] = 3 * (1 - x) * (1 - x) * std::exp(-x * x - (y + 1) * (y + 1)) -
                                  10 * (x / 5 - x * x * x - std::pow(y, 5)) * std::exp(-x * x - y * y) -
                                  std::exp(-(x + 1) * (x + 1) - y * y) / 3;
      }
    static const char *const header[] = {"Peaks", nullptr};
    static const char *const text[] = {"Label", "here", nullptr};
    graph = Vex3dCreateGraph();
    Vex3dSetValues(graph, VEX3D_REPAINT, 0, VEX3D_WIDTH, 1000, VEX3D_HEIGHT, 800, VEX3D_SURFACE_DATA, data,
                   VEX3D_DRAW_SHADED, 1, VEX3D_DRAW_ZONES, 1, VEX3D_DRAW_CONTOURS, 1, VEX3D_PROJECT_ZMIN,
                   Vex3dProjectContours | Vex3dProjectZones, VEX3D_ZMIN, -8.0, VEX3D_ZMAX, 9.0, VEX3D_XROTATION, 60.0,
                   VEX3D_ZROTATION, 30.0, VEX3D_HEADER_STRINGS, header, 0);
    for (int k = 0; k < labels; ++k) {
      Vex3dText *label = Vex3dCreateText(graph);
      Vex3dTextSetValues(label, VEX3D_TEXT_STRINGS, text, VEX3D_TEXT_ATTACH_METHOD, Vex3dAttachPoint,
                         VEX3D_TEXT_ATTACH_POINT_X, -2.7 + 0.6 * (k % 10), VEX3D_TEXT_ATTACH_POINT_Y,
                         -2.7 + 0.6 * (k / 10), VEX3D_TEXT_ATTACH_POINT_Z, 1e308, VEX3D_TEXT_OFFSET_X, 20,
                         VEX3D_TEXT_OFFSET_Y, -15, VEX3D_TEXT_LINE_SHOW, 1, VEX3D_TEXT_BACKGROUND_COLOR, 0xFFFFFF, 0);
    }
    raster = Vex3dCreateRasterContext(1000, 800);
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

void BM_W2Page(benchmark::State &state) {
  Page page(static_cast<int>(state.range(0)));
  for (auto _ : state) Vex3dDrawPage(page.graph, page.raster, VEX3D_CHANGE_ALL);
}
BENCHMARK(BM_W2Page)->Arg(0)->Arg(100)->ArgName("labels")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
