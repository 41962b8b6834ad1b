#include "diagnostics.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "graph.h"

namespace vex3d {
namespace {

void discard(const char *, void *) {}

struct SinkState {
  std::atomic<Vex3dMessageSink> sink{nullptr};
  std::atomic<void *> user{nullptr};
};

SinkState &sink_state() {
  static SinkState state;
  // The environment can turn diagnostics on without touching the program.
  static const bool initialised = [] {
    state.sink.store(std::getenv("TORVANE3D_DEBUG") ? &Vex3dStderrSink : &discard);
    return true;
  }();
  (void)initialised;
  return state;
}

}  // namespace

bool debugging(const Vex3dGraph *graph) { return graph == nullptr || graph->debug != 0; }

void message(const Vex3dGraph *graph, const char *format, ...) {
  if (!debugging(graph)) return;
  char text[1025];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  SinkState &state = sink_state();
  state.sink.load()(text, state.user.load());
}

}  // namespace vex3d

// Messages end with a line feed or not as they were written; on a terminal each goes on its own line.
extern "C" void Vex3dStderrSink(const char *message, void *) {
  std::fputs(message, stderr);
  const std::size_t n = std::strlen(message);
  if (n == 0 || message[n - 1] != '\n') std::fputc('\n', stderr);
}

extern "C" void Vex3dSetMessageSink(Vex3dMessageSink sink, void *user) {
  vex3d::SinkState &state = vex3d::sink_state();
  state.user.store(user);
  state.sink.store(sink ? sink : &vex3d::discard);
}
