// Drawing the page of a new graph into a PNG file, for render and cube.
#include "chart_picture.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "data.h"
#include "engine_ptr.h"
#include "messages.h"
#include "output.h"
#include "page.h"
#include "restable.h"
#include "steps.h"

namespace torvane3d_cli {
namespace {

// A side beyond this is refused: 8192 x 8192 pixels already take 256 MB.
constexpr int kLargestSide = 8192;

void print_usage(const char *name) {
  std::fprintf(stderr,
               "usage: torvane3d %s [DATAFILE] [STEP...] -o OUT [--size WxH] [--label \"STEP...\"]... [--debug]\n"
               "       [--format NAME] [--quality N] [--grayscale] [--progressive] [--optimize] [--interlace]\n"
               "       [--bits N]\n",
               name);
}

bool read_size(const char *text, int &width, int &height) {
  char *end = nullptr;
  const long w = std::strtol(text, &end, 10);
  if (end == text || (*end != 'x' && *end != 'X')) return false;
  const char *second = end + 1;
  const long h = std::strtol(second, &end, 10);
  if (end == second || *end) return false;
  if (w < 1 || h < 1 || w > kLargestSide || h > kLargestSide) return false;
  width = int(w), height = int(h);
  return true;
}

bool parse(const char *name, std::span<char *const> args, ChartOptions &o) {
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (take_common_arg(args, k, o)) continue;
    if (std::strcmp(args[k], "--label") == 0 && k + 1 < args.size()) {
      o.labels.emplace_back(args[++k]);
      continue;
    }
    const int size = take_size_arg(name, args, k, o);
    if (size < 0) return false;
    if (size > 0) continue;
    const int picture = take_picture_arg(name, args, k, o.picture);
    if (picture < 0) return false;
    if (picture == 0) {
      reject_argument(name, args[k]);
      print_usage(name);
      return false;
    }
  }
  if (!o.out) {
    print_usage(name);
    return false;
  }
  return true;
}

// The built-in chart's surface: the peaks function on a 60 x 60 grid over [-3, 3] x [-3, 3].
vex3d::DataPtr peaks_data() {
  constexpr int n = 60;
  const double step = 6.0 / (n - 1);
  vex3d::DataPtr data(Vex3dDataCreateGrid(n, n, 1e308, step, step, -3, -3, 1));
  if (!data) return data;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      const double x = -3 + i * step, y = -3 + j * step;
      data->grid.values[i][j] = 3 * (1 - x) * (1 - x) * std::exp(-x * x - (y + 1) * (y + 1)) -
                                10 * (x / 5 - x * x * x - std::pow(y, 5)) * std::exp(-x * x - y * y) -
                                std::exp(-(x + 1) * (x + 1) - y * y) / 3;
    }
  return data;
}

}  // namespace

int take_size_arg(const char *name, std::span<char *const> args, std::size_t &k, ChartOptions &o) {
  if (std::strcmp(args[k], "--size") != 0 || k + 1 >= args.size()) return 0;
  if (!read_size(args[++k], o.width, o.height)) {
    std::fprintf(stderr, "torvane3d %s: --size takes WIDTHxHEIGHT, each 1 to %d, not '%s'\n", name, kLargestSide,
                 args[k]);
    return -1;
  }
  return 1;
}

bool make_chart(const char *name, const ChartOptions &o, Chart &chart) {
  if (o.file) {
    chart.data.reset(read_data(name, o.file));
    if (!chart.data) return false;
  } else {
    chart.data = peaks_data();
  }
  chart.graph.reset(Vex3dCreateGraph());
  if (!chart.graph || !chart.data) {
    std::fprintf(stderr, "torvane3d: out of memory\n");
    return false;
  }
  Vex3dGraph *g = chart.graph.get();
  Vex3dSetValues(g, VEX3D_REPAINT, 0, VEX3D_DEBUG, o.debug ? 1 : 0, VEX3D_WIDTH, o.width, VEX3D_HEIGHT, o.height, 0);
  if (!set_surface_data(g, chart.data.get(), name, o.file ? o.file : "the built-in chart")) return false;
  if (!o.file) {
    static const char *const header[] = {"Peaks", nullptr}, *const footer[] = {"60 x 60 grid over [-3, 3] x [-3, 3]",
                                                                               nullptr};
    Vex3dSetValues(g, VEX3D_DRAW_SHADED, 1, VEX3D_DRAW_ZONES, 1, VEX3D_DRAW_MESH, 1, VEX3D_DRAW_CONTOURS, 1,
                   VEX3D_PROJECT_ZMIN, Vex3dProjectContours | Vex3dProjectZones, VEX3D_HEADER_STRINGS, header,
                   VEX3D_FOOTER_STRINGS, footer, VEX3D_LEGEND_STYLE, Vex3dLegendStyleStepped, 0);
  }
  for (const std::string &step : o.steps)
    if (apply_step(g, step, stdout, stderr) != StepResult::Done) return false;
  for (const std::string &steps : o.labels) {
    Vex3dText *label = Vex3dCreateText(g);
    if (!label) {
      std::fprintf(stderr, "torvane3d: out of memory\n");
      return false;
    }
    for (const std::string &step : split_steps(steps)) {
      const StepResult result = apply_label_step(label, g, step, stdout, stderr);
      if (result == StepResult::NotAStep)
        std::fprintf(stderr, "torvane3d %s: '%s' in --label is not a step (NAME=TEXT or NAME?)\n", name,
                     printable(step).c_str());
      if (result != StepResult::Done) return false;
    }
  }
  return true;
}

bool draw_page_picture(Vex3dGraph *graph, const ChartOptions &o, const char *name, Vex3dOutputFile *out) {
  const vex3d::DrawContextPtr raster(Vex3dCreateRasterContext(o.width, o.height));
  if (!raster) {
    std::fprintf(stderr, "torvane3d %s: cannot make a %dx%d picture\n", name, o.width, o.height);
    return false;
  }
  say(warnings_in(messages_of(graph, [&] { Vex3dDrawPage(graph, raster.get(), VEX3D_CHANGE_ALL); })));
  if (!out) return true;
  Vex3dWriteRasterPngTo(raster.get(), out);
  return commit_output(out, name, o.out);
}

int run_picture_command(const PictureCommand &command, std::span<char *const> args) {
  const char *name = command.name;
  ChartOptions o;
  if (!parse(name, args, o)) return 2;
  PictureFormat format = PictureFormat::kPng;
  if (!picture_format(name, o.out, o.picture, format)) return 2;
  if (o.debug) start_messages(true);
  if (!plain_png(format, o.picture)) {
    {
      // A target that cannot be written, or is one of the inputs, is
      // refused before any work; the export writes it whole or not at all.
      if (!open_output(name, o.out, input_files(o))) return 1;
    }
    Chart chart;
    if (!make_chart(name, o, chart)) return 1;
    if (command.cube_only) Vex3dSetPlotCubeOnly(chart.graph.get(), 1);
    return write_picture(chart.graph.get(), name, o.out, format, o.picture) ? 0 : 1;
  }
  // Opened first: a target that cannot be written, or is one of the inputs,
  // is refused before any work. Written whole or not at all.
  const vex3d::OutputFilePtr out = open_output(name, o.out, input_files(o));
  if (!out) return 1;
  Chart chart;
  if (!make_chart(name, o, chart)) return 1;
  if (command.cube_only) Vex3dSetPlotCubeOnly(chart.graph.get(), 1);
  return draw_page_picture(chart.graph.get(), o, name, out.get()) ? 0 : 1;
}

}  // namespace torvane3d_cli
