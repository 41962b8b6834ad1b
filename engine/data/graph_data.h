// The graph's side of data sets: preparing them, checking them and deriving
// the ranges the rest of the engine draws from.
#pragma once

#include "graph.h"
#include "hooks.h"

namespace vex3d {

// Runs what depends on the change: a replaced data set is checked and
// prepared again (zone validity also follows a replaced surface), then the
// range steps run. Messages appear only with DEBUG on.
void graph_data_changed(Vex3dGraph *graph, DataChange what);

// Checks and prepares both data sets again and recomputes every range, for
// callers that edited a data set in place.
void refresh_graph_data(Vex3dGraph *graph);

// The range steps alone: x and y bounds, spacing, viewing portion, data z
// range, z bounds and the distribution range (grids); extents and bounds
// (point data). Nothing happens without valid surface data. The effective
// XMIN ... ZMAX are stored in the resources themselves.
void run_range_steps(Vex3dGraph *graph);

// Fills the frame's data hooks; called once when the engine starts.
void install_data_hooks(EngineHooks &hooks);

}  // namespace vex3d
