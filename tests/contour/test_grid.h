// Small grids for the contour tests: x = i, y = j unless given.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

#include "contour_result.h"

struct TestGrid {
  std::vector<double> x, y;
  std::vector<std::vector<double>> values;  // values[i][j]
  std::vector<const double *> rows;
  double hole = 1e308;

  TestGrid(int nx, int ny, const std::function<double(int, int)> &f) : values(std::size_t(nx)) {
    for (int i = 0; i < nx; ++i) x.push_back(i);
    for (int j = 0; j < ny; ++j) y.push_back(j);
    for (int i = 0; i < nx; ++i)
      for (int j = 0; j < ny; ++j) values[std::size_t(i)].push_back(f(i, j));
  }
  // Values given as rows of constant y, top row first, as one would draw them.
  static TestGrid picture(std::vector<std::vector<double>> top_down) {
    const int ny = int(top_down.size()), nx = int(top_down[0].size());
    return TestGrid(nx, ny, [&](int i, int j) { return top_down[std::size_t(ny - 1 - j)][std::size_t(i)]; });
  }

  vex3d::GridWindow window() {
    rows.clear();
    for (auto &r : values) rows.push_back(r.data());
    return vex3d::GridWindow{int(x.size()), int(y.size()), x.data(), y.data(), rows.data(), hole};
  }
};

// Contours of one grid with the given levels.
struct Contoured {
  TestGrid grid;
  std::vector<double> levels;
  vex3d::GridWindow window;
  vex3d::ContourResult result;
  vex3d::ContourStatus status;

  Contoured(TestGrid g, std::vector<double> lv, bool lines = true, const vex3d::GridWindow *surface = nullptr)
      : grid(std::move(g)), levels(std::move(lv)), window(grid.window()) {
    status = vex3d::compute_contours(vex3d::ContourInput{window, surface, levels, lines}, result);
  }
  Contoured(const Contoured &) = delete;  // the window points into the grid
  Contoured &operator=(const Contoured &) = delete;
};

// The points of polyline n.
inline std::vector<Vex3dContourPoint> polyline(const vex3d::ContourResult &r, std::size_t n) {
  std::vector<Vex3dContourPoint> points;
  for (const Vex3dContourPoint *p = r.lines[n].first; p; p = p->next) points.push_back(*p);
  return points;
}
