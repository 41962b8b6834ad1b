// The levels in use: the user's table, or levels spread evenly inside the
// distribution range of the data.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "boundary.h"
#include "diagnostics.h"
#include "dtable.h"
#include "graph.h"
#include "levels.h"

namespace vex3d {
namespace {

// NUM_DISTN_LEVELS levels strictly inside the distribution range, neither
// end included; none when the range is empty or not known.
std::vector<double> computed_levels(const Vex3dGraph *graph) {
  double dmin = graph->ranges.distn_min, dmax = graph->ranges.distn_max;
  // No data yet leaves the range unset; a range that is not finite has no
  // even split either.
  if (dmin == VALUE_UNSET || dmax == VALUE_UNSET || !std::isfinite(dmin) || !std::isfinite(dmax)) return {};
  if (dmax < dmin) std::swap(dmin, dmax);
  const int n = dmax == dmin ? 0 : graph->num_distn_levels;
  if (n <= 0) return {};
  double step = (dmax - dmin) / (n + 1);
  // A range wider than the largest double still splits evenly: its halves,
  // and every level, fit.
  const bool wide = !std::isfinite(step);
  if (wide) step = dmax / (n + 1) - dmin / (n + 1);
  const auto level = [&](int k) { return wide ? 2 * (dmin / 2 + k * (step / 2)) : dmin + k * step; };
  const std::string format = level_format(dmin, dmax, step);
  std::vector<double> levels;
  levels.reserve(static_cast<std::size_t>(n));
  for (int k = 1; k <= n; ++k) levels.push_back(round_through_format(level(k), format));
  return levels;
}

}  // namespace

bool levels_from_table(const Vex3dGraph *graph) {
  return graph->distn_method == Vex3dDistnFromTable && graph->distn_table.present();
}

const std::vector<double> &levels_in_use(Vex3dGraph *graph) {
  ComputedLevels &in_use = graph->levels;
  if (!in_use.valid) {
    in_use.levels = levels_from_table(graph) ? graph->distn_table.levels() : computed_levels(graph);
    in_use.valid = true;
  }
  return in_use.levels;
}

int zone_index(const std::vector<double> &levels, double z) {
  // No level is greater than or equal to NaN.
  if (std::isnan(z)) return static_cast<int>(levels.size());
  return static_cast<int>(std::lower_bound(levels.begin(), levels.end(), z) - levels.begin());
}

LevelSpan legend_levels(Vex3dGraph *graph) {
  const std::vector<double> &levels = levels_in_use(graph);
  const int n = static_cast<int>(levels.size());
  LevelSpan span{0, n - 1};
  const double dmin = graph->ranges.distn_min, dmax = graph->ranges.distn_max;
  // Without data there is no range to narrow the table to.
  if (n == 0 || !levels_from_table(graph) || graph->legend_distn_range != Vex3dDistnRangeData || dmin == VALUE_UNSET ||
      dmax == VALUE_UNSET)
    return span;
  for (int i = 0; i < n && levels[static_cast<std::size_t>(i)] < dmin; ++i) span.first = i;
  for (int i = n - 1; i >= 0 && levels[static_cast<std::size_t>(i)] > dmax; --i) span.last = i;
  return span;
}

Vex3dDistnTable *make_distn_table(const std::vector<double> &levels, const char **failure) {
  auto *table = static_cast<Vex3dDistnTable *>(std::malloc(sizeof(Vex3dDistnTable)));
  if (!table) {
    *failure = "Can't allocate space for distribution table";
    return nullptr;
  }
  table->nlevels = static_cast<int>(levels.size());
  table->levels = static_cast<double *>(std::malloc(std::max<std::size_t>(levels.size(), 1) * sizeof(double)));
  if (!table->levels) {
    *failure = "Can't allocate space for distribution table entries";
    std::free(table);
    return nullptr;
  }
  table->levels[0] = 0;
  std::copy(levels.begin(), levels.end(), table->levels);
  return table;
}

}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dDistnTable *Vex3dGetDistnTable(Vex3dGraph *graph) {
  return guarded(__func__, [&]() -> Vex3dDistnTable * {
    if (!graph) return nullptr;
    // With DistnFromTable but no table the levels are computed, yet the caller
    // asked for the user's table: there is none to give.
    if (graph->distn_method == Vex3dDistnFromTable && !graph->distn_table.present()) return nullptr;
    const char *failure = nullptr;
    Vex3dDistnTable *table = make_distn_table(levels_in_use(graph), &failure);
    if (!table) message(nullptr, "%s", failure);
    return table;
  });
}

extern "C" const double *Vex3dLevelsInUse(Vex3dGraph *graph, int *count) {
  if (count) *count = 0;
  return guarded(__func__, [&]() -> const double * {
    if (!graph) return nullptr;
    const std::vector<double> &levels = levels_in_use(graph);
    if (count) *count = int(levels.size());
    return levels.empty() ? nullptr : levels.data();
  });
}

extern "C" void Vex3dFreeDistnTable(Vex3dDistnTable *table) {
  guarded(__func__, [&] {
    if (!table) return;
    std::free(table->levels);
    std::free(table);
  });
}

extern "C" int Vex3dCalcDistnIndex(Vex3dGraph *graph, double z) {
  return guarded(__func__, [&]() -> int {
    if (!graph) return 0;
    return zone_index(levels_in_use(graph), z);
  });
}
