// torvane3d layout [DATAFILE] [STEP...] [--size WxH] [--debug]: lays out the
// page of the chart render would draw and prints, one a line, the header,
// footer, legend and chart area rectangles (x, y, width, height), the
// legend's kind and its entries as drawn, top first, each label with its
// column escapes replaced by tabs.
#include <cstdio>
#include <string>

#include "chart_picture.h"
#include "commands.h"
#include "page.h"
#include "restable.h"

namespace torvane3d_cli {
namespace {

constexpr const char *kName = "layout";

struct Region {
  const char *name;
  int x, y, width, height;
};

constexpr Region kRegions[] = {
    {"HEADER", VEX3D_HEADER_X, VEX3D_HEADER_Y, VEX3D_HEADER_WIDTH, VEX3D_HEADER_HEIGHT},
    {"FOOTER", VEX3D_FOOTER_X, VEX3D_FOOTER_Y, VEX3D_FOOTER_WIDTH, VEX3D_FOOTER_HEIGHT},
    {"LEGEND", VEX3D_LEGEND_X, VEX3D_LEGEND_Y, VEX3D_LEGEND_WIDTH, VEX3D_LEGEND_HEIGHT},
    {"GRAPH", VEX3D_GRAPH_X, VEX3D_GRAPH_Y, VEX3D_GRAPH_WIDTH, VEX3D_GRAPH_HEIGHT},
};

// The label with each column escape ("\r", "\l", "\c") a tab.
std::string with_tabs(const char *label) {
  std::string out;
  for (const char *p = label; *p; ++p) {
    if (p[0] == '\\' && (p[1] == 'r' || p[1] == 'l' || p[1] == 'c')) {
      out += '\t';
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

bool parse(std::span<char *const> args, ChartOptions &o) {
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (take_common_arg(args, k, o)) {
      if (o.out) {
        std::fprintf(stderr, "torvane3d %s: writes no file (-o)\n", kName);
        return false;
      }
      continue;
    }
    const int size = take_size_arg(kName, args, k, o);
    if (size < 0) return false;
    if (size > 0) continue;
    std::fprintf(stderr, "torvane3d %s: unexpected argument '%s'\n", kName, args[k]);
    std::fprintf(stderr, "usage: torvane3d %s [DATAFILE] [STEP...] [--size WxH] [--debug]\n", kName);
    return false;
  }
  return true;
}

}  // namespace

int run_layout(std::span<char *const> args) {
  ChartOptions o;
  if (!parse(args, o)) return 2;
  if (o.debug) Vex3dSetMessageSink(Vex3dStderrSink, nullptr);
  Chart chart;
  if (!make_chart(kName, o, chart)) return 1;
  Vex3dGraph *g = chart.graph.get();
  Vex3dLayOutPage(g);
  for (const Region &r : kRegions) {
    int x = 0, y = 0, width = 0, height = 0;
    Vex3dGetValues(g, r.x, &x, r.y, &y, r.width, &width, r.height, &height, 0);
    std::printf("%s %d %d %d %d\n", r.name, x, y, width, height);
  }
  const int kind = Vex3dLegendKind(g);
  if (kind == VEX3D_LEGEND_SERIES)
    std::printf("LEGEND_KIND series\n");
  else
    std::printf("LEGEND_KIND %d\n", kind);
  for (int k = 0; k < Vex3dLegendEntryCount(g); ++k)
    std::printf("%s\n", with_tabs(Vex3dLegendEntryLabel(g, k)).c_str());
  return 0;
}

}  // namespace torvane3d_cli
