// torvane3d print [DATAFILE] [STEP...] [--printer NAME] [--size WxH] [--debug]:
// prints the chart as render draws it, fitted to the printable page, on the
// named printer or the default destination of the print server (CUPS), as
// the document "Stock graphs". With no print server answering, or no such
// printer, it fails at once saying so.
#include <cstdio>
#include <cstring>

#include "chart_picture.h"
#include "commands.h"
#include "export.h"
#include "messages.h"

namespace torvane3d_cli {
namespace {

constexpr const char *kName = "print";

struct PrintOptions : ChartOptions {
  const char *printer = nullptr;
};

void print_usage() {
  std::fprintf(stderr, "usage: torvane3d print [DATAFILE] [STEP...] [--printer NAME] [--size WxH] [--debug]\n");
}

bool parse(std::span<char *const> args, PrintOptions &o) {
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (std::strcmp(args[k], "--printer") == 0 && k + 1 < args.size()) {
      o.printer = args[++k];
      continue;
    }
    if (std::strcmp(args[k], "-o") != 0 && take_common_arg(args, k, o)) continue;
    const int size = take_size_arg(kName, args, k, o);
    if (size < 0) return false;
    if (size == 0) {
      reject_argument(kName, args[k]);
      print_usage();
      return false;
    }
  }
  return true;
}

}  // namespace

int run_print(std::span<char *const> args) {
  PrintOptions o;
  if (!parse(args, o)) return 2;
  if (o.debug) start_messages(true);
  Chart chart;
  if (!make_chart(kName, o, chart)) return 1;
  Vex3dGraph *g = chart.graph.get();
  int printed = 0;
  const Messages said = messages_of(
      g, [&] { printed = Vex3dPrintOn(g, o.printer, VEX3D_FORMAT_METAFILE, VEX3D_SCALE_TO_FIT, 0, 0, 0, 0); });
  if (printed) return 0;
  say(said);
  std::fprintf(stderr, "torvane3d print: the chart was not printed\n");
  return 1;
}

}  // namespace torvane3d_cli
