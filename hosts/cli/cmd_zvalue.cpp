// torvane3d zvalue FILE [STEP...] --at X Y [--debug]: the height of the
// surface grid at (X, Y), printed as Z=%.17g; the engine's failure results
// are printed as they are (1e+308 outside the grid or for a chart that is no
// surface, the hole value on a hole's cell or for point data).
#include <cstdio>
#include <string>

#include "commands.h"
#include "data_command.h"
#include "engine_ptr.h"
#include "messages.h"
#include "methods.h"
#include "steps.h"

namespace torvane3d_cli {
namespace {

constexpr const char *kUsage = "usage: torvane3d zvalue FILE [STEP...] --at X Y [--debug]\n";

}  // namespace

int run_zvalue(std::span<char *const> args) {
  CommonArgs o;
  double x = 0, y = 0;
  bool at = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (std::string(args[k]) == "--at" && k + 2 < args.size()) {
      if (!read_number(args[k + 1], x) || !read_number(args[k + 2], y)) {
        std::fprintf(stderr, "torvane3d zvalue: --at takes two numbers, not '%s %s'\n", args[k + 1], args[k + 2]);
        return 2;
      }
      at = true;
      k += 2;
    } else if (!take_common_arg(args, k, o) || o.out) {
      reject_argument("zvalue", args[k]);
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  if (!o.file || !at) {
    std::fprintf(stderr, "%s", kUsage);
    return 2;
  }
  if (o.debug) start_messages(true);

  const vex3d::DataPtr data(read_data("zvalue", o.file));
  if (!data) return 1;
  const vex3d::GraphPtr graph(Vex3dCreateGraph());
  if (!graph) {
    std::fprintf(stderr, "torvane3d: out of memory\n");
    return 1;
  }
  Vex3dSetValues(graph.get(), VEX3D_REPAINT, 0, VEX3D_DEBUG, o.debug ? 1 : 0, 0);
  if (!set_surface_data(graph.get(), data.get(), "zvalue", o.file)) return 1;
  for (const std::string &step : o.steps)
    if (apply_step(graph.get(), step, stdout, stderr) != StepResult::Done) return 1;
  std::printf("Z=%.17g\n", Vex3dZInterpolate(graph.get(), x, y));
  return 0;
}

}  // namespace torvane3d_cli
