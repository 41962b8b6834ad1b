// Graphs with a chosen distribution range or user table, and tables handed
// out, for the level tests.
#pragma once

#include <memory>
#include <vector>

#include "dtable.h"
#include "graph.h"
#include "graph_fixture.h"
#include "set_resource.h"

// Gives the graph a distribution range as the data layer would compute it.
inline void set_distribution(Vex3dGraph *graph, double dmin, double dmax) {
  graph->ranges.distn_min = dmin;
  graph->ranges.distn_max = dmax;
  vex3d::drop_levels(graph);
}

// Makes the user's table the levels in use.
inline void use_table(Vex3dGraph *graph, std::vector<double> levels) {
  Vex3dDistnTable table{static_cast<int>(levels.size()), levels.data()};
  Vex3dSetValues(graph, VEX3D_DISTN_TABLE, &table, VEX3D_DISTN_METHOD, Vex3dDistnFromTable, 0);
}

using Levels = std::vector<double>;

using TablePtr = vex3d::DistnTablePtr;

inline Levels contents(const Vex3dDistnTable *table) { return Levels(table->levels, table->levels + table->nlevels); }
