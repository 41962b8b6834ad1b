// Resource steps given on the command line: NAME=TEXT sets a resource from
// its text form, NAME? prints its text form as NAME=TEXT.
#pragma once

#include <cstddef>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "restable.h"

namespace torvane3d_cli {

enum class StepResult { Done, Failed, UnknownName, NotAStep };

// Applies one step to the graph; messages go to `err`, printed values to `out`.
StepResult apply_step(Vex3dGraph *graph, const std::string &step, std::FILE *out, std::FILE *err);

// True when the argument looks like a step (NAME=TEXT or NAME?).
bool is_step(const std::string &arg);

// What the commands that read a data file and apply steps share on their
// command lines: --debug, -o OUT, NAME=TEXT steps and one input file.
struct CommonArgs {
  const char *file = nullptr;
  const char *out = nullptr;
  bool debug = false;
  std::vector<std::string> steps;
};

// Takes args[k] into `common` when it is one of those (moving k onto an
// option's value); false when the argument is left to the command.
bool take_common_arg(std::span<char *const> args, std::size_t &k, CommonArgs &common);

}  // namespace torvane3d_cli
