// A graph whose current context is a recording context, for tests that say
// what the operation table drew.
#pragma once

#include <gtest/gtest.h>

#include "graph_fixture.h"
#include "recording_context.h"
#include "w_render.h"

class RecordingGraph : public ::testing::Test {
 protected:
  const std::vector<vex3d::platform::RecordedOp> &ops() const { return recording.ops(); }
  const vex3d::platform::RecordedOp &last() const { return recording.ops().back(); }

  GraphPtr graph = make_graph();
  vex3d::platform::RecordingContext recording;
  const vex3d::CurrentContextScope current{graph.get(), &recording};
};
