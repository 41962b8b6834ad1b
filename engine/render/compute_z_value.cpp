// Vex3dComputeZValue: the z that puts a data point under a pixel, for
// dragging the point up and down along the z axis with the mouse.
#include <cmath>

#include "boundary.h"
#include "diagnostics.h"
#include "draw_ops.h"
#include "gl.h"
#include "methods.h"

namespace vex3d {
namespace {

constexpr const char *kName = "Vex3dComputeZValue";

struct DataPoint {
  double x, y, z;
};

// The surface data point (i, j), or false (with the message that says why)
// when there is none.
bool find_point(const Vex3dGraph *graph, int i, int j, DataPoint &p) {
  const Vex3dDataInfo &info = graph->surface_info;
  if (!info.valid) return false;
  if (info.type == VEX3D_POINT) {
    if (i < 0 || i >= info.nseries) {
      message(nullptr, "%s: Series %d out of range!\n", kName, i);
      return false;
    }
    const Vex3dSeries &series = info.series[i];
    if (j < 0 || j >= series.npoints) {
      message(nullptr, "%s: Point value %d out of range in series %d!\n", kName, j, i);
      return false;
    }
    p = {series.points[j].x, series.points[j].y, series.points[j].z};
    return true;
  }
  if (info.type != VEX3D_DATA_GRID && info.type != VEX3D_DATA_IRGRID) return false;
  if (i < 0 || i >= info.numx || j < 0 || j >= info.numy) {
    message(graph, "%s: Indices out of range!\n", kName);
    return false;
  }
  if (info.values[i][j] == info.hole) {
    message(graph, "%s: Can't compute z value for a hole!\n", kName);
    return false;
  }
  p = {info.xgrid[i], info.ygrid[j], info.values[i][j]};
  return true;
}

bool negligible(double v) { return 1.0 + v == 1.0; }

// The z at which (x, y, z) projects through T onto device point q: screen
// coordinate r gives T[r]·p = q_r T[3]·p, linear in z; the one whose z
// coefficient is larger in magnitude decides. False when neither depends on z.
bool solve_for_z(const Matrix &t, double x, double y, const double q[2], double &z) {
  double coefficient[2], constant[2];
  for (int r = 0; r < 2; ++r) {
    coefficient[r] = t.m[r][2] - q[r] * t.m[3][2];
    constant[r] = q[r] * (t.m[3][0] * x + t.m[3][1] * y + t.m[3][3]) - (t.m[r][0] * x + t.m[r][1] * y + t.m[r][3]);
  }
  const int r = std::abs(coefficient[1]) > std::abs(coefficient[0]) ? 1 : 0;
  if (coefficient[r] == 0 || negligible(std::abs(coefficient[r]))) return false;
  z = constant[r] / coefficient[r];
  return std::isfinite(z);
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" double Vex3dComputeZValue(Vex3dGraph *graph, int i, int j, int px, int py) {
  return guarded(
      __func__,
      [&]() -> double {
        if (!graph) return VALUE_UNSET;
        DataPoint p;
        if (!find_point(graph, i, j, p)) return graph->surface_info.hole;
        const ViewState *view = find_view_state(graph);
        if (!view || !view->computed) return p.z;  // nothing drawn yet: no pixel to follow

        // The point's vertical line through the plot cube, on the device.
        const Point4 a = data_to_device(*view, p.x, p.y, view->cube.box.min[2]);
        const Point4 b = data_to_device(*view, p.x, p.y, view->cube.box.max[2]);
        const double factor = coordinate_factor(graph->draw_ops);
        const double pixel[2] = {px * factor, py * factor};
        const double ab[2] = {b.x - a.x, b.y - a.y}, length2 = ab[0] * ab[0] + ab[1] * ab[1];
        // The foot of the perpendicular from the pixel onto that line.
        const double t = length2 > 0 ? ((pixel[0] - a.x) * ab[0] + (pixel[1] - a.y) * ab[1]) / length2 : 0;
        const double foot[2] = {a.x + t * ab[0], a.y + t * ab[1]};
        double z;
        return solve_for_z(view->transform, p.x, p.y, foot, z) ? z : p.z;
      },
      VALUE_UNSET);
}
