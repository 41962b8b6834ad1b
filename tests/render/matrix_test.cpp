// Matrix algebra: products, rotations (exact quarter turns), scalings and
// point transforms.
#include <gtest/gtest.h>

#include <cmath>

#include "matrix.h"

namespace vex3d {
namespace {

Point4 apply(const Matrix &m, double x, double y, double z) { return transform_point(m, Point4{x, y, z, 1}); }

bool same(const Matrix &a, const Matrix &b) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (a.m[i][j] != b.m[i][j]) return false;
  return true;
}

double largest_difference(const Matrix &a, const Matrix &b) {
  double d = 0;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) d = std::max(d, std::fabs(a.m[i][j] - b.m[i][j]));
  return d;
}

Matrix sample_matrix() {
  Matrix a;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) a.m[i][j] = 1 + i * 4 + j + 0.25 * (i == j);
  return a;
}

// A positive quarter turn carries each axis to the next, counter-clockwise
// seen from the positive end of the axis turned about.
TEST(Matrix, QuarterTurnsAreCounterClockwiseAndExact) {
  struct Case {
    int axis;
    double in[3], out[3];
  } cases[] = {
      {kAxisX, {0, 1, 0}, {0, 0, 1}},
      {kAxisY, {0, 0, 1}, {1, 0, 0}},
      {kAxisZ, {1, 0, 0}, {0, 1, 0}},
  };
  for (const Case &c : cases) {
    Matrix exact = identity_matrix(), plain = identity_matrix();
    rotate_exact(exact, c.axis, 90);
    rotate(plain, c.axis, 90);
    const Point4 e = apply(exact, c.in[0], c.in[1], c.in[2]);
    EXPECT_EQ(e.x, c.out[0]) << c.axis;
    EXPECT_EQ(e.y, c.out[1]) << c.axis;
    EXPECT_EQ(e.z, c.out[2]) << c.axis;
    const Point4 p = apply(plain, c.in[0], c.in[1], c.in[2]);
    EXPECT_NEAR(p.x, c.out[0], 1e-15);
    EXPECT_NEAR(p.y, c.out[1], 1e-15);
    EXPECT_NEAR(p.z, c.out[2], 1e-15);
  }
}

TEST(Matrix, ExactRotationRecognisesQuarterTurnsAcrossWholeTurns) {
  for (int axis = 0; axis < 3; ++axis) {
    Matrix four = sample_matrix();
    for (int i = 0; i < 4; ++i) rotate_exact(four, axis, 90);
    EXPECT_TRUE(same(four, sample_matrix())) << "four quarter turns are no turn";

    struct Pair {
      double a, b;
    } equal_turns[] = {{-90, 270}, {180, -180}, {450, 90}, {-720, 0}, {1e9 - 280 + 90, 90}};
    for (const Pair &p : equal_turns) {
      Matrix a = sample_matrix(), b = sample_matrix();
      rotate_exact(a, axis, p.a);
      rotate_exact(b, axis, p.b);
      EXPECT_TRUE(same(a, b)) << p.a << " vs " << p.b;
    }
    Matrix untouched = sample_matrix();
    rotate_exact(untouched, axis, 0);
    EXPECT_TRUE(same(untouched, sample_matrix()));
  }
}

TEST(Matrix, ExactRotationAgreesWithThePlainOneElsewhere) {
  for (double degrees : {30.0, -45.0, 123.4, 1e9}) {
    Matrix a = sample_matrix(), b = sample_matrix();
    rotate_exact(a, kAxisY, degrees);
    rotate(b, kAxisY, degrees);
    EXPECT_TRUE(same(a, b)) << degrees;
  }
}

TEST(Matrix, RotationFollowedByItsReverseIsTheIdentity) {
  const double angles[][3] = {{45, 0, 45}, {90, -90, 180}, {12.5, 33, -71}, {1e9, -1e9, 7}};
  for (const auto &a : angles) {
    Matrix r = identity_matrix(), inverse = identity_matrix(), product;
    rotate_exact(r, kAxisX, a[0]);
    rotate_exact(r, kAxisY, a[1]);
    rotate_exact(r, kAxisZ, a[2]);
    rotate_exact(inverse, kAxisZ, -a[2]);
    rotate_exact(inverse, kAxisY, -a[1]);
    rotate_exact(inverse, kAxisX, -a[0]);
    multiply(r, inverse, product);
    EXPECT_LT(largest_difference(product, identity_matrix()), 1e-15) << a[0] << " " << a[1] << " " << a[2];
  }
  Matrix r = identity_matrix(), inverse = identity_matrix(), product;
  rotate_exact(r, kAxisX, -90);
  rotate_exact(r, kAxisZ, 180);
  rotate_exact(inverse, kAxisZ, -180);
  rotate_exact(inverse, kAxisX, 90);
  multiply(r, inverse, product);
  EXPECT_TRUE(same(product, identity_matrix())) << "quarter turns invert exactly";
}

