// Properties that hold for every cell of any grid: checked on random grids
// against a slow, obvious reference.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "cell_lists.h"
#include "test_grid.h"
#include "zone_pieces.h"

namespace {

using vex3d::contour_cell;
using vex3d::PieceVertex;
using vex3d::ZoneMethod;

// A random grid on random increasing coordinates; values uniform in [0, 1).
TestGrid random_grid(int nx, int ny, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(0, 1);
  TestGrid g(nx, ny, [&](int, int) { return u(rng); });
  for (int i = 1; i < nx; ++i) g.x[std::size_t(i)] = g.x[std::size_t(i - 1)] + 0.2 + u(rng);
  for (int j = 1; j < ny; ++j) g.y[std::size_t(j)] = g.y[std::size_t(j - 1)] + 0.2 + u(rng);
  return g;
}

const std::vector<double> kLevels = {0.1, 0.2, 0.3, 0.45, 0.5, 0.55, 0.7, 0.9};

double area(std::span<const PieceVertex> p) {
  double twice = 0;
  for (std::size_t k = 0; k < p.size(); ++k) {
    const PieceVertex &a = p[k], &b = p[(k + 1) % p.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return 0.5 * twice;
}

// The value of the grid at (x, y) inside cell (i, j), interpolated bilinearly.
double bilinear(const TestGrid &g, int i, int j, double x, double y) {
  const double s = (x - g.x[std::size_t(i)]) / (g.x[std::size_t(i + 1)] - g.x[std::size_t(i)]);
  const double t = (y - g.y[std::size_t(j)]) / (g.y[std::size_t(j + 1)] - g.y[std::size_t(j)]);
  const auto &v = g.values;
  return (1 - s) * (1 - t) * v[std::size_t(i)][std::size_t(j)] + s * (1 - t) * v[std::size_t(i + 1)][std::size_t(j)] +
         s * t * v[std::size_t(i + 1)][std::size_t(j + 1)] + (1 - s) * t * v[std::size_t(i)][std::size_t(j + 1)];
}

// The zone that Part of the description gives: levels strictly below the value.
int levels_below(const std::vector<double> &levels, double v) {
  int n = 0;
  for (const double l : levels) n += l < v;
  return n;
}

TEST(ZonePieces, TileEveryCellExactlyWithBothMethods) {
  for (const ZoneMethod method : {ZoneMethod::kContours, ZoneMethod::kCells})
    for (unsigned seed = 1; seed <= 3; ++seed) {
      Contoured c(random_grid(24, 17, seed), kLevels);
      for (int i = 0; i < 23; ++i)
        for (int j = 0; j < 16; ++j) {
          double covered = 0;
          int pieces = 0;
          vex3d::zone_pieces(c.result, c.window, i, j, method, [&](std::span<const PieceVertex> p, int) {
            EXPECT_LE(p.size(), 8u);
            covered += std::fabs(area(p));
            ++pieces;
          });
          const double cell = (c.grid.x[std::size_t(i + 1)] - c.grid.x[std::size_t(i)]) *
                              (c.grid.y[std::size_t(j + 1)] - c.grid.y[std::size_t(j)]);
          EXPECT_NEAR(covered, cell, 1e-12 * cell) << "cell " << i << "," << j << " method " << int(method);
          const int segments = contour_cell(c.result, i, j).count;
          EXPECT_EQ(pieces, method == ZoneMethod::kCells ? 1 : segments + 1) << "cell " << i << "," << j;
        }
    }
}

// A smooth random field: a few waves of random direction and phase, varying
// slowly enough from cell to cell that a straight chord stands for the
// interpolated contour within a cell.
TestGrid smooth_grid(int nx, int ny, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(0, 1);
  double k[3][3];
  for (auto &wave : k) wave[0] = 0.3 * u(rng), wave[1] = 0.3 * u(rng), wave[2] = 6.3 * u(rng);
  return TestGrid(nx, ny, [&](int i, int j) {
    double z = 0.5;
    for (const auto &w : k) z += 0.15 * std::sin(w[0] * i + w[1] * j + w[2]);
    return z;
  });
}

// The zone a piece is filled with is the zone of the surface at the piece's
// centroid. Each of its vertices lies on the boundary or inside that zone.
TEST(ZonePieces, EachPieceHasTheZoneOfTheValueAtItsCentroid) {
  for (unsigned seed = 1; seed <= 3; ++seed) {
    Contoured c(smooth_grid(40, 30, seed), kLevels);
    int checked = 0;
    for (int i = 0; i < 39; ++i)
      for (int j = 0; j < 29; ++j)
        vex3d::zone_pieces(c.result, c.window, i, j, ZoneMethod::kContours, [&](std::span<const PieceVertex> p, int zone) {
          double cx = 0, cy = 0, a = 0;
          for (std::size_t k = 0; k < p.size(); ++k) {
            const PieceVertex &u = p[k], &v = p[(k + 1) % p.size()];
            const double w = u.x * v.y - v.x * u.y;
            a += w;
            cx += (u.x + v.x) * w;
            cy += (u.y + v.y) * w;
            const double below = zone > 0 ? kLevels[std::size_t(zone - 1)] : -HUGE_VAL;
            const double above = zone < int(kLevels.size()) ? kLevels[std::size_t(zone)] : HUGE_VAL;
            EXPECT_TRUE(u.value >= below && u.value <= above) << "cell " << i << "," << j;
          }
          cx /= 3 * a;
          cy /= 3 * a;
          EXPECT_EQ(zone, levels_below(kLevels, bilinear(c.grid, i, j, cx, cy))) << "cell " << i << "," << j;
          ++checked;
        });
    EXPECT_GT(checked, 1200);
  }
}

// Reference: on a grid whose values never equal a level, level L crosses an
// edge exactly when it lies strictly between the edge's values, at the linear
// interpolation; each cell holds one segment per two of its crossed sides.
TEST(Trace, EveryCrossingOfARandomGridIsTracedOnce) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    Contoured c(random_grid(31, 26, seed), kLevels);
    const TestGrid &g = c.grid;
    auto side_ends = [&](int i, int j, int side, int &ia, int &ja, int &ib, int &jb) {
      static constexpr int kEnds[4][4] = {{1, 0, 1, 1}, {0, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 1, 0}};
      ia = i + kEnds[side][0], ja = j + kEnds[side][1], ib = i + kEnds[side][2], jb = j + kEnds[side][3];
    };
    std::size_t total = 0;
    for (int i = 0; i < 30; ++i)
      for (int j = 0; j < 25; ++j) {
        const Vex3dContourCell cell = contour_cell(c.result, i, j);
        total += std::size_t(cell.count);
        for (int level = 0; level < int(kLevels.size()); ++level) {
          const double v = kLevels[std::size_t(level)];
          int crossed = 0;
          for (int side = 0; side < 4; ++side) {
            int ia, ja, ib, jb;
            side_ends(i, j, side, ia, ja, ib, jb);
            const double za = g.values[std::size_t(ia)][std::size_t(ja)], zb = g.values[std::size_t(ib)][std::size_t(jb)];
            crossed += std::min(za, zb) < v && v < std::max(za, zb);
          }
          int segments = 0;
          for (int list = 0; list < 5; ++list)
            for (int n = 0; n < cell.list_count[list]; ++n) {
              const Vex3dContourSegment &s = cell.list[list][n];
              if (s.level != level) continue;
              ++segments;
              for (const auto &[side, p] : {std::pair{int(s.side_a), s.a}, std::pair{int(s.side_b), s.b}}) {
                int ia, ja, ib, jb;
                side_ends(i, j, side, ia, ja, ib, jb);
                const double za = g.values[std::size_t(ia)][std::size_t(ja)],
                             zb = g.values[std::size_t(ib)][std::size_t(jb)];
                const double t = (v - za) / (zb - za);
                ASSERT_TRUE(t > 0 && t < 1) << "a segment end on a side the level does not cross";
                EXPECT_NEAR(p->x, g.x[std::size_t(ia)] + t * (g.x[std::size_t(ib)] - g.x[std::size_t(ia)]), 1e-12);
                EXPECT_NEAR(p->y, g.y[std::size_t(ja)] + t * (g.y[std::size_t(jb)] - g.y[std::size_t(ja)]), 1e-12);
              }
            }
          EXPECT_EQ(2 * segments, crossed) << "cell " << i << "," << j << " level " << level;
        }
      }
    // The polylines are made of exactly these segments; closed ones end where they start.
    std::size_t links = 0;
    for (std::size_t n = 0; n < c.result.lines.size(); ++n) {
      const auto points = polyline(c.result, n);
      ASSERT_GE(points.size(), 2u);
      links += points.size() - 1;
      for (const auto &p : points) EXPECT_EQ(p.z, kLevels[std::size_t(c.result.lines[n].level)]);
    }
    EXPECT_EQ(links, total);
  }
}

TEST(ZonedMesh, EdgesAreCutAtTheirContourPointsInOrder) {
  // z = x across one cell from 0 to 1 with levels 0.25 and 0.5: the bottom edge
  // is cut into three pieces of zones 0, 1 and 2; the left edge is one piece.
  TestGrid g(2, 2, [](int i, int) { return double(i); });
  Contoured c(std::move(g), {0.25, 0.5});
  std::vector<PieceVertex> scratch;
  struct Piece {
    double x0, x1;
    int zone;
  };
  std::vector<Piece> pieces;
  auto collect = [&](const PieceVertex &a, const PieceVertex &b, int zone) { pieces.push_back({a.x, b.x, zone}); };
  EXPECT_TRUE(vex3d::zoned_mesh_pieces(c.result, c.window, 0, 0, ZoneMethod::kContours, vex3d::kMeshBottom, scratch,
                                       collect));
  ASSERT_EQ(pieces.size(), 3u);
  const Piece want[] = {{0, 0.25, 0}, {0.25, 0.5, 1}, {0.5, 1, 2}};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(pieces[k].x0, want[k].x0);
    EXPECT_EQ(pieces[k].x1, want[k].x1);
    EXPECT_EQ(pieces[k].zone, want[k].zone);
  }
  pieces.clear();
  vex3d::zoned_mesh_pieces(c.result, c.window, 0, 0, ZoneMethod::kCells, vex3d::kMeshBottom | vex3d::kMeshLeft,
                           scratch, collect);
  ASSERT_EQ(pieces.size(), 2u);  // whole edges: the bottom (zone of 0.5), the left (zone of 0)
  EXPECT_EQ(pieces[0].zone, 1);
  EXPECT_EQ(pieces[1].zone, 0);
}

TEST(ZonePieces, HoleCellsAreNotZoned) {
  TestGrid g(3, 3, [](int i, int j) { return 0.1 * (i + j); });
  g.values[0][0] = g.hole;
  Contoured c(std::move(g), {0.25});
  std::vector<PieceVertex> scratch;
  int pieces = 0;
  auto count = [&](std::span<const PieceVertex>, int) { ++pieces; };
  EXPECT_FALSE(vex3d::zone_pieces(c.result, c.window, 0, 0, ZoneMethod::kContours, count));
  EXPECT_FALSE(vex3d::zone_pieces(c.result, c.window, 0, 0, ZoneMethod::kCells, count));
  EXPECT_FALSE(vex3d::zoned_mesh_pieces(c.result, c.window, 0, 0, ZoneMethod::kCells, 15, scratch,
                                        [&](const PieceVertex &, const PieceVertex &, int) { ++pieces; }));
  EXPECT_EQ(pieces, 0);
  EXPECT_TRUE(vex3d::zone_pieces(c.result, c.window, 1, 1, ZoneMethod::kContours, count));
  EXPECT_GT(pieces, 0);
}

}  // namespace
