// Copying a data set and replacing values in it.
#include <algorithm>
#include <cstring>

#include "allocation.h"
#include "boundary.h"
#include "data.h"
#include "data_set.h"
#include "diagnostics.h"

namespace vex3d {
namespace {

// Arrays a caller left missing stay zero-filled in the copy.
void copy_array(double *to, const double *from, int n) {
  if (to && from && n > 0) std::memcpy(to, from, sizeof(double) * static_cast<std::size_t>(n));
}

void copy_rows(double **to, double *const *from, int numx, int numy) {
  if (!from) return;
  for (int i = 0; i < numx; ++i) copy_array(to[i], from[i], numy);
}

Vex3dData *copy_points(const Vex3dPointData &from) {
  Vex3dData *copy = Vex3dDataCreatePoint(from.nseries, 0, from.hole, 0);
  if (!copy) return nullptr;
  for (int s = 0; s < from.nseries; ++s) {
    Vex3dSeries &to = copy->point.series[s];
    const Vex3dSeries *source = from.series ? &from.series[s] : nullptr;
    to.npoints = source ? source->npoints : 0;
    if (!(to.points = zero_array<Vex3dPoint>(to.npoints))) {
      Vex3dDataDestroy(copy, 1);
      return nullptr;
    }
    if (source && source->points && source->npoints > 0)
      std::memcpy(to.points, source->points, sizeof(Vex3dPoint) * static_cast<std::size_t>(source->npoints));
  }
  return copy;
}

int replace_in(double &v, double old_value, double new_value) {
  if (v != old_value) return 0;
  v = new_value;
  return 1;
}

int replace_in_rows(double **values, int numx, int numy, double old_value, double new_value) {
  int replaced = 0;
  for (int i = 0; values && i < numx; ++i)
    for (int j = 0; values[i] && j < numy; ++j) replaced += replace_in(values[i][j], old_value, new_value);
  return replaced;
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dData *Vex3dDataCopy(const Vex3dData *data) {
  return guarded(__func__, [&]() -> Vex3dData * {
    if (!data) return nullptr;
    switch (data->type) {
      case VEX3D_DATA_GRID: {
        const Vex3dGridData &g = data->grid;
        Vex3dData *copy = Vex3dDataCreateGrid(g.numx, g.numy, g.hole, g.xstep, g.ystep, g.xorig, g.yorig, 1);
        if (copy) copy_rows(copy->grid.values, g.values, g.numx, g.numy);
        return copy;
      }
      case VEX3D_DATA_IRGRID: {
        const Vex3dIrGridData &g = data->irgrid;
        Vex3dData *copy = Vex3dDataCreateIrGrid(g.numx, g.numy, g.hole, 1);
        if (!copy) return nullptr;
        copy_array(copy->irgrid.xgrid, g.xgrid, g.numx);
        copy_array(copy->irgrid.ygrid, g.ygrid, g.numy);
        copy_rows(copy->irgrid.values, g.values, g.numx, g.numy);
        return copy;
      }
      case VEX3D_POINT: return copy_points(data->point);
      default: message(nullptr, "Vex3dDataCopy: Unrecognized Vex3d Data type!\n"); return nullptr;
    }
  });
}

extern "C" int Vex3dDataUpdateDataValue(Vex3dData *data, double old_value, double new_value) {
  return guarded(__func__, [&]() -> int {
    if (!data) return 0;
    switch (data->type) {
      case VEX3D_DATA_GRID:
        return replace_in_rows(data->grid.values, data->grid.numx, data->grid.numy, old_value, new_value);
      case VEX3D_DATA_IRGRID:
        return replace_in_rows(data->irgrid.values, data->irgrid.numx, data->irgrid.numy, old_value, new_value);
      case VEX3D_POINT: {
        int replaced = 0;
        const Vex3dPointData &p = data->point;
        for (int s = 0; p.series && s < p.nseries; ++s)
          for (int k = 0; p.series[s].points && k < p.series[s].npoints; ++k) {
            Vex3dPoint &pt = p.series[s].points[k];
            replaced += replace_in(pt.x, old_value, new_value) + replace_in(pt.y, old_value, new_value) +
                        replace_in(pt.z, old_value, new_value);
          }
        return replaced;
      }
      default: message(nullptr, "Vex3dDataUpdateDataValue: Unrecognized Vex3d Data type!\n"); return 0;
    }
  });
}
