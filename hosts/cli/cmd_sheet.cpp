// torvane3d sheet -o OUT.png [--svg OUT.svg]: the sheet of the drawing
// operations (operations_sheet.h), drawn into a raster context written as a
// PNG file and, when asked, drawn again into an SVG file, so that a person
// can compare what the back end makes of each operation in both.
#include <cstdio>
#include <memory>
#include <string>

#include "commands.h"
#include "engine_ptr.h"
#include "operations_sheet.h"
#include "output.h"
#include "png_file.h"
#include "raster_context.h"
#include "restable.h"
#include "vector_context.h"
#include "w_render.h"

namespace torvane3d_cli {
namespace {

constexpr const char *kUsage = "usage: torvane3d sheet -o OUT.png [--svg OUT.svg]\n";

void draw_into(vex3d::platform::DrawContext &context) {
  const vex3d::GraphPtr graph(Vex3dCreateGraph());
  if (!graph) return;
  const vex3d::CurrentContextScope current(graph.get(), &context);
  vex3d::prepare_context(graph.get());
  draw_operations_sheet(graph.get());
}

bool write_png_sheet(const char *out) {
  vex3d::platform::OutputFile file;
  if (!open_output(file, "sheet", out)) return false;
  vex3d::platform::RasterContext raster(kSheetWidth, kSheetHeight);
  draw_into(raster);
  if (!raster.ok()) file.fail("cannot draw the sheet");
  vex3d::platform::write_png(file, raster.pixels());
  return commit_output(file, "sheet", out);
}

bool write_svg_sheet(const char *out) {
  vex3d::platform::OutputFile file;
  if (!open_output(file, "sheet", out)) return false;
  auto svg =
      vex3d::platform::VectorContext::to_output(vex3d::platform::VectorFormat::kSvg, file, kSheetWidth, kSheetHeight);
  if (svg->ok()) draw_into(*svg);
  if (!svg->finish()) file.fail("cannot complete the SVG document");
  return commit_output(file, "sheet", out);
}

}  // namespace

int run_sheet(std::span<char *const> args) {
  const char *png = nullptr, *svg = nullptr;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string arg = args[k];
    if (arg == "-o" && k + 1 < args.size()) {
      png = args[++k];
    } else if (arg == "--svg" && k + 1 < args.size()) {
      svg = args[++k];
    } else {
      std::fprintf(stderr, "torvane3d sheet: unexpected argument '%s'\n%s", arg.c_str(), kUsage);
      return 2;
    }
  }
  if (!png) {
    std::fprintf(stderr, "%s", kUsage);
    return 2;
  }
  if (!write_png_sheet(png)) return 1;
  if (svg && !write_svg_sheet(svg)) return 1;
  return 0;
}

}  // namespace torvane3d_cli
