// What the commands that make a data file from a data file share: options
// that take numbers, reading the input, watching the engine's messages and
// writing the output whole or not at all (through the one output; "-" for
// standard output, never over the input).
//   torvane3d NAME FILE OPTION... -o OUT.dat
#pragma once

#include <functional>
#include <span>

#include "engine_ptr.h"

namespace torvane3d_cli {

// An option followed by numbers (none for a flag): --window X0 Y0 X1 Y1.
struct NumberOption {
  const char *name;
  std::span<double> numbers;  // where the numbers go; empty for a flag
  bool *given = nullptr;      // set when the option appears
};

// A number as strtod reads it, the whole text ("nan" and "inf" included:
// the engine decides what it makes of them).
bool read_number(const char *text, double &v);

// A whole number of at most `limit` from a number read for an option.
bool whole_number(double v, long limit, int &out);

struct DataCommand {
  const char *name;   // the sub-command, for messages
  const char *usage;  // its arguments after the name
  std::span<const NumberOption> options;
  // Checks the options once read; false with a message for arguments that
  // do not fit (exit status 2).
  std::function<bool()> check;
  // Makes the output from the input (which it may change or replace); false
  // when the engine refused (its messages are shown).
  std::function<bool(vex3d::DataPtr &data)> make;
};

// Reads the arguments, the input file, makes and writes the output. Exit
// status 0, 1 for a failure (nothing written), 2 for bad arguments.
int run_data_command(const DataCommand &command, std::span<char *const> args);

// Counts the engine's messages while it lives, showing each on stderr.
class EngineMessages {
 public:
  EngineMessages();
  ~EngineMessages();
  EngineMessages(const EngineMessages &) = delete;
  EngineMessages &operator=(const EngineMessages &) = delete;
  int count() const { return count_; }

 private:
  static void sink(const char *message, void *user);
  int count_ = 0;
};

}  // namespace torvane3d_cli
