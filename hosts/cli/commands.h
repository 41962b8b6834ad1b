// The sub-commands of the torvane3d program.
#pragma once

#include <span>
#include <string_view>

namespace torvane3d_cli {

// Arguments after the sub-command's name. Returns the process exit status.
using CommandFn = int (*)(std::span<char *const> args);

struct Command {
  const char *name;
  const char *usage;    // arguments, shown by the help
  const char *summary;  // one line
  CommandFn run;
};

int run_resources(std::span<char *const> args);
int run_play(std::span<char *const> args);
int run_specimen(std::span<char *const> args);
int run_contours(std::span<char *const> args);
int run_data(std::span<char *const> args);
int run_levels(std::span<char *const> args);
int run_render(std::span<char *const> args);
int run_print(std::span<char *const> args);
int run_cube(std::span<char *const> args);
int run_layout(std::span<char *const> args);
int run_pick(std::span<char *const> args);
int run_sheet(std::span<char *const> args);
int run_resample(std::span<char *const> args);
int run_smooth(std::span<char *const> args);
int run_relief(std::span<char *const> args);
int run_zvalue(std::span<char *const> args);
int run_script(std::span<char *const> args);
int run_typelib(std::span<char *const> args);

// Every sub-command, in the order the help lists them.
std::span<const Command> commands();

}  // namespace torvane3d_cli
