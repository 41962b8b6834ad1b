#include "messages.h"

#include <cstdio>
#include <cstdlib>

namespace torvane3d_cli {
namespace {

// How the engine's warnings begin.
constexpr std::string_view kWarning = "VEX/3d: Warning";

struct MessageState {
  bool forward = false;     // every message to stderr as it comes
  bool collecting = false;  // inside messages_of
  Messages collected;
};

MessageState &state() {
  static MessageState s;
  return s;
}

void sink(const char *message, void *) {
  MessageState &s = state();
  if (s.forward) std::fputs(message, stderr);
  if (s.collecting) s.collected.emplace_back(message);
}

}  // namespace

void start_messages(bool debug) {
  state().forward = debug || std::getenv("TORVANE3D_DEBUG");
  Vex3dSetMessageSink(sink, nullptr);
}

Messages messages_of(Vex3dGraph *graph, const std::function<void()> &action) {
  MessageState &s = state();
  int debug = 0;
  Vex3dGetValues(graph, VEX3D_DEBUG, &debug, 0);
  if (!debug) Vex3dSetValues(graph, VEX3D_DEBUG, 1, 0);
  s.collected.clear();
  s.collecting = true;
  action();
  s.collecting = false;
  if (!debug) Vex3dSetValues(graph, VEX3D_DEBUG, 0, 0);
  return std::move(s.collected);
}

bool only_warnings(const Messages &messages) {
  // A message's further lines come as messages of their own, indented.
  for (const std::string &m : messages)
    if (m.rfind(kWarning, 0) != 0 && !(m.starts_with(' ') || m.starts_with('\t'))) return false;
  return true;
}

Messages warnings_in(const Messages &messages) {
  Messages warnings;
  bool in_warning = false;
  for (const std::string &m : messages) {
    const bool further = m.starts_with(' ') || m.starts_with('\t');
    in_warning = m.starts_with(kWarning) || (in_warning && further);
    if (in_warning) warnings.push_back(m);
  }
  return warnings;
}

void say(const Messages &messages) {
  if (state().forward) return;
  for (const std::string &m : messages) {
    const std::string text = printable(m, true);
    std::fputs(text.c_str(), stderr);
    if (text.empty() || text.back() != '\n') std::fputc('\n', stderr);
  }
}

}  // namespace torvane3d_cli
