// Splines along one line of samples: linear and cubic fits, where a value
// falls, and the properties the cubic fit promises.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "spline.h"

namespace {

using vex3d::Vex3dSpline;

// Strictly increasing knots with spacings drawn from [0.1, 2.1).
std::vector<double> uneven_knots(int m, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> gap(0.1, 2.1);
  std::vector<double> t{-1.3};
  while (int(t.size()) < m) t.push_back(t.back() + gap(rng));
  return t;
}

double first_derivative(const Vex3dSpline &s, int k, double t) {
  const double d = t - s.t()[std::size_t(k)];
  const auto i = std::size_t(k);
  return s.b()[i] + d * (2 * s.c()[i] + 3 * d * s.e()[i]);
}

double second_derivative(const Vex3dSpline &s, int k, double t) {
  const double d = t - s.t()[std::size_t(k)];
  const auto i = std::size_t(k);
  return 2 * s.c()[i] + 6 * d * s.e()[i];
}

struct Quadratic {
  double p, q, r;
  double operator()(double t) const { return p + q * t + r * t * t; }
  double slope(double t) const { return q + 2 * r * t; }
};

TEST(Spline, CubicThroughAnyQuadraticIsThatQuadratic) {
  const Quadratic cases[] = {{1, 0, 0}, {0, 2, 0}, {3, -1, 0.5}, {-2, 4, -3}, {100, 0.01, 7}};
  for (const int m : {3, 4, 7, 40}) {
    for (const bool even : {true, false}) {
      std::vector<double> t = even ? std::vector<double>{} : uneven_knots(m, unsigned(m));
      for (int k = 0; even && k < m; ++k) t.push_back(0.5 * k - 2);
      for (const Quadratic &f : cases) {
        std::vector<double> a;
        for (double tk : t) a.push_back(f(tk));
        Vex3dSpline s;
        s.fit(t.data(), a.data(), m, true);
        const double scale = 1 + std::abs(f(t.back())) + std::abs(f(t.front()));
        EXPECT_NEAR(s.b().front(), f.slope(t.front()), 1e-12 * scale) << "the parabola's end slope is exact";
        EXPECT_NEAR(s.b().back(), f.slope(t.back()), 1e-12 * scale);
        for (int k = 0; k + 1 < m; ++k)
          for (const double u : {0.0, 0.1, 0.37, 0.5, 0.9, 1.0}) {
            const double x = t[std::size_t(k)] + u * (t[std::size_t(k) + 1] - t[std::size_t(k)]);
            EXPECT_NEAR(s.value(k, x), f(x), 1e-12 * scale) << "m " << m << " interval " << k << " at " << x;
          }
      }
    }
  }
}

TEST(Spline, CubicHasContinuousSlopeAndCurvatureAtEveryKnot) {
  for (const unsigned seed : {1u, 2u, 3u}) {
    const int m = 25;
    const std::vector<double> t = uneven_knots(m, seed);
    std::mt19937 rng(seed + 100);
    std::uniform_real_distribution<double> value(-5, 5);
    std::vector<double> a;
    for (int k = 0; k < m; ++k) a.push_back(value(rng));
    Vex3dSpline s;
    s.fit(t.data(), a.data(), m, true);
    for (int k = 0; k + 1 < m; ++k) {
      const double end = t[std::size_t(k) + 1];
      EXPECT_NEAR(s.value(k, end), a[std::size_t(k) + 1], 1e-10) << "through sample " << k + 1;
      if (k + 2 < m) {
        EXPECT_NEAR(first_derivative(s, k, end), first_derivative(s, k + 1, end), 1e-9) << "slope at " << k + 1;
        EXPECT_NEAR(second_derivative(s, k, end), second_derivative(s, k + 1, end), 1e-8) << "curvature at " << k + 1;
      }
    }
  }
}

TEST(Spline, LinearJoinsTheSamplesWithTheirSlopes) {
  const double t[] = {0, 1, 3, 3.5};
  const double a[] = {2, 4, 0, 1};
  for (const bool cubic : {false, true}) {
    Vex3dSpline s;
    s.fit(t, a, cubic ? 2 : 4, cubic);  // two samples are joined linearly whatever the method
    const int intervals = cubic ? 1 : 3;
    const double slopes[] = {2, -2, 2};
    for (int k = 0; k < intervals; ++k) {
      EXPECT_EQ(s.b()[std::size_t(k)], slopes[k]);
      EXPECT_EQ(s.c()[std::size_t(k)], 0.0);
      EXPECT_EQ(s.e()[std::size_t(k)], 0.0);
    }
    EXPECT_EQ(s.value(0, 0.25), 2.5);
  }
  Vex3dSpline s;
  s.fit(t, a, 4, false);
  EXPECT_EQ(s.value(1, 2), 2.0);
  EXPECT_EQ(s.value(2, 3.25), 0.5);
}

TEST(Spline, IntervalOfAValue) {
  const double t[] = {0, 1, 3};
  const double a[] = {5, 6, 7};
  Vex3dSpline s;
  s.fit(t, a, 3, true);
  struct {
    double at;
    int interval;
  } cases[] = {{-0.001, -1}, {0, 0}, {0.5, 0}, {1, 0}, {1.0000001, 1}, {3, 1}, {3.0001, -1}, {NAN, -1}};
  for (const auto &c : cases) EXPECT_EQ(s.interval(c.at), c.interval) << c.at;

  Vex3dSpline one;
  one.fit(t, a, 1, true);
  EXPECT_EQ(one.interval(0), 0) << "a single sample holds at its own t";
  EXPECT_EQ(one.value(0, 0), 5.0);
  EXPECT_EQ(one.interval(0.5), -1);

  Vex3dSpline none;
  none.fit(t, a, 0, false);
  EXPECT_EQ(none.interval(0), -1);
  double z = 0;
  Vex3dSpline::Cursor cursor(none);
  EXPECT_FALSE(cursor.value(0, z));
}

TEST(Spline, CursorAgreesWithTheSearch) {
  const std::vector<double> t = uneven_knots(12, 9);
  std::vector<double> a;
  for (double tk : t) a.push_back(std::sin(tk));
  Vex3dSpline s;
  s.fit(t.data(), a.data(), 12, true);
  Vex3dSpline::Cursor cursor(s);
  for (double x = t.front() - 0.5; x < t.back() + 0.5; x += 0.0625) {
    double z = -1;
    const int k = s.interval(x);
    ASSERT_EQ(cursor.value(x, z), k >= 0) << x;
    if (k >= 0) {
      EXPECT_EQ(z, s.value(k, x)) << x;
    }
  }
  // At the knots themselves too.
  Vex3dSpline::Cursor at_knots(s);
  for (std::size_t k = 0; k < t.size(); ++k) {
    double z = 0;
    ASSERT_TRUE(at_knots.value(t[k], z));
    EXPECT_EQ(z, s.value(s.interval(t[k]), t[k]));
  }
}

}  // namespace
