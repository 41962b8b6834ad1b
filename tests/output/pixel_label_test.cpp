// Chart labels attached to pixels, drawn by the page: the box around the
// pixel plus the offset, grown to its picture when the picture sets a
// minimum; the connecting line to the facing edge; and the full redraw that
// any such label forces.
#include <gtest/gtest.h>

#include <vector>

#include "graph.h"
#include "graph_fixture.h"
#include "page.h"
#include "page_drawing.h"
#include "png_file.h"
#include "recording_context.h"
#include "scratch_dir.h"
#include "w_render.h"

namespace {

using vex3d::platform::Primitive;
using vex3d::platform::RecordingContext;

constexpr int kInk = 0x102030;

class PixelLabelTest : public ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    Vex3dSetValues(g, VEX3D_REPAINT, 0, VEX3D_WIDTH, 600, VEX3D_HEIGHT, 400, 0);
    label = Vex3dCreateText(g);
    static const char *const text[] = {"Here", nullptr};
    Vex3dTextSetValues(label, VEX3D_TEXT_STRINGS, text, VEX3D_TEXT_ATTACH_METHOD, Vex3dAttachPixel,
                       VEX3D_TEXT_ATTACH_PIXEL_X, 300, VEX3D_TEXT_ATTACH_PIXEL_Y, 200, VEX3D_TEXT_LINE_SHOW, 1,
                       VEX3D_TEXT_FOREGROUND_COLOR, kInk, VEX3D_TEXT_BORDER, Vex3dBorderPlain,
                       VEX3D_TEXT_BORDER_WIDTH, 2, 0);
  }
  vex3d::PageDrawing draw(int mask = VEX3D_CHANGE_ALL) {
    recording.clear();
    vex3d::CurrentContextScope current(g, &recording);
    const vex3d::PageDrawing drawn = vex3d::draw_page(g, mask);
    g->change_mask = 0;  // drawn, as a drawing into a context leaves it
    return drawn;
  }
  // The thin lines drawn in the label's colour (the connecting line).
  std::vector<std::vector<vex3d::platform::Point>> ink_lines() const {
    std::vector<std::vector<vex3d::platform::Point>> lines;
    for (const auto &op : recording.ops())
      if (op.primitive == Primitive::kPolyline && int(op.state.pen.color) == kInk && op.points.size() == 2)
        lines.push_back(op.points);
    return lines;
  }

  GraphPtr graph = make_graph();
  Vex3dGraph *g = graph.get();
  Vex3dText *label = nullptr;
  RecordingContext recording;
};

TEST_F(PixelLabelTest, TheBoxIsCentredOnThePixelPlusTheOffsetWithALineToTheFacingEdge) {
  Vex3dTextSetValues(label, VEX3D_TEXT_OFFSET_X, 80, 0);
  draw();
  const vex3d::Rect &r = label->rect;
  EXPECT_NEAR(r.x + r.width / 2.0, 380, 1);
  EXPECT_NEAR(r.y + r.height / 2.0, 200, 1);
  const auto lines = ink_lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].front().x, 300);
  EXPECT_EQ(lines[0].front().y, 200);
  EXPECT_NEAR(lines[0].back().x, r.x, 1);  // the middle of the left edge
  EXPECT_NEAR(lines[0].back().y, r.y + r.height / 2.0, 1);

  Vex3dTextSetValues(label, VEX3D_TEXT_OFFSET_X, 0, 0);
  draw();
  EXPECT_TRUE(ink_lines().empty());
}

TEST_F(PixelLabelTest, APictureSetsTheSmallestBoxOnlyWhenAsked) {
  std::vector<std::uint32_t> pixels(200 * 150, 0xFF336699u);
  const std::string file = path("picture.png");
  ASSERT_TRUE(vex3d::platform::write_png(file, vex3d::platform::ImageView{pixels.data(), 200, 150, 200}));
  Vex3dTextSetValues(label, VEX3D_TEXT_IMAGE, file.c_str(), 0);
  draw();
  const vex3d::Rect plain = label->rect;
  EXPECT_LT(plain.width, 200);
  Vex3dTextSetValues(label, VEX3D_TEXT_IMAGE_MINIMUM_SIZE, 1, 0);
  draw();
  EXPECT_EQ(label->rect.width, 200 + 4 * 2);  // the picture, and the plain border's room
  EXPECT_EQ(label->rect.height, 150 + 4 * 2);
}

TEST_F(PixelLabelTest, AnyPixelLabelTurnsAPartialRedrawIntoAFullOne) {
  draw();
  EXPECT_EQ(draw(VEX3D_CHANGE_LEGEND).mask, VEX3D_CHANGE_ALL);
  Vex3dDestroyText(label);
  draw();
  EXPECT_NE(draw(VEX3D_CHANGE_LEGEND).mask, VEX3D_CHANGE_ALL);
}

}  // namespace
