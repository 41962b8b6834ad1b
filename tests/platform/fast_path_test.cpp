// The raster fast paths against cairo drawing the same primitives: fills
// must match pixel for pixel, thin lines must put their ink in the same
// places.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "raster_context.h"

namespace {

using namespace vex3d::platform;

constexpr int kSize = 96;

struct Pair {
  Pair() {
    slow.set_fast_paths(false);
    for (RasterContext *r : {&fast, &slow}) {
      r->set_brush({0xFFFFFF, false});
      r->fill_rectangle({0, 0, kSize, kSize});
    }
  }
  template <class Draw>
  void both(Draw draw) {
    draw(fast);
    draw(slow);
  }
  int differing_pixels() {
    int n = 0;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) n += fast.pixel(x, y) != slow.pixel(x, y);
    return n;
  }
  RasterContext fast{kSize, kSize}, slow{kSize, kSize};
};

std::vector<Point> random_polygon(std::mt19937 &rng, int n, int lo, int hi) {
  std::uniform_int_distribution<int> coord(lo, hi);
  std::vector<Point> points;
  for (int i = 0; i < n; ++i) points.push_back({coord(rng), coord(rng)});
  return points;
}

// True when the centre of pixel (x, y) lies exactly on an edge of the
// polygon: there the two rasterisers may break the tie differently.
bool centre_on_edge(const std::vector<Point> &polygon, int x, int y) {
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point a = polygon[i], b = polygon[(i + 1) % polygon.size()];
    // Twice the centre, so that everything stays in integers.
    const long long cx = 2LL * x + 1, cy = 2LL * y + 1;
    const long long ax = 2LL * a.x, ay = 2LL * a.y, bx = 2LL * b.x, by = 2LL * b.y;
    const __int128 cross = static_cast<__int128>(bx - ax) * (cy - ay) - static_cast<__int128>(by - ay) * (cx - ax);
    const bool between = std::min(ax, bx) <= cx && cx <= std::max(ax, bx) && std::min(ay, by) <= cy && cy <= std::max(ay, by);
    if (cross == 0 && between) return true;
  }
  return false;
}

// The obvious rule, slowly: a pixel is inside when a ray from its centre
// crosses the outline an odd number of times.
bool centre_inside(const std::vector<Point> &polygon, int x, int y) {
  const long long cx = 2LL * x + 1, cy = 2LL * y + 1;
  bool inside = false;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point a = polygon[i], b = polygon[(i + 1) % polygon.size()];
    const long long ax = 2LL * a.x, ay = 2LL * a.y, bx = 2LL * b.x, by = 2LL * b.y;
    if ((ay > cy) == (by > cy)) continue;
    // The crossing's x compared with the centre's, without dividing.
    const __int128 lhs = static_cast<__int128>(cx - ax) * (by - ay), rhs = static_cast<__int128>(bx - ax) * (cy - ay);
    if ((by > ay) ? lhs < rhs : lhs > rhs) inside = !inside;
  }
  return inside;
}

std::string describe(const std::vector<Point> &polygon) {
  std::string text;
  for (const Point &p : polygon) text += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
  return text;
}

// A convex cell like those of a surface: n vertices round a centre in
// [lo, hi]², `across` pixels wide, in turning order.
std::vector<Point> convex_cell(std::mt19937 &rng, int n, int lo, int hi, double across) {
  std::uniform_real_distribution<double> centre(lo, hi), unit(0, 1);
  const double cx = centre(rng), cy = centre(rng), turn = unit(rng) * 6.283185307179586;
  std::vector<Point> points;
  for (int k = 0; k < n; ++k) {
    const double a = turn + (k + 0.8 * unit(rng)) * 6.283185307179586 / n;
    points.push_back({static_cast<int>(std::lround(cx + across / 2 * std::cos(a))),
                      static_cast<int>(std::lround(cy + across / 2 * std::sin(a)))});
  }
  return points;
}

