// Making and freeing data sets.
//
// Every array is made zero-filled with at least one element; a failed
// allocation frees whatever the operation made before it, so a create
// either returns a whole data set or nothing.
#include <cstdlib>

#include "allocation.h"
#include "boundary.h"
#include "data.h"
#include "data_set.h"

namespace vex3d {

void free_value_rows(double **values, int numx) {
  if (!values) return;
  for (int i = 0; i < numx; ++i) std::free(values[i]);
  std::free(values);
}

double **make_value_rows(int numx, int numy) {
  double **values = zero_array<double *>(numx);
  if (!values) return nullptr;
  for (int i = 0; i < numx; ++i) {
    values[i] = zero_array<double>(numy);
    if (!values[i]) {
      free_value_rows(values, i);
      return nullptr;
    }
  }
  return values;
}

void free_series(Vex3dSeries *series, int nseries) {
  if (!series) return;
  for (int s = 0; s < nseries; ++s) std::free(series[s].points);
  std::free(series);
}

}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dData *Vex3dDataCreateGrid(int numx, int numy, double hole, double xstep, double ystep, double xorig,
                                          double yorig, int allocate) {
  return guarded(__func__, [&]() -> Vex3dData * {
    auto *data = zero_array<Vex3dData>(1);
    if (!data) return nullptr;
    data->type = VEX3D_DATA_GRID;
    data->grid = Vex3dGridData{numx, numy, hole, xstep, ystep, xorig, yorig, nullptr};
    if (allocate && !(data->grid.values = make_value_rows(numx, numy))) {
      std::free(data);
      return nullptr;
    }
    return data;
  });
}

extern "C" Vex3dData *Vex3dDataCreateIrGrid(int numx, int numy, double hole, int allocate) {
  return guarded(__func__, [&]() -> Vex3dData * {
    auto *data = zero_array<Vex3dData>(1);
    if (!data) return nullptr;
    data->type = VEX3D_DATA_IRGRID;
    data->irgrid = Vex3dIrGridData{numx, numy, hole, nullptr, nullptr, nullptr};
    if (allocate) {
      Vex3dIrGridData &g = data->irgrid;
      g.xgrid = zero_array<double>(numx);
      g.ygrid = g.xgrid ? zero_array<double>(numy) : nullptr;
      g.values = g.ygrid ? make_value_rows(numx, numy) : nullptr;
      if (!g.values) {
        Vex3dDataDestroy(data, 1);
        return nullptr;
      }
    }
    return data;
  });
}

extern "C" Vex3dData *Vex3dDataCreatePoint(int nseries, int npoints, double hole, int allocate) {
  return guarded(__func__, [&]() -> Vex3dData * {
    auto *data = zero_array<Vex3dData>(1);
    if (!data) return nullptr;
    data->type = VEX3D_POINT;
    data->point = Vex3dPointData{nseries, hole, zero_array<Vex3dSeries>(nseries)};
    if (!data->point.series) {
      std::free(data);
      return nullptr;
    }
    for (int s = 0; allocate && s < nseries; ++s) {
      Vex3dSeries &series = data->point.series[s];
      series.npoints = npoints;
      if (!(series.points = zero_array<Vex3dPoint>(npoints))) {
        Vex3dDataDestroy(data, 1);
        return nullptr;
      }
    }
    return data;
  });
}

extern "C" int Vex3dDataSetSeriesSize(Vex3dSeries *series, int npoints) {
  return guarded(__func__, [&]() -> int {
    if (!series || npoints < 0) return 0;
    std::free(series->points);
    series->points = nullptr;
    series->npoints = 0;
    if (npoints == 0) return 1;
    if (!(series->points = zero_array<Vex3dPoint>(npoints))) return 0;
    series->npoints = npoints;
    return 1;
  });
}

extern "C" void Vex3dDataDestroy(Vex3dData *data, int free_arrays) {
  guarded(__func__, [&] {
    if (!data) return;
    if (free_arrays) {
      switch (data->type) {
        case VEX3D_DATA_GRID: free_value_rows(data->grid.values, data->grid.numx); break;
        case VEX3D_DATA_IRGRID:
          std::free(data->irgrid.xgrid);
          std::free(data->irgrid.ygrid);
          free_value_rows(data->irgrid.values, data->irgrid.numx);
          break;
        case VEX3D_POINT: free_series(data->point.series, data->point.nseries); break;
        default: break;  // an unknown layout holds nothing we know how to free
      }
    }
    std::free(data);
  });
}
