// Resource steps given on the command line: NAME=TEXT sets a resource from
// its text form, NAME? prints its text form as NAME=TEXT.
#pragma once

#include <cstdio>
#include <string>

#include "restable.h"

namespace torvane3d_cli {

enum class StepResult { Done, Failed, UnknownName, NotAStep };

// Applies one step to the graph; messages go to `err`, printed values to `out`.
StepResult apply_step(Vex3dGraph *graph, const std::string &step, std::FILE *out, std::FILE *err);

// True when the argument looks like a step (NAME=TEXT or NAME?).
bool is_step(const std::string &arg);

}  // namespace torvane3d_cli
