// The draw-mode decision and the cube half-extents.
#include <algorithm>

#include "gl.h"

namespace vex3d {
namespace {

// A half-extent below this is drawn this thin: a cube with no thickness would
// leave the eye classification and the inverse normalisation dividing by 0.
constexpr double kThinnestHalfExtent = 1e-4;

double half_extent(double scale, double largest) { return std::max(scale / largest, kThinnestHalfExtent); }

}  // namespace

bool draws_three_d(const Vex3dGraph *graph) {
  return graph->type == Vex3dTypeBar || graph->draw_mesh || graph->draw_shaded;
}

void compute_half_extents(Vex3dGraph *graph) {
  if (draws_three_d(graph)) {
    const double d = std::max({graph->x.scale, graph->y.scale, graph->z.scale});
    graph->x.normalized_scale = half_extent(graph->x.scale, d);
    graph->y.normalized_scale = half_extent(graph->y.scale, d);
    graph->z.normalized_scale = half_extent(graph->z.scale, d);
  } else {
    const double d = std::max(graph->x.scale, graph->y.scale);
    graph->x.normalized_scale = half_extent(graph->x.scale, d);
    graph->y.normalized_scale = half_extent(graph->y.scale, d);
    graph->z.normalized_scale = 1.0;
  }
}

}  // namespace vex3d
