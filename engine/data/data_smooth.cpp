// Vex3dDataSmooth: every value of a grid replaced by a weighted mean of
// itself and its eight neighbours, from the values before smoothing.
#include <algorithm>
#include <cmath>
#include <vector>

#include "boundary.h"
#include "data.h"
#include "diagnostics.h"
#include "methods.h"
#include "prepare.h"
#include "validate.h"

namespace vex3d {
namespace {

// Weights of the eight neighbours (i + a - 1, j + b - 1), indexed [a][b]
// (the centre's slot unused); they add up to 1 - w.
struct NeighbourWeights {
  double w[3][3];
};

// Neighbours share 1 - w in inverse proportion to their distances: dx to
// both x neighbours, dy_next and dy_prev to the y neighbours, the diagonals
// by Pythagoras.
NeighbourWeights inverse_distance(double w, double dx, double dy_prev, double dy_next) {
  const double inv_x = 1 / dx, inv_prev = 1 / dy_prev, inv_next = 1 / dy_next;
  const double inv_dprev = 1 / std::sqrt(dx * dx + dy_prev * dy_prev);
  const double inv_dnext = 1 / std::sqrt(dx * dx + dy_next * dy_next);
  const double share = (1 - w) / (2 * inv_x + inv_prev + inv_next + 2 * inv_dprev + 2 * inv_dnext);
  const double x = inv_x * share, prev = inv_prev * share, next = inv_next * share;
  const double dprev = inv_dprev * share, dnext = inv_dnext * share;
  return NeighbourWeights{{{dprev, x, dnext}, {prev, 0, next}, {dprev, x, dnext}}};
}

// The regular grid's weights as the grid's own steps give them.
NeighbourWeights regular_weights(double w, double xstep, double ystep) {
  const double ax = std::abs(xstep), ay = std::abs(ystep), d = std::sqrt(xstep * xstep + ystep * ystep);
  const double wx = (1 - w) / (2 * (2 * ax / d + ax / ay + 1)), wy = wx * ax / ay, wd = wx * ax / d;
  return NeighbourWeights{{{wd, wx, wd}, {wy, 0, wy}, {wd, wx, wd}}};
}

// The spacings an irregular grid's weights come from: towards the previous
// x line (the next one on the first line) for each x line, towards the next
// and the previous y lines (each standing in for the other where one is
// missing) for each y line.
class IrregularSpacings {
 public:
  explicit IrregularSpacings(const Vex3dIrGridData &g)
      : dx_(std::size_t(g.numx)), dy_prev_(std::size_t(g.numy)), dy_next_(std::size_t(g.numy)) {
    for (int i = 0; i < g.numx; ++i) {
      double dx = spacing(g.xgrid, g.numx, i, -1);
      dx_[std::size_t(i)] = std::isnan(dx) ? spacing(g.xgrid, g.numx, i, +1) : dx;
    }
    for (int j = 0; j < g.numy; ++j) {
      double prev = spacing(g.ygrid, g.numy, j, -1), next = spacing(g.ygrid, g.numy, j, +1);
      dy_prev_[std::size_t(j)] = std::isnan(prev) ? next : prev;
      dy_next_[std::size_t(j)] = std::isnan(next) ? prev : next;
    }
  }

  NeighbourWeights at(double w, int i, int j) const {
    double dx = dx_[std::size_t(i)], dy_prev = dy_prev_[std::size_t(j)], dy_next = dy_next_[std::size_t(j)];
    // A single line in one direction: its neighbours are all missing, and the
    // other direction's spacing stands in so that the centre keeps its share.
    if (std::isnan(dx)) dx = std::isnan(dy_prev) ? 1 : dy_prev;
    if (std::isnan(dy_prev)) dy_prev = dy_next = dx;
    return inverse_distance(w, dx, dy_prev, dy_next);
  }

