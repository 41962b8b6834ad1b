// 4 x 4 homogeneous matrices and three-component vectors.
//
// Matrices are stored row by row and act on column vectors: a point
// (x, y, z, w) becomes M * (x, y, z, w)^T, so a product A * B applies B to the
// point first. Every "post-multiply" operation below replaces A by A * X, in
// place. Angles are in degrees.
#pragma once

namespace vex3d {

struct Matrix {
  double m[4][4];
};

// A homogeneous point; transformed points always come back with w = 1.
struct Point4 {
  double x = 0, y = 0, z = 0, w = 1;
};

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

// Degrees to radians.
inline constexpr double kRadiansPerDegree = 0.017453292519943295;

enum Axis3 { kAxisX = 0, kAxisY = 1, kAxisZ = 2 };

void set_identity(Matrix &a);
Matrix identity_matrix();

// out = a * b; out may be a, b or another matrix.
void multiply(const Matrix &a, const Matrix &b, Matrix &out);
// out = a * b without a temporary; out must differ from a and b (when it does
// not, the product is still computed correctly, through a copy).
void multiply_distinct(const Matrix &a, const Matrix &b, Matrix &out);

// a = a * rotation about `axis` (0, 1, 2) by `degrees`: a positive angle turns
// a point counter-clockwise about the axis seen from its positive end. An
// axis outside 0...2 leaves a unchanged.
void rotate(Matrix &a, int axis, double degrees);
// The same rotation, exact for every multiple of 90 degrees (0, 90, -90, 180
// and the same angles a whole number of turns away): columns are permuted and
// negated instead of multiplied by a sine and a cosine; 0 leaves a as it is.
void rotate_exact(Matrix &a, int axis, double degrees);
// a = a * translation by (tx, ty, tz).
void translate(Matrix &a, double tx, double ty, double tz);
// a = a * diag(sx, sy, sz, 1).
void scale(Matrix &a, double sx, double sy, double sz);
// A scaling of one factor only: sy exactly -1 negates column 1; otherwise the
// first of sy, sx, sz (in that order) that differs from 1 scales its column.
void scale_quick(Matrix &a, double sx, double sy, double sz);

// m * p with x, y and z divided by the resulting w; w comes back as 1.
Point4 transform_point(const Matrix &m, const Point4 &p);
// The same result, skipping the products of components that are exactly 0 and
// the division when w is exactly 1: for the many points with zero components.
Point4 transform_point_sparse(const Matrix &m, const Point4 &p);

Vec3 difference(const Vec3 &a, const Vec3 &b);
double dot(const Vec3 &a, const Vec3 &b);
Vec3 cross(const Vec3 &a, const Vec3 &b);
// a scaled to unit length (multiplied by the reciprocal square root of the sum
// of squares); the zero vector stays zero.
Vec3 normalized(const Vec3 &a);

}  // namespace vex3d
