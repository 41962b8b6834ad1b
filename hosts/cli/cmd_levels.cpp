// torvane3d levels FILE [STEP...]: the contour levels a data file gets, each
// with the contour style it is drawn with.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "commands.h"
#include "ctable.h"
#include "data.h"
#include "dtable.h"
#include "restable.h"
#include "steps.h"

namespace torvane3d_cli {
namespace {

// One line a level: the level, the index of its style and the style as a
// styles file writes it.
void print_levels(Vex3dGraph *graph) {
  int n = 0;
  const double *levels = Vex3dLevelsInUse(graph, &n);
  const Vex3dContourStyle *const *styles = nullptr;
  Vex3dGetValues(graph, VEX3D_CONTOUR_STYLES, &styles, 0);
  for (int k = 0; k < n; ++k) {
    const int index = Vex3dLevelStyleIndex(graph, k);
    const std::unique_ptr<char, decltype(&std::free)> style(index >= 0 ? Vex3dContourStyleText(styles[index]) : nullptr,
                                                            &std::free);
    std::printf("%.15lg %d %s\n", levels[k], index, style ? style.get() : "(no style)");
  }
}

}  // namespace

int run_levels(std::span<char *const> args) {
  if (args.empty()) {
    std::fprintf(stderr, "usage: torvane3d levels FILE [STEP...]\n");
    return 2;
  }
  Vex3dData *data = read_data("levels", args[0]);
  if (!data) return 1;
  Vex3dGraph *graph = Vex3dCreateGraph();
  if (!graph) {
    Vex3dDataDestroy(data, 1);
    std::fprintf(stderr, "torvane3d: out of memory\n");
    return 1;
  }
  int status = set_surface_data(graph, data, "levels", args[0]) ? 0 : 1;
  for (std::size_t i = 1; i < args.size() && status != 2; ++i) {
    switch (apply_step(graph, args[i], stdout, stderr)) {
      case StepResult::Done: break;
      case StepResult::Failed: status = 1; break;
      case StepResult::NotAStep:
        reject_argument("levels", args[i], true);
        status = 2;
        break;
      case StepResult::UnknownName: status = 2; break;
    }
  }
  if (status != 2) print_levels(graph);
  Vex3dDestroyGraph(graph);
  Vex3dDataDestroy(data, 1);
  return status;
}

}  // namespace torvane3d_cli
