// Graphs and data sets owned by the command that made them, freed on every way out.
#pragma once

#include <memory>

#include "data.h"
#include "restable.h"

namespace torvane3d_cli {

struct GraphDeleter {
  void operator()(Vex3dGraph *g) const { Vex3dDestroyGraph(g); }
};
struct DataDeleter {
  void operator()(Vex3dData *d) const { Vex3dDataDestroy(d, 1); }
};
using GraphPtr = std::unique_ptr<Vex3dGraph, GraphDeleter>;
using DataPtr = std::unique_ptr<Vex3dData, DataDeleter>;

}  // namespace torvane3d_cli
