// The contour lines and cell records a graph keeps for drawing.
#pragma once

#include <vector>

#include "contour_result.h"
#include "graph.h"
#include "hooks.h"
#include "zone_pieces.h"

namespace vex3d {

// What the drawing needs from the contour computation at the moment.
struct ContourNeeds {
  bool lines = false;  // contour lines on the surface or a projection
  bool zones = false;  // zones on the surface or a projection
  ZoneMethod method = ZoneMethod::kContours;
  // Lines are traced for contour lines, and for zones cut along them.
  bool trace() const { return lines || (zones && method == ZoneMethod::kContours); }
};

// Held in the graph's `contours` slot while the results are current.
struct ContourState : LayerState {
  ContourResult result;
  GridWindow source;   // the contoured values: the zone data when valid, else the surface
  GridWindow surface;  // the surface, which gives the z of zone-data contour points
  std::vector<const double *> source_rows, surface_rows;
  bool failed = false;  // kept so that a computation that failed is not retried on every drawing
  // Reused by the zoned mesh of every cell, so that drawing a cell allocates nothing.
  mutable std::vector<PieceVertex> mesh_scratch;
};

// What the graph's settings ask for: nothing for charts other than surfaces,
// without valid grid data, or with neither lines nor zones drawn.
ContourNeeds contour_needs(const Vex3dGraph *graph);

// The current contours, computed first when missing or when they lack what
// `needs` asks for; null when nothing is needed or the computation failed
// (the chart is then drawn without contours and zones).
const ContourState *update_contours(Vex3dGraph *graph, const ContourNeeds &needs);
inline const ContourState *update_contours(Vex3dGraph *graph) {
  return update_contours(graph, contour_needs(graph));
}

// The results as they stand, without computing; null when there are none.
const ContourState *current_contours(const Vex3dGraph *graph);

// Frees the lines, points and cell records.
void discard_contours(Vex3dGraph *graph);

// Contours are discarded with the levels they were computed from.
void install_contour_hooks(EngineHooks &hooks);

}  // namespace vex3d
