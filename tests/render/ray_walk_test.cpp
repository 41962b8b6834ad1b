// The walk of a line of sight over grid cells, against every cell tested
// one by one; the triangle and box hits; the tags of the traversal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <vector>

#include "pick_ray.h"
#include "ray_walk.h"
#include "traversal.h"

namespace vex3d {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Visit {
  int i, j;
  double t_in, t_out;
};

std::vector<Visit> walk(const std::vector<double> &xs, const std::vector<double> &ys, const RayTrace &trace) {
  std::vector<Visit> visits;
  walk_slots(xs, ys, trace, [&](int i, int j, double t_in, double t_out) {
    visits.push_back({i, j, t_in, t_out});
    return false;
  });
  return visits;
}

// The t interval in which the trace lies inside slot (i, j), every slot
// tried: the slots it passes through with some length, in the order of t.
std::vector<Visit> every_slot(const std::vector<double> &xs, const std::vector<double> &ys, const RayTrace &r) {
  std::vector<Visit> crossed;
  for (int i = 0; i + 1 < int(xs.size()); ++i)
    for (int j = 0; j + 1 < int(ys.size()); ++j) {
      double from = r.from, to = r.to;
      auto clip = [&](double a, double d, double lo, double hi) {
        if (d == 0) {
          if (a < lo || a > hi) from = kInfinity;
          return;
        }
        const double t0 = (lo - a) / d, t1 = (hi - a) / d;
        from = std::max(from, std::min(t0, t1));
        to = std::min(to, std::max(t0, t1));
      };
      clip(r.x, r.dx, xs[std::size_t(i)], xs[std::size_t(i) + 1]);
      clip(r.y, r.dy, ys[std::size_t(j)], ys[std::size_t(j) + 1]);
      if (to - from > 1e-9) crossed.push_back({i, j, from, to});
    }
  std::sort(crossed.begin(), crossed.end(), [](const Visit &a, const Visit &b) { return a.t_in < b.t_in; });
  return crossed;
}

std::vector<double> ascending(std::mt19937 &rng, int count) {
  std::uniform_real_distribution<double> gap(0.05, 2.0);
  std::vector<double> lines{-3};
  for (int k = 1; k < count; ++k) lines.push_back(lines.back() + gap(rng));
  return lines;
}

TEST(RayWalk, VisitsExactlyTheSlotsTheTraceCrossesNearestFirst) {
  std::mt19937 rng(19);
  std::uniform_real_distribution<double> coord(-10, 30), dir(-1, 1);
  std::uniform_int_distribution<int> count(2, 25);
  int crossing = 0;
  for (int round = 0; round < 2000; ++round) {
    const std::vector<double> xs = ascending(rng, count(rng)), ys = ascending(rng, count(rng));
    RayTrace trace{coord(rng), coord(rng), dir(rng), dir(rng), 0, kInfinity};
    if (round % 7 == 0) trace.dy = 0;                          // along a grid direction
    if (round % 11 == 0) trace.to = 20 * std::fabs(dir(rng));  // a segment ending inside
    const std::vector<Visit> expected = every_slot(xs, ys, trace), visited = walk(xs, ys, trace);
    // The walk may add slots that the trace only grazes; it must not miss or
    // reorder any that it crosses.
    std::vector<Visit> crossed;
    for (const Visit &v : visited)
      if (v.t_out - v.t_in > 1e-9) crossed.push_back(v);
    ASSERT_EQ(crossed.size(), expected.size()) << "round " << round;
    for (std::size_t k = 0; k < expected.size(); ++k) {
      EXPECT_EQ(crossed[k].i, expected[k].i) << "round " << round << " step " << k;
      EXPECT_EQ(crossed[k].j, expected[k].j) << "round " << round << " step " << k;
      EXPECT_NEAR(crossed[k].t_in, expected[k].t_in, 1e-9);
      EXPECT_NEAR(crossed[k].t_out, expected[k].t_out, 1e-9);
    }
    crossing += !expected.empty();
  }
  EXPECT_GT(crossing, 400);  // many traces meet the grid
}

TEST(RayWalk, StandingStillVisitsTheSlotBelow) {
  const std::vector<double> xs{0, 1, 2, 3}, ys{0, 1, 2};
  const std::vector<Visit> below = walk(xs, ys, RayTrace{2.5, 0.5, 0, 0, 0, kInfinity});
  ASSERT_EQ(below.size(), 1u);
  EXPECT_EQ(below[0].i, 2);
  EXPECT_EQ(below[0].j, 0);
  EXPECT_TRUE(walk(xs, ys, RayTrace{5, 0.5, 0, 0, 0, kInfinity}).empty()) << "beside the grid";
}

TEST(RayWalk, ThroughACrossingOfLinesLeavesOutTheSlotsOnlyTouched) {
  const std::vector<double> xs{0, 1, 2}, ys{0, 1, 2};
  const std::vector<Visit> diagonal = walk(xs, ys, RayTrace{-1, -1, 1, 1, 0, kInfinity});
  ASSERT_EQ(diagonal.size(), 2u);
  EXPECT_EQ(diagonal[0].i, 0);
  EXPECT_EQ(diagonal[1].i, 1);
  EXPECT_EQ(diagonal[1].j, 1);
}

TEST(RayWalk, RefusesTooFewOrUnorderedLines) {
  const RayTrace trace{0.5, -1, 0, 1, 0, kInfinity};
  EXPECT_TRUE(walk({0}, {0, 1}, trace).empty());
  EXPECT_TRUE(walk({1, 0}, {0, 1}, trace).empty());
  EXPECT_TRUE(walk({0, 1}, {0, NAN}, trace).empty());
}

// ---- Hits

struct TriangleCase {
  const char *name;
  Ray ray;
  bool hits;
  double t;
};

TEST(RayTriangle, HitsInsideAndOnEdgesFromEitherSideAndOnlyAhead) {
  const Vec3 a{0, 0, 0}, b{1, 0, 0}, c{0, 1, 0};
  const TriangleCase cases[] = {
      {"inside from above", {{0.25, 0.25, 2}, {0, 0, -1}}, true, 2},
      {"inside from below", {{0.25, 0.25, -1}, {0, 0, 0.5}}, true, 2},
      {"on the long edge", {{0.5, 0.5, 1}, {0, 0, -1}}, true, 1},
      {"at a corner", {{1, 0, 3}, {0, 0, -1}}, true, 3},
      {"beside the long edge", {{0.51, 0.51, 1}, {0, 0, -1}}, false, 0},
      {"behind the origin", {{0.25, 0.25, 2}, {0, 0, 1}}, false, 0},
      {"parallel to the plane", {{0.25, 0.25, 0}, {1, 0, 0}}, false, 0},
      {"slanted", {{0, 0, 1}, {0.2, 0.2, -1}}, true, 1},
  };
  for (const TriangleCase &k : cases) {
    const std::optional<double> t = ray_triangle(k.ray, a, b, c);
    EXPECT_EQ(t.has_value(), k.hits) << k.name;
    if (t && k.hits) {
      EXPECT_NEAR(*t, k.t, 1e-12) << k.name;
    }
  }
  EXPECT_FALSE(ray_triangle({{0, 0, 1}, {0, 0, -1}}, a, a, b)) << "a degenerate triangle";
}

TEST(RayBox, EntersTheNearFace) {
  const Vec3 lo{0, 0, 0}, hi{1, 2, 3};
  const TriangleCase cases[] = {
      {"from above", {{0.5, 1, 5}, {0, 0, -1}}, true, 2},
      {"from the side", {{-2, 1, 1}, {1, 0, 0}}, true, 2},
      {"slanted through a corner region", {{-1, -1, -1}, {1, 1, 1}}, true, 1},
      {"past it", {{2, 1, 5}, {0, 0, -1}}, false, 0},
      {"away from it", {{0.5, 1, 5}, {0, 0, 1}}, false, 0},
      {"from inside", {{0.5, 1, 1}, {0, 1, 0}}, true, 0},
  };
  for (const TriangleCase &k : cases) {
    const std::optional<double> t = ray_box(k.ray, lo, hi);
    EXPECT_EQ(t.has_value(), k.hits) << k.name;
    if (t && k.hits) {
      EXPECT_NEAR(*t, k.t, 1e-12) << k.name;
    }
  }
}

// ---- Tags

TEST(CellTag, IsTheTagTheTraversalDrawsEachCellWith) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    const int columns = 1 + int(rng() % 9), rows = 1 + int(rng() % 9);
    auto split = [&](int count) {
      // The eye before, inside (with or without a strip) or beyond the run.
      AxisSplit s;
      s.first = 0, s.last = count - 1;
      const int eye = int(rng() % unsigned(count + 2)) - 1;
      const bool strip = rng() % 2 == 0 && eye >= 0 && eye < count;
      s.last_below = std::clamp(strip ? eye - 1 : eye, -1, count - 1);
      s.first_above = strip ? eye + 1 : s.last_below + 1;
      s.eye = eye;
      return s;
    };
    const EyeCell eye{split(columns), split(rows)};
    std::map<std::pair<int, int>, int> drawn;
    traverse_cells(eye, int(rng() % 16), [&](int i, int j, int tag) { drawn[{i, j}] = tag; });
    for (int i = -1; i <= columns; ++i)
      for (int j = -1; j <= rows; ++j) {
        const auto at = drawn.find({i, j});
        EXPECT_EQ(cell_tag(eye, i, j), at == drawn.end() ? 0 : at->second) << "cell " << i << "," << j;
      }
  }
}

}  // namespace
}  // namespace vex3d
