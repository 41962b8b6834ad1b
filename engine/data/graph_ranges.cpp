// The range steps of a graph: what the axes, the levels and the drawing read.
#include <algorithm>
#include <cmath>

#include "diagnostics.h"
#include "graph_data.h"
#include "ranges.h"

namespace vex3d {
namespace {

// Smallest and largest of the values offered, holes left out. Values that
// are not finite are left out too: a range reaching infinity or NaN would
// put every drawn point and contour level out of reach.
struct Extent {
  double min = 0, max = 0;
  bool any = false;
  void add(double v) {
    if (!std::isfinite(v)) return;
    min = any ? std::min(min, v) : v;
    max = any ? std::max(max, v) : v;
    any = true;
  }
};

// A bound follows the data while its flag is set or it holds no value.
void follow(double &bound, int use_default, double data_value) {
  if (use_default || bound == VALUE_UNSET) bound = data_value;
}

BoundPair bounds_of(Axis &axis) { return BoundPair{axis.min, axis.max, axis.min_use_default, axis.max_use_default}; }

// A user z bound may widen the range beyond the data but not cut into it.
void check_z_bound(Vex3dGraph *graph, double &bound, int &use_default, double data_value, bool is_min) {
  if (use_default) {
    bound = data_value;
    return;
  }
  const bool cuts = is_min ? bound > data_value : bound < data_value;
  if (!cuts && bound != VALUE_UNSET) return;
  message(graph, "VEX/3d: Warning on XtNvex3dZ%s.\n", is_min ? "Min" : "Max");
  message(graph, "        Value specified: %g is invalid.\n", bound);
  message(graph, "        Using default value!\n");
  bound = data_value;
  use_default = 1;
}

void check_z_bounds(Vex3dGraph *graph) {
  const DerivedRanges &r = graph->ranges;
  check_z_bound(graph, graph->z.min, graph->z.min_use_default, r.data_zmin, true);
  check_z_bound(graph, graph->z.max, graph->z.max_use_default, r.data_zmax, false);
  repair_range(bounds_of(graph->z), r.data_zmin, r.data_zmax);
}

template <class Visit>
void for_each_in_portion(const ViewingPortion &p, Visit visit) {
  for (int i = p.first_x; i <= p.last_x; ++i)
    for (int j = p.first_y; j <= p.last_y; ++j) visit(i, j);
}

// Where a range goes when the viewing portion holds only holes: back to
// the previous range when there is one, else to [0, 1].
struct HoleFallback {
  const char *cited;  // the data resource the warning names
  bool has_previous;
  double previous_min, previous_max;
  const char *kept, *reset;  // the closing line of each outcome
};

void take_extent(const Vex3dGraph *graph, const Extent &e, double &lo, double &hi, const HoleFallback &f) {
  if (e.any) {
    lo = e.min;
    hi = e.max;
    return;
  }
  message(graph, "VEX/3d: Warning on XtNvex3d%s.\n", f.cited);
  message(graph, "        Viewing portion contains only holes.\n");
  lo = f.has_previous ? f.previous_min : 0;
  hi = f.has_previous ? f.previous_max : 1;
  message(graph, "        %s\n", f.has_previous ? f.kept : f.reset);
}

void data_z_range(Vex3dGraph *graph) {
  const Vex3dDataInfo &s = graph->surface_info;
  DerivedRanges &r = graph->ranges;
  Extent z;
  for_each_in_portion(r.portion, [&](int i, int j) {
    if (s.values[i][j] != s.hole) z.add(s.values[i][j]);
  });
  // The previous range is kept only when both of its ends are there: an
  // end holding the not-set marker is no range.
  const bool previous = graph->z.min != VALUE_UNSET && graph->z.max != VALUE_UNSET;
  take_extent(graph, z, r.data_zmin, r.data_zmax,
              HoleFallback{"SurfaceData", previous, graph->z.min, graph->z.max, "Previous Z range maintained.",
                           "Z range set to [0, 1]."});
}

void distribution_range(Vex3dGraph *graph) {
  DerivedRanges &r = graph->ranges;
  const Vex3dDataInfo &zone = graph->zone_info;
  if (!zone.valid) {
    r.distn_min = r.data_zmin;
    r.distn_max = r.data_zmax;
    if (graph->type == Vex3dTypeBar) {
      r.distn_min = std::min(r.distn_min, graph->zorigin);
      r.distn_max = std::max(r.distn_max, graph->zorigin);
    }
    return;
  }
  const Vex3dDataInfo &s = graph->surface_info;
  Extent e;
  for_each_in_portion(r.portion, [&](int i, int j) {
    if (zone.values[i][j] != zone.hole && s.values[i][j] != s.hole) e.add(zone.values[i][j]);
  });
  take_extent(graph, e, r.distn_min, r.distn_max,
              HoleFallback{"ZoneData", r.distn_min != VALUE_UNSET, r.distn_min, r.distn_max,
                           "Previous distribution levels maintained.", "Distribution range set to [0, 1]."});
}

void grid_steps(Vex3dGraph *graph) {
  const Vex3dDataInfo &s = graph->surface_info;
  DerivedRanges &r = graph->ranges;
  follow(graph->x.min, graph->x.min_use_default, s.xgrid[0]);
  follow(graph->x.max, graph->x.max_use_default, s.xgrid[s.numx - 1]);
  follow(graph->y.min, graph->y.min_use_default, s.ygrid[0]);
  follow(graph->y.max, graph->y.max_use_default, s.ygrid[s.numy - 1]);

  const bool regular = s.type == VEX3D_DATA_GRID;
  r.x_spacing = grid_spacing(s.xgrid, s.numx, regular);
  r.y_spacing = grid_spacing(s.ygrid, s.numy, regular);

  const bool surface = graph->type == Vex3dTypeSurface;
  r.portion = viewing_portion(s, PortionBounds{graph->x.min, graph->x.max, graph->y.min, graph->y.max,
                                               surface || graph->x.bar_format != 0,
                                               surface || graph->y.bar_format != 0});
  data_z_range(graph);
  check_z_bounds(graph);
  distribution_range(graph);
}

void point_steps(Vex3dGraph *graph) {
  const Vex3dDataInfo &s = graph->surface_info;
  Extent x, y, z;
  for (int k = 0; k < s.nseries; ++k) {
    const Vex3dSeries &series = s.series[k];
    for (int p = 0; p < series.npoints; ++p) {
      const Vex3dPoint &pt = series.points[p];
      if (pt.x == s.hole || pt.y == s.hole || pt.z == s.hole) continue;
      if (!std::isfinite(pt.x) || !std::isfinite(pt.y) || !std::isfinite(pt.z)) continue;
      x.add(pt.x);
      y.add(pt.y);
      z.add(pt.z);
    }
  }
  if (!x.any) {
    message(graph, "VEX/3d: Warning on XtNvex3dSurfaceData.\n");
    message(graph, "        Data set contains only holes.\n");
    x = y = z = Extent{0, 1, true};
  }
  follow(graph->x.min, graph->x.min_use_default, x.min);
  follow(graph->x.max, graph->x.max_use_default, x.max);
  follow(graph->y.min, graph->y.min_use_default, y.min);
  follow(graph->y.max, graph->y.max_use_default, y.max);
  repair_range(bounds_of(graph->x), x.min, x.max);
  repair_range(bounds_of(graph->y), y.min, y.max);
  graph->ranges.data_zmin = z.min;
  graph->ranges.data_zmax = z.max;
  check_z_bounds(graph);
}

}  // namespace

void run_range_steps(Vex3dGraph *graph) {
  const Vex3dDataInfo &s = graph->surface_info;
  if (!s.valid) return;
  if (s.type == VEX3D_POINT)
    point_steps(graph);
  else
    grid_steps(graph);
}

}  // namespace vex3d
