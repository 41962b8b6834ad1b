// Vex3dDataShaded: the light a grid's surface reflects, as a new data set of
// the same layout, for colouring a surface or a map by its relief.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "boundary.h"
#include "data.h"
#include "diagnostics.h"
#include "methods.h"
#include "prepare.h"
#include "validate.h"

namespace vex3d {
namespace {

// The difference of z along one direction at grid line k: towards the next
// line, or from the previous one on the last line; with the spacing of that
// interval.
struct Difference {
  int lower;  // the interval [lower, lower + 1]
  double spacing;
};

Difference difference_at(const double *grid, int n, int k) {
  const int lower = k < n - 1 ? k : k - 1;
  return {lower, grid[lower + 1] - grid[lower]};
}

double clamp01(double v) { return v > 0 ? (v < 1 ? v : 1) : 0; }  // NaN gives 0

// The slopes at (i, j), or false when a value involved is a hole.
bool slopes_at(const Vex3dDataInfo &g, int i, int j, double &dz_x, double &dz_y, double &hx, double &hy) {
  const Difference x = difference_at(g.xgrid, g.numx, i), y = difference_at(g.ygrid, g.numy, j);
  const double x0 = g.values[x.lower][j], x1 = g.values[x.lower + 1][j];
  const double y0 = g.values[i][y.lower], y1 = g.values[i][y.lower + 1];
  if (x0 == g.hole || x1 == g.hole || y0 == g.hole || y1 == g.hole) return false;
  dz_x = x1 - x0, dz_y = y1 - y0, hx = x.spacing, hy = y.spacing;
  return true;
}

// The scale of a grid's relief when none is given: sqrt(3) times the mean,
// over the points whose differences have no hole, of the two slopes' sizes.
// Sizes, not signed slopes: on a surface that rises and falls the signed
// slopes cancel (to 0.03 on the peaks grid, against 5.9 for the sizes), and a
// scale near 0 turns every normal sideways and the relief into two tones.
// Where no point has its differences, or the mean is 0 or no number (flat
// ground, whose normals would otherwise vanish), the heights are taken as
// they are: 1.
double automatic_scale(const Vex3dDataInfo &g) {
  double sum = 0;
  long count = 0;
  for (int i = 0; i < g.numx; ++i)
    for (int j = 0; j < g.numy; ++j) {
      double dz_x, dz_y, hx, hy;
      if (!slopes_at(g, i, j, dz_x, dz_y, hx, hy)) continue;
      sum += std::abs(dz_y / hy) + std::abs(dz_x / hx);
      ++count;
    }
  const double scale = count ? std::sqrt(3.0) * sum / double(count) : 0;
  return scale != 0 && std::isfinite(scale) ? scale : 1;
}

// An empty data set of the grid's layout, counts and coordinates.
Vex3dData *same_layout(const Vex3dData &data) {
  if (data.type == VEX3D_DATA_GRID) {
    const Vex3dGridData &g = data.grid;
    return Vex3dDataCreateGrid(g.numx, g.numy, VEX3D_SHADED_HOLE, g.xstep, g.ystep, g.xorig, g.yorig, 1);
  }
  const Vex3dIrGridData &g = data.irgrid;
  Vex3dData *out = Vex3dDataCreateIrGrid(g.numx, g.numy, VEX3D_SHADED_HOLE, 1);
  if (!out) return nullptr;
  std::copy(g.xgrid, g.xgrid + g.numx, out->irgrid.xgrid);
  std::copy(g.ygrid, g.ygrid + g.numy, out->irgrid.ygrid);
  return out;
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dData *Vex3dDataShaded(const Vex3dData *data, double sweep, double rise, double scale, double ambient,
                                      double intensity) {
  return guarded(__func__, [&]() -> Vex3dData * {
    if (!data) return nullptr;
    if (data->type != VEX3D_DATA_GRID && data->type != VEX3D_DATA_IRGRID) {
      message(nullptr, "Need grid or irregular grid data\n");
      return nullptr;
    }
    if (const std::string problem = data_set_problem(*data); !problem.empty()) {
      message(nullptr, "Vex3dDataShaded: %s!\n", problem.c_str());
      return nullptr;
    }
    Vex3dDataInfo g;
    prepare_data_info(g, data, true);
    if (g.numx < 2 || g.numy < 2) {
      message(nullptr, "Grid too small: need at least 2x2 grid.\n");
      return nullptr;
    }
    Vex3dData *out = same_layout(*data);
    if (!out) {
      message(nullptr, "Can't create second data set\n");
      return nullptr;
    }
    ambient = clamp01(ambient);
    intensity = clamp01(intensity);
    constexpr double kRadians = std::numbers::pi / 180;
    const double sweep_r = sweep * kRadians, rise_r = rise * kRadians;
    const double light[3] = {std::cos(rise_r) * std::cos(sweep_r), std::cos(rise_r) * std::sin(sweep_r),
                             std::sin(rise_r)};
    if (scale == 0 || !std::isfinite(scale)) scale = automatic_scale(g);
    const double scale2 = scale * scale;

    double **values = out->type == VEX3D_DATA_GRID ? out->grid.values : out->irgrid.values;
    for (int i = 0; i < g.numx; ++i)
      for (int j = 0; j < g.numy; ++j) {
        double dz_x, dz_y, hx, hy;
        if (!slopes_at(g, i, j, dz_x, dz_y, hx, hy)) {
          values[i][j] = VEX3D_SHADED_HOLE;
          continue;
        }
        const double n[3] = {-dz_x * hy, -dz_y * hx, scale2 * hx * hy};
        const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        const double shade = clamp01((n[0] * light[0] + n[1] * light[1] + n[2] * light[2]) / length);
        values[i][j] = clamp01(shade * intensity + ambient);
      }
    return out;
  });
}
