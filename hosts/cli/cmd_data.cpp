// torvane3d data FILE [--debug]: reads a data file, hands it to a new graph
// and prints what the graph made of it.
#include <cstdio>
#include <string>

#include "commands.h"
#include "data.h"
#include "messages.h"
#include "restable.h"
#include "steps.h"

namespace torvane3d_cli {
namespace {

const char *layout_name(int type) {
  switch (type) {
    case VEX3D_DATA_GRID: return "GRID (regular grid)";
    case VEX3D_DATA_IRGRID: return "IRGRID (irregular grid)";
    case VEX3D_POINT: return "POINT (point data)";
    default: return "unknown";
  }
}

void print_range(const char *what, double lo, double hi) {
  if (lo == VALUE_UNSET || hi == VALUE_UNSET)
    std::printf("%s: not set\n", what);
  else
    std::printf("%s: %.14g .. %.14g\n", what, lo, hi);
}

void print_counts(const Vex3dData &data) {
  if (data.type == VEX3D_POINT) {
    long points = 0;
    for (int s = 0; data.point.series && s < data.point.nseries; ++s)
      points += data.point.series[s].npoints > 0 ? data.point.series[s].npoints : 0;
    std::printf("series: %d\npoints: %ld\n", data.point.nseries, points);
    return;
  }
  std::printf("numx: %d\nnumy: %d\n", data.grid.numx, data.grid.numy);
}

void print_graph(Vex3dGraph *graph, const Vex3dData &data) {
  Vex3dSurfaceInfo info;
  Vex3dGetSurfaceInfo(graph, &info);
  std::printf("layout: %s\n", layout_name(data.type));
  print_counts(data);
  std::printf("hole: %.14g\n", info.hole);
  char problem[VEX3D_ERROR_SIZE] = "";
  if (info.valid) {
    std::printf("valid: yes\n");
  } else {
    Vex3dDataCheck(&data, problem);
    std::printf("valid: no (%s)\n", problem);
  }
  double xmin, xmax, ymin, ymax, zmin, zmax;
  Vex3dGetValues(graph, VEX3D_XMIN, &xmin, VEX3D_XMAX, &xmax, VEX3D_YMIN, &ymin, VEX3D_YMAX, &ymax, VEX3D_ZMIN, &zmin,
                 VEX3D_ZMAX, &zmax, 0);
  print_range("x range", xmin, xmax);
  print_range("y range", ymin, ymax);
  print_range("z range", zmin, zmax);
  if (!info.valid || data.type == VEX3D_POINT) {
    std::printf("viewing portion: none\ndistribution range: none\n");
    return;
  }
  std::printf("viewing portion: x %d .. %d (%d), y %d .. %d (%d), corner (%.14g, %.14g)\n", info.first_x,
              info.last_x, info.count_x, info.first_y, info.last_y, info.count_y, info.corner_x, info.corner_y);
  print_range("distribution range", info.distn_min, info.distn_max);
}

}  // namespace

int run_data(std::span<char *const> args) {
  bool debug = false;
  const char *file = nullptr;
  for (const char *arg : args) {
    if (std::string(arg) == "--debug") {
      debug = true;
    } else if (!file) {
      file = arg;
    } else {
      std::fprintf(stderr, "torvane3d data: one file at a time\n");
      return 2;
    }
  }
  if (!file) {
    std::fprintf(stderr, "usage: torvane3d data FILE [--debug]\n");
    return 2;
  }
  Vex3dData *data = read_data("data", file);
  if (!data) return 1;
  if (debug) start_messages(true);
  Vex3dGraph *graph = Vex3dCreateGraph();
  if (!graph) {
    Vex3dDataDestroy(data, 1);
    std::fprintf(stderr, "torvane3d: out of memory\n");
    return 1;
  }
  Vex3dSetValues(graph, VEX3D_DEBUG, debug ? 1 : 0, VEX3D_SURFACE_DATA, data, 0);
  std::printf("file: %s\n", file);
  print_graph(graph, *data);
  Vex3dDestroyGraph(graph);
  Vex3dDataDestroy(data, 1);
  return 0;
}

}  // namespace torvane3d_cli
