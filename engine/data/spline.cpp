// Fitting and evaluating splines along one line of samples.
#include "spline.h"

#include <algorithm>

namespace vex3d {

void Vex3dSpline::set_knots(const double *t, int m) {
  const auto n = static_cast<std::size_t>(std::max(m, 0));
  if (n == t_.size() && std::equal(t, t + n, t_.begin())) return;
  t_.assign(t, t + n);
  h_.resize(n);
  inverse_h_.resize(n);
  for (std::size_t k = 0; k + 1 < n; ++k) {
    h_[k] = t_[k + 1] - t_[k];
    inverse_h_[k] = 1 / h_[k];
  }
  eliminated_ = false;
}

void Vex3dSpline::fit(const double *t, const double *a, int m, bool cubic) {
  set_knots(t, m);
  refit(a, cubic);
}

void Vex3dSpline::refit(const double *a, bool cubic) {
  const std::size_t n = t_.size();
  a_.assign(a, a + n);
  b_.resize(n);
  c_.resize(n);
  e_.resize(n);
  if (n >= 3 && cubic) {
    fit_cubic();  // sets every coefficient
    return;
  }
  // Every interval starts as a plain line of slope 1 until the fit below.
  std::fill(b_.begin(), b_.end(), 1.0);
  std::fill(c_.begin(), c_.end(), 0.0);
  std::fill(e_.begin(), e_.end(), 0.0);
  if (n >= 2) fit_linear();
}

void Vex3dSpline::fit_linear() {
  for (std::size_t k = 0; k + 1 < t_.size(); ++k) b_[k] = (a_[k + 1] - a_[k]) * inverse_h_[k];
}

// Forward elimination of the tridiagonal system's matrix (rows 1 .. m-2,
// row k: h_k, 2 (h_{k-1} + h_k), h_{k-1}): row k's sub-diagonal h_k against
// row k-1's super-diagonal h_{k-2}.
void Vex3dSpline::eliminate() {
  const std::size_t m = t_.size(), last = m - 1;
  multiplier_.assign(m, 0.0);
  inverse_diagonal_.assign(m, 0.0);
  back_.assign(m, 0.0);
  double diagonal = 2 * (h_[0] + h_[1]);
  inverse_diagonal_[1] = 1 / diagonal;
  for (std::size_t k = 2; k < last; ++k) {
    multiplier_[k] = h_[k] * inverse_diagonal_[k - 1];
    diagonal = 2 * (h_[k - 1] + h_[k]) - multiplier_[k] * h_[k - 2];
    inverse_diagonal_[k] = 1 / diagonal;
  }
  for (std::size_t k = 1; k < last; ++k) back_[k] = h_[k - 1] * inverse_diagonal_[k];
  rhs_.resize(m);
  eliminated_ = true;
}

// The knot slopes solve the system of continuous second derivatives, row k:
// h_k b_{k-1} + 2 (h_{k-1} + h_k) b_k + h_{k-1} b_{k+1} = 3 (h_{k-1} s_k + h_k s_{k-1}),
// with the two end slopes known.
void Vex3dSpline::fit_cubic() {
  const std::size_t m = t_.size(), last = m - 1;
  if (!eliminated_) eliminate();
  // The slopes of the intervals, kept in c_ until the coefficients replace them.
  std::vector<double> &s = c_;
  for (std::size_t k = 0; k < last; ++k) s[k] = (a_[k + 1] - a_[k]) * inverse_h_[k];

  // Parabolas through the first and the last three samples give the end slopes.
  b_[0] = s[0] + (s[1] - s[0]) * (t_[0] - t_[1]) / (t_[2] - t_[0]);
  b_[last] = s[last - 1] + (s[last - 1] - s[last - 2]) * (t_[last] - t_[last - 1]) / (t_[last] - t_[last - 2]);

  for (std::size_t k = 1; k < last; ++k) rhs_[k] = 3 * (h_[k - 1] * s[k] + h_[k] * s[k - 1]);
  rhs_[1] -= h_[1] * b_[0];
  rhs_[last - 1] -= h_[last - 2] * b_[last];
  // The two sweeps are chains from one knot to the next: the running value
  // stays in a register instead of making a round trip through memory.
  // Forward elimination; the right-hand sides are kept divided by their
  // eliminated diagonals, ready for the back substitution.
  double r = rhs_[1];
  rhs_[1] = r * inverse_diagonal_[1];
  for (std::size_t k = 2; k < last; ++k) {
    r = rhs_[k] - multiplier_[k] * r;
    rhs_[k] = r * inverse_diagonal_[k];
  }
  // Back substitution as b_k = rhs_k / d_k - (h_{k-1} / d_k) b_{k+1}.
  double slope = rhs_[last - 1];
  b_[last - 1] = slope;
  for (std::size_t k = last - 1; k-- > 1;) {
    slope = rhs_[k] - back_[k] * slope;
    b_[k] = slope;
  }

  for (std::size_t k = 0; k < last; ++k) {
    const double sk = s[k], inverse = inverse_h_[k];
    c_[k] = (3 * sk - 2 * b_[k] - b_[k + 1]) * inverse;
    e_[k] = (b_[k] + b_[k + 1] - 2 * sk) * inverse * inverse;
  }
}

int Vex3dSpline::interval(double t) const {
  if (t_.empty() || !(t >= t_.front() && t <= t_.back())) return -1;
  const auto first_not_less = std::lower_bound(t_.begin(), t_.end(), t) - t_.begin();
  return first_not_less == 0 ? 0 : int(first_not_less - 1);
}

bool Vex3dSpline::Cursor::value(double t, double &z) {
  const std::vector<double> &ts = spline_.t_;
  const int m = int(ts.size());
  if (m == 0 || !(t >= ts.front() && t <= ts.back())) return false;
  while (next_ < m && ts[std::size_t(next_)] < t) ++next_;
  z = spline_.value(next_ == 0 ? 0 : next_ - 1, t);
  return true;
}

}  // namespace vex3d
