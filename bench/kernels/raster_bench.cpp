// The raster hot path: a million small polygons and two million one-pixel
// line segments drawn into a 1000 x 800 raster context through a graph's
// operation table, each primitive in a colour of its own (the colour is set
// through the table before every one, as the surface drawing sets a cell's
// colour). Beside each: the same stream through the table with the raster
// fast paths off (every primitive by cairo), and plain cairo with
// antialiasing off doing the same work (one path per polygon, one stroke per
// line), in the same run.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <random>
#include <vector>

#include "raster_context.h"
#include "restable.h"
#include "w_render.h"

namespace {

constexpr int kWidth = 1000, kHeight = 800;
constexpr int kPolygons = 1'000'000;
constexpr int kLines = 2'000'000;

struct Polygon {
  std::array<Vex3dDevicePoint, 5> points;
  int count;
  int color;
};

struct Line {
  Vex3dDevicePoint a, b;
  int color;
};

// Random 0xBBGGRR colours.
int random_color(std::mt19937 &rng) { return static_cast<int>(rng() & 0xFFFFFFu); }

// 4 or 5 vertices on a circle 3 to 10 pixels across, centred anywhere on the
// surface; the angles are spread round the circle so that most polygons are
// convex, as cells of a surface are.
const std::vector<Polygon> &polygons() {
  static const std::vector<Polygon> set = [] {
    std::mt19937 rng(20240601);
    std::uniform_real_distribution<double> cx(0, kWidth), cy(0, kHeight), across(3, 10), unit(0, 1);
    std::vector<Polygon> out(kPolygons);
    for (Polygon &p : out) {
      p.count = 4 + static_cast<int>(rng() % 2);
      const double x = cx(rng), y = cy(rng), r = across(rng) / 2, turn = unit(rng) * 2 * std::numbers::pi;
      for (int k = 0; k < p.count; ++k) {
        const double a = turn + (k + 0.8 * unit(rng)) * 2 * std::numbers::pi / p.count;
        p.points[static_cast<std::size_t>(k)] = {static_cast<int>(std::lround(x + r * std::cos(a))),
                                                 static_cast<int>(std::lround(y + r * std::sin(a)))};
      }
      p.color = random_color(rng);
    }
    return out;
  }();
  return set;
}

// Segments 3 to 10 pixels long in any direction, starting anywhere.
const std::vector<Line> &lines() {
  static const std::vector<Line> set = [] {
    std::mt19937 rng(20240602);
    std::uniform_real_distribution<double> cx(0, kWidth), cy(0, kHeight), length(3, 10), turn(0, 2 * std::numbers::pi);
    std::vector<Line> out(kLines);
    for (Line &l : out) {
      const double x = cx(rng), y = cy(rng), d = length(rng), a = turn(rng);
      l.a = {static_cast<int>(x), static_cast<int>(y)};
      l.b = {static_cast<int>(std::lround(x + d * std::cos(a))), static_cast<int>(std::lround(y + d * std::sin(a)))};
      l.color = random_color(rng);
    }
    return out;
  }();
  return set;
}

// A graph drawing into a raster context of its own.
struct TableTarget {
  explicit TableTarget(bool fast_paths) : graph(Vex3dCreateGraph()), raster(kWidth, kHeight) {
    raster.set_fast_paths(fast_paths);
    current.emplace(graph, &raster);
  }
  ~TableTarget() {
    current.reset();
    Vex3dDestroyGraph(graph);
  }
  Vex3dGraph *graph;
  vex3d::platform::RasterContext raster;
  std::optional<vex3d::CurrentContextScope> current;
};

void polygons_through_table(benchmark::State &state, bool fast_paths) {
  const std::vector<Polygon> &set = polygons();
  TableTarget target(fast_paths);
  Vex3dGraph *graph = target.graph;
  const Vex3dDrawOps &ops = *graph->draw_ops;
  for (auto _ : state) {
    for (const Polygon &p : set) {
      ops.setsolidfill(graph, p.color);
      ops.primitives[0].fillpolygon(graph, p.points.data(), p.count, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
    }
    benchmark::DoNotOptimize(target.raster.pixel(500, 400));
  }
  state.SetItemsProcessed(state.iterations() * kPolygons);
}

void lines_through_table(benchmark::State &state, bool fast_paths) {
  const std::vector<Line> &set = lines();
  TableTarget target(fast_paths);
  Vex3dGraph *graph = target.graph;
  const Vex3dDrawOps &ops = *graph->draw_ops;
  for (auto _ : state) {
    for (const Line &l : set) {
      ops.setsolidline(graph, l.color);
      ops.primitives[0].drawline(graph, l.a.x, l.a.y, l.b.x, l.b.y);
    }
    benchmark::DoNotOptimize(target.raster.pixel(500, 400));
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}

void set_color(cairo_t *cr, int color) {
  cairo_set_source_rgb(cr, (color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, ((color >> 16) & 0xFF) / 255.0);
}

struct CairoTarget {
  CairoTarget() {
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, 1);
  }
  ~CairoTarget() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  cairo_surface_t *surface;
  cairo_t *cr;
};

void BM_PolygonsThroughTable(benchmark::State &state) { polygons_through_table(state, true); }
void BM_PolygonsThroughTableCairoOnly(benchmark::State &state) { polygons_through_table(state, false); }

void BM_PolygonsPlainCairo(benchmark::State &state) {
  const std::vector<Polygon> &set = polygons();
  CairoTarget target;
  cairo_t *cr = target.cr;
  for (auto _ : state) {
    for (const Polygon &p : set) {
      set_color(cr, p.color);
      cairo_move_to(cr, p.points[0].x, p.points[0].y);
      for (int k = 1; k < p.count; ++k)
        cairo_line_to(cr, p.points[static_cast<std::size_t>(k)].x, p.points[static_cast<std::size_t>(k)].y);
      cairo_close_path(cr);
      cairo_fill(cr);
    }
    cairo_surface_flush(target.surface);
  }
  state.SetItemsProcessed(state.iterations() * kPolygons);
}

void BM_LinesThroughTable(benchmark::State &state) { lines_through_table(state, true); }
void BM_LinesThroughTableCairoOnly(benchmark::State &state) { lines_through_table(state, false); }

void BM_LinesPlainCairo(benchmark::State &state) {
  const std::vector<Line> &set = lines();
  CairoTarget target;
  cairo_t *cr = target.cr;
  for (auto _ : state) {
    for (const Line &l : set) {
      set_color(cr, l.color);
      // Through the pixel centres, so that a one-pixel stroke covers whole pixels.
      cairo_move_to(cr, l.a.x + 0.5, l.a.y + 0.5);
      cairo_line_to(cr, l.b.x + 0.5, l.b.y + 0.5);
      cairo_stroke(cr);
    }
    cairo_surface_flush(target.surface);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}

// The sets are made before any timing starts.
[[maybe_unused]] const bool kSetsMade = (polygons(), lines(), true);

}  // namespace

// Five runs each; on a shared machine the fastest is the one least disturbed.
void configure(benchmark::internal::Benchmark *b) {
  b->Unit(benchmark::kMillisecond)
      ->Repetitions(5)
      ->ReportAggregatesOnly(true)
      ->ComputeStatistics("min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); });
}

BENCHMARK(BM_PolygonsThroughTable)->Apply(configure);
BENCHMARK(BM_PolygonsThroughTableCairoOnly)->Apply(configure);
BENCHMARK(BM_PolygonsPlainCairo)->Apply(configure);
BENCHMARK(BM_LinesThroughTable)->Apply(configure);
BENCHMARK(BM_LinesThroughTableCairoOnly)->Apply(configure);
BENCHMARK(BM_LinesPlainCairo)->Apply(configure);
