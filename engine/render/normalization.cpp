// The normalisation of the data box into the plot cube.
#include "gl.h"

namespace vex3d {

void normalization(const DataWindow &window, const double half[3], DrawMode mode, Matrix &n, Matrix &n_inverse) {
  set_identity(n);
  set_identity(n_inverse);
  const int axes = mode == DrawMode::kFlat ? 2 : 3;
  for (int a = 0; a < axes; ++a) {
    const double length = window.length[a];
    // A zero z range gives a z scale of 1; the cube layout hands in x and y
    // ranges of positive length.
    const double s = length == 0 ? 1.0 : 2 * half[a] / length;
    const double t = -half[a] - window.min[a] * s;
    n.m[a][a] = s;
    n.m[a][3] = t;
    n_inverse.m[a][a] = 1 / s;
    n_inverse.m[a][3] = -t / s;
  }
  if (mode == DrawMode::kFlat) {
    // Every point lands in the plane z = 0.
    n.m[2][2] = n.m[2][3] = 0;
    n_inverse.m[2][2] = n_inverse.m[2][3] = 0;
  }
}

}  // namespace vex3d
