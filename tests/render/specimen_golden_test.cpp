// The specimen sheet of the fonts of 3D text against its reviewed golden image
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
  vex3d::platform::RasterContext raster(vex3d::kSpecimenWidth, vex3d::kSpecimenHeight);
  {
    const vex3d::CurrentContextScope current(graph.get(), &raster);
    vex3d::draw_specimen(graph.get());
  }
  EXPECT_TRUE(golden::matches("specimen", raster, kOutlineText));
}

}  // namespace
