// Vex3dDataWindow: a grid resampled onto a new regular grid, first along x
// for every old y line, then along y for every new x line.
#include <cmath>
#include <utility>
#include <vector>

#include "allocation.h"
#include "data.h"
#include "data_set.h"
#include "diagnostics.h"
#include "methods.h"
#include "prepare.h"
#include "spline.h"
#include "validate.h"

namespace vex3d {
namespace {

// The new coordinates along one direction: start + k * step, the last one at
// the end itself so that rounding in the step cannot carry it past the old
// grid's last line.
struct NewLine {
  double start, end, step;
  int count;
  double at(int k) const { return k == count - 1 ? end : start + k * step; }
};

// Resamples lines of old values onto new points, keeping its storage from
// one line to the next.
class LineResampler {
 public:
  LineResampler(int old_count, bool cubic) : cubic_(cubic) {
    t_.reserve(std::size_t(old_count));
    z_.reserve(std::size_t(old_count));
  }

  // grid: the n old coordinates; z: their values, holes included; out: one
  // value per new point. A new point is a hole when either end of the old
  // grid interval holding it is a hole, or when it lies beyond the values
  // that are not holes.
  void run(const double *grid, const double *z, int n, double hole, const NewLine &to, double *out) {
    t_.clear();
    z_.clear();
    for (int i = 0; i < n; ++i)
      if (z[i] != hole) {
        t_.push_back(grid[i]);
        z_.push_back(z[i]);
      }
    spline_.fit(t_.data(), z_.data(), int(t_.size()), cubic_);
    Vex3dSpline::Cursor cursor(spline_);
    int cell = 0;  // the old interval [cell, cell + 1]; the last one on the last line
    for (int k = 0; k < to.count; ++k) {
      const double t = to.at(k);
      if (n >= 2) {
        while (cell < n - 2 && grid[cell + 1] <= t) ++cell;
        if (z[cell] == hole || z[cell + 1] == hole) {
          out[k] = hole;
          continue;
        }
      }
      double v;
      out[k] = cursor.value(t, v) ? v : hole;
    }
  }

 private:
  bool cubic_;
  std::vector<double> t_, z_;  // the samples that are not holes
  Vex3dSpline spline_;
};

bool negligible(double length) { return 1.0 + length == 1.0; }

// The two passes over a checked grid.
Vex3dData *resample(const Vex3dDataInfo &in, const NewLine &nx, const NewLine &ny, bool cubic) {
  // Values and row pointers of the pass along x and of the result.
  const double bytes =
      (double(nx.count) * in.numy + double(nx.count) * ny.count) * sizeof(double) + 2.0 * nx.count * sizeof(double *);
  if (!fits_in_memory(bytes)) {
    message(nullptr, "Vex3dDataWindow: Not enough memory for a %d x %d grid!\n", nx.count, ny.count);
    return nullptr;
  }
  double **along_x = make_value_rows(nx.count, in.numy);
  Vex3dData *out =
      along_x ? Vex3dDataCreateGrid(nx.count, ny.count, in.hole, nx.step, ny.step, nx.start, ny.start, 1) : nullptr;
  if (!out) {
    free_value_rows(along_x, nx.count);
    message(nullptr, "Vex3dDataWindow: Not enough memory for a %d x %d grid!\n", nx.count, ny.count);
    return nullptr;
  }

  {  // Pass 1: every old y line, along x.
    LineResampler line(in.numx, cubic);
    std::vector<double> column(std::size_t(in.numx)), resampled(std::size_t(nx.count));
    for (int j = 0; j < in.numy; ++j) {
      for (int i = 0; i < in.numx; ++i) column[std::size_t(i)] = in.values[i][j];
      line.run(in.xgrid, column.data(), in.numx, in.hole, nx, resampled.data());
      for (int k = 0; k < nx.count; ++k) along_x[k][j] = resampled[std::size_t(k)];
    }
  }
  {  // Pass 2: every new x line, along y.
    LineResampler line(in.numy, cubic);
    for (int k = 0; k < nx.count; ++k) line.run(in.ygrid, along_x[k], in.numy, in.hole, ny, out->grid.values[k]);
  }
  free_value_rows(along_x, nx.count);
  return out;
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dData *Vex3dDataWindow(const Vex3dData *data, double x0, double y0, double x1, double y1, int nx, int ny,
                                      int method) {
  if (!data || nx < 2 || ny < 2) return nullptr;
  if (data->type == VEX3D_POINT) {
    message(nullptr, "Need grid or irregular grid data\n");
    return nullptr;
  }
  if (data->type != VEX3D_DATA_GRID && data->type != VEX3D_DATA_IRGRID) {
    message(nullptr, "Vex3dDataWindow: Unrecognized Vex3d Data type!\n");
    return nullptr;
  }
  if (x0 > x1) std::swap(x0, x1);
  if (y0 > y1) std::swap(y0, y1);
  // A window that is no number or has no end is as unusable as an empty one.
  if (negligible(x1 - x0) || negligible(y1 - y0) || !std::isfinite(x1 - x0) || !std::isfinite(y1 - y0)) {
    message(nullptr, "Vex3dDataWindow: Data range is NULL!\n");
    return nullptr;
  }
  if (const std::string problem = data_set_problem(*data); !problem.empty()) {
    message(nullptr, "Vex3dDataWindow: %s!\n", problem.c_str());
    return nullptr;
  }
  Vex3dDataInfo in;
  prepare_data_info(in, data, true);
  const NewLine new_x{x0, x1, (x1 - x0) / (nx - 1), nx}, new_y{y0, y1, (y1 - y0) / (ny - 1), ny};
  return resample(in, new_x, new_y, method == VEX3D_INTERPOLATE_CUBIC_SPLINE);
}
