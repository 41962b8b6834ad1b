// torvane3d: draw, inspect and convert charts from the command line.
#include <cstdio>
#include <cstring>

#include "commands.h"
#include "huge_page_heap.h"
#include "messages.h"

namespace torvane3d_cli {

std::span<const Command> commands() {
  static const Command kCommands[] = {
      {"resources", "", "list every graph resource with its identifier and default value", run_resources},
      {"play", "[--debug] STEP...", "set (NAME=TEXT) and print (NAME?) resources of a new graph", run_play},
      {"data", "FILE [--debug]", "read a data file into a new graph and print its layout, validity and ranges",
       run_data},
      {"contours", "FILE [STEP...] -o OUT.dat [--first N] [--last N] [--filter N] [--debug]",
       "write the contour lines of a data file as point data, one series per level", run_contours},
      {"levels", "FILE [STEP...]", "the contour levels of a data file after the steps, each with its contour style",
       run_levels},
      {"zvalue", "FILE [STEP...] --at X Y [--debug]",
       "the height of a data file's surface at (X, Y), printed as Z=%.17g (1e+308 or the hole value on failure)",
       run_zvalue},
      {"resample", "FILE --window X0 Y0 X1 Y1 --points NX NY [--cubic] -o OUT.dat",
       "a grid resampled onto NX x NY points over the window, linearly or with cubic splines", run_resample},
      {"smooth", "FILE --weight W -o OUT.dat",
       "a grid smoothed: each value the mean of itself (weight W, 0 <= W < 1) and its eight neighbours", run_smooth},
      {"relief", "FILE [--sweep D] [--rise D] [--scale S] [--ambient A] [--intensity I] -o OUT.dat",
       "the shaded relief of a grid: the light (0 to 1) its surface reflects, for ZONE_DATA", run_relief},
      {"render",
       "[DATAFILE] [STEP...] -o OUT [--size WxH] [--debug] [--format NAME] [--quality N] [--grayscale] [--progressive] "
       "[--optimize] [--interlace] [--bits N]",
       "draw a chart into a PNG file (default 800x600; no data file: the built-in peaks chart)", run_render},
      {"print", "[DATAFILE] [STEP...] [--printer NAME] [--size WxH] [--debug]",
       "print a chart as render draws it, fitted to the page, on the named or the default printer (CUPS)", run_print},
      {"cube", "[DATAFILE] [STEP...] -o OUT.png [--size WxH] [--debug]",
       "draw the plot cube of a chart alone (edges, grid lines, axis labels and titles) into a PNG file", run_cube},
      {"layout", "[DATAFILE] [STEP...] [--size WxH] [--debug]",
       "lay out the page of a chart and print its header, footer, legend and chart area rectangles, the legend's "
       "kind and its entries",
       run_layout},
      {"pick",
       "[DATAFILE] [STEP...] [--size WxH] [--debug] [-o OUT.png] (--at PX PY | --data X Y Z | --index ROW COLUMN)",
       "draw a chart as render does and say what a pixel shows, or which pixel shows a data coordinate or index",
       run_pick},
      {"specimen", "-o OUT.png", "draw every font of 3D text, flat and tilted, into a PNG sheet", run_specimen},
      {"sheet", "-o OUT.png [--svg OUT.svg]",
       "draw every drawing operation of the back end, labelled, into a PNG sheet (and an SVG one)", run_sheet},
      {"script", "[--load FILE.tc3] [--data DATAFILE] [--size WxH] [-o FILE.png] [FILE|-]",
       "run statements on a new control by name: PATH = VALUE, print PATH, PATH(ARGS), on EVENT print", run_script},
      {"typelib", "",
       "print the type library: every class of the object model with its members and identifiers, "
       "every enumeration with its values",
       run_typelib},
  };
  return kCommands;
}

}  // namespace torvane3d_cli

namespace {

void print_help(std::FILE *to) {
  std::fprintf(to, "usage: torvane3d COMMAND [ARGS]\n\ncommands:\n");
  for (const auto &c : torvane3d_cli::commands()) std::fprintf(to, "  %s %s\n      %s\n", c.name, c.usage, c.summary);
}

}  // namespace

int main(int argc, char **argv) {
  torvane3d_cli::put_the_heap_in_huge_pages();
  torvane3d_cli::start_messages(false);
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
    print_help(argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  for (const auto &c : torvane3d_cli::commands())
    if (!std::strcmp(argv[1], c.name)) return c.run(std::span<char *const>(argv + 2, argv + argc));
  std::fprintf(stderr, "torvane3d: unknown command '%s'\n", argv[1]);
  print_help(stderr);
  return 2;
}
