// Every slot of the operation table, called through the table (as every layer
// calls it), reaches its own operation. Slots of one signature (the outline
// and filled rectangles and arcs, the colour and style setters taking one
// int) are told apart by what each does, so two of them swapped in the table
// fail here.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "convert.h"
#include "font.h"
#include "graph.h"
#include "message_capture.h"
#include "picture_files.h"
#include "recording_fixture.h"

namespace {

using namespace vex3d;
using platform::Box;
using platform::Point;
using platform::Primitive;

class SlotTable : public RecordingGraph {
 protected:
  void SetUp() override {
    RecordingGraph::SetUp();
    font.desc = parse_font("Arial,12");
  }
  const Vex3dDrawOps &table() const { return *graph->draw_ops; }
  Vex3dGraph *g() { return graph.get(); }
  const Vex3dDevicePoint triangle[3] = {{0, 0}, {40, 0}, {0, 30}};
  FontRecord font;
};

TEST_F(SlotTable, EachPrimitiveOfBothSetsDrawsItsOwnShape) {
  for (int set = 0; set < 2; ++set) {
    SCOPED_TRACE("primitives of set " + std::to_string(set));
    const Vex3dPrimitiveOps &p = table().primitives[set];
    recording.clear();
    p.drawline(g(), 1, 2, 30, 40);
    ASSERT_EQ(ops().size(), 1u);
    EXPECT_EQ(last().primitive, Primitive::kPolyline);
    EXPECT_EQ(last().points, (std::vector<Point>{{1, 2}, {30, 40}}));

    p.drawlines(g(), triangle, 3, VEX3D_COORD_ABSOLUTE);
    EXPECT_EQ(last().primitive, Primitive::kPolyline);
    EXPECT_EQ(last().points, (std::vector<Point>{{0, 0}, {40, 0}, {0, 30}}));

    p.drawrectangle(g(), 10, 20, 30, 40);  // the outline: six points
    EXPECT_EQ(last().primitive, Primitive::kPolyline);
    EXPECT_EQ(last().points.size(), 6u);

    p.drawarc(g(), 0, 0, 40, 20, 0, VEX3D_ANGLE_FULL_TURN);
    EXPECT_EQ(last().primitive, Primitive::kArc);

    p.fillpolygon(g(), triangle, 3, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
    EXPECT_EQ(last().primitive, Primitive::kPolygon);

    p.fillrectangle(g(), 10, 20, 30, 40);
    EXPECT_EQ(last().primitive, Primitive::kRectangle);
    EXPECT_EQ(last().box, (Box{10, 20, 30, 40}));

    p.fillarc(g(), 0, 0, 40, 20, 0, VEX3D_ANGLE_FULL_TURN);
    EXPECT_EQ(last().primitive, Primitive::kPie);
    EXPECT_EQ(ops().size(), 7u);
  }
}

TEST_F(SlotTable, TextSlotsSelectTheFontDrawAlignAndMeasure) {
  table().setfont(g(), &font);
  EXPECT_TRUE(recording.state().font) << "slot 22 selects the record's font";
  const int width = table().textwidth(g(), "Width");
  EXPECT_GT(width, 0);
  EXPECT_EQ(width, recording.text_width("Width")) << "slot 29 measures on the current context";

  table().drawstring(g(), 5, 50, "Width");
  ASSERT_EQ(ops().size(), 1u);
  EXPECT_EQ(last().primitive, Primitive::kText);
  EXPECT_EQ(last().origin, (Point{5, 50}));
  table().drawstring_aligned(g(), 200, 50, "Width", VEX3D_ALIGN_RIGHT);
  EXPECT_EQ(last().primitive, Primitive::kText);
  EXPECT_EQ(last().origin, (Point{200 - width, 50})) << "slot 15 ends the text at x";
}

TEST_F(SlotTable, ClipAndBackgroundReachTheContext) {
  const Rect clip{3, 4, 50, 60};
  table().setclip(g(), &clip);
  EXPECT_EQ(recording.state().clip, (Box{3, 4, 50, 60}));
  table().setclip(g(), nullptr);
  EXPECT_FALSE(recording.state().clip);
  table().setbackground(g(), 0x445566);
  EXPECT_EQ(recording.state().background, platform::rgb_of(0x445566));
}

TEST_F(SlotTable, PenSlotsAreToldApartByWhatTheyKeep) {
  // Slot 25 makes a wide pen with the ends and corners given.
  table().setlineattributes(g(), 6, VEX3D_LINE_SOLID, VEX3D_CAP_ROUND, VEX3D_JOIN_ROUND);
  EXPECT_EQ(recording.state().pen.width, 6);
  EXPECT_EQ(recording.state().pen.cap, platform::Cap::kRound);
  // Slot 23 changes the colour and keeps the width.
  table().setforeground(g(), 0x0000FF);
  EXPECT_EQ(recording.state().pen.color, platform::rgb_of(0x0000FF));
  EXPECT_EQ(recording.state().text_color, platform::rgb_of(0x0000FF));
  EXPECT_EQ(recording.state().pen.width, 6) << "slot 23 keeps the width";
  // Slot 18 dashes the pen.
  table().setlineattributes(g(), 3, VEX3D_LINE_DASHED, VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
  table().setdashes(g(), Vex3dLpatLongDash, 0, 0, nullptr);
  EXPECT_FALSE(recording.state().pen.solid()) << "slot 18 sets the dashes";
  // Slot 21: the colour and the thin solid line.
  table().setsolidline(g(), 0x00FF00);
  EXPECT_EQ(recording.state().pen.color, platform::rgb_of(0x00FF00));
  EXPECT_TRUE(recording.state().pen.thin) << "slot 21 makes the pen thin";
  EXPECT_TRUE(recording.state().pen.solid());
}

TEST_F(SlotTable, BrushSlotsAreToldApartByWhatTheyKeep) {
  const auto fill_both = [&] {
    recording.clear();
    table().primitives[0].fillrectangle(g(), 0, 0, 10, 10);
    table().primitives[0].fillpolygon(g(), triangle, 3, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
    return std::pair{ops()[0].state.brush, ops()[1].state.brush};
  };
  // Slot 19: the stippled style stipples rectangles only.
  table().setfillstyle(g(), VEX3D_FILL_STIPPLED);
  auto [rectangle, polygon] = fill_both();
  EXPECT_TRUE(rectangle.stippled);
  EXPECT_FALSE(polygon.stippled);
  // Slot 26: the stipple brush stipples polygons too.
  table().setstipple(g(), VEX3D_STIPPLE_CHECKERBOARD);
  std::tie(rectangle, polygon) = fill_both();
  EXPECT_TRUE(polygon.stippled);
  // Slot 24: the colour, the stipple kept.
  table().setfillcolor(g(), 0x123456);
  std::tie(rectangle, polygon) = fill_both();
  EXPECT_EQ(polygon.color, platform::rgb_of(0x123456));
  EXPECT_TRUE(polygon.stippled) << "slot 24 keeps the stipple";
  // Slot 20: the colour, and solid again.
  table().setsolidfill(g(), 0x654321);
  std::tie(rectangle, polygon) = fill_both();
  EXPECT_EQ(polygon.color, platform::rgb_of(0x654321));
  EXPECT_FALSE(polygon.stippled);
  EXPECT_FALSE(rectangle.stippled) << "slot 20 makes the fill style solid";
}

TEST_F(SlotTable, UnsupportedSlotsSayWhichTheyAre) {
  Vex3dSetValues(g(), VEX3D_DEBUG, 1, 0);
  MessageCapture capture;
  table().setdither(g());
  EXPECT_EQ(capture.all(), "I am in vex3d_win_setdither.  Yipes!!!");
  capture.clear();
  int ascent = 1, descent = 1, width = 1;
  table().textextents(g(), "text", &ascent, &descent, &width);
  EXPECT_EQ(capture.all(), "I am in vex3d_win_textextents.  Yipes!!!");
  EXPECT_EQ(ascent + descent + width, 0);
  capture.clear();
  EXPECT_EQ(table().dith_index(g()), 0);
  EXPECT_EQ(capture.all(), "I am in vex3d_win_dith_index.  Yipes!!!");
}

TEST_F(SlotTable, ImageSlotDrawsTheRecordsPicture) {
  picture_files::BitmapSpec spec;
  spec.width = 1;
  spec.height = 1;
  spec.rows = {{0, 0, 0xFF}};
  const std::string path = testing::TempDir() + "/slot31.bmp";
  const picture_files::Bytes bytes = picture_files::bitmap(spec);
  std::FILE *f = std::fopen(path.c_str(), "wb");
  ASSERT_TRUE(f);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  ImageRecord image;
  image.file = path;
  image.layout = Vex3dImageLayoutStretched;
  table().drawimage(g(), &image, 10, 20, 30, 40, 0, 0, 100, 100);
  ASSERT_EQ(ops().size(), 1u);
  EXPECT_EQ(last().primitive, Primitive::kImage);
  EXPECT_EQ(last().box, (Box{10, 20, 30, 40}));
}

}  // namespace
