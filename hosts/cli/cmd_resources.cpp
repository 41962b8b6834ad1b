// torvane3d resources: every graph resource of a new graph, in table order,
// with its identifier and current value in text form.
#include <cstdio>
#include <cstdlib>

#include "commands.h"
#include "restable.h"

namespace torvane3d_cli {

int run_resources(std::span<char *const> args) {
  if (!args.empty()) {
    std::fprintf(stderr, "torvane3d resources: takes no arguments\n");
    return 2;
  }
  Vex3dGraph *graph = Vex3dCreateGraph();
  if (!graph) {
    std::fprintf(stderr, "torvane3d: out of memory\n");
    return 1;
  }
  for (int row = 0; row < Vex3dResourceCount(); ++row) {
    const int id = Vex3dResourceIdAt(row);
    if (Vex3dResourceOwner(id) != VEX3D_OWNER_GRAPH) continue;
    char *text = nullptr;
    if (Vex3dGetValueString(graph, id, &text)) {
      std::printf("%-30s 0x%04X %s\n", Vex3dResourceName(id), id, text);
      std::free(text);
    } else {
      std::printf("%-30s 0x%04X (no text form)\n", Vex3dResourceName(id), id);
    }
  }
  Vex3dDestroyGraph(graph);
  return 0;
}

}  // namespace torvane3d_cli
