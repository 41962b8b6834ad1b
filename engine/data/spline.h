// Splines along one line of samples, as resampling fits them.
#pragma once

#include <vector>

namespace vex3d {

// A piecewise cubic through m samples t_0 < t_1 < ... < t_{m-1} with values
// a_k: on interval k (from t_k to t_{k+1}) the value at t is
// a_k + b_k d + c_k d^2 + e_k d^3 with d = t - t_k.
//
// Linear: b_k is the slope of interval k, c_k = e_k = 0. Cubic (m >= 3):
// continuous first and second derivatives, b_k the slope at knot k, the end
// slopes those of the parabolas through the first three and the last three
// samples, so that samples of any quadratic give back that quadratic.
class Vex3dSpline {
 public:
  // Fits the samples (t strictly increasing). Fewer than three samples are
  // joined linearly whatever the method. The storage is kept for the next
  // fit, and so is the elimination of the cubic system, which depends on the
  // sample coordinates alone: lines of one grid without holes share it.
  void fit(const double *t, const double *a, int m, bool cubic);
  // Fits new values at the sample coordinates of the last fit.
  void refit(const double *a, bool cubic);

  int samples() const { return int(t_.size()); }
  // The interval whose polynomial gives the value at t, or -1 when t lies
  // outside [t_0, t_{m-1}]: the interval ending at the first sample not less
  // than t (interval 0 at t_0). A single sample is "interval" 0 at its own t.
  int interval(double t) const;
  // The value at t on interval k (0 <= k < max(1, m - 1)).
  double value(int k, double t) const { return polynomial(k, t - t_[std::size_t(k)]); }
  // The value at t_k + d on interval k.
  double polynomial(int k, double d) const {
    const auto i = std::size_t(k);
    return a_[i] + d * (b_[i] + d * (c_[i] + d * e_[i]));
  }

  const std::vector<double> &t() const { return t_; }
  const std::vector<double> &a() const { return a_; }
  const std::vector<double> &b() const { return b_; }
  const std::vector<double> &c() const { return c_; }
  const std::vector<double> &e() const { return e_; }

  // Walks increasing values of t through the intervals without a search.
  class Cursor {
   public:
    explicit Cursor(const Vex3dSpline &spline) : spline_(spline) {}
    // The spline's value at t (t no smaller than at the previous call); false
    // when t lies outside the samples.
    bool value(double t, double &z);

   private:
    const Vex3dSpline &spline_;
    int next_ = 0;  // the first sample not less than the last t
  };

 private:
  void set_knots(const double *t, int m);
  void fit_linear();
  void fit_cubic();
  void eliminate();

  std::vector<double> t_, a_, b_, c_, e_;
  std::vector<double> h_, inverse_h_;  // interval lengths and their reciprocals
  // The tridiagonal system's elimination for these knots: row multipliers,
  // reciprocals of the eliminated diagonal and the super-diagonal divided by
  // it; valid while `eliminated_`.
  std::vector<double> multiplier_, inverse_diagonal_, back_, rhs_;
  bool eliminated_ = false;
};

}  // namespace vex3d
