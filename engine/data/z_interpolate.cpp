// Vex3dZInterpolate: the height of the surface grid at any point inside it.
#include <algorithm>
#include <cstdio>
#include <string>

#include "boundary.h"
#include "diagnostics.h"
#include "graph.h"
#include "methods.h"
#include "ranges.h"

namespace vex3d {
namespace {

bool is_grid(const Vex3dDataInfo &info) { return info.type == VEX3D_DATA_GRID || info.type == VEX3D_DATA_IRGRID; }

// Why the height cannot be had at (x, y), or "" when it can.
std::string refusal(const Vex3dGraph &graph, double x, double y) {
  const Vex3dDataInfo &info = graph.surface_info;
  std::string text;
  if (!is_grid(info) || !info.valid || info.empty || !info.xgrid || !info.ygrid) {
    text = "\nNo valid surface grid!";
  } else if (!(info.xgrid[0] <= x && x <= info.xgrid[info.numx - 1] && info.ygrid[0] <= y &&
               y <= info.ygrid[info.numy - 1])) {
    char outside[128];
    std::snprintf(outside, sizeof outside, "\nPoint --> (%G,%G) not inside xy-grid!", x, y);
    text = outside;
  }
  if (graph.type != Vex3dTypeSurface) text += "\nData must be of type VEX3D_TYPE_SURFACE!";
  return text;
}

// The cell of v among n grid lines: its lower line, the last cell on the last
// line; with a single line the "cell" is that line alone.
int cell_of(double v, const double *grid, int n) {
  const int i = locate(v, grid, n);
  return i == n - 1 && n > 1 ? i - 1 : i;
}

// z0 + (v - v0) * (z1 - z0) / (v1 - v0) as the interpolation is written, so
// that v == v0 gives z0 exactly; a single grid line (v1 == v0) gives z0.
double along(double z0, double z1, double v, const double *grid, int lower, int upper) {
  if (lower == upper) return z0;
  return z0 + (v - grid[lower]) * (z1 - z0) / (grid[upper] - grid[lower]);
}

}  // namespace

double grid_height(const Vex3dDataInfo &info, double x, double y) {
  if (!is_grid(info) || !info.valid || info.empty || !info.xgrid || !info.ygrid || !info.values) return VALUE_UNSET;
  if (!(info.xgrid[0] <= x && x <= info.xgrid[info.numx - 1] && info.ygrid[0] <= y && y <= info.ygrid[info.numy - 1]))
    return VALUE_UNSET;
  const int i = cell_of(x, info.xgrid, info.numx), j = cell_of(y, info.ygrid, info.numy);
  const int i1 = std::min(i + 1, info.numx - 1), j1 = std::min(j + 1, info.numy - 1);
  double *const *z = info.values;
  const double hole = info.hole;
  if (z[i][j] == hole || z[i1][j] == hole || z[i][j1] == hole || z[i1][j1] == hole) return hole;
  const double low = along(z[i][j], z[i1][j], x, info.xgrid, i, i1);
  const double high = along(z[i][j1], z[i1][j1], x, info.xgrid, i, i1);
  return along(low, high, y, info.ygrid, j, j1);
}

}  // namespace vex3d

using namespace vex3d;

extern "C" double Vex3dZInterpolate(Vex3dGraph *graph, double x, double y) {
  return guarded(
      __func__,
      [&]() -> double {
        if (!graph) return 0;
        const Vex3dDataInfo &info = graph->surface_info;
        if (info.type == VEX3D_POINT) return info.hole;
        if (const std::string text = refusal(*graph, x, y); !text.empty()) {
          message(graph, "Vex3dZInterpolate: %s\n", text.c_str());
          return VALUE_UNSET;
        }
        return grid_height(info, x, y);
      },
      VALUE_UNSET);
}
