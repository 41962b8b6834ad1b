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

// Applies one step to the graph; messages go to `err`, printed values to
// `out`. A value the engine refuses (it says why, --debug or not) fails the
// step; a value it puts in range is taken, with its message.
StepResult apply_step(Vex3dGraph *graph, const std::string &step, std::FILE *out, std::FILE *err);

// The same for a step that sets a resource of one of the graph's chart
// labels (TEXT_...).
StepResult apply_label_step(Vex3dText *label, Vex3dGraph *graph, const std::string &step, std::FILE *out,
                            std::FILE *err);

// The steps of one argument ("TEXT_STRINGS=(Two words) TEXT_SHOW=1"):
// split at blanks outside parentheses and double quotes.
std::vector<std::string> split_steps(const std::string &text);

// Reads a data file for the command; null after "torvane3d COMMAND: REASON"
// on stderr (the reader's message, or that the name is a directory).
Vex3dData *read_data(const char *command, const char *file);

// Hands the data set read from `file` to the graph as its surface data;
// false when the graph refuses it (invalid data), after the engine's reason
// and "torvane3d COMMAND: the data of FILE were refused" on stderr.
bool set_surface_data(Vex3dGraph *graph, Vex3dData *data, const char *command, const char *file);

// For an argument that would be a step but for lower-case letters in its
// name (xrotation=30): the hint that names are upper case; "" otherwise.
std::string upper_case_hint(const std::string &arg);

// Says on stderr that the command does not take the argument ("torvane3d
// COMMAND: unexpected argument 'ARG'"), or that it is no step (`not_a_step`),
// with the hint for a lower-case step name.
void reject_argument(const char *command, const std::string &arg, bool not_a_step = false);

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
