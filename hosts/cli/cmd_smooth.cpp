// torvane3d smooth FILE --weight W -o OUT.dat: a grid smoothed, each value
// the mean of itself (weight W) and its neighbours.
#include <cstdio>

#include "commands.h"
#include "data_command.h"
#include "methods.h"

namespace torvane3d_cli {

int run_smooth(std::span<char *const> args) {
  double weight[1] = {0};
  bool given = false;
  const NumberOption options[] = {{"--weight", weight, &given}};
  const DataCommand command{"smooth", "FILE --weight W -o OUT.dat", options,
                            [&] {
                              // The engine leaves the data as it is for such a weight, silently.
                              if (!given || !(weight[0] >= 0 && weight[0] < 1)) {
                                std::fprintf(stderr, "torvane3d smooth: --weight takes a number from 0 to below 1\n");
                                return false;
                              }
                              return true;
                            },
                            [&](vex3d::DataPtr &data) {
                              EngineMessages messages;  // smoothing speaks only to refuse
                              Vex3dDataSmooth(data.get(), weight[0]);
                              return messages.count() == 0;
                            }};
  return run_data_command(command, args);
}

}  // namespace torvane3d_cli
