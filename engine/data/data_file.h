// The data file reader on an open stream, for the file operations and for
// callers that hold the text in memory.
#pragma once

#include <cstdio>
#include <string>

#include "types.h"

namespace vex3d::platform {
class OutputFile;
}

namespace vex3d {

// Reads a data set from the stream; null with the reason in `error` on
// failure. `name` is the file name the messages cite; `line`, when given, is
// set to the line where the text went wrong, or 0 when no line is to blame.
Vex3dData *read_data_stream(std::FILE *file, const char *name, std::string &error, int *line = nullptr);

// Writes the data set's text into an open output (the caller commits it);
// false, with the reason in `refusal` and nothing written, when the data set
// is missing or lacks arrays its layout needs.
bool write_data(platform::OutputFile &out, const Vex3dData *data, std::string &refusal);

// Copies the reason into the caller's error buffer (VEX3D_ERROR_SIZE bytes),
// or writes it to the message output followed by a line feed.
void route_error(const std::string &text, char *error);

}  // namespace vex3d
