// Drawing the page of a new graph into a picture file: what the commands
// that write pictures (render, cube) share. Their arguments are
//   [DATAFILE] [STEP...] -o OUT [--size WxH] [--label "STEP..."]... [--debug] [picture options]
// the format by OUT's extension or --format, with the options of
// picture_format.h;
// without a data file the built-in chart is drawn: the peaks function on a
// 60 x 60 grid, shaded, zoned, meshed, with contour lines and its zones and
// contour lines projected on the floor, the header "Peaks", the stepped zone
// legend and a footer naming the grid. A step that fails or a data file that
// cannot be read stops the command with status 1, bad arguments with status
// 2; the picture is written whole or not at all.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine_ptr.h"
#include "output.h"
#include "picture_format.h"
#include "restable.h"
#include "steps.h"

namespace torvane3d_cli {

// What every command about a chart reads: the data file, the steps and the
// picture size.
struct ChartOptions : CommonArgs {
  int width = 800, height = 600;
  PictureOptions picture;  // render and cube: the file's format and its options
  std::vector<std::string> labels;  // --label: the steps of one new chart label each
};

// Takes "--size WxH" at args[k] (moving k onto its value): 1 when taken, 0
// when args[k] is something else, -1 when the size is bad (said on stderr).
int take_size_arg(const char *name, std::span<char *const> args, std::size_t &k, ChartOptions &o);

// The chart the options describe, as render draws it: a new graph of the
// picture's size with the data file's data (or the built-in chart) and the
// steps applied. False, with the reason on stderr, when the data cannot be
// read or a step fails.
struct Chart {
  vex3d::DataPtr data;
  vex3d::GraphPtr graph;
};
bool make_chart(const char *name, const ChartOptions &o, Chart &chart);

// Draws the whole page into a new raster picture of the options' size, as
// every picture command does, which lays the page out and computes the view;
// with `out` (opened on o.out) writes the picture as a PNG file into it and
// commits it. False after a message.
bool draw_page_picture(Vex3dGraph *graph, const ChartOptions &o, const char *name, Vex3dOutputFile *out);

struct PictureCommand {
  const char *name;  // the sub-command, for its messages
  // The chart area shows the plot cube alone, with no chart body.
  bool cube_only;
};

int run_picture_command(const PictureCommand &command, std::span<char *const> args);

}  // namespace torvane3d_cli
