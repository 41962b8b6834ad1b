// Resampling and smoothing large grids: a 1000 x 1000 grid onto 2000 x 2000
// points with linear and cubic splines, and one smoothing pass over a
// 2000 x 2000 grid. zeval_vs_scipy.py runs these beside SciPy.
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <string>

#include "data.h"
#include "methods.h"

namespace {

// The process's own peak resident memory (VmHWM).
double peak_resident_mb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

// The peaks function on an n x n grid over [-3, 3] x [-3, 3].
Vex3dData *peaks_grid(int n) {
  const double step = 6.0 / (n - 1);
  Vex3dData *d = Vex3dDataCreateGrid(n, n, -99, step, step, -3, -3, 1);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      const double x = -3 + i * step, y = -3 + j * step;
      d->grid.values[i][j] = 3 * (1 - x) * (1 - x) * std::exp(-x * x - (y + 1) * (y + 1)) -
                             10 * (x / 5 - x * x * x - std::pow(y, 5)) * std::exp(-x * x - y * y) -
                             std::exp(-(x + 1) * (x + 1) - y * y) / 3;
    }
  return d;
}

// range(0): old points per side, range(1): new points per side, range(2): method.
void BM_Resample(benchmark::State &state) {
  const int n = int(state.range(0)), m = int(state.range(1)), method = int(state.range(2));
  Vex3dData *grid = peaks_grid(n);
  for (auto _ : state) {
    Vex3dData *out = Vex3dDataWindow(grid, -3, -3, 3, 3, m, m, method);
    benchmark::DoNotOptimize(out->grid.values[m / 2][m / 3]);
    Vex3dDataDestroy(out, 1);
  }
  Vex3dDataDestroy(grid, 1);
  state.counters["points"] = double(m) * m;
  state.counters["input_output_mb"] = (double(n) * n + double(m) * m) * sizeof(double) / (1024.0 * 1024.0);
  state.counters["peak_rss_mb"] = peak_resident_mb();
}
BENCHMARK(BM_Resample)
    ->Args({1000, 2000, VEX3D_INTERPOLATE_LINEAR_SPLINE})
    ->Args({1000, 2000, VEX3D_INTERPOLATE_CUBIC_SPLINE})
    ->Unit(benchmark::kMillisecond);

// range(0): points per side. The grid is smoothed in place again and again;
// the time of a pass does not depend on the values.
void BM_Smooth(benchmark::State &state) {
  const int n = int(state.range(0));
  Vex3dData *grid = peaks_grid(n);
  for (auto _ : state) {
    Vex3dDataSmooth(grid, 0.5);
    benchmark::DoNotOptimize(grid->grid.values[n / 2][n / 3]);
  }
  Vex3dDataDestroy(grid, 1);
  state.counters["input_output_mb"] = double(n) * n * sizeof(double) / (1024.0 * 1024.0);
  state.counters["peak_rss_mb"] = peak_resident_mb();
}
BENCHMARK(BM_Smooth)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