TEST(FastPaths, PolygonFillsFollowThePixelCentreRule) {
  std::mt19937 rng(7);
  struct Kind {
    int vertices, lo, hi;
    double convex_across;  // 0: vertices anywhere in [lo, hi]²
  };
  // Small cells (convex ones, some over the surface's edges), large
  // self-intersecting shapes, and shapes reaching far past the surface;
  // each under a clip sometimes.
  const Kind kinds[] = {{3, 10, 20, 0},  {4, 30, 40, 0}, {4, 0, 95, 7},    {5, -3, 99, 10},
                        {6, 40, 50, 40}, {5, 0, 95, 0},  {9, -50, 150, 0}, {12, -4000000, 4000000, 0},
                        {4, 0, 95, 3e9}};
  const Box clip_box{13, 21, 50, 40};
  for (const Kind &kind : kinds) {
    for (int round = 0; round < 40; ++round) {
      const auto polygon = kind.convex_across > 0
                               ? convex_cell(rng, kind.vertices, kind.lo, kind.hi, kind.convex_across)
                               : random_polygon(rng, kind.vertices, kind.lo, kind.hi);
      const bool clipped = round % 3 == 0;
      RasterContext r(kSize, kSize);
      if (clipped) r.set_clip(clip_box);
      r.set_brush({0x3366CC, false});
      r.fill_polygon(polygon);
      for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
          if (centre_on_edge(polygon, x, y)) continue;
          const bool in_clip = !clipped || (x >= 13 && x < 63 && y >= 21 && y < 61);
          ASSERT_EQ(r.pixel(x, y) != 0, in_clip && centre_inside(polygon, x, y))
              << x << "," << y << " polygon kind " << kind.vertices << " round " << round << ": " << describe(polygon);
        }
      }
    }
  }
}

// True when an edge passes within a hair of the pixel's centre, where
// cairo's fixed-point sampling may decide otherwise.
bool centre_near_edge(const std::vector<Point> &polygon, int x, int y) {
  const double cx = x + 0.5, cy = y + 0.5;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point a = polygon[i], b = polygon[(i + 1) % polygon.size()];
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    const double t = std::clamp(((cx - a.x) * dx + (cy - a.y) * dy) / len2, 0.0, 1.0);
    if (std::hypot(a.x + t * dx - cx, a.y + t * dy - cy) < 1.0 / 64) return true;
  }
  return false;
}

TEST(FastPaths, ConvexFillsMatchCairoExceptNextToAPixelCentre) {
  std::mt19937 rng(5);
  for (int round = 0; round < 200; ++round) {
    auto polygon = random_polygon(rng, 3, round % 2 ? 10 : -20, round % 2 ? 30 : 120);
    Pair pair;
    pair.both([&](RasterContext &r) {
      r.set_brush({0x3366CC, false});
      r.fill_polygon(polygon);
    });
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        if (pair.fast.pixel(x, y) == pair.slow.pixel(x, y)) continue;
        ASSERT_TRUE(centre_near_edge(polygon, x, y)) << x << "," << y << " round " << round;
      }
    }
  }
}

TEST(FastPaths, SmallWholeEllipsesMatchCairoExactly) {
  // Symbols of every small size at many places, partly off the picture and
  // under a clip; a slice and a large ellipse (cairo's own) alongside.
  struct Case {
    Box box;
    double sweep;
    bool clipped;
  };
  std::vector<Case> cases;
  for (int w = 1; w <= 13; ++w)
    for (int h : {1, 2, 3, 5, 8, 13})
      cases.push_back({Box{(w * 7) % 90 - 4, (h * 11 + w) % 90 - 3, w, h}, 2 * std::numbers::pi, w % 3 == 0});
  cases.push_back({Box{-2, 40, 64, 30}, 2 * std::numbers::pi, false});
  cases.push_back({Box{10, 10, 70, 60}, 2 * std::numbers::pi, false});
  cases.push_back({Box{20, 30, 9, 9}, 1.5, false});
  for (const Case &c : cases) {
    Pair pair;
    pair.both([&](RasterContext &r) {
      if (c.clipped) r.set_clip(Box{5, 8, 60, 50});
      r.set_brush({0x3366CC, false});
      r.fill_pie(ArcSpec{c.box, 0.3, c.sweep});
      r.fill_pie(ArcSpec{c.box, 0.3, c.sweep});  // the second from the stamp kept
    });
    EXPECT_EQ(pair.differing_pixels(), 0)
        << c.box.x << "," << c.box.y << " " << c.box.width << "x" << c.box.height << " sweep " << c.sweep;
  }
}

