// The data file reader on an open stream, for the file operations and for
// callers that hold the text in memory.
#pragma once

#include <cstdio>
#include <string>

#include "types.h"

namespace vex3d {

// Reads a data set from the stream; null with the reason in `error` on
// failure. `name` is the file name the messages cite.
Vex3dData *read_data_stream(std::FILE *file, const char *name, std::string &error);

// Copies the reason into the caller's error buffer (VEX3D_ERROR_SIZE bytes),
// or writes it to the message output followed by a line feed.
void route_error(const std::string &text, char *error);

}  // namespace vex3d
