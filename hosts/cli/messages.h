// The engine's messages on the command line. The engine formats a message
// only for a graph whose DEBUG is on; a command still has to say why a step
// or a data set was refused, so each step is applied with DEBUG on and what
// the engine said about it is collected and printed, --debug or not. With
// --debug (or TORVANE3D_DEBUG in the environment) every message goes to
// standard error as it comes.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "printable.h"
#include "restable.h"

namespace torvane3d_cli {

// Installs the command line's message sink; call once, before the graph.
void start_messages(bool debug);

// Runs `action` on the graph with DEBUG on and returns the engine's messages
// meanwhile (none when it said nothing).
using Messages = std::vector<std::string>;
Messages messages_of(Vex3dGraph *graph, const std::function<void()> &action);

// True when every message is a warning: the engine took the value and
// adjusted it or what depends on it ("VEX/3d: Warning on ...").
bool only_warnings(const Messages &messages);

// Prints what messages_of returned on standard error, unless it already went
// there as it came.
void say(const Messages &messages);

// The warnings among the messages, each with its further lines: what a
// drawing says about its inputs amid the engine's tracing.
Messages warnings_in(const Messages &messages);

}  // namespace torvane3d_cli
