// Vex3dDataWindow: a grid resampled onto a new regular grid, first along x
// for every old y line, then along y for every new x line.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "allocation.h"
#include "boundary.h"
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
  LineResampler(const double *grid, int n, const NewLine &to, bool cubic) : grid_(grid), n_(n), to_(to), cubic_(cubic) {
    t_.reserve(std::size_t(n));
    z_.reserve(std::size_t(n));
  }

  // z: the values on the old grid lines, holes included; out: one value per
  // new point. A new point is a hole when either end of the old grid
  // interval holding it is a hole, or when it lies beyond the values that
  // are not holes.
  void run(const double *z, double hole, double *out) {
    if (std::find(z, z + n_, hole) == z + n_) {
      // The samples are the grid itself, as at the last whole line most often.
      if (knots_are_grid_)
        spline_.refit(z, cubic_);
      else
        spline_.fit(grid_, z, n_, cubic_);
      knots_are_grid_ = true;
      run_whole(hole, out);
      return;
    }
    t_.clear();
    z_.clear();
    for (int i = 0; i < n_; ++i)
      if (z[i] != hole) {
        t_.push_back(grid_[i]);
        z_.push_back(z[i]);
      }
    spline_.fit(t_.data(), z_.data(), int(t_.size()), cubic_);
    knots_are_grid_ = false;
    run_with_holes(z, hole, out);
  }

 private:
  // A line without holes: every line of the pass shares where the new points
  // fall, found once.
  void run_whole(double hole, double *out) {
    if (interval_.empty()) {
      interval_.resize(std::size_t(to_.count));
      offset_.resize(std::size_t(to_.count));
      for (int k = 0; k < to_.count; ++k) {
        const double t = to_.at(k);
        const int i = spline_.interval(t);
        interval_[std::size_t(k)] = i;
        offset_[std::size_t(k)] = i >= 0 ? t - grid_[i] : 0;
      }
    }
    for (int k = 0; k < to_.count; ++k) {
      const int i = interval_[std::size_t(k)];
      out[k] = i >= 0 ? spline_.polynomial(i, offset_[std::size_t(k)]) : hole;
    }
  }

  void run_with_holes(const double *z, double hole, double *out) {
    Vex3dSpline::Cursor cursor(spline_);
    int cell = 0;  // the old interval [cell, cell + 1]; the last one on the last line
    for (int k = 0; k < to_.count; ++k) {
      const double t = to_.at(k);
      if (n_ >= 2) {
        while (cell < n_ - 2 && grid_[cell + 1] <= t) ++cell;
        if (z[cell] == hole || z[cell + 1] == hole) {
          out[k] = hole;
          continue;
        }
      }
      double v;
      out[k] = cursor.value(t, v) ? v : hole;
    }
  }

  const double *grid_;
  int n_;
  NewLine to_;
  bool cubic_;
  std::vector<double> t_, z_;  // the samples that are not holes
  Vex3dSpline spline_;
  bool knots_are_grid_ = false;  // the spline's samples are every grid line
  std::vector<int> interval_;    // for lines without holes: the interval of each new point
  std::vector<double> offset_;
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
  // The result's rows are made as the pass along y fills them, each once the
  // row of the pass along x it comes from is freed: less memory at the peak,
  // and memory reused while it is still at hand.
  double **along_x = make_value_rows(nx.count, in.numy);
  Vex3dData *out =
      along_x ? Vex3dDataCreateGrid(nx.count, ny.count, in.hole, nx.step, ny.step, nx.start, ny.start, 0) : nullptr;
  if (out) out->grid.values = zero_array<double *>(nx.count);
  auto fail = [&] {
    free_value_rows(along_x, nx.count);
    Vex3dDataDestroy(out, 1);
    message(nullptr, "Vex3dDataWindow: Not enough memory for a %d x %d grid!\n", nx.count, ny.count);
    return nullptr;
  };
  if (!out || !out->grid.values) return fail();

  {  // Pass 1: every old y line, along x.
    // The y lines are columns of the rows: taken kBlock at a time, so that
    // each row is read and written a cache line at a time, not a value.
    constexpr int kBlock = 8, kAhead = 16;
    LineResampler line(in.xgrid, in.numx, nx, cubic);
    std::vector<double> columns(std::size_t(kBlock) * std::size_t(in.numx));
    std::vector<double> resampled(std::size_t(kBlock) * std::size_t(nx.count));
    for (int j0 = 0; j0 < in.numy; j0 += kBlock) {
      const int lines = std::min(kBlock, in.numy - j0);
      for (int i = 0; i < in.numx; ++i) {
        // Rows lie anywhere: the hardware cannot guess the next one, we can.
        if (i + kAhead < in.numx) __builtin_prefetch(&in.values[i + kAhead][j0]);
        for (int b = 0; b < lines; ++b)
          columns[std::size_t(b) * std::size_t(in.numx) + std::size_t(i)] = in.values[i][j0 + b];
      }
      for (int b = 0; b < lines; ++b)
        line.run(&columns[std::size_t(b) * std::size_t(in.numx)], in.hole,
                 &resampled[std::size_t(b) * std::size_t(nx.count)]);
      for (int k = 0; k < nx.count; ++k) {
        if (k + kAhead < nx.count) __builtin_prefetch(&along_x[k + kAhead][j0], 1);
        for (int b = 0; b < lines; ++b)
          along_x[k][j0 + b] = resampled[std::size_t(b) * std::size_t(nx.count) + std::size_t(k)];
      }
    }
  }
  {  // Pass 2: every new x line, along y.
    LineResampler line(in.ygrid, in.numy, ny, cubic);
    for (int k = 0; k < nx.count; ++k) {
      double *row = zero_array<double>(ny.count);
      if (!row) return fail();
      line.run(along_x[k], in.hole, row);
      out->grid.values[k] = row;
      std::free(along_x[k]);
      along_x[k] = nullptr;
    }
  }
  free_value_rows(along_x, nx.count);
  return out;
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dData *Vex3dDataWindow(const Vex3dData *data, double x0, double y0, double x1, double y1, int nx, int ny,
                                      int method) {
  return guarded(__func__, [&]() -> Vex3dData * {
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
  });
}
