// The view: computing it (every step of an interactive rotation does) and
// taking a million grid points through the composite transform, with and
// without the zero-skipping point transform.
#include <benchmark/benchmark.h>

#include <vector>

#include "gl.h"
#include "graph.h"

namespace {

using namespace vex3d;

struct Graph {
  Graph() : g(Vex3dCreateGraph()) {
    Vex3dSetValues(g, VEX3D_XMIN, 0.0, VEX3D_XMAX, 100.0, VEX3D_YMIN, 0.0, VEX3D_YMAX, 100.0, VEX3D_ZMIN, -3.0,
                   VEX3D_ZMAX, 7.0, VEX3D_XAXIS_TITLE, "x", VEX3D_YAXIS_TITLE, "y", VEX3D_ZAXIS_TITLE, "z", 0);
    g->graph_rect = Rect{0, 0, 1000, 800};
  }
  ~Graph() { Vex3dDestroyGraph(g); }
  Vex3dGraph *g;
};

void BM_ComputeView(benchmark::State &state) {
  Graph graph;
  double angle = 0;
  for (auto _ : state) {
    graph.g->z.rotation = angle;
    angle += 1;
    compute_view(graph.g);
    benchmark::DoNotOptimize(find_view_state(graph.g)->transform);
  }
}
BENCHMARK(BM_ComputeView);

// A 1000 x 1000 grid with z = 0 on every other row: the zero components the
// sparse transform skips.
std::vector<Point4> grid_points() {
  std::vector<Point4> points;
  points.reserve(1000000);
  for (int i = 0; i < 1000; ++i)
    for (int j = 0; j < 1000; ++j) points.push_back(Point4{i * 0.1, j * 0.1, j % 2 ? 0.0 : (i + j) * 0.01, 1});
  return points;
}

template <Point4 (*Transform)(const Matrix &, const Point4 &)>
void BM_TransformMillionPoints(benchmark::State &state) {
  Graph graph;
  compute_view(graph.g);
  const Matrix t = find_view_state(graph.g)->transform;
  const std::vector<Point4> points = grid_points();
  std::vector<Point4> out(points.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < points.size(); ++i) out[i] = Transform(t, points[i]);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(points.size()));
}
BENCHMARK(BM_TransformMillionPoints<transform_point>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransformMillionPoints<transform_point_sparse>)->Unit(benchmark::kMillisecond);

}  // namespace
