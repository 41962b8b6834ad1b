// torvane3d relief FILE [--sweep D] [--rise D] [--scale S] [--ambient A]
// [--intensity I] -o OUT.dat: the shaded relief of a grid, light values from
// 0 to 1 (hole -100), for colouring a surface through ZONE_DATA.
#include "commands.h"
#include "data_command.h"
#include "methods.h"

namespace torvane3d_cli {

int run_relief(std::span<char *const> args) {
  // A light from the north-west, half way up; the scale from the grid's slopes.
  double sweep[1] = {135}, rise[1] = {45}, scale[1] = {0}, ambient[1] = {0.2}, intensity[1] = {0.8};
  const NumberOption options[] = {
      {"--sweep", sweep}, {"--rise", rise}, {"--scale", scale}, {"--ambient", ambient}, {"--intensity", intensity}};
  const DataCommand command{
      "relief", "FILE [--sweep D] [--rise D] [--scale S] [--ambient A] [--intensity I] -o OUT.dat", options, nullptr,
      [&](vex3d::DataPtr &data) {
        EngineMessages messages;
        data.reset(Vex3dDataShaded(data.get(), sweep[0], rise[0], scale[0], ambient[0], intensity[0]));
        return data != nullptr;
      }};
  return run_data_command(command, args);
}

}  // namespace torvane3d_cli
