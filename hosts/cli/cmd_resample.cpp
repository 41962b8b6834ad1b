// torvane3d resample FILE --window X0 Y0 X1 Y1 --points NX NY [--cubic] -o OUT.dat:
// a grid resampled onto a new regular grid over the window.
#include <climits>
#include <cstdio>

#include "commands.h"
#include "data_command.h"
#include "methods.h"

namespace torvane3d_cli {

int run_resample(std::span<char *const> args) {
  double window[4] = {0, 0, 0, 0}, points[2] = {0, 0};
  bool window_given = false, points_given = false, cubic = false;
  int nx = 0, ny = 0;
  const NumberOption options[] = {
      {"--window", window, &window_given}, {"--points", points, &points_given}, {"--cubic", {}, &cubic}};
  const DataCommand command{
      "resample", "FILE --window X0 Y0 X1 Y1 --points NX NY [--cubic] -o OUT.dat", options,
      [&] {
        if (!window_given || !points_given) {
          std::fprintf(stderr, "torvane3d resample: --window and --points are needed\n");
          return false;
        }
        if (!whole_number(points[0], INT_MAX, nx) || !whole_number(points[1], INT_MAX, ny)) {
          std::fprintf(stderr, "torvane3d resample: --points takes two whole numbers\n");
          return false;
        }
        return true;
      },
      [&](vex3d::DataPtr &data) {
        if (nx < 2 || ny < 2) {
          std::fprintf(stderr, "torvane3d resample: a grid needs at least 2 points per side, not %d x %d\n", nx, ny);
          return false;
        }
        EngineMessages messages;
        data.reset(Vex3dDataWindow(data.get(), window[0], window[1], window[2], window[3], nx, ny,
                                   cubic ? VEX3D_INTERPOLATE_CUBIC_SPLINE : VEX3D_INTERPOLATE_LINEAR_SPLINE));
        return data != nullptr;
      }};
  return run_data_command(command, args);
}

}  // namespace torvane3d_cli
