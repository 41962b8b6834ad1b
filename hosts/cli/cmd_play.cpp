// torvane3d play [--debug] STEP...: sets and reads resources of a new graph,
// the command-line stand-in for the graph window's resource test dialog.
#include <cstdio>
#include <string>

#include "commands.h"
#include "messages.h"
#include "restable.h"
#include "steps.h"

namespace torvane3d_cli {

int run_play(std::span<char *const> args) {
  bool debug = false;
  std::size_t first = 0;
  if (!args.empty() && std::string(args[0]) == "--debug") {
    debug = true;
    first = 1;
  }
  if (debug) start_messages(true);
  Vex3dGraph *graph = Vex3dCreateGraph();
  if (!graph) {
    std::fprintf(stderr, "torvane3d: out of memory\n");
    return 1;
  }
  if (debug) Vex3dSetValues(graph, VEX3D_DEBUG, 1, 0);
  int status = 0;
  for (std::size_t i = first; i < args.size(); ++i) {
    const std::string step = args[i];
    const StepResult result = apply_step(graph, step, stdout, stderr);
    if (result == StepResult::NotAStep) {
      reject_argument("play", step, true);
      status = 2;
      break;
    }
    if (result == StepResult::UnknownName) {
      status = 2;
      break;
    }
    if (result == StepResult::Failed) status = 1;
  }
  Vex3dDestroyGraph(graph);
  return status;
}

}  // namespace torvane3d_cli
