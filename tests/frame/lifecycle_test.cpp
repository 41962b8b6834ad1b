// Creating graphs with every default, windows, repaints and traces.
#include <gtest/gtest.h>

#include <cstdio>

#include "graph.h"
#include "graph_fixture.h"
#include "headless_window.h"
#include "message_capture.h"

namespace {

TEST(Lifecycle, NewGraphHasTheDefaults) {
  GraphPtr graph = make_graph();
  ASSERT_NE(graph, nullptr);
  Vex3dGraph *g = graph.get();
  EXPECT_EQ(g->graph_x, POSITION_UNSET);  // reading a resource lays the page out first
  EXPECT_EQ(get_int(g, VEX3D_DRAW_MESH), 1);
  EXPECT_EQ(get_int(g, VEX3D_BACKGROUND_COLOR), 0xFFFFFF);
  EXPECT_EQ(get_int(g, VEX3D_GRAPH_FOREGROUND_COLOR), COLOR_UNSET);
  EXPECT_EQ(get_int(g, VEX3D_SURFACE_BOTTOM_COLOR), 0x707070);
  EXPECT_EQ(get_int(g, VEX3D_LEGEND_ANCHOR), Vex3dAnchorEast);
  EXPECT_EQ(get_int(g, VEX3D_LEGEND_STYLE), Vex3dLegendStyleContinuous);
  EXPECT_EQ(get_double(g, VEX3D_PERSPECTIVE_DEPTH), 2.5);
  EXPECT_EQ(get_double(g, VEX3D_XROTATION), 45.0);
  EXPECT_EQ(get_double(g, VEX3D_ZMAX), VALUE_UNSET);
  EXPECT_EQ(get_double(g, VEX3D_XBAR_SPACING), 80.0);
  EXPECT_EQ(get_int(g, VEX3D_ZMIN_USE_DEFAULT), 1);
  EXPECT_EQ(get_pointer(g, VEX3D_SURFACE_DATA), nullptr);
  EXPECT_EQ(get_pointer(g, VEX3D_NAME), nullptr);
  auto *grid = static_cast<Vex3dLineStyle *>(get_pointer(g, VEX3D_ZGRID_LINE_STYLE));
  EXPECT_EQ(grid->pattern, Vex3dLpatSolid);
  EXPECT_EQ(grid->color, 0);
  EXPECT_EQ(grid->width, 1);
  for (int font : {VEX3D_HEADER_FONT, VEX3D_FOOTER_FONT, VEX3D_LEGEND_FONT, VEX3D_AXIS_FONT, VEX3D_AXIS_TITLE_FONT}) {
    auto *f = static_cast<Vex3dFont *>(get_pointer(g, font));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Vex3dFontDescription(f)->face, realized_face("Arial"));
    EXPECT_EQ(Vex3dFontDescription(f)->height, -16);
  }
  auto **styles = static_cast<Vex3dDataStyle **>(get_pointer(g, VEX3D_DATA_STYLES));
  int count = 0;
  while (styles[count]) ++count;
  EXPECT_EQ(count, 8);
  EXPECT_EQ(styles[0]->line.color, 0x507FFF);
  EXPECT_EQ(styles[7]->symbol, Vex3dSymbolInvertTri);
  EXPECT_EQ(g->x.normalized_scale, 1.0);
}

TEST(Lifecycle, NormalisedScalesKeepTheLargestAtOne) {
  GraphPtr graph = make_graph();
  Vex3dSetValues(graph.get(), VEX3D_XSCALE, 2.0, VEX3D_ZSCALE, 4.0, 0);
  EXPECT_EQ(graph->x.normalized_scale, 0.5);
  EXPECT_EQ(graph->y.normalized_scale, 0.25);
  EXPECT_EQ(graph->z.normalized_scale, 1.0);
  // A flat map fits x and y alone and keeps z at 1.
  Vex3dSetValues(graph.get(), VEX3D_DRAW_MESH, 0, 0);
  EXPECT_EQ(graph->x.normalized_scale, 1.0);
  EXPECT_EQ(graph->y.normalized_scale, 0.5);
  EXPECT_EQ(graph->z.normalized_scale, 1.0);
}

TEST(Lifecycle, TracesCreationAndDestruction) {
  MessageCapture capture;
  Vex3dGraph *graph = Vex3dCreateGraph();
  char expected[128];
  std::snprintf(expected, sizeof expected, "Creating Torvane Chart 3D graph %ld.\n", reinterpret_cast<long>(graph));
  ASSERT_EQ(capture.messages().size(), 1u);
  EXPECT_EQ(capture.messages()[0], expected);
  Vex3dDestroyGraph(graph);
  std::snprintf(expected, sizeof expected, "Destroying Torvane Chart 3D graph %ld attached to window 0.\n",
                reinterpret_cast<long>(graph));
  EXPECT_EQ(capture.messages().back(), expected);
}

TEST(Lifecycle, AttachingAnUntitledWindowNamesTheGraph) {
  GraphPtr graph = make_graph();
  vex3d::HeadlessWindow headless(10, 10);
  Vex3dWindow *window = &headless;
  EXPECT_EQ(Vex3dAttachWindow(graph.get(), nullptr), 0);
  ASSERT_EQ(Vex3dAttachWindow(graph.get(), window), 1);
  const char *name = static_cast<const char *>(get_pointer(graph.get(), VEX3D_NAME));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(std::string(name).rfind("Vex3d", 0), 0u);
  EXPECT_EQ(Vex3dDetachWindow(graph.get()), window);
  EXPECT_EQ(Vex3dDetachWindow(graph.get()), nullptr);
}

TEST(Lifecycle, RepaintAccumulatesTheMask) {
  GraphPtr graph = make_graph();
  graph->change_mask = 0;
  Vex3dSetValues(graph.get(), VEX3D_REPAINT, 0, 0);
  Vex3dRepaint(graph.get(), 2);
  Vex3dRepaint(graph.get(), 8);
  EXPECT_EQ(graph->change_mask, 2 | 8);
  EXPECT_EQ(graph->paint_requests, 0);
}

}  // namespace
