// Drawing the plot cube through the operation table: which primitives, in
// which colours and styles, for the default view, hidden axes, grid lines,
// the preview outline and the flat map.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "anno.h"
#include "basecube.h"
#include "grid.h"
#include "recording_context.h"
#include "view_fixture.h"
#include "w_render.h"

namespace vex3d {
namespace {

using platform::Primitive;
using platform::RecordedOp;

class CubeDrawingTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Vex3dSetValues(g(), VEX3D_FOREGROUND_COLOR, 0x102030, 0);
  }

  std::vector<RecordedOp> drawn(Primitive kind) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp &op : recording_.ops())
      if (op.primitive == kind) out.push_back(op);
    return out;
  }
  // The device point of a cube corner, as the view projects it.
  platform::Point corner(int c) {
    const ViewState &v = *find_view_state(g());
    const Point4 p = transform_point(v.cube_to_device, Point4{corner_point(v, c).x, corner_point(v, c).y,
                                                                corner_point(v, c).z, 1});
    return platform::Point{static_cast<int>(std::floor(p.x + 0.5)), static_cast<int>(std::floor(p.y + 0.5))};
  }

  platform::RecordingContext recording_;
  const CurrentContextScope current_{g(), &recording_};
};

TEST_F(CubeDrawingTest, BackFacesAndBackEdgesOfTheDefaultView) {
  Vex3dSetValues(g(), VEX3D_DATA_AREA_BACKGROUND_COLOR, 0xEEDDCC, 0);
  compute();
  draw_cube_back(g());
  const auto faces = drawn(Primitive::kPolygon);
  ASSERT_EQ(faces.size(), 3u) << "faces 1, 3 and 4 are at the back";
  for (const RecordedOp &f : faces) EXPECT_EQ(f.state.brush.color, 0xEEDDCCu);
  EXPECT_EQ(faces[0].points[0], corner(kCubeFaces[1].corners[0]));
  const auto edges = drawn(Primitive::kPolyline);
  ASSERT_EQ(edges.size(), 9u) << "all but the three edges at corner 1";
  for (const RecordedOp &e : edges) {
    EXPECT_EQ(e.state.pen.color, 0x102030u) << "the chart foreground falls back to FOREGROUND_COLOR";
    EXPECT_TRUE(e.state.pen.solid());
    EXPECT_EQ(e.state.pen.width, 1);
  }
  // Edges 0 (corners 0, 7) and 2 (3, 4) are the first two back edges.
  EXPECT_EQ(edges[0].points.front(), corner(0));
  EXPECT_EQ(edges[1].points.front(), corner(3));

  recording_.clear();
  draw_front_edges(g());
  const auto front = drawn(Primitive::kPolyline);
  ASSERT_EQ(front.size(), 3u);
  EXPECT_EQ(front[0].points.front(), corner(1)) << "edge 1 first";
}

TEST_F(CubeDrawingTest, UnsetBackgroundAndHiddenAxis) {
  Vex3dSetValues(g(), VEX3D_ZAXIS_SHOW, 0, VEX3D_GRAPH_FOREGROUND_COLOR, 0x0000FF, 0);
  compute();
  draw_cube_back(g());
  EXPECT_TRUE(drawn(Primitive::kPolygon).empty());
  const auto back = drawn(Primitive::kPolyline);
  EXPECT_EQ(back.size(), 6u) << "the vertical edges go with the z axis";
  EXPECT_EQ(back[0].state.pen.color, 0x0000FFu);
  recording_.clear();
  draw_front_edges(g());
  EXPECT_EQ(drawn(Primitive::kPolyline).size(), 2u);
}

TEST_F(CubeDrawingTest, GridLinesInTheirStyle) {
  Vex3dLineStyle dashed{Vex3dLpatLongDash, 0x00AA00, 2};
  Vex3dSetValues(g(), VEX3D_XGRID_LINES, Vex3dxyplane, VEX3D_XGRID_LINE_STYLE, &dashed, VEX3D_YGRID_LINES,
                 Vex3dxyplane | Vex3dyzplane, 0);
  const ViewState &v = compute();
  draw_grid_lines(g());
  const auto lines = drawn(Primitive::kPolyline);
  // x on the floor; y on the floor and on the back face x = +1 (yz).
  const std::size_t x_lines = grid_segments(g(), v, 4, 0).size();
  const std::size_t y_lines = grid_segments(g(), v, 4, 1).size() + grid_segments(g(), v, 1, 1).size();
  ASSERT_GT(x_lines, 0u);
  ASSERT_EQ(y_lines, 2 * v.cube.axes[1].grid_values.size());
  ASSERT_EQ(lines.size(), x_lines + y_lines);
  for (std::size_t i = 0; i < x_lines; ++i) {
    EXPECT_EQ(lines[i].state.pen.color, 0x00AA00u);
    EXPECT_EQ(lines[i].state.pen.width, 2);
    EXPECT_FALSE(lines[i].state.pen.solid());
  }
  EXPECT_TRUE(lines[x_lines].state.pen.solid()) << "y keeps its default solid style";
  Vex3dLineStyle none{Vex3dLpatNone, 0, 1};
  Vex3dSetValues(g(), VEX3D_XGRID_LINE_STYLE, &none, 0);
  compute();
  recording_.clear();
  draw_grid_lines(g());
  EXPECT_EQ(drawn(Primitive::kPolyline).size(), y_lines);
}

