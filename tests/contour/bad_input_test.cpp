// Grids and levels that must not crash, hang or read out of bounds (run under
// the sanitizers), and what they give.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "test_grid.h"
#include "zone_pieces.h"

namespace {

using vex3d::ContourStatus;
using vex3d::PieceVertex;
using vex3d::ZoneMethod;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<double> many_levels(int n, double from, double step) {
  std::vector<double> levels;
  for (int k = 0; k < n; ++k) levels.push_back(from + k * step);
  return levels;
}

struct BadCase {
  const char *what;
  int nx, ny;
  double (*value)(int i, int j);
  std::vector<double> levels;
  ContourStatus status;
  int lines;  // expected polylines, or -1 when any number will do
};

const BadCase kCases[] = {
    {"NaN values", 6, 6, [](int i, int j) { return (i + j) % 3 == 0 ? kNaN : 0.2 * i; }, {0.5}, ContourStatus::kDone, -1},
    {"infinities", 6, 6, [](int i, int j) { return i == 2 ? (j % 2 ? kInf : -kInf) : 0.1 * j; }, {0.25, 0.35},
     ContourStatus::kDone, -1},
    {"all holes", 5, 4, [](int, int) { return 1e308; }, {0.5}, ContourStatus::kDone, 0},
    {"a single row", 7, 1, [](int i, int) { return double(i); }, {2.5}, ContourStatus::kDone, 0},
    {"a single column", 1, 7, [](int, int j) { return double(j); }, {2.5}, ContourStatus::kDone, 0},
    {"levels outside the data", 5, 5, [](int i, int j) { return 0.1 * (i + j); }, {-3, 7}, ContourStatus::kDone, 0},
    {"no levels", 5, 5, [](int i, int j) { return 0.1 * (i + j); }, {}, ContourStatus::kDone, 0},
    {"10,000 levels", 12, 12, [](int i, int j) { return std::sin(0.7 * i) * std::cos(0.4 * j); },
     many_levels(10000, -1.2, 0.00024), ContourStatus::kDone, -1},
    {"levels beyond infinity", 4, 4, [](int i, int j) { return i == 1 && j == 1 ? kInf : 0.0; }, {-kInf, 0.5, kInf},
     ContourStatus::kDone, 1},
    {"levels not ascending", 4, 4, [](int i, int) { return double(i); }, {2, 1}, ContourStatus::kBadLevels, 0},
    {"a NaN level", 4, 4, [](int i, int) { return double(i); }, {1, kNaN}, ContourStatus::kBadLevels, 0},
};

TEST(BadInput, NeverBreaksAndZonePiecesStillTileFiniteCells) {
  for (const BadCase &b : kCases) {
    SCOPED_TRACE(b.what);
    Contoured c(TestGrid(b.nx, b.ny, b.value), b.levels);
    EXPECT_EQ(c.status, b.status);
    if (b.lines >= 0) {
      EXPECT_EQ(int(c.result.lines.size()), b.lines);
    }
    for (std::size_t n = 0; n < c.result.lines.size(); ++n)
      for (const auto &p : polyline(c.result, n)) {
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
        EXPECT_TRUE(p.x >= 0 && p.x <= b.nx - 1 && p.y >= 0 && p.y <= b.ny - 1);
      }
    std::vector<PieceVertex> scratch;
    for (int i = 0; i + 1 < b.nx; ++i)
      for (int j = 0; j + 1 < b.ny; ++j)
        for (const ZoneMethod method : {ZoneMethod::kContours, ZoneMethod::kCells}) {
          double covered = 0;
          vex3d::zone_pieces(c.result, c.window, i, j, method, [&](std::span<const PieceVertex> p, int zone) {
            EXPECT_TRUE(zone >= 0 && zone <= int(b.levels.size()));
            double twice = 0;
            for (std::size_t k = 0; k < p.size(); ++k)
              twice += p[k].x * p[(k + 1) % p.size()].y - p[(k + 1) % p.size()].x * p[k].y;
            covered += std::fabs(0.5 * twice);
          });
          const bool zoned = c.status == ContourStatus::kDone && !vex3d::contour_cell(c.result, i, j).hole;
          EXPECT_NEAR(covered, zoned ? 1 : 0, 1e-9) << "cell " << i << "," << j;
          vex3d::zoned_mesh_pieces(c.result, c.window, i, j, method, 15, scratch,
                                   [&](const PieceVertex &, const PieceVertex &, int zone) {
                                     EXPECT_TRUE(zone >= 0 && zone <= int(b.levels.size()));
                                   });
        }
  }
}

TEST(BadInput, AllHolesMarksEveryCell) {
  Contoured c(TestGrid(4, 3, [](int, int) { return 1e308; }), {0.5});
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 2; ++j) EXPECT_TRUE(vex3d::contour_cell(c.result, i, j).hole);
}

TEST(BadInput, CellsOutsideTheWindowAreEmptyHoles) {
  Contoured c(TestGrid(3, 3, [](int i, int) { return double(i); }), {0.5});
  for (const auto &[i, j] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) {
    const Vex3dContourCell cell = vex3d::contour_cell(c.result, i, j);
    EXPECT_TRUE(cell.hole);
    EXPECT_EQ(cell.count, 0);
  }
}

}  // namespace
