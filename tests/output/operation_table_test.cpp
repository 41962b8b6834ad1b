// The operation table: what each primitive slot draws, with which state,
// through the recording context.
#include <gtest/gtest.h>

#include "message_capture.h"
#include "recording_fixture.h"

namespace {

using namespace vex3d;
using platform::Point;
using platform::Primitive;

using OperationTable = RecordingGraph;

TEST_F(OperationTable, IsInstalledInEveryGraphWithTwoEqualSetsAndFactorOne) {
  ASSERT_EQ(graph->draw_ops, &platform_draw_ops());
  const Vex3dDrawOps &ops = *graph->draw_ops;
  EXPECT_EQ(ops.coordinate_factor, 1);
  EXPECT_EQ(ops.primitives[0].drawline, ops.primitives[1].drawline);
  EXPECT_EQ(ops.primitives[0].fillarc, ops.primitives[1].fillarc);
  EXPECT_EQ(coordinate_factor(nullptr), 40) << "the factor before a back end is installed";
}

TEST_F(OperationTable, RectangleOutlineIsTheClosedPolylineOnePixelPastTheStart) {
  struct Case {
    int x, y, w, h;
    bool drawn;
  };
  const Case cases[] = {{10, 20, 30, 40, true}, {10, 20, 0, 40, false}, {10, 20, 30, 0, false}, {5, 5, 1, 1, true}};
  for (const Case &c : cases) {
    recording.clear();
    vex3d_win_drawrectangle(graph.get(), c.x, c.y, c.w, c.h);
    ASSERT_EQ(ops().size(), c.drawn ? 1u : 0u) << c.w << "x" << c.h;
    if (!c.drawn) continue;
    const std::vector<Point> expected = {{c.x, c.y},       {c.x + c.w, c.y}, {c.x + c.w, c.y + c.h},
                                         {c.x, c.y + c.h}, {c.x, c.y},       {c.x + 1, c.y}};
    EXPECT_EQ(last().primitive, Primitive::kPolyline);
    EXPECT_EQ(last().points, expected);
  }
}

TEST_F(OperationTable, RelativePointsAreMadeAbsoluteForPolylinesAndPolygons) {
  const Vex3dDevicePoint points[] = {{5, 5}, {10, 0}, {0, 10}, {-10, -10}};
  vex3d_win_drawlines(graph.get(), points, 4, VEX3D_COORD_PREVIOUS);
  vex3d_win_fillpolygon(graph.get(), points, 4, VEX3D_SHAPE_ANY, VEX3D_COORD_PREVIOUS);
  vex3d_win_drawlines(graph.get(), points, 4, VEX3D_COORD_ABSOLUTE);
  ASSERT_EQ(ops().size(), 3u);
  const std::vector<Point> relative = {{5, 5}, {15, 5}, {15, 15}, {5, 5}};
  const std::vector<Point> absolute = {{5, 5}, {10, 0}, {0, 10}, {-10, -10}};
  EXPECT_EQ(ops()[0].primitive, Primitive::kPolyline);
  EXPECT_EQ(ops()[0].points, relative);
  EXPECT_EQ(ops()[1].primitive, Primitive::kPolygon);
  EXPECT_EQ(ops()[1].points, relative);
  EXPECT_EQ(ops()[2].points, absolute);
}

TEST_F(OperationTable, DegenerateInputDrawsNothing) {
  const Vex3dDevicePoint two[] = {{0, 0}, {5, 5}};
  vex3d_win_drawlines(graph.get(), nullptr, 3, VEX3D_COORD_ABSOLUTE);
  vex3d_win_drawlines(graph.get(), two, 0, VEX3D_COORD_ABSOLUTE);
  vex3d_win_drawlines(graph.get(), two, -4, VEX3D_COORD_ABSOLUTE);
  vex3d_win_drawlines(graph.get(), two, 1, VEX3D_COORD_ABSOLUTE);
  vex3d_win_fillpolygon(graph.get(), two, 2, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
  vex3d_win_fillrectangle(graph.get(), 0, 0, -3, 5);
  vex3d_win_drawstring(graph.get(), 0, 0, nullptr);
  vex3d_win_drawstring(graph.get(), 0, 0, "");
  EXPECT_TRUE(ops().empty());
  // Sums past the integer range saturate instead of wrapping.
  const Vex3dDevicePoint far[] = {{2147483000, 0}, {2147483000, 0}, {0, 5}};
  vex3d_win_drawlines(graph.get(), far, 3, VEX3D_COORD_PREVIOUS);
  ASSERT_EQ(ops().size(), 1u);
  EXPECT_EQ(last().points[1].x, 2147483647);
}

TEST_F(OperationTable, SolidFillAndStippleReachTheBrush) {
  vex3d_win_setsolidfill(graph.get(), 0x123456);
  vex3d_win_fillrectangle(graph.get(), 1, 2, 3, 4);
  EXPECT_EQ(last().state.brush, (platform::Brush{0x123456, false}));
  EXPECT_EQ(last().box, (platform::Box{1, 2, 3, 4}));

  // The stippled fill style stipples a rectangle even with a solid brush;
  // polygons follow the brush.
  vex3d_win_setfillstyle(graph.get(), VEX3D_FILL_STIPPLED);
  vex3d_win_fillrectangle(graph.get(), 1, 2, 3, 4);
  EXPECT_TRUE(last().state.brush.stippled);
  const Vex3dDevicePoint tri[] = {{0, 0}, {9, 0}, {0, 9}};
  vex3d_win_fillpolygon(graph.get(), tri, 3, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
  EXPECT_FALSE(last().state.brush.stippled);
  vex3d_win_setstipple(graph.get(), 7);
  vex3d_win_fillpolygon(graph.get(), tri, 3, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
  EXPECT_TRUE(last().state.brush.stippled);
  vex3d_win_setfillstyle(graph.get(), VEX3D_FILL_SOLID);
  vex3d_win_fillpolygon(graph.get(), tri, 3, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
  EXPECT_FALSE(last().state.brush.stippled) << "the solid fill style makes the brush solid";
}

TEST_F(OperationTable, ClipIsSetReplacedAndRemoved) {
  const Rect first{10, 10, 50, 50}, second{0, 0, 20, 30};
  vex3d_win_setclip(graph.get(), &first);
  vex3d_win_drawline(graph.get(), 0, 0, 5, 5);
  EXPECT_EQ(last().state.clip, (platform::Box{10, 10, 50, 50}));
  vex3d_win_setclip(graph.get(), &second);
  vex3d_win_drawline(graph.get(), 0, 0, 5, 5);
  EXPECT_EQ(last().state.clip, (platform::Box{0, 0, 20, 30})) << "the clip set before is removed first";
  vex3d_win_setclip(graph.get(), nullptr);
  vex3d_win_drawline(graph.get(), 0, 0, 5, 5);
  EXPECT_FALSE(last().state.clip.has_value());
}

TEST_F(OperationTable, MetafilesAreNotClipped) {
  platform::RecordingContext metafile({.metafile = true});
  const CurrentContextScope current(graph.get(), &metafile);
  const Rect clip{10, 10, 50, 50};
  vex3d_win_setclip(graph.get(), &clip);
  vex3d_win_drawline(graph.get(), 0, 0, 5, 5);
  ASSERT_EQ(metafile.ops().size(), 1u);
  EXPECT_FALSE(metafile.ops()[0].state.clip.has_value());
}

TEST_F(OperationTable, AContextScopeBringsBackTheContextItReplacedWithTheStateSetMeanwhile) {
  platform::RecordingContext outer, inner;
  {
    const CurrentContextScope first(graph.get(), &outer);
    {
      const CurrentContextScope second(graph.get(), &inner);
      EXPECT_EQ(current_context(graph.get()), &inner);
      vex3d_win_setforeground(graph.get(), 0x0000FF);
    }
    EXPECT_EQ(current_context(graph.get()), &outer);
    vex3d_win_drawline(graph.get(), 0, 0, 9, 9);
  }
  EXPECT_EQ(current_context(graph.get()), &recording);
  vex3d_win_drawline(graph.get(), 0, 0, 9, 9);
  ASSERT_EQ(outer.ops().size(), 1u);
  EXPECT_TRUE(inner.ops().empty());
  EXPECT_EQ(outer.ops()[0].state.pen.color, 0x0000FFu) << "the pen set in the inner scope";
  ASSERT_EQ(ops().size(), 1u);
  EXPECT_EQ(last().state.pen.color, 0x0000FFu);
}

TEST_F(OperationTable, StateSetWithoutAContextReachesTheNextContext) {
  {
    const CurrentContextScope none(graph.get(), nullptr);
    vex3d_win_setforeground(graph.get(), 0x0000FF);
    vex3d_win_setfillcolor(graph.get(), 0x00FF00);
    vex3d_win_drawline(graph.get(), 0, 0, 9, 9);  // nowhere to draw: nothing happens
  }
  EXPECT_TRUE(ops().empty());
  vex3d_win_drawline(graph.get(), 0, 0, 9, 9);
  vex3d_win_fillrectangle(graph.get(), 0, 0, 9, 9);
  EXPECT_EQ(ops()[0].state.pen.color, 0x0000FFu);
  EXPECT_EQ(ops()[1].state.brush.color, 0x00FF00u);
}

TEST_F(OperationTable, UnsupportedOperationsReportTheirMessages) {
  MessageCapture capture;
  int ascent = 5, descent = 5, width = 5;
  vex3d_win_textextents(graph.get(), "text", &ascent, &descent, &width);
  EXPECT_EQ(ascent + descent + width, 0);
  EXPECT_EQ(capture.all(), "I am in vex3d_win_textextents.  Yipes!!!") << "reported without the graph: always";
  capture.clear();
  vex3d_win_setdither(graph.get());
  EXPECT_EQ(vex3d_win_dith_index(graph.get()), 0);
  EXPECT_EQ(capture.all(), "") << "DEBUG is off";
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  vex3d_win_setdither(graph.get());
  EXPECT_EQ(vex3d_win_dith_index(graph.get()), 0);
  EXPECT_EQ(capture.all(), "I am in vex3d_win_setdither.  Yipes!!!I am in vex3d_win_dith_index.  Yipes!!!");
  EXPECT_TRUE(ops().empty());
}

}  // namespace
