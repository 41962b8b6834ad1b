// contour_lengths GRID N LEVEL...: traces the levels over an N x N grid of
// raw little-endian doubles (z[j * N + i], x and y from -3 to 3) and prints,
// per level, the total length of its contour lines, the number of polylines
// and of points. The cross-check with an independent contour generator
// (matplotlib_crosscheck.py) compares these lengths.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "contour_result.h"

int main(int argc, char **argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: contour_lengths GRID N LEVEL...\n");
    return 2;
  }
  const int n = std::atoi(argv[2]);
  if (n < 2) return 2;
  std::vector<double> z(std::size_t(n) * n);
  std::FILE *f = std::fopen(argv[1], "rb");
  if (!f || std::fread(z.data(), sizeof(double), z.size(), f) != z.size()) {
    std::fprintf(stderr, "contour_lengths: cannot read %s\n", argv[1]);
    return 1;
  }
  std::fclose(f);

  // The engine's grids run x index outermost.
  std::vector<double> coords(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) coords[std::size_t(k)] = -3.0 + 6.0 * k / (n - 1);
  std::vector<std::vector<double>> values(static_cast<std::size_t>(n), std::vector<double>(static_cast<std::size_t>(n)));
  std::vector<const double *> rows;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) values[std::size_t(i)][std::size_t(j)] = z[std::size_t(j) * n + i];
    rows.push_back(values[std::size_t(i)].data());
  }
  std::vector<double> levels;
  for (int k = 3; k < argc; ++k) levels.push_back(std::strtod(argv[k], nullptr));

  vex3d::ContourResult result;
  const vex3d::GridWindow window{n, n, coords.data(), coords.data(), rows.data(), 1e308};
  if (vex3d::compute_contours({window, nullptr, levels, true}, result) != vex3d::ContourStatus::kDone) return 1;

  std::vector<double> length(levels.size());
  std::vector<int> lines(levels.size()), points(levels.size());
  for (const Vex3dContourLine &line : result.lines) {
    const std::size_t k = std::size_t(line.level);
    ++lines[k];
    for (const Vex3dContourPoint *p = line.first; p; p = p->next) {
      ++points[k];
      if (p->next) length[k] += std::hypot(p->next->x - p->x, p->next->y - p->y);
    }
  }
  for (std::size_t k = 0; k < levels.size(); ++k)
    std::printf("%.17g %.17g %d %d\n", levels[k], length[k], lines[k], points[k]);
  return 0;
}
