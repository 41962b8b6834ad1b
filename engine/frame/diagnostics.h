// The one diagnostic routine of the engine.
//
// Messages are formatted only when the graph is null or its DEBUG resource is
// on, then handed whole to the process's message sink.
#pragma once

#include "restable.h"

namespace vex3d {

#if defined(__GNUC__)
#define VEX3D_PRINTF(fmt_index, args_index) __attribute__((format(printf, fmt_index, args_index)))
#else
#define VEX3D_PRINTF(fmt_index, args_index)
#endif

// Formats (at most 1024 characters) and sends a message when the graph is
// null or debugging; does nothing otherwise.
void message(const Vex3dGraph *graph, const char *format, ...) VEX3D_PRINTF(2, 3);

// True when a message for this graph would be formatted.
bool debugging(const Vex3dGraph *graph);

}  // namespace vex3d
