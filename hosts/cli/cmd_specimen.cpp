// torvane3d specimen -o OUT.png: the fonts of 3D text on one sheet (see
// specimen_sheet.h), for a person to check that each font is what its name
// says.
#include <cstdio>
#include <string>

#include "commands.h"
#include "output.h"
#include "png_file.h"
#include "raster_context.h"
#include "restable.h"
#include "specimen_sheet.h"
#include "w_render.h"

namespace torvane3d_cli {

int run_specimen(std::span<char *const> args) {
  if (args.size() != 2 || std::string(args[0]) != "-o") {
    std::fprintf(stderr, "usage: torvane3d specimen -o OUT.png\n");
    return 2;
  }
  vex3d::platform::OutputFile out;
  if (!open_output(out, "specimen", args[1])) return 1;
  Vex3dGraph *graph = Vex3dCreateGraph();
  if (!graph) {
    std::fprintf(stderr, "torvane3d: out of memory\n");
    return 1;
  }
  vex3d::platform::RasterContext raster(kSpecimenWidth, kSpecimenHeight);
  {
    const vex3d::CurrentContextScope current(graph, &raster);
    draw_specimen(graph);
  }
  Vex3dDestroyGraph(graph);
  if (!raster.ok()) out.fail("cannot draw the sheet");
  vex3d::platform::write_png(out, raster.pixels());
  return commit_output(out, "specimen", args[1]) ? 0 : 1;
}

}  // namespace torvane3d_cli