TEST(Matrix, ProductAppliesTheRightFactorFirstAndToleratesAliasing) {
  Matrix m = identity_matrix();
  translate(m, 1, 0, 0);
  scale(m, 2, 3, 4);  // m = T * S: scale, then translate
  const Point4 p = apply(m, 1, 1, 1);
  EXPECT_EQ(p.x, 3);
  EXPECT_EQ(p.y, 3);
  EXPECT_EQ(p.z, 4);

  const Matrix a = sample_matrix();
  Matrix b = identity_matrix();
  rotate(b, kAxisZ, 30);
  translate(b, 1, 2, 3);
  Matrix expected;
  multiply_distinct(a, b, expected);
  Matrix over_a = a, over_b = b;
  multiply(over_a, b, over_a);
  multiply(a, over_b, over_b);
  EXPECT_TRUE(same(over_a, expected));
  EXPECT_TRUE(same(over_b, expected));
  Matrix alias = a;
  multiply_distinct(alias, b, alias);  // still right when the caller breaks the rule
  EXPECT_TRUE(same(alias, expected));
}

TEST(Matrix, QuickScalingScalesOneColumn) {
  struct Case {
    double sx, sy, sz;
    int column;
    double factor;
  } cases[] = {
      {1, -1, 1, 1, -1}, {5, -1, 7, 1, -1},  // -1 in y negates column 1 alone
      {5, 3, 7, 1, 3},                       // else y first
      {5, 1, 7, 0, 5},                       // then x
      {1, 1, 7, 2, 7},                       // then z
      {1, 1, 1, -1, 1},                      // nothing to do
  };
  for (const Case &c : cases) {
    Matrix m = sample_matrix();
    scale_quick(m, c.sx, c.sy, c.sz);
    const Matrix before = sample_matrix();
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j)
        EXPECT_EQ(m.m[i][j], before.m[i][j] * (j == c.column ? c.factor : 1)) << c.sx << c.sy << c.sz;
  }
}

TEST(Matrix, TranslationAndScalingPostMultiply) {
  Matrix m = identity_matrix();
  scale(m, 2, 2, 2);
  translate(m, 1, 2, 3);  // m = S * T: translate, then scale
  const Point4 p = apply(m, 0, 0, 0);
  EXPECT_EQ(p.x, 2);
  EXPECT_EQ(p.y, 4);
  EXPECT_EQ(p.z, 6);
}

TEST(Matrix, PointTransformDividesByWAndTheSparseFormAgrees) {
  Matrix m = identity_matrix();
  rotate(m, kAxisX, 35);
  rotate(m, kAxisZ, -20);
  translate(m, 0.5, -0.25, 2);
  m.m[3][2] = -0.2;  // a perspective row
  const Point4 points[] = {{0, 0, 0, 1},    {1, 0, 0, 1},       {0, -2, 0, 1}, {0, 0, 3, 1},
                           {1.5, 0, -2, 1}, {0.3, 0.7, 0.9, 1}, {1, 2, 3, 2},  {0, 0, 1, 0.5}};
  for (const Point4 &p : points) {
    const Point4 full = transform_point(m, p), sparse = transform_point_sparse(m, p);
    EXPECT_EQ(full.x, sparse.x);
    EXPECT_EQ(full.y, sparse.y);
    EXPECT_EQ(full.z, sparse.z);
    EXPECT_EQ(full.w, 1);
    EXPECT_EQ(sparse.w, 1);
  }
  // w = 1 - z / 5 at z = 2.5: every component doubles.
  Matrix p = identity_matrix();
  p.m[3][2] = -0.2;
  const Point4 q = transform_point(p, Point4{1, 2, 2.5, 1});
  EXPECT_DOUBLE_EQ(q.x, 2);
  EXPECT_DOUBLE_EQ(q.y, 4);
  EXPECT_DOUBLE_EQ(q.z, 5);
}

TEST(Matrix, VectorOperations) {
  const Vec3 a{3, 4, 12}, b{1, 1, 1};
  const Vec3 d = difference(a, b);
  EXPECT_EQ(d.x, 2);
  EXPECT_EQ(d.y, 3);
  EXPECT_EQ(d.z, 11);
  EXPECT_EQ(dot(a, b), 19);
  const Vec3 n = normalized(a);
  EXPECT_DOUBLE_EQ(n.x, 3.0 / 13);
  EXPECT_DOUBLE_EQ(n.z, 12.0 / 13);
  const Vec3 zero = normalized(Vec3{});
  EXPECT_EQ(zero.x, 0);
  const Vec3 c = cross(Vec3{1, 0, 0}, Vec3{0, 1, 0});
  EXPECT_EQ(c.z, 1);
}

}  // namespace
}  // namespace vex3d
