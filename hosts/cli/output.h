// Where the commands write their files: through the engine's one output
// (out_file.h), "-" meaning standard output, never over a file the command
// reads.
#pragma once

#include <string>
#include <vector>

#include "engine_ptr.h"
#include "steps.h"

namespace torvane3d_cli {

// The name that asks for standard output.
constexpr const char *kStandardOutputName = "-";

// The files the arguments name: the input file, and every step value that
// names an existing file (SURFACE_DATA=FILE, DISTN_TABLE=FILE, ...).
std::vector<std::string> input_files(const CommonArgs &args);

// Opens `path` for the command; null after "torvane3d COMMAND: cannot write
// PATH: CAUSE" on standard error.
vex3d::OutputFilePtr open_output(const char *command, const char *path, const std::vector<std::string> &inputs = {});
// Puts the written file in place; false after the same message.
bool commit_output(Vex3dOutputFile *out, const char *command, const char *path);

}  // namespace torvane3d_cli