TEST(FastPaths, ThinLinesAlongRowsAndColumnsMatchCairoExactly) {
  Pair pair;
  pair.both([](RasterContext &r) {
    r.set_pen(Pen{});
    r.set_clip(Box{5, 5, 80, 80});
    const Point lines[][2] = {{{1, 10}, {90, 10}}, {{70, 2}, {70, 93}}, {{60, 40}, {8, 40}}, {{20, 80}, {20, 30}}};
    for (const auto &l : lines) r.draw_line(l[0], l[1]);
  });
  EXPECT_EQ(pair.differing_pixels(), 0);
}

// Where the ink of each column (or row) of a line sits, from a pixel image.
double ink_centre(RasterContext &r, int column) {
  double sum = 0, weighted = 0;
  for (int y = 0; y < kSize; ++y) {
    const double ink = 255 - (r.pixel(column, y) & 0xFF);
    sum += ink;
    weighted += ink * y;
  }
  return sum > 0 ? weighted / sum : -1;
}

TEST(FastPaths, SlopedThinLinesPutTheirInkWhereCairoDoes) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> coord(4, 91);
  for (int round = 0; round < 40; ++round) {
    Point a{4, coord(rng)}, b{91, coord(rng)};
    Pair pair;
    pair.both([&](RasterContext &r) {
      r.set_pen(Pen{});
      r.draw_line(a, b);
    });
    for (int x = a.x + 2; x < b.x - 2; ++x)
      EXPECT_NEAR(ink_centre(pair.fast, x), ink_centre(pair.slow, x), 0.25) << "column " << x << " round " << round;
  }
}

TEST(FastPaths, ClippedThinLinesAreTheUnclippedLinesCutAtTheClip) {
  // Ends inside and outside the clip in either coordinate, for lines
  // stepping along x and along y.
  const Box clip{20, 25, 50, 40};
  const Point lines[][2] = {{{25, 30}, {65, 38}}, {{5, 30}, {90, 52}},  {{30, 10}, {60, 80}}, {{30, 20}, {66, 40}},
                            {{45, 2}, {47, 94}},  {{10, 60}, {80, 70}}, {{68, 64}, {22, 26}}, {{19, 24}, {70, 65}},
                            {{50, 30}, {90, 31}}, {{35, 64}, {36, 90}}};
  for (const auto &l : lines) {
    RasterContext whole(kSize, kSize), clipped(kSize, kSize);
    clipped.set_clip(clip);
    for (RasterContext *r : {&whole, &clipped}) {
      Pen pen;
      pen.color = 0x2050A0;
      r->set_pen(pen);
      r->draw_line(l[0], l[1]);
    }
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        const bool inside = x >= 20 && x < 70 && y >= 25 && y < 65;
        ASSERT_EQ(clipped.pixel(x, y), inside ? whole.pixel(x, y) : 0u)
            << x << "," << y << " line " << l[0].x << "," << l[0].y << " to " << l[1].x << "," << l[1].y;
      }
    }
  }
}

TEST(FastPaths, FarAwayCoordinatesNeitherWrapNorCrash) {
  Pair pair;
  pair.both([](RasterContext &r) {
    r.set_pen(Pen{});
    r.draw_line({-2000000000, 10}, {2000000000, 10});
    r.draw_line({30, -2147483647}, {30, 2147483647});
    r.set_brush({0, false});
    const Point huge[] = {{-2147483647, -2147483647}, {2147483647, -2147483647}, {0, 2147483647}};
    r.set_clip(Box{60, 60, 10, 10});
    r.fill_polygon(huge);
  });
  for (RasterContext *r : {&pair.fast, &pair.slow}) {
    EXPECT_EQ(r->pixel(50, 10), 0xFF000000u);
    EXPECT_EQ(r->pixel(30, 50), 0xFF000000u);
    EXPECT_EQ(r->pixel(65, 65), 0xFF000000u);
    EXPECT_EQ(r->pixel(59, 65), 0xFFFFFFFFu);
  }
}

}  // namespace
