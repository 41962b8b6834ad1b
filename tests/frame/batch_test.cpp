// The batch procedure of Vex3dSetValues and the getters around it.
#include <gtest/gtest.h>

#include "graph.h"
#include "graph_fixture.h"
#include "message_capture.h"

namespace {

TEST(Batch, OneListDrawsOnceWithAllItsBits) {
  GraphPtr graph = make_graph();
  graph->change_mask = 0;
  Vex3dSetValues(graph.get(), VEX3D_LEGEND_SHOW, 0, VEX3D_HEADER_BORDER_WIDTH, 4, VEX3D_XROTATION, 30.0, 0);
  EXPECT_EQ(graph->paint_requests, 1);
  EXPECT_EQ(graph->change_mask, 8 | 2 | 1) << "with no back end the bits wait for a drawing";
  EXPECT_EQ(get_double(graph.get(), VEX3D_XROTATION), 30.0);
}

TEST(Batch, RepaintOffBatchesSeveralCallsIntoOneDrawing) {
  GraphPtr graph = make_graph();
  Vex3dSetValues(graph.get(), VEX3D_REPAINT, 0, VEX3D_DRAW_ZONES, 1, 0);
  Vex3dSetValues(graph.get(), VEX3D_DRAW_CONTOURS, 1, 0);
  EXPECT_EQ(graph->paint_requests, 0);
  EXPECT_EQ(get_int(graph.get(), VEX3D_REPAINT), 0);
  Vex3dSetValues(graph.get(), VEX3D_REPAINT, 1, 0);
  EXPECT_EQ(graph->paint_requests, 1);
  EXPECT_EQ(get_int(graph.get(), VEX3D_REPAINT), 1);
}

TEST(Batch, AnUnknownTypeStopsTheListWithoutDrawing) {
  GraphPtr graph = make_graph();
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  const long painted = graph->paint_requests;
  capture.clear();
  // Type 30 has no resources; the pair after it is never read.
  Vex3dSetValues(graph.get(), VEX3D_DRAW_ZONES, 1, 0x1E00, 5, VEX3D_DRAW_CONTOURS, 1, 0);
  EXPECT_EQ(capture.all(), "Vex3dSetValues: Unknown resource type");
  EXPECT_EQ(get_int(graph.get(), VEX3D_DRAW_ZONES), 1) << "pairs before the bad one stay applied";
  EXPECT_EQ(get_int(graph.get(), VEX3D_DRAW_CONTOURS), 0);
  EXPECT_EQ(get_int(graph.get(), VEX3D_REPAINT), 1) << "REPAINT is restored";
  EXPECT_EQ(graph->paint_requests, painted);
}

TEST(Batch, TextTypesStopAGraphList) {
  GraphPtr graph = make_graph();
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, VEX3D_TEXT_PLANE, Vex3dyzplane, VEX3D_DRAW_ZONES, 1, 0);
  EXPECT_EQ(capture.all(), "Vex3dSetValues: Unknown resource type");
  EXPECT_EQ(get_int(graph.get(), VEX3D_DRAW_ZONES), 0);
}

TEST(Batch, GettersReportWrongOwnersAndTypes) {
  GraphPtr graph = make_graph();
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  int show = 77;
  int mesh = 77;
  Vex3dGetValues(graph.get(), VEX3D_TEXT_SHOW, &show, VEX3D_DRAW_MESH, &mesh, 0);
  EXPECT_EQ(show, 77) << "the address of a text resource is not written";
  EXPECT_EQ(mesh, 1);
  EXPECT_EQ(capture.all(), "get_resource: Not expecting a text resource");
  capture.clear();
  Vex3dGetValues(graph.get(), 0x1E00, &show, VEX3D_DRAW_MESH, &mesh, 0);
  EXPECT_EQ(capture.all(), "Vex3dGetValues: Unknown resource type");
}

TEST(Batch, DataStylesGrowToOneStylePerSeries) {
  GraphPtr graph = make_graph();
  Vex3dSeries series[11] = {};
  Vex3dData points{};
  points.type = VEX3D_POINT;
  points.point.nseries = 11;
  points.point.series = series;
  Vex3dSetValues(graph.get(), VEX3D_SURFACE_DATA, &points, 0);
  auto **styles = static_cast<Vex3dDataStyle **>(get_pointer(graph.get(), VEX3D_DATA_STYLES));
  int count = 0;
  while (styles[count]) ++count;
  ASSERT_EQ(count, 11);
  // Series 8, 9 and 10 take the built-in rows 0, 1 and 2 again.
  EXPECT_EQ(styles[8]->symbol, Vex3dSymbolDot);
  EXPECT_EQ(styles[9]->line.color, 0x228B22);
  EXPECT_EQ(styles[10]->symbol_color, 0x00A5FF);
}

TEST(Batch, CallersDataStylesAreGrownWithBuiltIns) {
  GraphPtr graph = make_graph();
  Vex3dDataStyle mine{{Vex3dLpatDotted, 0x111111, 3}, Vex3dSymbolCircle, 0x222222, 9};
  Vex3dDataStyle *list[] = {&mine, nullptr};
  Vex3dSeries series[3] = {};
  Vex3dData points{};
  points.type = VEX3D_POINT;
  points.point.nseries = 3;
  points.point.series = series;
  Vex3dSetValues(graph.get(), VEX3D_DATA_STYLES, list, VEX3D_SURFACE_DATA, &points, 0);
  EXPECT_EQ(get_int(graph.get(), VEX3D_DATA_STYLES_USE_DEFAULT), 0);
  auto **styles = static_cast<Vex3dDataStyle **>(get_pointer(graph.get(), VEX3D_DATA_STYLES));
  EXPECT_EQ(styles[0]->symbol, Vex3dSymbolCircle);
  ASSERT_NE(styles[2], nullptr);
  EXPECT_EQ(styles[2]->symbol, Vex3dSymbolStar);
  EXPECT_EQ(styles[3], nullptr);

  Vex3dSetValues(graph.get(), VEX3D_DATA_STYLES_USE_DEFAULT, 1, 0);
  styles = static_cast<Vex3dDataStyle **>(get_pointer(graph.get(), VEX3D_DATA_STYLES));
  EXPECT_EQ(styles[0]->symbol, Vex3dSymbolDot) << "switching the default on drops the caller's styles";
}

TEST(Batch, NullGraphsAndTextsAreIgnored) {
  Vex3dSetValues(nullptr, VEX3D_DEBUG, 1, 0);
  Vex3dGetValues(nullptr, VEX3D_DEBUG, nullptr, 0);
  Vex3dTextSetValues(nullptr, VEX3D_TEXT_SHOW, 0, 0);
  Vex3dTextGetValues(nullptr, VEX3D_TEXT_SHOW, nullptr, 0);
  EXPECT_EQ(Vex3dSetValueString(nullptr, VEX3D_DEBUG, "1"), 0);
  char *text = nullptr;
  EXPECT_EQ(Vex3dGetValueString(nullptr, VEX3D_DEBUG, &text), 0);
  EXPECT_EQ(Vex3dCreateText(nullptr), nullptr);
  Vex3dDestroyText(nullptr);
  Vex3dDestroyGraph(nullptr);
  Vex3dRepaint(nullptr, 31);
  EXPECT_EQ(Vex3dAttachWindow(nullptr, nullptr), 0);
  EXPECT_EQ(Vex3dDetachWindow(nullptr), nullptr);
}

}  // namespace
