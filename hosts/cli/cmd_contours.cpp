// torvane3d contours FILE [STEP...] -o OUT.dat [--first N] [--last N]
// [--filter N] [--debug]: the contour lines of a data file as point data,
// one series per level, for other tools to draw or measure.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "commands.h"
#include "contour.h"
#include "data.h"
#include "dtable.h"
#include "engine_ptr.h"
#include "messages.h"
#include "output.h"
#include "restable.h"
#include "steps.h"

namespace torvane3d_cli {
namespace {

constexpr const char *kUsage =
    "usage: torvane3d contours FILE [STEP...] -o OUT.dat [--first N] [--last N] [--filter N] [--debug]\n";

struct Options : CommonArgs {
  int first = 0, last = -1, filter = 1;
  bool last_given = false;
};

bool read_int(const char *text, int &value) {
  char *end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (!*text || *end || v < -1000000000L || v > 1000000000L) return false;
  value = int(v);
  return true;
}

// Fills `o` from the arguments; false (with a message) when they do not fit.
bool parse(std::span<char *const> args, Options &o) {
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (take_common_arg(args, k, o)) continue;
    const std::string arg = args[k];
    if ((arg == "--first" || arg == "--last" || arg == "--filter") && k + 1 < args.size()) {
      int &field = arg == "--first" ? o.first : arg == "--last" ? o.last : o.filter;
      if (!read_int(args[++k], field)) {
        std::fprintf(stderr, "torvane3d contours: %s takes a whole number, not '%s'\n", arg.c_str(), args[k]);
        return false;
      }
      o.last_given = o.last_given || arg == "--last";
    } else {
      reject_argument("contours", arg);
      std::fputs(kUsage, stderr);
      return false;
    }
  }
  if (!o.file || !o.out) {
    std::fprintf(stderr, "%s", kUsage);
    return false;
  }
  return true;
}

}  // namespace

int run_contours(std::span<char *const> args) {
  Options o;
  if (!parse(args, o)) return 2;
  if (o.debug) start_messages(true);
  const vex3d::OutputFilePtr out = open_output("contours", o.out, input_files(o));
  if (!out) return 1;

  const vex3d::DataPtr data(read_data("contours", o.file));
  if (!data) return 1;
  const vex3d::GraphPtr graph(Vex3dCreateGraph());
  if (!graph) {
    std::fprintf(stderr, "torvane3d: out of memory\n");
    return 1;
  }
  Vex3dSetValues(graph.get(), VEX3D_REPAINT, 0, VEX3D_DEBUG, o.debug ? 1 : 0, 0);
  if (!set_surface_data(graph.get(), data.get(), "contours", o.file)) return 1;
  for (const std::string &step : o.steps)
    if (apply_step(graph.get(), step, stdout, stderr) != StepResult::Done) return 1;
  Vex3dSetValues(graph.get(), VEX3D_DRAW_CONTOURS, 1, 0);

  int count = 0;
  Vex3dLevelsInUse(graph.get(), &count);
  const int last = o.last_given ? o.last : count - 1;
  const vex3d::DataPtr lines(Vex3dDataContours(graph.get(), o.first, last, o.filter));
  if (!lines) {
    if (count == 0)
      std::fprintf(stderr, "torvane3d contours: no contour levels (is the data a surface grid with a z range?)\n");
    else
      std::fprintf(stderr, "torvane3d contours: no levels between %d and %d\n", o.first, last);
    return 1;
  }
  Vex3dDataWriteTo(lines.get(), out.get());
  if (!commit_output(out.get(), "contours", o.out)) return 1;
  // Which level each series holds: the levels as Vex3dDataContours picked
  // them; beside the lines when they go to standard output.
  std::FILE *summary = std::string(o.out) == kStandardOutputName ? stderr : stdout;
  const double *levels = Vex3dLevelsInUse(graph.get(), &count);
  const int first = std::max(0, std::min(o.first, count));
  for (int s = 0; s < lines->point.nseries; ++s) {
    const int level = first + s * std::max(o.filter, 1);
    if (level < count)
      std::fprintf(summary, "series %d: level %d (%.14g), %d points\n", s, level, levels[level],
                   lines->point.series[s].npoints);
  }
  return 0;
}

}  // namespace torvane3d_cli