TEST_F(CubeDrawingTest, PreviewOutlineDashesTheFrontEdges) {
  compute();
  draw_preview_outline(g());
  const auto lines = drawn(Primitive::kPolyline);
  ASSERT_EQ(lines.size(), 9u + 2u + 3u) << "back edges, the marker, front edges";
  for (std::size_t i = 0; i < 11; ++i) EXPECT_TRUE(lines[i].state.pen.solid()) << i;
  for (std::size_t i = 11; i < 14; ++i) {
    EXPECT_EQ(lines[i].state.pen.dashes, (std::vector<double>{2, 4})) << i;
  }
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, 0);
  compute();
  recording_.clear();
  draw_preview_outline(g());
  for (const RecordedOp &op : drawn(Primitive::kPolyline)) EXPECT_TRUE(op.state.pen.solid()) << "flat: all solid";
}

TEST_F(CubeDrawingTest, AnnotationIsDrawnInsideTheChartArea) {
  compute();
  draw_axes(g());
  const auto strokes = drawn(Primitive::kPolyline);
  ASSERT_GT(strokes.size(), 20u);
  const int f = coordinate_factor(g()->draw_ops);
  for (const RecordedOp &s : strokes) {
    EXPECT_EQ(s.state.pen.color, 0x102030u);
    for (const platform::Point &p : s.points) {
      EXPECT_GE(p.x, 4 * f - 1);
      EXPECT_LE(p.x, (400 - 4) * f + 1);
      EXPECT_GE(p.y, 4 * f - 1);
      EXPECT_LE(p.y, (300 - 4) * f + 1);
    }
  }
}

TEST_F(CubeDrawingTest, AxisTextInStrokeOrOutlineFontsFitsTheChartArea) {
  // Measured and drawn in the graph's own axis fonts: stroke text as lines in
  // the pen, outline text (USE_TRUETYPE) as glyph fills.
  struct Case {
    const char *name;
    int truetype;
    Primitive kind;
  } cases[] = {{"stroke", 0, Primitive::kPolyline}, {"outline", 1, Primitive::kPolygon}};
  Vex3dSetValues(g(), VEX3D_XAXIS_TITLE, "Distance east", VEX3D_YAXIS_TITLE, "North", VEX3D_ZAXIS_TITLE, "Height",
                 VEX3D_AXIS_TITLE_STROKE_SIZE, 120, 0);
  const int f = coordinate_factor(g()->draw_ops);
  for (const Case &c : cases) {
    Vex3dSetValues(g(), VEX3D_USE_TRUETYPE, c.truetype, 0);
    compute_view(g());
    recording_.clear();
    draw_axes(g());
    ASSERT_GT(recording_.ops().size(), 20u) << c.name;
    for (const RecordedOp &op : recording_.ops()) {
      ASSERT_EQ(op.primitive, c.kind) << c.name;
      EXPECT_EQ(c.kind == Primitive::kPolygon ? op.state.brush.color : op.state.pen.color, 0x102030u) << c.name;
      for (const platform::Point &p : op.points) {
        EXPECT_TRUE(p.x >= 4 * f - 1 && p.x <= (400 - 4) * f + 1 && p.y >= 4 * f - 1 && p.y <= (300 - 4) * f + 1)
            << c.name << ": (" << p.x << ", " << p.y << ")";
      }
    }
  }
}

TEST_F(CubeDrawingTest, FlatMapRectangleAndFrame) {
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, VEX3D_DATA_AREA_BACKGROUND_COLOR, 0xFFFFCC, 0);
  compute();
  draw_cube_back(g());
  const auto fill = drawn(Primitive::kPolygon);
  ASSERT_EQ(fill.size(), 1u);
  EXPECT_EQ(fill[0].state.brush.color, 0xFFFFCCu);
  EXPECT_TRUE(drawn(Primitive::kPolyline).empty());
  recording_.clear();
  draw_front_edges(g());
  EXPECT_TRUE(recording_.ops().empty());
  draw_flat_frame(g());
  const auto frame = drawn(Primitive::kPolyline);
  ASSERT_EQ(frame.size(), 4u);
  EXPECT_EQ(frame[0].points.front(), fill[0].points[0]);
}

TEST_F(CubeDrawingTest, NothingIsDrawnWithoutRoom) {
  g()->graph_rect = Rect{0, 0, 6, 6};
  compute();
  draw_empty_cube(g());
  draw_preview_outline(g());
  EXPECT_TRUE(recording_.ops().empty());
}

}  // namespace
}  // namespace vex3d
