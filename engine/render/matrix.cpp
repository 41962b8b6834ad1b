// Matrix and vector operations of the view chain.
#include "matrix.h"

#include <cmath>

namespace vex3d {
namespace {

// The angle brought into [0, 360): huge angles keep their precision and the
// quarter turns are recognised whatever number of whole turns they carry.
double reduced_degrees(double degrees) {
  double r = std::fmod(degrees, 360.0);
  if (r < 0) r += 360.0;
  return r;
}

// The two columns a rotation about `axis` mixes: with c = cos and s = sin the
// rotation has [p][p] = c, [p][q] = -s, [q][p] = s, [q][q] = c.
struct ColumnPair {
  int p, q;
};

bool rotation_columns(int axis, ColumnPair &pair) {
  switch (axis) {
    case kAxisX: pair = {1, 2}; return true;
    case kAxisY: pair = {2, 0}; return true;
    case kAxisZ: pair = {0, 1}; return true;
    default: return false;
  }
}

// a = a * rotation: column p becomes c * p + s * q, column q becomes -s * p + c * q.
void mix_columns(Matrix &a, ColumnPair pair, double c, double s) {
  for (auto &row : a.m) {
    const double vp = row[pair.p], vq = row[pair.q];
    row[pair.p] = c * vp + s * vq;
    row[pair.q] = -s * vp + c * vq;
  }
}

}  // namespace

void set_identity(Matrix &a) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) a.m[i][j] = i == j ? 1.0 : 0.0;
}

Matrix identity_matrix() {
  Matrix a;
  set_identity(a);
  return a;
}

void multiply_distinct(const Matrix &a, const Matrix &b, Matrix &out) {
  if (&out == &a || &out == &b) {
    multiply(a, b, out);
    return;
  }
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      out.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] + a.m[i][3] * b.m[3][j];
}

void multiply(const Matrix &a, const Matrix &b, Matrix &out) {
  Matrix product;
  multiply_distinct(a, b, product);
  out = product;
}

void rotate(Matrix &a, int axis, double degrees) {
  ColumnPair pair;
  if (!rotation_columns(axis, pair) || !std::isfinite(degrees)) return;
  const double theta = reduced_degrees(degrees) * kRadiansPerDegree;
  mix_columns(a, pair, std::cos(theta), std::sin(theta));
}

void rotate_exact(Matrix &a, int axis, double degrees) {
  ColumnPair pair;
  if (!rotation_columns(axis, pair) || !std::isfinite(degrees)) return;
  const double r = reduced_degrees(degrees);
  if (r == 0) return;
  if (r == 90 || r == 180 || r == 270) {
    for (auto &row : a.m) {
      const double vp = row[pair.p], vq = row[pair.q];
      if (r == 90) {
        row[pair.p] = vq;
        row[pair.q] = -vp;
      } else if (r == 180) {
        row[pair.p] = -vp;
        row[pair.q] = -vq;
      } else {
        row[pair.p] = -vq;
        row[pair.q] = vp;
      }
    }
    return;
  }
  rotate(a, axis, r);
}

void translate(Matrix &a, double tx, double ty, double tz) {
  for (auto &row : a.m) row[3] += row[0] * tx + row[1] * ty + row[2] * tz;
}

void scale(Matrix &a, double sx, double sy, double sz) {
  for (auto &row : a.m) {
    row[0] *= sx;
    row[1] *= sy;
    row[2] *= sz;
  }
}

void scale_quick(Matrix &a, double sx, double sy, double sz) {
  int column = -1;
  double factor = 1;
  if (sy == -1.0) {
    for (auto &row : a.m) row[1] = -row[1];
    return;
  }
  if (sy != 1.0) {
    column = 1, factor = sy;
  } else if (sx != 1.0) {
    column = 0, factor = sx;
  } else if (sz != 1.0) {
    column = 2, factor = sz;
  }
  if (column < 0) return;
  for (auto &row : a.m) row[column] *= factor;
}

Point4 transform_point(const Matrix &m, const Point4 &p) {
  double out[4];
  for (int i = 0; i < 4; ++i) out[i] = m.m[i][0] * p.x + m.m[i][1] * p.y + m.m[i][2] * p.z + m.m[i][3] * p.w;
  return Point4{out[0] / out[3], out[1] / out[3], out[2] / out[3], 1.0};
}

Point4 transform_point_sparse(const Matrix &m, const Point4 &p) {
  double out[4];
  for (int i = 0; i < 4; ++i) {
    // Same order of additions as transform_point, so that the sums agree.
    double v = 0;
    if (p.x != 0) v += m.m[i][0] * p.x;
    if (p.y != 0) v += m.m[i][1] * p.y;
    if (p.z != 0) v += m.m[i][2] * p.z;
    if (p.w == 1.0)
      v += m.m[i][3];
    else if (p.w != 0)
      v += m.m[i][3] * p.w;
    out[i] = v;
  }
  if (out[3] == 1.0) return Point4{out[0], out[1], out[2], 1.0};
  return Point4{out[0] / out[3], out[1] / out[3], out[2] / out[3], 1.0};
}

Vec3 difference(const Vec3 &a, const Vec3 &b) { return Vec3{a.x - b.x, a.y - b.y, a.z - b.z}; }

double dot(const Vec3 &a, const Vec3 &b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 cross(const Vec3 &a, const Vec3 &b) {
  return Vec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 normalized(const Vec3 &a) {
  const double sum = dot(a, a);
  if (sum == 0) return a;
  const double r = 1.0 / std::sqrt(sum);
  return Vec3{a.x * r, a.y * r, a.z * r};
}

}  // namespace vex3d
