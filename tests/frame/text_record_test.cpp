// Free text records: defaults, their own rules, and bits in the owning graph.
#include <gtest/gtest.h>

#include "graph.h"
#include "graph_fixture.h"
#include "message_capture.h"

namespace {

int text_int(Vex3dText *text, int id) {
  int v = -12345;
  Vex3dTextGetValues(text, id, &v, 0);
  return v;
}

TEST(TextRecord, StartsWithItsDefaults) {
  GraphPtr graph = make_graph();
  Vex3dText *text = Vex3dCreateText(graph.get());
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text_int(text, VEX3D_TEXT_SHOW), 1);
  EXPECT_EQ(text_int(text, VEX3D_TEXT_BORDER_WIDTH), 2);
  EXPECT_EQ(text_int(text, VEX3D_TEXT_STROKE_SIZE), 80);
  EXPECT_EQ(text_int(text, VEX3D_TEXT_STROKE_FONT), Vex3dSfRomanSimplex);
  EXPECT_EQ(text_int(text, VEX3D_TEXT_PLANE), Vex3dxzplane);
  EXPECT_EQ(text_int(text, VEX3D_TEXT_ADJUST), Vex3dAdjustCenter);
  EXPECT_EQ(text_int(text, VEX3D_TEXT_BACKGROUND_COLOR), COLOR_UNSET);
  void *font = nullptr;
  Vex3dTextGetValues(text, VEX3D_TEXT_FONT, &font, 0);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(Vex3dFontDescription(static_cast<Vex3dFont *>(font))->face, realized_face("Arial"));
}

TEST(TextRecord, PlaneOtherThanXzOrYzBecomesXz) {
  GraphPtr graph = make_graph();
  Vex3dText *text = Vex3dCreateText(graph.get());
  Vex3dTextSetValues(text, VEX3D_TEXT_PLANE, Vex3dyzplane, 0);
  EXPECT_EQ(text_int(text, VEX3D_TEXT_PLANE), Vex3dyzplane);
  Vex3dTextSetValues(text, VEX3D_TEXT_PLANE, Vex3dxyplane, 0);
  EXPECT_EQ(text_int(text, VEX3D_TEXT_PLANE), Vex3dxzplane);
}

TEST(TextRecord, AttachMethodRedrawsEverythingToAndFromPixels) {
  GraphPtr graph = make_graph();
  Vex3dText *text = Vex3dCreateText(graph.get());
  struct Step {
    int method, bits;
  };
  for (const Step step : {Step{Vex3dAttachPoint, 1}, Step{Vex3dAttachPixel, 31}, Step{Vex3dAttachIndex, 31},
                          Step{Vex3dAttachPoint, 1}}) {
    graph->change_mask = 0;
    Vex3dTextSetValues(text, VEX3D_TEXT_ATTACH_METHOD, step.method, 0);
    EXPECT_EQ(graph->change_mask, step.bits) << step.method;
  }
}

TEST(TextRecord, ListsRefuseTheOtherOwnersTypes) {
  GraphPtr graph = make_graph();
  Vex3dText *text = Vex3dCreateText(graph.get());
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  Vex3dTextSetValues(text, VEX3D_TEXT_ATTACH_POINT_X, 2.5, VEX3D_DRAW_MESH, 0, VEX3D_TEXT_SHOW, 0, 0);
  double x = 0;
  Vex3dTextGetValues(text, VEX3D_TEXT_ATTACH_POINT_X, &x, 0);
  EXPECT_EQ(x, 2.5);
  EXPECT_EQ(text_int(text, VEX3D_TEXT_SHOW), 0) << "a graph resource in a text list is skipped, not fatal";
  EXPECT_EQ(get_int(graph.get(), VEX3D_DRAW_MESH), 1);
  capture.clear();
  Vex3dTextSetValues(text, VEX3D_SURFACE_DATA, nullptr, VEX3D_TEXT_SHOW, 1, 0);
  EXPECT_EQ(capture.all(), "Vex3dTextSetValues: Unknown resource type");
  EXPECT_EQ(text_int(text, VEX3D_TEXT_SHOW), 0);
  capture.clear();
  int mesh = 5;
  Vex3dTextGetValues(text, VEX3D_DRAW_MESH, &mesh, 0);
  EXPECT_EQ(mesh, 5);
  EXPECT_EQ(capture.all(), "get_resource: Expecting a text resource");
}

TEST(TextRecord, DestroyingATextRemovesItFromItsGraph) {
  GraphPtr graph = make_graph();
  Vex3dText *a = Vex3dCreateText(graph.get());
  Vex3dText *b = Vex3dCreateText(graph.get());
  ASSERT_EQ(graph->texts.size(), 2u);
  Vex3dDestroyText(a);
  ASSERT_EQ(graph->texts.size(), 1u);
  EXPECT_EQ(graph->texts[0].get(), b);
}

}  // namespace
