// Drawing the chart area of a new graph into a PNG file: what the commands
// that write pictures (render, cube) share. Their arguments are
//   [DATAFILE] [STEP...] -o OUT.png [--size WxH] [--debug]
// without a data file the built-in chart is drawn: the peaks function on a
// 60 x 60 grid, shaded, zoned, meshed, with contour lines and its zones and
// contour lines projected on the floor. A step that fails or a data file that
// cannot be read stops the command with status 1, bad arguments with status
// 2; the picture is written whole or not at all.
#pragma once

#include <span>

#include "restable.h"

namespace torvane3d_cli {

struct PictureCommand {
  const char *name;  // the sub-command, for its messages
  // The chart area shows the plot cube alone, with no chart body.
  bool cube_only;
};

int run_picture_command(const PictureCommand &command, std::span<char *const> args);

}  // namespace torvane3d_cli
