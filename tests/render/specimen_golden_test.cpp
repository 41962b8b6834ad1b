// The specimen sheet of torvane3d against its reviewed golden image
// (tests/golden/specimen.png).
#include <gtest/gtest.h>

#include "golden.h"
#include "graph_fixture.h"
#include "raster_context.h"
#include "specimen_sheet.h"
#include "w_render.h"

namespace {

// Outline glyphs are rasterised by the font library, whose versions shade
// edges differently; more of a channel may move than for our own lines.
constexpr golden::Tolerance kOutlineText{"outline text", 64, 0.002};

TEST(SpecimenSheet, Golden) {
  GraphPtr graph = make_graph();
  vex3d::platform::RasterContext raster(torvane3d_cli::kSpecimenWidth, torvane3d_cli::kSpecimenHeight);
  {
    const vex3d::CurrentContextScope current(graph.get(), &raster);
    torvane3d_cli::draw_specimen(graph.get());
  }
  EXPECT_TRUE(golden::matches("specimen", raster, kOutlineText));
}

}  // namespace
