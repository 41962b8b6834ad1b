// No exception leaves a C-callable engine function: memory running out in
// the middle of one is reported through the diagnostic routine and the call
// returns its failure value. The test's own operator new stands in for the
// system running out of memory while `failing` is set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include "boundary.h"
#include "graph_fixture.h"
#include "message_capture.h"
#include "page.h"
#include "recording_context.h"

namespace {
thread_local bool failing = false;
}  // namespace

void *operator new(std::size_t size) {
  if (failing) throw std::bad_alloc();
  if (void *p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// The no-throw form allocates the same way, so that every delete frees what
// this file's new allocated (the sanitizers check the pairs).
void *operator new(std::size_t size, const std::nothrow_t &) noexcept {
  if (failing) return nullptr;
  return std::malloc(size ? size : 1);
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete(void *p, const std::nothrow_t &) noexcept { std::free(p); }

namespace {

using vex3d::platform::RecordingContext;

// Runs a call while every allocation fails, and returns what the engine
// said meanwhile (kept with allocations working again).
template <class Call>
std::string out_of_memory(Call &&call) {
  std::string said;
  Vex3dSetMessageSink(
      [](const char *message, void *user) {
        failing = false;
        static_cast<std::string *>(user)->append(message);
        failing = true;
      },
      &said);
  failing = true;
  call();
  failing = false;
  Vex3dSetMessageSink(nullptr, nullptr);
  return said;
}

TEST(Boundary, MemoryRunningOutInsideAnEngineCallIsReportedNotThrown) {
  GraphPtr graph = make_graph();
  RecordingContext rec{RecordingContext::Options{{0, 0, 300, 200}, 32, 96.0, false}};
  struct Case {
    const char *function;
    std::function<void()> call;
  };
  const Case cases[] = {
      {"Vex3dDrawPage", [&] { Vex3dDrawPage(graph.get(), &rec, VEX3D_CHANGE_ALL); }},
      {"Vex3dLayOutPage", [&] { Vex3dLayOutPage(graph.get()); }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.function);
    std::string said;
    EXPECT_NO_THROW(said = out_of_memory(c.call));
    EXPECT_EQ(said, std::string(c.function) + ": out of memory");
  }
}

TEST(Boundary, EveryKindOfExceptionIsNamed) {
  MessageCapture messages;
  EXPECT_EQ(vex3d::guarded("f", []() -> int { throw std::length_error("too long"); }), 0);
  EXPECT_EQ(vex3d::guarded("g", []() -> double { throw 7; }, -1.0), -1.0);
  vex3d::guarded("h", [] { throw std::bad_alloc(); });
  EXPECT_EQ(vex3d::guarded("i", [] { return 3; }), 3);
  ASSERT_EQ(messages.messages().size(), 3u);
  EXPECT_EQ(messages.messages()[0], "f: too long");
  EXPECT_EQ(messages.messages()[1], "g: unexpected failure");
  EXPECT_EQ(messages.messages()[2], "h: out of memory");
}

}  // namespace
