// torvane3d render [DATAFILE] [STEP...] -o OUT.png [--size WxH] [--debug]:
// draws the chart area of a new graph, body and plot cube, into a PNG file.
#include "chart_picture.h"
#include "commands.h"

namespace torvane3d_cli {

int run_render(std::span<char *const> args) { return run_picture_command({"render", false}, args); }

}  // namespace torvane3d_cli
