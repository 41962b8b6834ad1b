// Slot 31: pictures loaded from their files, placed by their layouts and
// clipped to the clip box, as the recording context sees them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "graph.h"
#include "graph_fixture.h"
#include "message_capture.h"
#include "metafile_canvas.h"
#include "picture_files.h"
#include "recording_context.h"
#include "w_render.h"

namespace {

using picture_files::Bytes;
using vex3d::platform::Box;
using vex3d::platform::Primitive;
using vex3d::platform::RecordingContext;

std::string write_file(const char *name, const Bytes &bytes) {
  const std::string path = testing::TempDir() + "/" + name;
  std::FILE *f = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  return path;
}

// A 2 x 1 bitmap: red, then blue.
std::string two_pixel_bitmap() {
  picture_files::BitmapSpec spec;
  spec.width = 2;
  spec.height = 1;
  spec.rows = {{0, 0, 0xFF, 0xFF, 0, 0}};
  return write_file("two.bmp", picture_files::bitmap(spec));
}

struct Drawing {
  GraphPtr graph = make_graph();
  RecordingContext rec{RecordingContext::Options{{0, 0, 200, 200}, 32, 96.0, false}};
  vex3d::ImageRecord image;
  const vex3d::CurrentContextScope current{graph.get(), &rec};
  void draw(const std::string &file, int layout, Box box, Box clip) {
    image.file = file;
    image.layout = layout;
    image.picture.reset();
    vex3d_win_drawimage(graph.get(), &image, box.x, box.y, box.width, box.height, clip.x, clip.y, clip.width,
                        clip.height);
  }
};

TEST(DrawImage, BitmapIsStretchedIntoItsPlaceAndClipped) {
  Drawing d;
  d.draw(two_pixel_bitmap(), Vex3dImageLayoutStretched, {10, 20, 100, 50}, {0, 0, 60, 60});
  ASSERT_EQ(d.rec.ops().size(), 1u);
  const auto &op = d.rec.ops()[0];
  EXPECT_EQ(op.primitive, Primitive::kImage);
  EXPECT_EQ(op.box, (Box{10, 20, 100, 50}));
  EXPECT_EQ(op.image, (std::vector<std::uint32_t>{0xFFFF0000, 0xFF0000FF}));
  ASSERT_TRUE(op.state.clip);
  EXPECT_EQ(*op.state.clip, (Box{0, 0, 60, 60}));
  EXPECT_FALSE(d.rec.state().clip) << "the clip is not left behind";
}

TEST(DrawImage, TilesRepeatFromTheTopLeftAndStopAtTheBox) {
  Drawing d;
  d.draw(two_pixel_bitmap(), Vex3dImageLayoutTiled, {10, 20, 5, 2}, {0, 0, 200, 200});
  ASSERT_EQ(d.rec.ops().size(), 1u);
  const auto &op = d.rec.ops()[0];
  EXPECT_EQ(op.box, (Box{10, 20, 5, 2}));
  const std::uint32_t r = 0xFFFF0000, b = 0xFF0000FF;
  EXPECT_EQ(op.image, (std::vector<std::uint32_t>{r, b, r, b, r, r, b, r, b, r}));
}

TEST(DrawImage, MetafileIsPlayedThroughTheOperations) {
  // A window of 100 x 100 units with a blue rectangle, in a box of 50 x 50.
  const Bytes wmf = picture_files::plain_metafile({
      {0x020B, {0, 0}},
      {0x020C, {100, 100}},
      {0x02FC, {0, 0x0000, 0x00FF, 0}},  // blue brush
      {0x012D, {0}},
      {0x041B, {60, 60, 20, 20}},  // bottom, right, top, left
  });
  Drawing d;
  d.draw(write_file("blue.wmf", wmf), Vex3dImageLayoutStretched, {100, 100, 50, 50}, {0, 0, 200, 200});
  ASSERT_EQ(d.rec.ops().size(), 2u);
  EXPECT_EQ(d.rec.ops()[0].primitive, Primitive::kRectangle);
  EXPECT_EQ(d.rec.ops()[0].box, (Box{110, 110, 20, 20}));
  EXPECT_EQ(d.rec.ops()[0].state.brush.color, 0xFF0000u);
  EXPECT_EQ(d.rec.ops()[1].primitive, Primitive::kPolyline);  // the outline in the default black pen
  EXPECT_EQ(d.rec.ops()[1].state.pen.color, 0u);
  ASSERT_TRUE(d.rec.ops()[0].state.clip);
  EXPECT_EQ(*d.rec.ops()[0].state.clip, (Box{0, 0, 200, 200}));
}

// A metafile's pen asks for its ends and corners in its style word (bits 8
// to 11 and 12 to 15, round when they are 0); a wide pen draws with them.
TEST(DrawImage, MetafilePenDrawsWithTheEndsAndCornersItAsksFor) {
  using vex3d::platform::Cap;
  using vex3d::platform::Join;
  struct Case {
    int style;
    Cap cap;
    Join join;
  };
  const Case cases[] = {
      {0x0000, Cap::kRound, Join::kRound},   // the default pen
      {0x0100, Cap::kSquare, Join::kRound},  // square ends
      {0x0200, Cap::kFlat, Join::kRound},    // flat ends
      {0x1200, Cap::kFlat, Join::kBevel},    // flat ends, bevelled corners
      {0x2100, Cap::kSquare, Join::kMiter},  // square ends, mitred corners
  };
  for (const Case &c : cases) {
    const Bytes wmf = picture_files::plain_metafile({
        {0x020B, {0, 0}},
        {0x020C, {100, 100}},
        {0x02FA, {c.style, 6, 0, 0x00FF, 0}},  // a red pen 6 units wide
        {0x012D, {0}},
        {0x0325, {3, 10, 10, 50, 90, 90, 10}},  // a polyline of three points
    });
    Drawing d;
    d.draw(write_file("pen.wmf", wmf), Vex3dImageLayoutStretched, {0, 0, 100, 100}, {0, 0, 200, 200});
    ASSERT_EQ(d.rec.ops().size(), 1u) << std::hex << c.style;
    const vex3d::platform::Pen &pen = d.rec.ops()[0].state.pen;
    EXPECT_EQ(pen.width, 6) << std::hex << c.style;
    EXPECT_FALSE(pen.thin) << std::hex << c.style;
    EXPECT_EQ(pen.cap, c.cap) << "pen style " << std::hex << c.style;
    EXPECT_EQ(pen.join, c.join) << "pen style " << std::hex << c.style;
  }
}

// What is no picture draws nothing; the debugging graph is told why, once.
TEST(DrawImage, WhatIsNoPictureDrawsNothingAndSaysWhy) {
  MessageCapture messages;
  Drawing d;
  Vex3dSetValues(d.graph.get(), VEX3D_DEBUG, 1, 0);
  messages.clear();
  const std::string data = write_file("data.dat", Bytes{'G', 'R', 'I', 'D', ' ', '2', '\n'});
  const std::string bitmap = write_file("cut.bmp", Bytes{'B', 'M', 1, 2, 3});
  const std::string missing = testing::TempDir() + "/missing.bmp";
  d.draw(data, Vex3dImageLayoutStretched, {0, 0, 50, 50}, {0, 0, 50, 50});
  d.draw(bitmap, Vex3dImageLayoutStretched, {0, 0, 50, 50}, {0, 0, 50, 50});
  d.draw(missing, Vex3dImageLayoutCentered, {0, 0, 50, 50}, {0, 0, 50, 50});
  vex3d_win_drawimage(d.graph.get(), &d.image, 0, 0, 50, 50, 0, 0, 50, 50);  // the file is not tried again
  EXPECT_TRUE(d.rec.ops().empty());
  const std::string said = "VEX/3d: Warning: the picture file ";
  EXPECT_EQ(messages.all(), said + data + " is not a picture (no bitmap, metafile, PNG or JPEG); it is not drawn.\n" +
                                said + bitmap + " is damaged or of a depth or kind not shown; it is not drawn.\n" +
                                said + missing + " cannot be opened; it is not drawn.\n");
}

// A metafile one pixel in size, tiled over a box, is played once a tile: a
// few hundred bytes of huge rectangles took half a minute to draw. The
// drawing now stops when the budget of all the tiles together runs out,
// and says so.
TEST(DrawImage, ATiledMetafileCostsAtMostTheBudget) {
  std::vector<picture_files::WmfRecord> records = {{0x020C, {1, 1}}};  // a window of 1 x 1 units
  for (int k = 0; k < 100; ++k) records.push_back({0x041B, {30000, 30000, -30000, -30000}});
  MessageCapture messages;
  Drawing d;
  Vex3dSetValues(d.graph.get(), VEX3D_DEBUG, 1, 0);
  messages.clear();
  const std::string file = write_file("huge.wmf", picture_files::plain_metafile(records));
  d.draw(file, Vex3dImageLayoutTiled, {0, 0, 200, 200}, {0, 0, 200, 200});
  long rectangles = 0;
  for (const auto &op : d.rec.ops()) rectangles += op.primitive == Primitive::kRectangle;
  // Each rectangle covers the whole box; the 40,000 tiles would draw four million.
  EXPECT_GT(rectangles, 0);
  EXPECT_LE(rectangles, vex3d::PlayBudget::kMaxPixels / (200 * 200) + 1);
  EXPECT_EQ(messages.all(), "Picture " + file + " is too costly to draw: drawn in part");
}

}  // namespace
