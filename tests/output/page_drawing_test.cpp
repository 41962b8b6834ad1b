// The page drawing: the one route by which a graph is drawn, into any
// context, with its change mask; and a page written as a PNG file.
#include <gtest/gtest.h>

#include "graph_fixture.h"
#include "page.h"
#include "png_file.h"
#include "raster_context.h"
#include "recording_context.h"
#include "scratch_dir.h"

namespace {

using vex3d::platform::Box;
using vex3d::platform::Primitive;
using vex3d::platform::RecordingContext;

struct Page {
  GraphPtr graph = make_graph();
  explicit Page(int width = 60, int height = 40) {
    Vex3dSetValues(graph.get(), VEX3D_REPAINT, 0, VEX3D_WIDTH, width, VEX3D_HEIGHT, height, VEX3D_BACKGROUND_COLOR,
                   0x204060, 0);
  }
};

std::vector<Box> fills_in(const RecordingContext &rec, unsigned color) {
  std::vector<Box> boxes;
  for (const auto &op : rec.ops())
    if (op.primitive == Primitive::kRectangle && op.state.brush.color == color) boxes.push_back(op.box);
  return boxes;
}

TEST(PageDrawing, FullRedrawFillsThePageFirstAndLeavesTheMaskPending) {
  Page p;
  RecordingContext rec;
  Vex3dDrawPage(p.graph.get(), &rec, VEX3D_CHANGE_ALL);
  ASSERT_FALSE(rec.ops().empty());
  EXPECT_EQ(rec.ops().front().primitive, Primitive::kRectangle);
  EXPECT_EQ(rec.ops().front().box, (Box{0, 0, 60, 40}));
  EXPECT_EQ(rec.ops().front().state.brush.color, 0x204060u);
  // The platform's white brush and black pen are selected at the end.
  EXPECT_EQ(rec.state().brush.color, 0xFFFFFFu);
  EXPECT_EQ(rec.state().pen.color, 0u);
}

TEST(PageDrawing, NothingWithoutAContextOrAGraph) {
  Page p;
  Vex3dDrawPage(p.graph.get(), nullptr, VEX3D_CHANGE_ALL);
  RecordingContext rec;
  Vex3dDrawPage(nullptr, &rec, VEX3D_CHANGE_ALL);
  EXPECT_TRUE(rec.ops().empty());
}

TEST(PageDrawing, PartialRedrawErasesThePreviousPlaceGrownByAPixel) {
  Page p;
  RecordingContext first;
  Vex3dDrawPage(p.graph.get(), &first, VEX3D_CHANGE_ALL);
  RecordingContext again;
  Vex3dDrawPage(p.graph.get(), &again, VEX3D_CHANGE_GRAPH);
  const std::vector<Box> background = fills_in(again, 0x204060u);
  ASSERT_FALSE(background.empty());
  // The chart area's previous rectangle, one pixel wider and higher.
  int x = -1, y = -1, w = -1, h = -1;
  Vex3dGetValues(p.graph.get(), VEX3D_GRAPH_X, &x, VEX3D_GRAPH_Y, &y, VEX3D_GRAPH_WIDTH, &w, VEX3D_GRAPH_HEIGHT, &h, 0);
  EXPECT_EQ(background.front(), (Box{x, y, w + 1, h + 1}));
}

class PagePng : public ScratchDir {};

TEST_F(PagePng, WritesAPictureOfTheGraphsSize) {
  Page p(70, 50);
  char error[VEX3D_ERROR_SIZE] = "";
  const std::string file = path("page.png");
  ASSERT_TRUE(Vex3dWritePagePng(p.graph.get(), file.c_str(), error)) << error;
  vex3d::platform::Bitmap read;
  ASSERT_TRUE(vex3d::platform::read_png(file, read));
  EXPECT_EQ(read.width, 70);
  EXPECT_EQ(read.height, 50);
  EXPECT_EQ(read.pixels[0], 0xFF604020u);  // the background (0xBBGGRR) as ARGB
}

TEST_F(PagePng, RefusesSizesItCannotDraw) {
  for (const auto &[width, height] : {std::pair{0, 10}, {10, 0}, {-5, 10}, {40000, 10}}) {
    Page p(width, height);
    char error[VEX3D_ERROR_SIZE] = "";
    const std::string file = path("bad.png");
    EXPECT_FALSE(Vex3dWritePagePng(p.graph.get(), file.c_str(), error)) << width << "x" << height;
    EXPECT_NE(std::string(error).find("picture size"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(file));
  }
}

TEST_F(PagePng, AFileThatCannotBeWrittenLeavesNothing) {
  Page p;
  char error[VEX3D_ERROR_SIZE] = "";
  const std::string file = path("missing/folder/page.png");
  EXPECT_FALSE(Vex3dWritePagePng(p.graph.get(), file.c_str(), error));
  EXPECT_NE(std::string(error).find("cannot write"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(file + ".part"));
}

TEST(RasterContextCalls, PixelsOfARasterAndRefusedSizes) {
  Vex3dDrawContext *raster = Vex3dCreateRasterContext(9, 7);
  ASSERT_NE(raster, nullptr);
  int w = 0, h = 0, stride = 0;
  ASSERT_NE(Vex3dRasterContextPixels(raster, &w, &h, &stride), nullptr);
  EXPECT_EQ(w, 9);
  EXPECT_EQ(h, 7);
  EXPECT_GE(stride, 9);
  Vex3dDestroyDrawContext(raster);
  EXPECT_EQ(Vex3dCreateRasterContext(0, 7), nullptr);
  EXPECT_EQ(Vex3dCreateRasterContext(7, 32768), nullptr);
  RecordingContext rec;
  EXPECT_EQ(Vex3dRasterContextPixels(&rec, &w, &h, &stride), nullptr);
  EXPECT_FALSE(Vex3dWriteRasterPng(&rec, "never.png", nullptr));
  Vex3dDestroyDrawContext(nullptr);
}

}  // namespace
