// Checks a painter's order of the cells of a grid whose lines lie at 0, 1,
// 2, ...: every cell drawn once, and every cell that lies on the way from the
// eye to another cell drawn after it.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace vex3d {

using CellOrder = std::map<std::pair<int, int>, int>;  // (column, row) -> position in the drawing

inline CellOrder order_of(const std::vector<std::pair<int, int>> &drawn) {
  CellOrder order;
  for (std::size_t k = 0; k < drawn.size(); ++k) order[drawn[k]] = int(k);
  return order;
}

inline void expect_each_cell_once(const std::vector<std::pair<int, int>> &drawn, int columns, int rows) {
  std::map<std::pair<int, int>, int> seen;
  for (const auto &cell : drawn) {
    EXPECT_TRUE(cell.first >= 0 && cell.first < columns && cell.second >= 0 && cell.second < rows)
        << cell.first << "," << cell.second;
    ++seen[cell];
  }
  EXPECT_EQ(seen.size(), std::size_t(columns * rows));
  for (const auto &[cell, count] : seen) EXPECT_EQ(count, 1) << "cell " << cell.first << "," << cell.second;
}

// Walks from the eye's (x, y) to the centre of each cell (nudged off the
// grid lines) and checks that every other cell passed is drawn later.
inline void expect_far_to_near(const CellOrder &order, int columns, int rows, double ex, double ey) {
  for (const auto &[far, far_at] : order) {
    const double tx = far.first + 0.5 + 0.0123, ty = far.second + 0.5 - 0.0071;
    for (int s = 0; s < 400; ++s) {
      const double t = s / 400.0;
      const double x = ex + (tx - ex) * t, y = ey + (ty - ey) * t;
      if (x < 0 || y < 0 || x >= columns || y >= rows) continue;
      const std::pair<int, int> near{int(std::floor(x)), int(std::floor(y))};
      if (near == far) continue;
      const auto hit = order.find(near);
      ASSERT_NE(hit, order.end());
      EXPECT_GT(hit->second, far_at) << "cell " << near.first << "," << near.second << " lies between the eye and "
                                     << far.first << "," << far.second;
    }
  }
}

}  // namespace vex3d
