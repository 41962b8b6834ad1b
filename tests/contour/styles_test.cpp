// Contour styles: the default table, the style a level or zone takes, and
// reading, changing and resetting styles.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "ctable.h"
#include "levels_fixture.h"
#include "message_capture.h"

namespace {

using Styles = std::vector<Vex3dContourStyle>;

// A table whose fill colours are the styles' own positions.
Styles numbered_styles(int count) {
  Styles styles;
  for (int i = 0; i < count; ++i) styles.push_back(Vex3dContourStyle{i, 0, 1, Vex3dLpatSolid});
  return styles;
}

void set_styles(Vex3dGraph *graph, Styles &styles) {
  std::vector<Vex3dContourStyle *> list;
  for (Vex3dContourStyle &s : styles) list.push_back(&s);
  list.push_back(nullptr);
  Vex3dSetValues(graph, VEX3D_CONTOUR_STYLES, list.data(), 0);
}

int style_count(Vex3dGraph *graph) {
  auto **list = static_cast<Vex3dContourStyle **>(get_pointer(graph, VEX3D_CONTOUR_STYLES));
  int n = 0;
  while (list && list[n]) ++n;
  return n;
}

// Levels 1 ... n from a user table.
void use_levels(Vex3dGraph *graph, int n) {
  std::vector<double> levels;
  for (int i = 1; i <= n; ++i) levels.push_back(i);
  use_table(graph, levels);
}

TEST(DefaultStyles, RunFromBlueThroughCyanGreenAndYellowToRedWithBlackSolidLines) {
  GraphPtr graph = make_graph();
  ASSERT_EQ(style_count(graph.get()), 100);
  // Fills as 0xBBGGRR: red in the lowest byte.
  const struct {
    int index;
    int fill;
  } anchors[] = {{0, 0xFF0000}, {1, 0xFF0800}, {30, 0xFFFF00}, {41, 0x09FF00}, {71, 0x09FFFF}, {99, 0x090BFF}};
  for (const auto &a : anchors) EXPECT_EQ(get_cstyle(graph.get(), a.index, 0)->fill_color, a.fill) << a.index;
  for (int i = 0; i < 100; ++i) {
    const Vex3dContourStyle *s = get_cstyle(graph.get(), i, 0);
    EXPECT_EQ(s->line_color, 0) << i;
    EXPECT_EQ(s->line_width, 1) << i;
    EXPECT_EQ(s->line_pattern, Vex3dLpatSolid) << i;
  }
}

TEST(DefaultStyles, ReturnWhenTheTableIsEmptiedOrReset) {
  GraphPtr graph = make_graph();
  Styles one = numbered_styles(1);
  set_styles(graph.get(), one);
  ASSERT_EQ(style_count(graph.get()), 1);
  Styles none;
  set_styles(graph.get(), none);
  EXPECT_EQ(style_count(graph.get()), 100) << "an empty table gives the default styles";
  Vex3dSetValues(graph.get(), VEX3D_CONTOUR_STYLES, nullptr, 0);
  EXPECT_EQ(style_count(graph.get()), 100) << "so does no table";

  set_styles(graph.get(), one);
  const long paints = graph->paint_requests;
  Vex3dResetContourStyles(graph.get());
  EXPECT_EQ(style_count(graph.get()), 100);
  EXPECT_EQ(get_cstyle(graph.get(), 0, 0)->fill_color, 0xFF0000);
  EXPECT_EQ(graph->paint_requests, paints + 1) << "a reset redraws";
  EXPECT_EQ(graph->change_mask & VEX3D_CHANGE_ALL, VEX3D_CHANGE_ALL);
  Vex3dResetContourStyles(nullptr);
}

struct SpreadCase {
  const char *what;
  int styles, levels;
  std::vector<int> chosen;  // the style of each level or zone 0 ... levels
};

// floor((S - 1) k / n + 0.5), worked out by hand.
const SpreadCase kSpreads[] = {
    {"default table, 10 levels", 100, 10, {0, 10, 20, 30, 40, 50, 59, 69, 79, 89, 99}},
    {"default table, 4 levels: 74.25 rounds down, 49.5 up", 100, 4, {0, 25, 50, 74, 99}},
    {"one style serves every zone", 1, 3, {0, 0, 0, 0}},
    {"two styles split the zones", 2, 3, {0, 0, 1, 1}},
    {"more levels than styles repeat styles", 3, 10, {0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2}},
    {"more styles than levels skip styles", 7, 2, {0, 3, 6}},
    {"no levels: style 0", 5, 0, {0}},
};

void PrintTo(const SpreadCase &c, std::ostream *os) { *os << c.what; }

class StyleOfLevel : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(StyleOfLevel, SpreadsLevelsEvenlyOverTheTable) {
  const SpreadCase &c = GetParam();
  GraphPtr graph = make_graph();
  Styles styles = numbered_styles(c.styles);
  set_styles(graph.get(), styles);
  use_levels(graph.get(), c.levels);
  for (int k = 0; k <= c.levels; ++k) {
    const Vex3dContourStyle *s = get_cstyle(graph.get(), k, 1);
    ASSERT_NE(s, nullptr) << "zone " << k;
    EXPECT_EQ(s->fill_color, c.chosen[static_cast<std::size_t>(k)]) << "zone " << k;
    EXPECT_EQ(Vex3dLevelStyleIndex(graph.get(), k), c.chosen[static_cast<std::size_t>(k)]) << "zone " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, StyleOfLevel, ::testing::ValuesIn(kSpreads),
                         [](const auto &info) { return "case" + std::to_string(info.index); });

struct IndexCase {
  int index;
  int by_level;
  bool valid;
};

// Five styles, three levels: table positions 0 ... 4, levels and zones 0 ... 3.
const IndexCase kIndexes[] = {
    {0, 0, true},   {4, 0, true},   {5, 0, false},
    {-1, 0, false}, {0, 1, true},   {3, 1, true} /* the zone above the last level */,
    {4, 1, false},  {-1, 1, false},
};

TEST(GetAndSetStyle, RefuseIndexesOutsideTheTableOrTheZones) {
  GraphPtr graph = make_graph();
  Styles styles = numbered_styles(5);
  set_styles(graph.get(), styles);
  use_levels(graph.get(), 3);
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  const Vex3dContourStyle changed{0x123456, 0x654321, 3, Vex3dLpatDotted};
  for (const IndexCase &c : kIndexes) {
    SCOPED_TRACE(testing::Message() << "index " << c.index << " by level " << c.by_level);
    MessageCapture capture;
    const Vex3dContourStyle *got = get_cstyle(graph.get(), c.index, c.by_level);
    set_cstyle(graph.get(), c.index, &changed, c.by_level);
    if (c.by_level) {
      EXPECT_EQ(Vex3dLevelStyleIndex(graph.get(), c.index) >= 0, c.valid);
    }
    if (c.valid) {
      EXPECT_NE(got, nullptr);
      EXPECT_EQ(capture.all(), "");
      EXPECT_EQ(get_cstyle(graph.get(), c.index, c.by_level)->line_pattern, Vex3dLpatDotted);
      continue;
    }
    EXPECT_EQ(got, nullptr);
    const std::string index = std::to_string(c.index);
    EXPECT_EQ(capture.all(), "VEX/3d: Bad index " + index + " to get_cstyle.\n" +
                                 "        Attempt to get style failed.\n" + "VEX/3d: Bad index " + index +
                                 " to set_cstyle.\n" + "        Attempt to change style failed.\n");
  }
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(get_cstyle(graph.get(), i, 0)->line_color, i == 0 || i == 4 ? 0x654321 : 0) << i;
}

TEST(StyleText, IsTheStylesFileLineOrNothingForAPatternWithoutAName) {
  const Vex3dContourStyle named{0xFF0000, 0x000000, 1, Vex3dLpatSolid};
  const std::unique_ptr<char, decltype(&std::free)> text(Vex3dContourStyleText(&named), &std::free);
  ASSERT_NE(text, nullptr);
  EXPECT_STREQ(text.get(), "Blue Black 1 LpatSolid");
  const Vex3dContourStyle unnamed{0xFF0000, 0x000000, 1, 999};
  EXPECT_EQ(Vex3dContourStyleText(&unnamed), nullptr);
  EXPECT_EQ(Vex3dContourStyleText(nullptr), nullptr);
}

TEST(GetAndSetStyle, ReportOnlyWithDebugOn) {
  GraphPtr graph = make_graph();
  MessageCapture capture;
  EXPECT_EQ(get_cstyle(graph.get(), 100, 0), nullptr);
  set_cstyle(graph.get(), 0, nullptr, 0);
  EXPECT_EQ(capture.all(), "");
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  set_cstyle(graph.get(), 0, nullptr, 0);
  EXPECT_EQ(capture.all(), "VEX/3d: NULL cstyle passed to set_cstyle.\n        Attempt to change style failed.\n");
  EXPECT_EQ(get_cstyle(nullptr, 0, 0), nullptr);
}

TEST(GetAndSetStyle, GetGivesACopy) {
  GraphPtr graph = make_graph();
  Vex3dContourStyle *copy = get_cstyle(graph.get(), 0, 0);
  copy->fill_color = 0x00FF00;
  EXPECT_EQ(get_cstyle(graph.get(), 0, 0)->fill_color, 0xFF0000);
}

struct RedrawCase {
  const char *what;
  int draw_zones, draw_contours, project_zmin, project_zmax;
  Vex3dContourStyle change;  // applied to the default style 0: fill blue, black solid width 1
  bool redraws;
};

constexpr int kBlue = 0xFF0000;
const RedrawCase kRedraws[] = {
    {"a fill change shows on zones", 1, 0, 0, 0, {0x00FF00, 0, 1, Vex3dLpatSolid}, true},
    {"... on zones projected on the floor", 0, 0, Vex3dProjectZones, 0, {0x00FF00, 0, 1, Vex3dLpatSolid}, true},
    {"... or on the ceiling", 0, 0, 0, Vex3dProjectZones, {0x00FF00, 0, 1, Vex3dLpatSolid}, true},
    {"a fill change does not show on contour lines",
     0,
     1,
     Vex3dProjectContours,
     0,
     {0x00FF00, 0, 1, Vex3dLpatSolid},
     false},
    {"a line colour change shows on contour lines", 0, 1, 0, 0, {kBlue, 0xFF, 1, Vex3dLpatSolid}, true},
    {"a line width change shows on projected lines",
     0,
     0,
     Vex3dProjectContours,
     0,
     {kBlue, 0, 2, Vex3dLpatSolid},
     true},
    {"a pattern change shows on ceiling lines", 0, 0, 0, Vex3dProjectContours, {kBlue, 0, 1, Vex3dLpatDashDot}, true},
    {"a line change does not show on zones", 1, 0, Vex3dProjectZones, 0, {kBlue, 0, 3, Vex3dLpatSolid}, false},
    {"nothing drawn: no redraw", 0, 0, 0, 0, {0x00FF00, 0xFF, 2, Vex3dLpatNone}, false},
    {"the same fields: no redraw", 1, 1, 3, 3, {kBlue, 0, 1, Vex3dLpatSolid}, false},
};

TEST(SetStyle, RedrawsWhenTheChangeShows) {
  for (const RedrawCase &c : kRedraws) {
    SCOPED_TRACE(c.what);
    GraphPtr graph = make_graph();
    Vex3dSetValues(graph.get(), VEX3D_DRAW_ZONES, c.draw_zones, VEX3D_DRAW_CONTOURS, c.draw_contours,
                   VEX3D_PROJECT_ZMIN, c.project_zmin, VEX3D_PROJECT_ZMAX, c.project_zmax, 0);
    graph->change_mask = 0;
    const long paints = graph->paint_requests;
    set_cstyle(graph.get(), 0, &c.change, 0);
    const Vex3dContourStyle *now = get_cstyle(graph.get(), 0, 0);
    EXPECT_EQ(now->fill_color, c.change.fill_color) << "the fields are copied either way";
    EXPECT_EQ(now->line_color, c.change.line_color);
    EXPECT_EQ(now->line_width, c.change.line_width);
    EXPECT_EQ(now->line_pattern, c.change.line_pattern);
    EXPECT_EQ(graph->paint_requests - paints, c.redraws ? 1 : 0);
    EXPECT_EQ(graph->change_mask, c.redraws ? VEX3D_CHANGE_GRAPH | VEX3D_CHANGE_LEGEND : 0);
  }
}

TEST(SetStyle, TheTablesOwnRecordChangesNothing) {
  GraphPtr graph = make_graph();
  Vex3dSetValues(graph.get(), VEX3D_DRAW_ZONES, 1, 0);
  auto **held = static_cast<Vex3dContourStyle **>(get_pointer(graph.get(), VEX3D_CONTOUR_STYLES));
  held[3]->fill_color = 0x00FF00;  // edited behind the graph's back
  const long paints = graph->paint_requests;
  set_cstyle(graph.get(), 3, held[3], 0);
  EXPECT_EQ(graph->paint_requests, paints);
}

}  // namespace
