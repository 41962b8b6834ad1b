// The chart body's canvas keeps the fill and line colours it set last; other
// drawers set their own brushes and pens between its cells.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "body_canvas.h"
#include "recording_fixture.h"

namespace vex3d {
namespace {

constexpr int kBody = 0x0000F0, kOther = 0xF00000;
const DevicePoint kTriangle[] = {{0, 0}, {40, 0}, {0, 40}};

class BodyCanvasTest : public RecordingGraph {
 protected:
  Vex3dGraph *g() { return graph.get(); }
  void fill(BodyCanvas &canvas) { canvas.fill(kTriangle, 3, kBody); }
  void line(BodyCanvas &canvas) { canvas.line({0, 0}, {40, 40}, kBody); }
};

// What another drawer leaves behind, and what the canvas draws next.
struct Interloper {
  std::string what;
  std::function<void(Vex3dGraph *)> draw;
  bool fills;  // the canvas fills next; otherwise it draws a line
};

TEST_F(BodyCanvasTest, SetsItsColourAgainAfterOthersChangedTheBrushOrPen) {
  const Interloper cases[] = {
      {"a zone's solid fill", [](Vex3dGraph *gr) { vex3d_win_setsolidfill(gr, kOther); }, true},
      {"a fill colour", [](Vex3dGraph *gr) { vex3d_win_setfillcolor(gr, kOther); }, true},
      {"a stippled brush", [](Vex3dGraph *gr) { vex3d_win_setstipple(gr, 0); }, true},
      {"a contour line's colour", [](Vex3dGraph *gr) { vex3d_win_setsolidline(gr, kOther); }, false},
      {"a foreground colour", [](Vex3dGraph *gr) { vex3d_win_setforeground(gr, kOther); }, false},
      {"a wide round pen in the same colour",
       [](Vex3dGraph *gr) { vex3d_win_setlineattributes(gr, 3, VEX3D_LINE_SOLID, VEX3D_CAP_ROUND, VEX3D_JOIN_ROUND); },
       false},
      {"dashes", [](Vex3dGraph *gr) { vex3d_win_setdashes(gr, Vex3dLpatShortDash, 0, 0, nullptr); }, false},
  };
  for (const Interloper &c : cases) {
    BodyCanvas canvas(g());
    c.fills ? fill(canvas) : line(canvas);
    c.draw(g());
    vex3d_win_drawline(g(), 5, 5, 9, 9);  // the other drawer's primitive
    recording.clear();
    c.fills ? fill(canvas) : line(canvas);
    ASSERT_EQ(ops().size(), 1u) << c.what;
    const platform::DrawState &state = last().state;
    if (c.fills) {
      EXPECT_EQ(state.brush, (platform::Brush{platform::rgb_of(kBody), false})) << "after " << c.what;
    } else {
      EXPECT_EQ(state.pen.color, platform::rgb_of(kBody)) << "after " << c.what;
      EXPECT_TRUE(state.pen.thin && state.pen.solid()) << "after " << c.what;
      EXPECT_EQ(state.pen.width, 1) << "after " << c.what;
    }
  }
}

// Counts the canvas's colour changes through a copy of the graph's table.
int g_solid_fills = 0, g_solid_lines = 0;
void counted_solid_fill(Vex3dGraph *graph, int color) {
  ++g_solid_fills;
  vex3d_win_setsolidfill(graph, color);
}
void counted_solid_line(Vex3dGraph *graph, int color) {
  ++g_solid_lines;
  vex3d_win_setsolidline(graph, color);
}

TEST_F(BodyCanvasTest, SetsAColourOnceWhileNobodyElseChangesIt) {
  const Vex3dDrawOps *real = graph->draw_ops;
  Vex3dDrawOps counting = *real;
  counting.setsolidfill = counted_solid_fill;
  counting.setsolidline = counted_solid_line;
  graph->draw_ops = &counting;
  g_solid_fills = g_solid_lines = 0;
  BodyCanvas canvas(g());
  for (int k = 0; k < 3; ++k) {
    fill(canvas);
    line(canvas);
  }
  EXPECT_EQ(g_solid_fills, 1);
  EXPECT_EQ(g_solid_lines, 1) << "the fill does not disturb the line, nor the line the fill";
  vex3d_win_setfillcolor(g(), kOther);
  fill(canvas);
  line(canvas);
  EXPECT_EQ(g_solid_fills, 2);
  EXPECT_EQ(g_solid_lines, 1) << "a brush changed, not the pen";
  canvas.fill(kTriangle, 3, kOther);
  EXPECT_EQ(g_solid_fills, 3) << "a colour of its own";
  graph->draw_ops = real;
}

}  // namespace
}  // namespace vex3d
