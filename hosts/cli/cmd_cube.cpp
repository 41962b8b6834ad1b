// torvane3d cube [DATAFILE] [STEP...] -o OUT.png [--size WxH] [--debug]:
// draws the plot cube that `render` would draw for the same data and steps
// (edges, back faces, grid lines, axis labels and titles) with no chart body
// in it, so that the cube and its annotation can be looked at from any view.
#include "chart_picture.h"
#include "commands.h"

namespace torvane3d_cli {

int run_cube(std::span<char *const> args) { return run_picture_command({"cube", true}, args); }

}  // namespace torvane3d_cli
