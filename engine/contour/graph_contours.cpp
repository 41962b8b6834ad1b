// When a graph computes its contours, from which values, and where it keeps them.
#include "graph_contours.h"

#include "diagnostics.h"
#include "levels.h"

namespace vex3d {
namespace {

// The viewing portion of a prepared grid.
GridWindow portion_of(const Vex3dDataInfo &info, const ViewingPortion &p, std::vector<const double *> &rows) {
  rows.clear();
  for (int i = 0; i < p.count_x; ++i) rows.push_back(info.values[p.first_x + i] + p.first_y);
  return GridWindow{p.count_x, p.count_y, info.xgrid + p.first_x, info.ygrid + p.first_y, rows.data(), info.hole};
}

bool portion_fits(const Vex3dDataInfo &info, const ViewingPortion &p) {
  return info.values && info.xgrid && info.ygrid && p.first_x >= 0 && p.first_y >= 0 && p.count_x >= 0 &&
         p.count_y >= 0 && p.first_x + p.count_x <= info.numx && p.first_y + p.count_y <= info.numy;
}

const char *reason(ContourStatus status) {
  switch (status) {
    case ContourStatus::kTooManyCrossings: return "The levels cross the grid too many times";
    case ContourStatus::kBadLevels: return "The levels are not ascending";
    case ContourStatus::kOutOfMemory: return "Out of memory";
    default: return "";
  }
}

}  // namespace

ContourNeeds contour_needs(const Vex3dGraph *graph) {
  ContourNeeds needs;
  const Vex3dDataInfo &surface = graph->surface_info;
  if (graph->type != Vex3dTypeSurface || !surface.valid || surface.type == VEX3D_POINT) return needs;
  const int projected = graph->project_zmin | graph->project_zmax;
  needs.lines = graph->draw_contours || (projected & Vex3dProjectContours);
  needs.zones = graph->draw_zones || (projected & Vex3dProjectZones);
  needs.method = graph->zone_method == Vex3dZoneCells ? ZoneMethod::kCells : ZoneMethod::kContours;
  return needs;
}

const ContourState *current_contours(const Vex3dGraph *graph) {
  return static_cast<const ContourState *>(graph->contours.get());
}

void discard_contours(Vex3dGraph *graph) { graph->contours.reset(); }

const ContourState *update_contours(Vex3dGraph *graph, const ContourNeeds &needs) {
  if (!needs.lines && !needs.zones) return nullptr;
  if (const ContourState *now = current_contours(graph);
      now && (now->failed || now->result.lines_traced || !needs.trace()))
    return now->failed ? nullptr : now;
  discard_contours(graph);

  const bool from_zones = graph->zone_info.valid != 0;
  const Vex3dDataInfo &values = from_zones ? graph->zone_info : graph->surface_info;
  const ViewingPortion &portion = graph->ranges.portion;
  if (!portion_fits(values, portion) || !portion_fits(graph->surface_info, portion)) return nullptr;

  auto state = std::make_unique<ContourState>();
  state->source = portion_of(values, portion, state->source_rows);
  state->surface = portion_of(graph->surface_info, portion, state->surface_rows);
  const ContourInput input{state->source, from_zones ? &state->surface : nullptr, levels_in_use(graph), needs.trace()};
  const ContourStatus status = compute_contours(input, state->result);
  state->failed = status != ContourStatus::kDone;
  if (state->failed) {
    message(graph, "VEX/3d: Contours and zones not computed.\n");
    message(graph, "        %s.\n", reason(status));
  }
  graph->contours = std::move(state);
  if (status != ContourStatus::kDone) return nullptr;
  return current_contours(graph);
}

void install_contour_hooks(EngineHooks &hooks) {
  hooks.levels_dropped = discard_contours;
  hooks.grids_prepared = discard_contours;
}

}  // namespace vex3d
