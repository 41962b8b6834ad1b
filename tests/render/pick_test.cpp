// Picking: the line of sight against every cell and every bar tested one by
// one, round trips from data indices to pixels and back from eight
// directions, pixels of the drawn picture, the edge cases and bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <map>
#include <random>

#include "body_geometry.h"
#include "body_pass.h"
#include "pick_body.h"
#include "pick_fixture.h"
#include "traversal.h"

namespace vex3d {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool unset(double v) { return v == VALUE_UNSET; }

// ---- The reference: every cell, every bar

Vec3 cube_of(const ViewState &view, double x, double y, double z) {
  const Point4 p = transform_point(view.normalize, Point4{x, y, z, 1});
  return {p.x, p.y, p.z};
}

// The first hit on the surface with every cell tried, each split as the
// traversal draws it: its tag from the traversal itself, four triangles
// about the centre when it folds on the device, else two triangles along
// the diagonal that lies inside its quadrilateral.
double every_cell_hit(Vex3dGraph *graph, const ViewState &view, const BodyState &body, const Ray &ray) {
  const GridValues v = grid_values(graph);
  std::map<std::pair<int, int>, int> tags;
  traverse_cells(body.eye, body.view_flags, [&](int i, int j, int tag) { tags[{i, j}] = tag; });
  double best = kInfinity;
  auto keep = [&](const Vec3 &a, const Vec3 &b, const Vec3 &c) {
    if (const auto t = ray_triangle(ray, a, b, c)) best = std::min(best, *t);
  };
  const int di[4] = {0, 0, 1, 1}, dj[4] = {0, 1, 1, 0};
  for (int i = 0; i + 1 < v.nx; ++i)
    for (int j = 0; j + 1 < v.ny; ++j) {
      bool hole = false;
      DevicePoint d[4];
      Vec3 c[4];
      for (int k = 0; k < 4; ++k) {
        hole |= body.grid.hole(i + di[k], j + dj[k]);
        d[k] = body.grid.at(i + di[k], j + dj[k]);
        c[k] = cube_of(view, v.x[i + di[k]], v.y[j + dj[k]], v.z(i + di[k], j + dj[k]));
      }
      if (hole) continue;
      if (cell_folds(tags.at({i, j}), d, (body.mode & kModeZones) != 0)) {
        const double zc = (v.z(i, j) + v.z(i, j + 1) + v.z(i + 1, j + 1) + v.z(i + 1, j)) / 4;
        const Vec3 centre = cube_of(view, (v.x[i] + v.x[i + 1]) / 2, (v.y[j] + v.y[j + 1]) / 2, zc);
        for (int k = 0; k < 4; ++k) keep(c[k], c[(k + 1) % 4], centre);
        continue;
      }
      auto side = [&](DevicePoint p) {
        return (long long)(d[2].x - d[0].x) * (p.y - d[0].y) - (long long)(d[2].y - d[0].y) * (p.x - d[0].x);
      };
      if (side(d[1]) * side(d[3]) <= 0) {
        keep(c[0], c[1], c[2]);
        keep(c[0], c[2], c[3]);
      } else {
        keep(c[1], c[2], c[3]);
        keep(c[1], c[3], c[0]);
      }
    }
  return best;
}

double every_bar_hit(Vex3dGraph *graph, const Ray &data_ray) {
  const GridValues v = grid_values(graph);
  double best = kInfinity;
  for (int i = 0; i < v.nx; ++i)
    for (int j = 0; j < v.ny; ++j) {
      const double z = v.z(i, j);
      if (z == v.hole) continue;
      const double hx = bar_half_width(graph->ranges.x_spacing, graph->x.bar_spacing);
      const double hy = bar_half_width(graph->ranges.y_spacing, graph->y.bar_spacing);
      const auto t = ray_box(data_ray, Vec3{v.x[i] - hx, v.y[j] - hy, std::min(z, graph->zorigin)},
                             Vec3{v.x[i] + hx, v.y[j] + hy, std::max(z, graph->zorigin)});
      if (t) best = std::min(best, *t);
    }
  return best;
}

struct RandomView {
  double x_rotation, z_rotation, perspective;
};

RandomView random_view(std::mt19937 &rng) {
  std::uniform_real_distribution<double> x(-85, 85), z(0, 360), p(1, 4);
  return {x(rng), z(rng), p(rng)};
}

// Rough surfaces with holes: at low angles many cells fold on the device.
DataPtr random_surface(std::mt19937 &rng, double hole_share) {
  std::uniform_int_distribution<int> size(3, 70);  // several height blocks each way
  std::uniform_real_distribution<double> z(0, 10), share(0, 1);
  const int nx = size(rng), ny = size(rng);
  const double smooth = share(rng);
  return make_grid(nx, ny, [&](int i, int j) {
    if (share(rng) < hole_share) return 1e308;
    return smooth < 0.3 ? 3 * std::sin(i * 0.7) * std::cos(j * 0.5) : z(rng);
  });
}

TEST_F(PickTest, SightLineMeetsTheSurfaceWhereEveryCellTriedFirstMeetsIt) {
  std::mt19937 rng(1919);
  std::uniform_int_distribution<int> px(0, kWidth - 1), py(0, kHeight - 1);
  int hits = 0, misses = 0, folded_hits = 0;
  for (int round = 0; round < 24; ++round) {
    use(random_surface(rng, 0.1));
    const RandomView r = random_view(rng);
    rotate(r.x_rotation, 0, r.z_rotation);
    Vex3dSetValues(g(), VEX3D_PERSPECTIVE_DEPTH, r.perspective, VEX3D_DRAW_ZONES, round % 4 == 3 ? 1 : 0, 0);
    draw();
    for (int k = 0; k < 150; ++k) {
      const int x = px(rng), y = py(rng);
      const auto sight = sight_line(view(), x, y);
      ASSERT_TRUE(sight);
      const double expected = every_cell_hit(g(), view(), body(), sight->cube);
      const auto hit = first_body_hit(g(), view(), body(), *sight);
      const Vex3dDataCoordResult picked = Vex3dPixelToDataCoord(g(), x, y);
      if (expected == kInfinity) {
        EXPECT_FALSE(hit) << "round " << round << " pixel " << x << "," << y;
        EXPECT_TRUE(unset(picked.x) && unset(picked.y) && unset(picked.z));
        ++misses;
        continue;
      }
      ASSERT_TRUE(hit) << "round " << round << " pixel " << x << "," << y;
      EXPECT_NEAR(hit->t, expected, 1e-9 * std::max(1.0, expected)) << "round " << round << " pixel " << x << "," << y;
      const Vec3 at = sight->data.at(expected);
      EXPECT_NEAR(picked.x, at.x, 1e-6);
      EXPECT_NEAR(picked.y, at.y, 1e-6);
      EXPECT_NEAR(picked.z, at.z, 1e-6);
      ++hits;
      DevicePoint d[4];
      const int di[4] = {0, 0, 1, 1}, dj[4] = {0, 1, 1, 0};
      for (int c = 0; c < 4; ++c) d[c] = body().grid.at(hit->i + di[c], hit->j + dj[c]);
      folded_hits += cell_folds(cell_tag(body().eye, hit->i, hit->j), d, false) && !(body().mode & kModeZones);
    }
  }
  EXPECT_GT(hits, 500);
  EXPECT_GT(misses, 200);
  EXPECT_GT(folded_hits, 10) << "the surfaces must fold over themselves in the view";
}

TEST_F(PickTest, SightLineMeetsTheBarEveryBarTriedFirstMeets) {
  std::mt19937 rng(77);
  std::uniform_int_distribution<int> px(0, kWidth - 1), py(0, kHeight - 1);
  int hits = 0;
  for (int round = 0; round < 12; ++round) {
    use(random_surface(rng, 0.15));
    const RandomView r = random_view(rng);
    rotate(r.x_rotation, 0, r.z_rotation);
    Vex3dSetValues(g(), VEX3D_TYPE, Vex3dTypeBar, VEX3D_PERSPECTIVE_DEPTH, r.perspective, VEX3D_ZORIGIN, 2.0,
                   VEX3D_XBAR_SPACING, 40.0 + 5 * round, 0);
    draw();
    for (int k = 0; k < 150; ++k) {
      const int x = px(rng), y = py(rng);
      const auto sight = sight_line(view(), x, y);
      ASSERT_TRUE(sight);
      const double expected = every_bar_hit(g(), sight->data);
      const auto hit = first_body_hit(g(), view(), body(), *sight);
      if (expected == kInfinity) {
        EXPECT_FALSE(hit) << "round " << round << " pixel " << x << "," << y;
        continue;
      }
      ASSERT_TRUE(hit) << "round " << round << " pixel " << x << "," << y;
      EXPECT_NEAR(hit->t, expected, 1e-9 * std::max(1.0, expected));
      // The index of the bar hit, and its distance from the bar's point.
      const Vex3dDataIndexResult index = Vex3dPixelToDataIndex(g(), x, y);
      EXPECT_EQ(index.row, hit->i);
      EXPECT_EQ(index.column, hit->j);
      const DevicePoint p = body().grid.at(hit->i, hit->j);
      EXPECT_EQ(index.distance, int(std::hypot(p.x - x, p.y - y)));
      ++hits;
    }
  }
  EXPECT_GT(hits, 200);
}

// On a flat map: against every grid point tried, holes and points outside
// the chart area left out, the later one (larger x index, then y index)
// winning a tie.
TEST_F(PickTest, FlatMapNearestPointIsTheNearestOfAllGridPoints) {
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> px(-20, kWidth + 20), py(-20, kHeight + 20);
  Vex3dSetValues(g(), VEX3D_DRAW_SHADED, 0, 0);
  int found = 0;
  for (int round = 0; round < 10; ++round) {
    use(random_surface(rng, round % 3 == 0 ? 0.6 : 0.1));
    // Zoomed in on some rounds, so that grid points lie outside the chart area.
    Vex3dSetValues(g(), VEX3D_VIEW_SCALE, round % 2 ? 2.5 : 1.0, 0);
    draw();
    const ProjectedGrid &grid = body().grid;
    for (int k = 0; k < 200; ++k) {
      const DevicePoint at{px(rng), py(rng)};
      NearestPoint expected;
      for (int i = 0; i < grid.nx; ++i)
        for (int j = 0; j < grid.ny; ++j) {
          const DevicePoint p = grid.at(i, j);
          if (grid.hole(i, j) || p.x < 0 || p.y < 0 || p.x >= kWidth || p.y >= kHeight) continue;
          const std::int64_t d = std::int64_t(p.x - at.x) * (p.x - at.x) + std::int64_t(p.y - at.y) * (p.y - at.y);
          if (!expected.found() || d <= expected.squared) expected.i = i, expected.j = j, expected.squared = d;
        }
      const NearestPoint n = nearest_grid_point_flat(body(), at, Rect{0, 0, kWidth, kHeight});
      EXPECT_EQ(n.i, expected.i) << "round " << round << " at " << at.x << "," << at.y;
      EXPECT_EQ(n.j, expected.j) << "round " << round << " at " << at.x << "," << at.y;
      EXPECT_EQ(n.squared, expected.squared);
      found += n.found();
    }
  }
  EXPECT_GT(found, 1000);
}

// ---- Round trips from eight directions

struct Direction {
  const char *name;
  double x_rotation, z_rotation, perspective;
  bool flat;
};

constexpr Direction kThreeDDirections[] = {
    {"perspective, the default view", 45, 45, 2.5, false},
    {"straight from above", 90, 0, 2.5, false},
    {"from above, turned", 60, 150, 2.5, false},
    {"from below", -30, 45, 2.5, false},
    {"steeply from below", -75, 250, 2.5, false},
    {"strong perspective", 30, 300, 1.0, false},
    {"low from the side", 5, 10, 2.5, false},
};
constexpr Direction kFlatMap{"flat map", 0, 0, 2.5, true};

DataPtr wavy_surface() {
  return make_grid(30, 30, [](int i, int j) { return 3 * std::sin(i * 0.25) * std::cos(j * 0.2) + 0.05 * i; });
}

class ViewFromDirection : public PickTest, public ::testing::WithParamInterface<Direction> {
 protected:
  void SetUp() override {
    PickTest::SetUp();
    const Direction &d = GetParam();
    use(wavy_surface());
    rotate(d.x_rotation, 0, d.z_rotation);
    Vex3dSetValues(g(), VEX3D_PERSPECTIVE_DEPTH, d.perspective, 0);
    if (d.flat) Vex3dSetValues(g(), VEX3D_DRAW_SHADED, 0, 0);
    draw();
    ASSERT_EQ(view().mode == DrawMode::kFlat, d.flat);
  }
  double eye_distance(int i, int j) {
    const Point4 p = transform_point(view().normalize, Point4{double(i), double(j), data_->grid.values[i][j], 1});
    return std::hypot(p.x - view().eye.x, p.y - view().eye.y, p.z - view().eye.z);
  }
};

class RoundTrip : public ViewFromDirection {};
class SurfacePixels : public ViewFromDirection {};
class FlatMapPixels : public ViewFromDirection {};

TEST_P(RoundTrip, ThePixelOfEveryGridPointPicksThatPoint) {
  int same = 0;
  for (int i = 0; i < 30; ++i)
    for (int j = 0; j < 30; ++j) {
      const Vex3dIndexPixelResult p = Vex3dDataIndexToPixel(g(), i, j);
      ASSERT_TRUE(p.pixel_x >= 0 && p.pixel_x < kWidth && p.pixel_y >= 0 && p.pixel_y < kHeight);
      const Vex3dDataIndexResult r = Vex3dPixelToDataIndex(g(), p.pixel_x, p.pixel_y);
      EXPECT_EQ(r.region, Vex3dRegionInChartArea);
      EXPECT_EQ(r.distance, 0) << i << "," << j;
      if (r.row == i && r.column == j) {
        ++same;
        continue;
      }
      // Another point on the same pixel: the one nearer the eye.
      ASSERT_GE(r.row, 0);
      const Vex3dIndexPixelResult q = Vex3dDataIndexToPixel(g(), r.row, r.column);
      EXPECT_EQ(q.pixel_x, p.pixel_x);
      EXPECT_EQ(q.pixel_y, p.pixel_y);
      if (!GetParam().flat) {
        EXPECT_LT(eye_distance(r.row, r.column), eye_distance(i, j)) << i << "," << j;
      }
    }
  EXPECT_GT(same, 850);
}

TEST_P(SurfacePixels, ASurfacePixelPicksAPlaceOnItAndBackgroundPicksNothing) {
  int surface = 0, background = 0;
  for (int y = 1; y + 1 < kHeight; y += 3)
    for (int x = 1; x + 1 < kWidth; x += 3) {
      const bool on_surface = around(x, y, [&](int u, int v) { return surface_at(u, v); });
      const bool off = around(x, y, [&](int u, int v) { return color_at(u, v) == kBackground; });
      if (!on_surface && !off) continue;
      const Vex3dDataCoordResult r = Vex3dPixelToDataCoord(g(), x, y);
      if (on_surface) {
        ++surface;
        ASSERT_FALSE(unset(r.z)) << x << "," << y;
        const Vex3dPixelResult back = Vex3dDataCoordToPixel(g(), r.x, r.y, r.z);
        EXPECT_LE(std::abs(back.pixel_x - x), 1) << x << "," << y;
        EXPECT_LE(std::abs(back.pixel_y - y), 1) << x << "," << y;
      } else {
        ++background;
        EXPECT_TRUE(unset(r.x) && unset(r.y) && unset(r.z)) << x << "," << y;
      }
    }
  EXPECT_GT(surface, 1000);
  EXPECT_GT(background, 1000);
}

// The flat map shows the grid's rectangle: a pixel inside it picks a place
// that projects back onto it, with a height; outside, a place and no height.
TEST_P(FlatMapPixels, MapLinearlyOntoTheGrid) {
  const Vex3dIndexPixelResult lower = Vex3dDataIndexToPixel(g(), 0, 0), upper = Vex3dDataIndexToPixel(g(), 29, 29);
  int inside = 0, outside = 0;
  for (int y = 0; y < kHeight; y += 4)
    for (int x = 0; x < kWidth; x += 4) {
      const Vex3dDataCoordResult r = Vex3dPixelToDataCoord(g(), x, y);
      ASSERT_FALSE(unset(r.x) || unset(r.y));
      const Vex3dPixelResult back = Vex3dDataCoordToPixel(g(), r.x, r.y, 0);
      EXPECT_LE(std::abs(back.pixel_x - x), 1);
      EXPECT_LE(std::abs(back.pixel_y - y), 1);
      const bool in = x > lower.pixel_x && x < upper.pixel_x && y < lower.pixel_y && y > upper.pixel_y;
      const bool out = x < lower.pixel_x - 1 || x > upper.pixel_x + 1 || y > lower.pixel_y + 1 || y < upper.pixel_y - 1;
      if (in) {
        ++inside;
        ASSERT_FALSE(unset(r.z));
        // Bilinear in the cell around the place.
        const int i = std::min(28, int(r.x)), j = std::min(28, int(r.y));
        const double fx = r.x - i, fy = r.y - j;
        const auto z = [&](int a, int b) { return data_->grid.values[a][b]; };
        const double expected =
            (1 - fy) * ((1 - fx) * z(i, j) + fx * z(i + 1, j)) + fy * ((1 - fx) * z(i, j + 1) + fx * z(i + 1, j + 1));
        EXPECT_NEAR(r.z, expected, 1e-9);
      } else if (out) {
        ++outside;
        EXPECT_TRUE(unset(r.z)) << x << "," << y;
      }
    }
  EXPECT_GT(inside, 1000);
  EXPECT_GT(outside, 100);
}

std::string direction_name(const ::testing::TestParamInfo<Direction> &info) {
  std::string name = info.param.name;
  for (char &c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(ThreeD, RoundTrip, ::testing::ValuesIn(kThreeDDirections), direction_name);
INSTANTIATE_TEST_SUITE_P(Flat, RoundTrip, ::testing::Values(kFlatMap), direction_name);
INSTANTIATE_TEST_SUITE_P(ThreeD, SurfacePixels, ::testing::ValuesIn(kThreeDDirections), direction_name);
INSTANTIATE_TEST_SUITE_P(Flat, FlatMapPixels, ::testing::Values(kFlatMap), direction_name);

}  // namespace
}  // namespace vex3d
