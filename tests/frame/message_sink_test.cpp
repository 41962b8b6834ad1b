// The message sink and its user pointer are one unit: graphs that report on
// two threads while a third replaces the sink never see a sink called with
// another sink's pointer.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "diagnostics.h"
#include "restable.h"

namespace {

// Each sink knows the pointer it is given with.
struct Listener {
  std::atomic<long> heard{0};
};
Listener g_first, g_second;
std::atomic<long> g_mismatched{0};

void first_sink(const char *, void *user) {
  if (user != &g_first) ++g_mismatched;
  ++g_first.heard;
}
void second_sink(const char *, void *user) {
  if (user != &g_second) ++g_mismatched;
  ++g_second.heard;
}

TEST(MessageSink, IsSetAndReadWithItsPointerWhileTwoThreadsReport) {
  constexpr int kSwitches = 100000;
  std::atomic<bool> done{false};
  Vex3dSetMessageSink(first_sink, &g_first);
  auto report = [&] {
    while (!done.load()) vex3d::message(nullptr, "a graph on its own thread");
  };
  std::vector<std::thread> reporters;
  for (int k = 0; k < 2; ++k) reporters.emplace_back(report);
  // Until both sinks have heard enough, however the threads are scheduled.
  for (long k = 0; k < kSwitches || g_first.heard < 1000 || g_second.heard < 1000; ++k) {
    if (k % 2) {
      Vex3dSetMessageSink(first_sink, &g_first);
    } else {
      Vex3dSetMessageSink(second_sink, &g_second);
    }
  }
  done = true;
  for (std::thread &t : reporters) t.join();
  Vex3dSetMessageSink(nullptr, nullptr);
  EXPECT_EQ(g_mismatched.load(), 0);
  EXPECT_GT(g_first.heard.load(), 0);
  EXPECT_GT(g_second.heard.load(), 0);
}

}  // namespace
