// Picking through the public calls: a pixel to its data coordinate on a
// 2000 x 2000 surface (target: under 0.1 ms a pick, whatever the pixel, since
// the line of sight walks only the cells it crosses), the nearest grid
// point on the same surface, and a sweep over every pixel of an 800 x 600
// chart of a 300 x 300 surface, from three dimensions and on a flat map.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

#include "data.h"
#include "page.h"
#include "pick.h"
#include "restable.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

struct Chart {
  explicit Chart(int n, bool flat = false) : graph(Vex3dCreateGraph()) {
    data = Vex3dDataCreateGrid(n, n, 1e308, 1, 1, 0, 0, 1);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) {
        const double x = 6.0 * i / n - 3, y = 6.0 * j / n - 3;
        data->grid.values[i][j] = 3 * std::exp(-x * x - y * y) + std::sin(3 * x) * std::cos(2 * y);
      }
    Vex3dSetValues(graph, VEX3D_REPAINT, 0, VEX3D_WIDTH, kWidth, VEX3D_HEIGHT, kHeight, VEX3D_SURFACE_DATA, data,
                   VEX3D_DRAW_SHADED, flat ? 0 : 1, VEX3D_DRAW_MESH, 0, 0);
    // Picking answers from the view and the grid the last drawing left.
    Vex3dDrawContext *picture = Vex3dCreateRasterContext(kWidth, kHeight);
    Vex3dDrawPage(graph, picture, VEX3D_CHANGE_ALL);
    Vex3dDestroyDrawContext(picture);
  }
  ~Chart() {
    Vex3dDestroyGraph(graph);
    Vex3dDataDestroy(data, 1);
  }
  Vex3dGraph *graph;
  Vex3dData *data;
};

// Pixels spread over the whole picture, on the surface and off it.
std::vector<std::pair<int, int>> spread_pixels() {
  std::vector<std::pair<int, int>> pixels;
  for (int y = 7; y < kHeight; y += 37)
    for (int x = 11; x < kWidth; x += 41) pixels.push_back({x, y});
  return pixels;
}

// The first pick after a drawing gathers the grid's heights into blocks
// once; it is timed on its own, and the benchmark times the picks after it.
struct Surface2000 {
  Surface2000() : chart(2000) {
    const auto start = std::chrono::steady_clock::now();
    Vex3dPixelToDataCoord(chart.graph, kWidth / 2, kHeight / 2);
    first_pick_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    for (const auto &p : spread_pixels())
      if (Vex3dPixelToDataCoord(chart.graph, p.first, p.second).z != VALUE_UNSET) on_surface.push_back(p);
  }
  Chart chart;
  double first_pick_ms = 0;
  std::vector<std::pair<int, int>> on_surface;
};

Surface2000 &surface2000() {
  static Surface2000 surface;
  return surface;
}

template <bool kOnSurface>
void BM_PixelToDataCoord2000(benchmark::State &state) {
  Surface2000 &s = surface2000();
  const auto pixels = kOnSurface ? s.on_surface : spread_pixels();
  std::size_t k = 0;
  for (auto _ : state) {
    const auto [x, y] = pixels[k++ % pixels.size()];
    benchmark::DoNotOptimize(Vex3dPixelToDataCoord(s.chart.graph, x, y));
  }
  state.counters["pixels"] = double(pixels.size());
  state.counters["first_pick_ms"] = s.first_pick_ms;
}
BENCHMARK(BM_PixelToDataCoord2000<false>)->Name("BM_PixelToDataCoord2000/anywhere")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PixelToDataCoord2000<true>)->Name("BM_PixelToDataCoord2000/on_surface")->Unit(benchmark::kMicrosecond);

// The nearest grid point looks at every cell the line of sight crosses.
void BM_PixelToDataIndex2000(benchmark::State &state) {
  Surface2000 &s = surface2000();
  std::size_t k = 0;
  for (auto _ : state) {
    const auto [x, y] = s.on_surface[k++ % s.on_surface.size()];
    benchmark::DoNotOptimize(Vex3dPixelToDataIndex(s.chart.graph, x, y));
  }
}
BENCHMARK(BM_PixelToDataIndex2000)->Unit(benchmark::kMicrosecond);

// Every pixel of the chart, once per iteration.
template <bool kFlat, bool kIndex>
void BM_SweepEveryPixel300(benchmark::State &state) {
  static Chart chart(300, kFlat);
  long picks = 0;
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        if constexpr (kIndex)
          benchmark::DoNotOptimize(Vex3dPixelToDataIndex(chart.graph, x, y));
        else
          benchmark::DoNotOptimize(Vex3dPixelToDataCoord(chart.graph, x, y));
      }
    picks += kWidth * kHeight;
  }
  state.SetItemsProcessed(picks);
}
BENCHMARK(BM_SweepEveryPixel300<false, false>)->Name("BM_SweepDataCoord300/3d")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SweepEveryPixel300<false, true>)->Name("BM_SweepDataIndex300/3d")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SweepEveryPixel300<true, false>)->Name("BM_SweepDataCoord300/flat")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SweepEveryPixel300<true, true>)->Name("BM_SweepDataIndex300/flat")->Unit(benchmark::kMillisecond);

}  // namespace
