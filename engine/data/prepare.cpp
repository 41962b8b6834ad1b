#include "prepare.h"

namespace vex3d {
namespace {

std::vector<double> regular_coordinates(int n, double step, double origin) {
  std::vector<double> grid(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) grid[static_cast<std::size_t>(i)] = i * step + origin;
  return grid;
}

bool has_points(const Vex3dPointData &p) {
  for (int s = 0; p.series && s < p.nseries; ++s)
    if (p.series[s].npoints > 0) return true;
  return false;
}

}  // namespace

void release_data_info(Vex3dDataInfo &info) {
  info = Vex3dDataInfo{};
}

void prepare_data_info(Vex3dDataInfo &info, const Vex3dData *data, bool valid) {
  release_data_info(info);
  if (!data) return;
  info.type = data->type;
  info.valid = valid ? 1 : 0;
  switch (data->type) {
    case VEX3D_DATA_GRID: {
      const Vex3dGridData &g = data->grid;
      info.numx = g.numx;
      info.numy = g.numy;
      info.hole = g.hole;
      info.values = g.values;
      if (valid) {
        info.computed_xgrid = regular_coordinates(g.numx, g.xstep, g.xorig);
        info.computed_ygrid = regular_coordinates(g.numy, g.ystep, g.yorig);
        info.xgrid = info.computed_xgrid.data();
        info.ygrid = info.computed_ygrid.data();
      }
      info.empty = g.numx < 1 || g.numy < 1;
      break;
    }
    case VEX3D_DATA_IRGRID: {
      const Vex3dIrGridData &g = data->irgrid;
      info.numx = g.numx;
      info.numy = g.numy;
      info.hole = g.hole;
      info.xgrid = g.xgrid;
      info.ygrid = g.ygrid;
      info.values = g.values;
      info.empty = g.numx < 1 || g.numy < 1;
      break;
    }
    case VEX3D_POINT:
      info.nseries = data->point.nseries;
      info.hole = data->point.hole;
      info.series = data->point.series;
      info.empty = !has_points(data->point);
      break;
    default: info.empty = 1; break;
  }
}

}  // namespace vex3d
