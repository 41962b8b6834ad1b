#include "diagnostics.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "graph.h"

namespace vex3d {
namespace {

void discard(const char *, void *) {}

// The sink and its user pointer travel together: a message never reaches one
// sink with the pointer given with another.
struct Sink {
  Vex3dMessageSink call = nullptr;
  void *user = nullptr;
};

class SinkSlot {
 public:
  explicit SinkSlot(Sink sink) : sink_(sink) {}
  Sink get() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return sink_;
  }
  void set(Sink sink) {
    const std::lock_guard<std::mutex> lock(mutex_);
    sink_ = sink;
  }

 private:
  mutable std::mutex mutex_;
  Sink sink_;
};

SinkSlot &sink_slot() {
  // The environment can turn diagnostics on without touching the program.
  static SinkSlot slot(Sink{std::getenv("TORVANE3D_DEBUG") ? &Vex3dStderrSink : &discard, nullptr});
  return slot;
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
  // Called outside the lock, so that a sink may itself set the sink or
  // draw; a sink replaced meanwhile may still receive this one message.
  const Sink sink = sink_slot().get();
  sink.call(text, sink.user);
}

}  // namespace vex3d

// Messages end with a line feed or not as they were written; on a terminal each goes on its own line.
extern "C" void Vex3dStderrSink(const char *message, void *) {
  std::fputs(message, stderr);
  const std::size_t n = std::strlen(message);
  if (n == 0 || message[n - 1] != '\n') std::fputc('\n', stderr);
}

extern "C" void Vex3dSetMessageSink(Vex3dMessageSink sink, void *user) {
  vex3d::sink_slot().set(sink ? vex3d::Sink{sink, user} : vex3d::Sink{&vex3d::discard, nullptr});
}
