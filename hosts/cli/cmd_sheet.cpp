// torvane3d sheet -o OUT.png [--svg OUT.svg]: the sheet of the drawing
// operations (sheets.h), written as a PNG file and, when asked, drawn again
// into an SVG file, so that a person can compare what the back end makes of
// each operation in both.
#include <cstdio>
#include <string>

#include "commands.h"
#include "output.h"
#include "sheets.h"

namespace torvane3d_cli {
namespace {

constexpr const char *kUsage = "usage: torvane3d sheet -o OUT.png [--svg OUT.svg]\n";

bool write_sheet(const char *out, bool svg) {
  const vex3d::OutputFilePtr file = open_output("sheet", out);
  if (!file) return false;
  Vex3dWriteSheet(Vex3dSheetOperations, svg ? 1 : 0, file.get());
  return commit_output(file.get(), "sheet", out);
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
  if (!write_sheet(png, false)) return 1;
  if (svg && !write_sheet(svg, true)) return 1;
  return 0;
}

}  // namespace torvane3d_cli
