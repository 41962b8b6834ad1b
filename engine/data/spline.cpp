// Fitting and evaluating splines along one line of samples.
#include "spline.h"

#include <algorithm>

namespace vex3d {

void Vex3dSpline::fit(const double *t, const double *a, int m, bool cubic) {
  const auto n = static_cast<std::size_t>(std::max(m, 0));
  t_.assign(t, t + n);
  a_.assign(a, a + n);
  // Every interval starts as a plain line of slope 1 until the fit below.
  b_.assign(n, 1.0);
  c_.assign(n, 0.0);
  e_.assign(n, 0.0);
  if (m >= 3 && cubic)
    fit_cubic();
  else if (m >= 2)
    fit_linear();
}

void Vex3dSpline::fit_linear() {
  for (std::size_t k = 0; k + 1 < t_.size(); ++k) b_[k] = (a_[k + 1] - a_[k]) / (t_[k + 1] - t_[k]);
}

// The knot slopes solve the tridiagonal system of continuous second
// derivatives, row k: h_k b_{k-1} + 2 (h_{k-1} + h_k) b_k + h_{k-1} b_{k+1} =
// 3 (h_{k-1} s_k + h_k s_{k-1}), with the two end slopes known.
void Vex3dSpline::fit_cubic() {
  const std::size_t m = t_.size(), last = m - 1;
  auto h = [&](std::size_t k) { return t_[k + 1] - t_[k]; };
  auto s = [&](std::size_t k) { return (a_[k + 1] - a_[k]) / h(k); };

  // Parabolas through the first and the last three samples give the end slopes.
  b_[0] = s(0) + (s(1) - s(0)) * (t_[0] - t_[1]) / (t_[2] - t_[0]);
  b_[last] = s(last - 1) + (s(last - 1) - s(last - 2)) * (t_[last] - t_[last - 1]) / (t_[last] - t_[last - 2]);

  diagonal_.assign(m, 0.0);
  rhs_.assign(m, 0.0);
  for (std::size_t k = 1; k < last; ++k) {
    diagonal_[k] = 2 * (h(k - 1) + h(k));
    rhs_[k] = 3 * (h(k - 1) * s(k) + h(k) * s(k - 1));
  }
  rhs_[1] -= h(1) * b_[0];
  rhs_[last - 1] -= h(last - 2) * b_[last];
  // Forward elimination: row k's sub-diagonal h_k against row k-1's
  // super-diagonal h_{k-2}.
  for (std::size_t k = 2; k < last; ++k) {
    const double f = h(k) / diagonal_[k - 1];
    diagonal_[k] -= f * h(k - 2);
    rhs_[k] -= f * rhs_[k - 1];
  }
  // Back substitution.
  b_[last - 1] = rhs_[last - 1] / diagonal_[last - 1];
  for (std::size_t k = last - 1; k-- > 1;) b_[k] = (rhs_[k] - h(k - 1) * b_[k + 1]) / diagonal_[k];

  for (std::size_t k = 0; k < last; ++k) {
    const double hk = h(k), sk = s(k);
    c_[k] = (3 * sk - 2 * b_[k] - b_[k + 1]) / hk;
    e_[k] = (b_[k] + b_[k + 1] - 2 * sk) / (hk * hk);
  }
}

int Vex3dSpline::interval(double t) const {
  if (t_.empty() || !(t >= t_.front() && t <= t_.back())) return -1;
  const auto first_not_less = std::lower_bound(t_.begin(), t_.end(), t) - t_.begin();
  return first_not_less == 0 ? 0 : int(first_not_less - 1);
}

double Vex3dSpline::value(int k, double t) const {
  const auto i = static_cast<std::size_t>(k);
  const double d = t - t_[i];
  return a_[i] + d * (b_[i] + d * (c_[i] + d * e_[i]));
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
