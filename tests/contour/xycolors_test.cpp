// Per-cell colours: lookups, assignment order and removal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "graph.h"
#include "graph_fixture.h"
#include "message_capture.h"
#include "xycolors.h"

namespace {

constexpr int kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kNone = -1;

struct Lookup {
  int x, y, color;
};

struct Step {
  const char *what;
  int x, y, color;  // the assignment made
  std::vector<Lookup> lookups;
};

// Each step's lookups follow from the rule: the last matching assignment
// wins, -1 matching every index.
const Step kSteps[] = {
    {"a single cell", 2, 3, kRed, {{2, 3, kRed}, {2, 4, kNone}, {3, 3, kNone}}},
    {"a whole row made later hides the cell", -1, 3, kBlue, {{2, 3, kBlue}, {5, 3, kBlue}, {2, 4, kNone}}},
    {"re-assigning the cell moves it last", 2, 3, kGreen, {{2, 3, kGreen}, {5, 3, kBlue}}},
    {"removing the cell uncovers the row", 2, 3, kNone, {{2, 3, kBlue}, {5, 3, kBlue}}},
    {"a whole column", 7, -1, kRed, {{7, 0, kRed}, {7, 3, kRed}, {6, 0, kNone}}},
    {"every cell", -1, -1, kGreen, {{0, 0, kGreen}, {7, 3, kGreen}, {1000, 1000, kGreen}}},
    {"removing a pair that has no assignment", 9, 9, kNone, {{9, 9, kGreen}}},
    {"removing every cell's assignment", -1, -1, kNone, {{0, 0, kNone}, {7, 0, kRed}, {1, 3, kBlue}}},
};

TEST(XYColors, LaterAssignmentsWin) {
  GraphPtr graph = make_graph();
  for (const Lookup &l : std::vector<Lookup>{{0, 0, kNone}, {-1, -1, kNone}})
    EXPECT_EQ(Vex3dGetXYColor(graph.get(), l.x, l.y), l.color) << "an empty list matches nothing";
  for (const Step &step : kSteps) {
    SCOPED_TRACE(step.what);
    Vex3dSetXYColor(graph.get(), step.x, step.y, step.color);
    for (const Lookup &l : step.lookups)
      EXPECT_EQ(Vex3dGetXYColor(graph.get(), l.x, l.y), l.color) << "(" << l.x << ", " << l.y << ")";
  }
}

TEST(XYColors, TheListKeepsOneAssignmentAPairInOrder) {
  GraphPtr graph = make_graph();
  Vex3dSetXYColor(graph.get(), 1, 1, kRed);
  Vex3dSetXYColor(graph.get(), 2, 2, kBlue);
  Vex3dSetXYColor(graph.get(), 1, 1, kGreen);
  auto **list = static_cast<Vex3dXYColor **>(get_pointer(graph.get(), VEX3D_XY_COLORS));
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list[0], nullptr);
  ASSERT_NE(list[1], nullptr);
  EXPECT_EQ(list[2], nullptr);
  EXPECT_EQ(list[0]->x, 2);
  EXPECT_EQ(list[0]->color, kBlue);
  EXPECT_EQ(list[1]->x, 1);
  EXPECT_EQ(list[1]->color, kGreen);
}

TEST(XYColors, AWholeListKeepsTheLastAssignmentOfAPairAndNoMinusOne) {
  GraphPtr graph = make_graph();
  Vex3dXYColor given[] = {{1, 1, kRed}, {-1, 3, kBlue}, {2, 3, kGreen}, {2, 3, kNone}, {4, 4, kGreen}, {1, 1, kBlue}};
  std::vector<Vex3dXYColor *> list;
  for (Vex3dXYColor &c : given) list.push_back(&c);
  list.push_back(nullptr);
  Vex3dSetValues(graph.get(), VEX3D_XY_COLORS, list.data(), 0);
  auto **held = static_cast<Vex3dXYColor **>(get_pointer(graph.get(), VEX3D_XY_COLORS));
  ASSERT_NE(held, nullptr);
  std::vector<std::vector<int>> kept;
  for (int i = 0; held[i]; ++i) kept.push_back({held[i]->x, held[i]->y, held[i]->color});
  EXPECT_EQ(kept, (std::vector<std::vector<int>>{{-1, 3, kBlue}, {4, 4, kGreen}, {1, 1, kBlue}}));
  EXPECT_EQ(Vex3dGetXYColor(graph.get(), 2, 3), kBlue) << "no colour for the cell: the row's shows";
}

TEST(XYColors, IndexesBelowMinusOneAreRefused) {
  GraphPtr graph = make_graph();
  Vex3dSetXYColor(graph.get(), -1, -1, kRed);
  MessageCapture capture;
  EXPECT_EQ(Vex3dGetXYColor(graph.get(), -2, 0), kNone);
  Vex3dSetXYColor(graph.get(), 0, -2, kBlue);
  EXPECT_EQ(capture.all(), "") << "quiet without DEBUG";
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  EXPECT_EQ(Vex3dGetXYColor(graph.get(), -2, 0), kNone);
  Vex3dSetXYColor(graph.get(), 0, -2, kBlue);
  EXPECT_EQ(capture.all(),
            "Vex3dGetXYColor: Negative x or y index not equal to -1\n"
            "Vex3dSetXYColor: Negative x or y index not equal to -1\n");
  EXPECT_EQ(Vex3dGetXYColor(graph.get(), 0, 0), kRed) << "the refused set changed nothing";
  EXPECT_EQ(Vex3dGetXYColor(nullptr, 0, 0), kNone);
  Vex3dSetXYColor(nullptr, 0, 0, kRed);
}

TEST(XYColors, ChangesRedrawTheChart) {
  GraphPtr graph = make_graph();
  graph->change_mask = 0;
  const long paints = graph->paint_requests;
  Vex3dSetXYColor(graph.get(), 4, 4, kNone);
  EXPECT_EQ(graph->paint_requests, paints) << "removing nothing changes nothing";
  Vex3dSetXYColor(graph.get(), 4, 4, kRed);
  EXPECT_EQ(graph->paint_requests, paints + 1);
  EXPECT_EQ(graph->change_mask, VEX3D_CHANGE_GRAPH);
  Vex3dSetXYColor(graph.get(), 4, 4, kNone);
  EXPECT_EQ(graph->paint_requests, paints + 2);
}

TEST(XYColors, FreeingAListFreesEveryAssignment) {
  auto **list = static_cast<Vex3dXYColor **>(std::malloc(3 * sizeof(Vex3dXYColor *)));
  for (int i = 0; i < 2; ++i) {
    list[i] = static_cast<Vex3dXYColor *>(std::malloc(sizeof(Vex3dXYColor)));
    *list[i] = Vex3dXYColor{i, i, kRed};
  }
  list[2] = nullptr;
  Vex3dFreeXYColors(list);  // the sanitizer build reports a leak or a double free
  Vex3dFreeXYColors(nullptr);
}

}  // namespace
