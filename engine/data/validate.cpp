#include "validate.h"

#include <cstdio>

namespace vex3d {
namespace {

std::string rows_problem(double *const *values, int numx) {
  if (!values) return "No data values allocated";
  for (int i = 0; i < numx; ++i)
    if (!values[i]) return "Not enough data values allocated";
  return "";
}

std::string counts_problem(int numx, int numy) {
  if (numx < 1) return "Must have at least one x point";
  if (numy < 1) return "Must have at least one y point";
  return "";
}

// Written as "not less than" so that a NaN coordinate fails too.
bool strictly_increasing(const double *grid, int n) {
  for (int k = 1; k < n; ++k)
    if (!(grid[k - 1] < grid[k])) return false;
  return true;
}

std::string grid_problem(const Vex3dGridData &g) {
  if (std::string p = counts_problem(g.numx, g.numy); !p.empty()) return p;
  if (!(g.xstep > 0)) return "Must have a positive xstep";
  if (!(g.ystep > 0)) return "Must have a positive ystep";
  return rows_problem(g.values, g.numx);
}

std::string irgrid_problem(const Vex3dIrGridData &g) {
  if (std::string p = counts_problem(g.numx, g.numy); !p.empty()) return p;
  // Without its coordinates an irregular grid cannot even be checked.
  if (!g.xgrid) return "X Grid points not allocated";
  if (!g.ygrid) return "Y Grid points not allocated";
  if (!strictly_increasing(g.xgrid, g.numx)) return "X Grid points must be strictly increasing";
  if (!strictly_increasing(g.ygrid, g.numy)) return "Y Grid points must be strictly increasing";
  return rows_problem(g.values, g.numx);
}

std::string point_problem(const Vex3dPointData &p) {
  if (p.nseries < 1) return "";
  if (!p.series) return "Series memory not allocated";
  for (int s = 0; s < p.nseries; ++s)
    if (p.series[s].npoints > 0 && !p.series[s].points) {
      char text[64];
      std::snprintf(text, sizeof text, "Points memory not allocated for series %d", s);
      return text;
    }
  return "";
}

bool same_entries(const double *a, const double *b, int n) {
  for (int k = 0; k < n; ++k)
    if (a[k] != b[k]) return false;
  return true;
}

}  // namespace

std::string data_set_problem(const Vex3dData &data) {
  switch (data.type) {
    case VEX3D_DATA_GRID: return grid_problem(data.grid);
    case VEX3D_DATA_IRGRID: return irgrid_problem(data.irgrid);
    case VEX3D_POINT: return point_problem(data.point);
    default: return "Data is neither VEX3D_DATA_GRID, VEX3D_DATA_IRGRID, nor VEX3D_POINT";
  }
}

std::string zone_mismatch(const Vex3dData &surface, const Vex3dData &zone) {
  if (surface.type == VEX3D_POINT) return "";
  if (surface.type != zone.type) return "Surface and Zone data types do not match";
  // The two grid layouts begin alike: counts first.
  const int numx = surface.type == VEX3D_DATA_GRID ? surface.grid.numx : surface.irgrid.numx;
  const int numy = surface.type == VEX3D_DATA_GRID ? surface.grid.numy : surface.irgrid.numy;
  const int zone_numx = zone.type == VEX3D_DATA_GRID ? zone.grid.numx : zone.irgrid.numx;
  const int zone_numy = zone.type == VEX3D_DATA_GRID ? zone.grid.numy : zone.irgrid.numy;
  if (numx != zone_numx) return "Number of X points in surface and zone data do not match";
  if (numy != zone_numy) return "Number of Y points in surface and zone data do not match";
  if (surface.type == VEX3D_DATA_GRID) {
    const Vex3dGridData &s = surface.grid, &z = zone.grid;
    if (s.xstep != z.xstep) return "X step in surface and zone data do not match";
    if (s.ystep != z.ystep) return "Y step in surface and zone data do not match";
    if (s.xorig != z.xorig) return "X origin in surface and zone data do not match";
    if (s.yorig != z.yorig) return "Y origin in surface and zone data do not match";
    return "";
  }
  if (!same_entries(surface.irgrid.xgrid, zone.irgrid.xgrid, numx))
    return "X grid points in surface and zone data do not match";
  if (!same_entries(surface.irgrid.ygrid, zone.irgrid.ygrid, numy))
    return "Y grid points in surface and zone data do not match";
  return "";
}

}  // namespace vex3d
