#include "graph_data.h"

#include "data.h"
#include "diagnostics.h"
#include "prepare.h"
#include "validate.h"

namespace vex3d {
namespace {

// The name under which warnings cite a data resource.
const char *cited_name(DataChange which) { return which == DataChange::kSurface ? "SurfaceData" : "ZoneData"; }

bool report(const Vex3dGraph *graph, DataChange which, const std::string &reason) {
  if (reason.empty()) return true;
  message(graph, "VEX/3d: Error in XtNvex3d%s.\n", cited_name(which));
  message(graph, "        %s.\n", reason.c_str());
  return false;
}

bool check_surface(Vex3dGraph *graph) {
  const Vex3dData *surface = graph->surface_data;
  const bool valid = surface && report(graph, DataChange::kSurface, data_set_problem(*surface));
  prepare_data_info(graph->surface_info, surface, valid);
  return valid;
}

// Zone data must pass on its own and, when the surface passed, match it.
void check_zone(Vex3dGraph *graph) {
  const Vex3dData *zone = graph->zone_data;
  bool valid = false;
  if (zone) {
    std::string reason = data_set_problem(*zone);
    if (reason.empty() && graph->surface_info.valid) reason = zone_mismatch(*graph->surface_data, *zone);
    valid = report(graph, DataChange::kZone, reason);
  }
  prepare_data_info(graph->zone_info, zone, valid);
}

}  // namespace

void graph_data_changed(Vex3dGraph *graph, DataChange what) {
  // The contours hold the prepared grids' rows and coordinates.
  if (what != DataChange::kRanges)
    if (const auto dropped = hooks().grids_prepared) dropped(graph);
  if (what == DataChange::kSurface) {
    check_surface(graph);
    check_zone(graph);
  } else if (what == DataChange::kZone) {
    check_zone(graph);
  }
  run_range_steps(graph);
}

void refresh_graph_data(Vex3dGraph *graph) { graph_data_changed(graph, DataChange::kSurface); }

void install_data_hooks(EngineHooks &hooks) {
  hooks.data_changed = &graph_data_changed;
  hooks.read_data = &Vex3dDataRead;
  hooks.destroy_data = [](Vex3dData *data) { Vex3dDataDestroy(data, 1); };
}

}  // namespace vex3d
