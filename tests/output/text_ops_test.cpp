// Fonts and text through the table: selecting a record's font, widths,
// aligned strings, and the records' metrics.
#include <gtest/gtest.h>

#include "fonts.h"
#include "recording_fixture.h"

namespace {

using namespace vex3d;

using TextSlots = RecordingGraph;

TEST_F(TextSlots, StringsDrawAtTheBaselineInTheSelectedFont) {
  vex3d_win_setfont(graph.get(), &graph->header.font);
  vex3d_win_setforeground(graph.get(), 0x0000FF);
  vex3d_win_drawstring(graph.get(), 12, 34, "Label");
  ASSERT_EQ(ops().size(), 1u);
  EXPECT_EQ(last().primitive, platform::Primitive::kText);
  EXPECT_EQ(last().origin, (platform::Point{12, 34}));
  EXPECT_EQ(last().text, "Label");
  EXPECT_EQ(last().state.text_color, 0x0000FFu);
  ASSERT_TRUE(last().state.font);
  EXPECT_EQ(last().state.font->family(), realized_face("Arial"));
  EXPECT_EQ(graph->current_font.height, graph->header.font.height) << "the current-font record follows the selection";
}

TEST_F(TextSlots, AlignedStringsStartEndOrCentreAtX) {
  vex3d_win_setfont(graph.get(), &graph->legend_font);
  const int width = vex3d_win_textwidth(graph.get(), "Aligned text");
  ASSERT_GT(width, 40);
  struct Case {
    int alignment;
    int left;
  };
  const Case cases[] = {{1, 200}, {2, 200 - width}, {0, 200 - width / 2}, {3, 200 - width / 2}, {-1, 200 - width / 2}};
  for (const Case &c : cases) {
    vex3d_win_drawstring_aligned(graph.get(), 200, 50, "Aligned text", c.alignment);
    EXPECT_EQ(last().origin, (platform::Point{c.left, 50})) << "alignment " << c.alignment;
  }
}

TEST_F(TextSlots, WidthsAreMeasuredOnTheScreenWithoutAContext) {
  vex3d_win_setfont(graph.get(), &graph->legend_font);
  const int on_context = vex3d_win_textwidth(graph.get(), "Width");
  {
    const CurrentContextScope none(graph.get(), nullptr);
    EXPECT_EQ(vex3d_win_textwidth(graph.get(), "Width"), on_context) << "the recording context is at 96 dpi too";
    EXPECT_EQ(vex3d_win_textwidth(graph.get(), ""), 0);
    EXPECT_EQ(vex3d_win_textwidth(graph.get(), nullptr), 0);
  }
  platform::RecordingContext doubled({.dpi = 192});
  const CurrentContextScope current(graph.get(), &doubled);
  EXPECT_NEAR(vex3d_win_textwidth(graph.get(), "Width"), 2 * on_context, 1);
}

TEST_F(TextSlots, FontRecordsGetMetricsOfTheirFont) {
  const FontRecord &legend = graph->legend_font;
  EXPECT_GT(legend.ascent, legend.descent);
  EXPECT_GT(legend.descent, 0);
  EXPECT_EQ(legend.height, legend.ascent + legend.descent);
  EXPECT_GT(legend.typical_width, 0);
  EXPECT_LT(legend.typical_width, legend.height);

  Vex3dFont *big = Vex3dCreateFont("Arial,24,Bold");
  Vex3dSetValues(graph.get(), VEX3D_LEGEND_FONT, big, 0);
  Vex3dDestroyFont(big);
  EXPECT_NEAR(legend.height, 2 * graph->axis_font.height, 2) << "twice the size, twice the height";
  EXPECT_GT(legend.typical_width, 2 * graph->axis_font.typical_width - 1) << "bold is at least as wide";
}

TEST_F(TextSlots, PreparingAContextReadsItsDepthAndRemeasuresTheRecords) {
  platform::RecordingContext sharp({.color_depth = 8, .dpi = 192});
  {
    const CurrentContextScope current(graph.get(), &sharp);
    prepare_context(graph.get());
    EXPECT_EQ(graph->color_depth, 8);
    EXPECT_NEAR(graph->header.font.height, 2 * graph->current_font.height, 2)
        << "ascent and descent round up on their own";
  }
  platform::RecordingContext metafile({.metafile = true});
  const CurrentContextScope current(graph.get(), &metafile);
  prepare_context(graph.get());
  EXPECT_EQ(graph->color_depth, 2) << "a metafile counts as 2";
  EXPECT_EQ(graph->header.font.height, graph->current_font.height) << "metafiles measure on the screen";
}

}  // namespace