 private:
  static double spacing(const double *grid, int n, int k, int towards) {
    const int other = k + towards;
    return other >= 0 && other < n ? std::abs(grid[other] - grid[k]) : NAN;
  }
  std::vector<double> dx_, dy_prev_, dy_next_;
};

// The new value at (i, j) from the old rows i - 1, i, i + 1 (null beyond the
// grid): the weighted mean of the centre and the neighbours that are there
// and are not holes.
double smoothed(const double *rows[3], int j, int numy, double hole, double w, const NeighbourWeights &nw) {
  double sum = w * rows[1][j], weights = w;
  for (int a = 0; a < 3; ++a) {
    if (!rows[a]) continue;
    for (int b = 0; b < 3; ++b) {
      const int jj = j + b - 1;
      if ((a == 1 && b == 1) || jj < 0 || jj >= numy) continue;
      const double v = rows[a][jj];
      if (v == hole) continue;
      sum += nw.w[a][b] * v;
      weights += nw.w[a][b];
    }
  }
  return weights == 0 ? hole : sum / weights;
}

bool has_hole(const double *row, int n, double hole) { return std::find(row, row + n, hole) != row + n; }

// The inside of a row whose three rows have no hole: every neighbour is
// there, so the weights sum to their total without a test.
template <class Weights>
void smooth_inside(const double *rows[3], int numy, double w, const Weights &weights_at, double *out) {
  const double *p = rows[0], *c = rows[1], *n = rows[2];
  for (int j = 1; j + 1 < numy; ++j) {
    const NeighbourWeights nw = weights_at(j);
    const double dp = nw.w[0][0], x = nw.w[0][1], dn = nw.w[0][2], yp = nw.w[1][0], yn = nw.w[1][2];
    const double total = w + 2 * x + yp + yn + 2 * dp + 2 * dn;
    out[j] = (w * c[j] + x * (p[j] + n[j]) + yp * c[j - 1] + yn * c[j + 1] + dp * (p[j - 1] + n[j - 1]) +
              dn * (p[j + 1] + n[j + 1])) /
             total;
  }
}

// One row of new values from the old rows i - 1, i, i + 1 (null beyond the grid).
template <class Weights>
void smooth_row(const double *rows[3], bool inside, int numy, double hole, double w, const Weights &weights_at,
                double *out) {
  if (inside) smooth_inside(rows, numy, w, weights_at, out);
  for (int j = 0; j < numy; ++j) {
    if (inside && j > 0 && j + 1 < numy) continue;
    out[j] = rows[1][j] == hole ? hole : smoothed(rows, j, numy, hole, w, weights_at(j));
  }
}

void smooth(Vex3dData &data, double w) {
  Vex3dDataInfo info;
  prepare_data_info(info, &data, true);
  const int numx = info.numx, numy = info.numy;
  const double hole = info.hole;
  double *const *values = info.values;
  const bool regular = data.type == VEX3D_DATA_GRID;
  const NeighbourWeights fixed = regular ? regular_weights(w, data.grid.xstep, data.grid.ystep) : NeighbourWeights{};
  const IrregularSpacings spacings = regular ? IrregularSpacings(Vex3dIrGridData{}) : IrregularSpacings(data.irgrid);
  std::vector<char> holes(static_cast<std::size_t>(numx));
  for (int i = 0; i < numx; ++i) holes[std::size_t(i)] = has_hole(values[i], numy, hole);
  // New rows are written back one row behind: new row i - 1 replaces the old
  // once new row i, the last to need it, is made.
  std::vector<double> fresh[2] = {std::vector<double>(static_cast<std::size_t>(numy)),
                                  std::vector<double>(static_cast<std::size_t>(numy))};
  for (int i = 0; i < numx; ++i) {
    const double *rows[3] = {i > 0 ? values[i - 1] : nullptr, values[i], i + 1 < numx ? values[i + 1] : nullptr};
    double *out = fresh[i % 2].data();
    const bool inside =
        rows[0] && rows[2] && !holes[std::size_t(i - 1)] && !holes[std::size_t(i)] && !holes[std::size_t(i + 1)];
    if (regular)
      smooth_row(
          rows, inside, numy, hole, w, [&](int) { return fixed; }, out);
    else
      smooth_row(
          rows, inside, numy, hole, w, [&](int j) { return spacings.at(w, i, j); }, out);
    if (i > 0) std::copy(fresh[(i - 1) % 2].begin(), fresh[(i - 1) % 2].end(), values[i - 1]);
  }
  if (numx > 0) std::copy(fresh[(numx - 1) % 2].begin(), fresh[(numx - 1) % 2].end(), values[numx - 1]);
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" void Vex3dDataSmooth(Vex3dData *data, double w) {
  guarded(__func__, [&] {
    if (!data || !(w >= 0 && w < 1)) return;
    if (data->type == VEX3D_POINT) {
      message(nullptr, "Need grid or irregular grid data\n");
      return;
    }
    if (const std::string problem = data_set_problem(*data); !problem.empty()) {
      message(nullptr, "Vex3dDataSmooth: %s!\n", problem.c_str());
      return;
    }
    smooth(*data, w);
  });
}
