// Contour lines and cell records of the peaks function on a 1000 x 1000
// grid, with 10 and with 100 levels. contour_vs_contourpy.py runs this beside
// matplotlib's contour generator on the same grid.
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "contour_result.h"

namespace {

double peaks(double x, double y) {
  return 3 * (1 - x) * (1 - x) * std::exp(-x * x - (y + 1) * (y + 1)) -
         10 * (x / 5 - x * x * x - std::pow(y, 5)) * std::exp(-x * x - y * y) -
         1.0 / 3 * std::exp(-(x + 1) * (x + 1) - y * y);
}

struct PeaksGrid {
  std::vector<double> coords;
  std::vector<std::vector<double>> values;
  std::vector<const double *> rows;
  double zmin = HUGE_VAL, zmax = -HUGE_VAL;

  explicit PeaksGrid(int n) : coords(static_cast<std::size_t>(n)), values(static_cast<std::size_t>(n)) {
    for (int k = 0; k < n; ++k) coords[std::size_t(k)] = -3.0 + 6.0 * k / (n - 1);
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        const double z = peaks(coords[std::size_t(i)], coords[std::size_t(j)]);
        values[std::size_t(i)].push_back(z);
        zmin = std::min(zmin, z);
        zmax = std::max(zmax, z);
      }
      rows.push_back(values[std::size_t(i)].data());
    }
  }
  vex3d::GridWindow window() const {
    const int n = int(coords.size());
    return {n, n, coords.data(), coords.data(), rows.data(), 1e308};
  }
};

// 10 levels: those of the peer workload (-6, -4.5, ..., 7.5). Otherwise
// evenly spaced strictly inside the data, as computed levels are.
std::vector<double> levels_for(const PeaksGrid &g, int n) {
  std::vector<double> levels;
  for (int k = 0; k < n; ++k)
    levels.push_back(n == 10 ? -6.0 + 1.5 * k : g.zmin + (k + 1) * (g.zmax - g.zmin) / (n + 1));
  return levels;
}

// The process's own peak resident memory (VmHWM); unlike getrusage it does
// not count what the process that started this program had before exec.
double peak_resident_mb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

void BM_ContourLinesAndCells(benchmark::State &state) {
  const PeaksGrid grid(int(state.range(0)));
  const std::vector<double> levels = levels_for(grid, int(state.range(1)));
  const vex3d::GridWindow window = grid.window();
  vex3d::ContourResult result;
  for (auto _ : state) {
    vex3d::compute_contours({window, nullptr, levels, true}, result);
    benchmark::DoNotOptimize(result.segments.data());
  }
  state.counters["segments"] = double(result.segments.size());
  state.counters["polylines"] = double(result.lines.size());
  state.counters["points"] = double(result.points.size());
  state.counters["peak_rss_mb"] = peak_resident_mb();
}
BENCHMARK(BM_ContourLinesAndCells)->Args({1000, 10})->Args({1000, 100})->Unit(benchmark::kMillisecond);

}  // namespace
