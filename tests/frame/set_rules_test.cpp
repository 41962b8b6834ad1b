// Validation, side effects and change bits of single settings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graph.h"
#include "graph_fixture.h"
#include "message_capture.h"
#include "set_resource.h"

namespace {

using vex3d::Value;

struct WordCase {
  const char *what;
  int id;
  int before;  // set first (when not kSkip) so that the case starts from a known value
  int value;
  int stored;
  int result;  // of set_resource
  int bits;    // change mask after the set
};
constexpr int kSkip = std::numeric_limits<int>::min();

const WordCase kWordCases[] = {
    {"levels above range clamp to 100", VEX3D_NUM_DISTN_LEVELS, kSkip, 500, 100, 1, 31},
    {"levels below range clamp to 0", VEX3D_NUM_DISTN_LEVELS, kSkip, -3, 0, 1, 31},
    {"stroke size above range becomes 80", VEX3D_AXIS_STROKE_SIZE, 200, 5000, 80, 1, 1},
    {"stroke size below range becomes 1", VEX3D_AXIS_STROKE_SIZE, kSkip, 0, 1, 1, 1},
    {"stroke size clamping to the stored value changes nothing", VEX3D_AXIS_STROKE_SIZE, kSkip, 5000, 80, 0, 0},
    {"border width clamps to 20", VEX3D_BORDER_WIDTH, kSkip, 25, 20, 1, 31},
    {"header border width adds the header bit", VEX3D_HEADER_BORDER_WIDTH, kSkip, 5, 5, 1, 2},
    {"negative chart width becomes positive", VEX3D_GRAPH_WIDTH, kSkip, -300, 300, 1, 1},
    {"negative smallest int does not overflow", VEX3D_GRAPH_HEIGHT, kSkip, std::numeric_limits<int>::min(),
     std::numeric_limits<int>::max(), 1, 1},
    {"computed sizes are read-only", VEX3D_HEADER_WIDTH, kSkip, 50, 0, 0, 0},
    {"a chart type outside the list is ignored", VEX3D_TYPE, kSkip, 7, Vex3dTypeSurface, 0, 0},
    {"a chart type in the list is taken", VEX3D_TYPE, kSkip, Vex3dTypeBar, Vex3dTypeBar, 1, 31},
    {"z axis has no data labels", VEX3D_ZANNO_METHOD, Vex3dAnnoValueLabels, Vex3dAnnoDataLabels, Vex3dAnnoValues, 1, 1},
    {"x axis has data labels", VEX3D_XANNO_METHOD, kSkip, Vex3dAnnoDataLabels, Vex3dAnnoDataLabels, 1, 1},
    {"projections keep two bits", VEX3D_PROJECT_ZMIN, kSkip, 7, 3, 1, 9},
    {"grid planes keep three bits", VEX3D_XGRID_LINES, kSkip, 15, 7, 1, 1},
    {"negative mesh filter becomes 0", VEX3D_XMESH_FILTER, kSkip, -5, 0, 1, 1},
    {"inherited foreground is black", VEX3D_FOREGROUND_COLOR, 0x0000FF, COLOR_UNSET, 0, 1, 31},
    {"inherited background is white", VEX3D_BACKGROUND_COLOR, 0x00FF00, COLOR_UNSET, 0xFFFFFF, 1, 31},
    {"inherited surface top is light gray", VEX3D_SURFACE_TOP_COLOR, 0, COLOR_UNSET, 0xD3D3D3, 1, 1},
    {"legend background may inherit", VEX3D_LEGEND_BACKGROUND_COLOR, 0x123456, COLOR_UNSET, COLOR_UNSET, 1, 8},
    {"preview method is stored without a redraw", VEX3D_PREVIEW_METHOD, kSkip, Vex3dPreviewFull, Vex3dPreviewFull, 0,
     0},
    {"legend switch redraws the legend", VEX3D_LEGEND_SHOW, kSkip, 0, 0, 1, 8},
    {"drop lines redraw chart, legend and data", VEX3D_DRAW_DROP_LINES, kSkip, 1, 1, 1, 25},
    {"the same value twice changes nothing", VEX3D_DRAW_MESH, kSkip, 1, 1, 0, 0},
    {"a Boolean keeps the word it was given", VEX3D_DRAW_SHADED, kSkip, 5, 5, 1, 31},
    {"switching a bound's default off adds nothing", VEX3D_ZMIN_USE_DEFAULT, kSkip, 0, 0, 0, 0},
    {"switching a bound's default on redraws", VEX3D_ZMIN_USE_DEFAULT, 0, 1, 1, 1, 25},
    {"data styles cannot leave their default without styles", VEX3D_DATA_STYLES_USE_DEFAULT, kSkip, 0, 1, 0, 0},
};

void PrintTo(const WordCase &c, std::ostream *os) { *os << c.what; }

class WordRules : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordRules, ValidatesStoresAndMarks) {
  const WordCase &c = GetParam();
  SCOPED_TRACE(c.what);
  GraphPtr graph = make_graph();
  MessageCapture quiet;
  if (c.before != kSkip) vex3d::set_resource(graph.get(), c.id, Value::word(c.before));
  graph->change_mask = 0;
  EXPECT_EQ(vex3d::set_resource(graph.get(), c.id, Value::word(c.value)), c.result);
  graph->layout_valid = 1;  // the value as the rule stored it, before a layout uses it
  EXPECT_EQ(get_int(graph.get(), c.id), c.stored);
  EXPECT_EQ(graph->change_mask, c.bits);
}

INSTANTIATE_TEST_SUITE_P(Frame, WordRules, ::testing::ValuesIn(kWordCases),
                         [](const auto &info) { return "case" + std::to_string(info.index); });

struct DoubleCase {
  const char *what;
  int id;
  double value;
  double stored;
  int result;
};

const DoubleCase kDoubleCases[] = {
    {"perspective below 1 is refused", VEX3D_PERSPECTIVE_DEPTH, 0.5, 2.5, 0},
    {"perspective of 1 is taken", VEX3D_PERSPECTIVE_DEPTH, 1.0, 1.0, 1},
    {"a zero scale is refused", VEX3D_XSCALE, 0.0, 1.0, 0},
    {"a negative scale is refused", VEX3D_YSCALE, -2.0, 1.0, 0},
    {"a positive scale is taken", VEX3D_ZSCALE, 3.0, 3.0, 1},
    {"bar spacing above 100 clamps", VEX3D_XBAR_SPACING, 150.0, 100.0, 1},
    {"bar spacing below 0 clamps", VEX3D_YBAR_SPACING, -5.0, 0.0, 1},
    {"view scale above 30 is refused", VEX3D_VIEW_SCALE, 31.0, 1.0, 0},
    {"view scale below 1/30 is refused", VEX3D_VIEW_SCALE, 1.0 / 31.0, 1.0, 0},
    {"view scale of 30 is taken", VEX3D_VIEW_SCALE, 30.0, 30.0, 1},
    {"view scale of 1/30 is taken", VEX3D_VIEW_SCALE, 1.0 / 30.0, 1.0 / 30.0, 1},
    {"NaN rotation is refused", VEX3D_XROTATION, std::nan(""), 45.0, 0},
    {"infinite shift is refused", VEX3D_VIEW_XTRANSLATE, std::numeric_limits<double>::infinity(), 0.0, 0},
    {"rotations are free", VEX3D_ZROTATION, -1e9, -1e9, 1},
};

void PrintTo(const DoubleCase &c, std::ostream *os) { *os << c.what; }

class DoubleRules : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DoubleRules, ValidatesAndStores) {
  const DoubleCase &c = GetParam();
  SCOPED_TRACE(c.what);
  GraphPtr graph = make_graph();
  graph->change_mask = 0;
  EXPECT_EQ(vex3d::set_resource(graph.get(), c.id, Value::real(c.value)), c.result);
  EXPECT_EQ(get_double(graph.get(), c.id), c.stored);
  EXPECT_EQ(graph->change_mask != 0, c.result == 1);
}

INSTANTIATE_TEST_SUITE_P(Frame, DoubleRules, ::testing::ValuesIn(kDoubleCases),
                         [](const auto &info) { return "case" + std::to_string(info.index); });

TEST(SetRules, OutOfRangeWarnsOnlyWithDebug) {
  GraphPtr graph = make_graph();
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_NUM_DISTN_LEVELS, 500, 0);
  EXPECT_TRUE(capture.messages().empty());
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, VEX3D_AXIS_STROKE_SIZE, 0, 0);
  EXPECT_EQ(capture.all(), "Illegal stroke font size must be between 1 and 1000");
}

TEST(SetRules, BoundsClearTheirDefaultUnlessUnset) {
  GraphPtr graph = make_graph();
  Vex3dSetValues(graph.get(), VEX3D_ZMIN, 5.0, 0);
  EXPECT_EQ(get_double(graph.get(), VEX3D_ZMIN), 5.0);
  EXPECT_EQ(get_int(graph.get(), VEX3D_ZMIN_USE_DEFAULT), 0);
  EXPECT_EQ(graph->paint_requests, 1);

  Vex3dSetValues(graph.get(), VEX3D_ZMAX_USE_DEFAULT, 1, VEX3D_ZMAX, VALUE_UNSET, 0);
  EXPECT_EQ(get_int(graph.get(), VEX3D_ZMAX_USE_DEFAULT), 1);
  Vex3dSetValues(graph.get(), VEX3D_ZMIN, VALUE_UNSET, 0);
  EXPECT_EQ(get_double(graph.get(), VEX3D_ZMIN), VALUE_UNSET);
  EXPECT_EQ(get_int(graph.get(), VEX3D_ZMIN_USE_DEFAULT), 0) << "an unset bound leaves its flag as it was";
}

TEST(SetRules, PositionsClearTheirUseDefaultFlag) {
  GraphPtr graph = make_graph();
  Vex3dSetValues(graph.get(), VEX3D_LEGEND_X, 40, VEX3D_GRAPH_WIDTH, 200, 0);
  EXPECT_EQ(get_int(graph.get(), VEX3D_LEGEND_X_USE_DEFAULT), 0);
  EXPECT_EQ(get_int(graph.get(), VEX3D_LEGEND_Y_USE_DEFAULT), 1);
  EXPECT_EQ(get_int(graph.get(), VEX3D_GRAPH_WIDTH_USE_DEFAULT), 0);
}

TEST(SetRules, GridLineStylesFollowTheForegroundWhileDefault) {
  GraphPtr graph = make_graph();
  auto style = [&](int id) { return *static_cast<Vex3dLineStyle *>(get_pointer(graph.get(), id)); };
  Vex3dLineStyle mine{Vex3dLpatDotted, 0x00FF00, 2};
  Vex3dSetValues(graph.get(), VEX3D_YGRID_LINE_STYLE, &mine, VEX3D_FOREGROUND_COLOR, 0x0000FF, 0);
  EXPECT_EQ(style(VEX3D_XGRID_LINE_STYLE).color, 0x0000FF);
  EXPECT_EQ(style(VEX3D_YGRID_LINE_STYLE).color, 0x00FF00) << "a style set by the caller stays";
  EXPECT_EQ(get_int(graph.get(), VEX3D_YGRID_LINE_STYLE_USE_DEFAULT), 0);

  Vex3dSetValues(graph.get(), VEX3D_GRAPH_FOREGROUND_COLOR, 0x112233, 0);
  EXPECT_EQ(style(VEX3D_ZGRID_LINE_STYLE).color, 0x112233) << "the chart area's foreground wins when set";
  Vex3dSetValues(graph.get(), VEX3D_FOREGROUND_COLOR, 0x445566, 0);
  EXPECT_EQ(style(VEX3D_ZGRID_LINE_STYLE).color, 0x112233);

  Vex3dSetValues(graph.get(), VEX3D_YGRID_LINE_STYLE_USE_DEFAULT, 1, 0);
  const Vex3dLineStyle restored = style(VEX3D_YGRID_LINE_STYLE);
  EXPECT_EQ(restored.pattern, Vex3dLpatSolid);
  EXPECT_EQ(restored.width, 1);
  EXPECT_EQ(restored.color, 0x112233);
}

TEST(SetRules, ChangedBackgroundResetsItsDeviceCache) {
  GraphPtr graph = make_graph();
  graph->legend_background.device[0] = 7;
  graph->legend_background.device[1] = 9;
  Vex3dSetValues(graph.get(), VEX3D_LEGEND_BACKGROUND_COLOR, 0x00FFFF, 0);
  EXPECT_EQ(graph->legend_background.device[0], -1);
  EXPECT_EQ(graph->legend_background.device[1], -1);
}

TEST(SetRules, DistnTableIsCheckedSortedAndDeduplicated) {
  GraphPtr graph = make_graph();
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  Vex3dDistnTable corrupt{3, nullptr};
  graph->change_mask = 0;
  EXPECT_EQ(vex3d::set_resource(graph.get(), VEX3D_DISTN_TABLE, Value::pointer(&corrupt)), 0);
  EXPECT_EQ(capture.all(), "Corrupted distn table: Not changed");
  EXPECT_EQ(get_pointer(graph.get(), VEX3D_DISTN_TABLE), nullptr);

  double levels[] = {3, 1, 3, 2, std::nan("")};
  Vex3dDistnTable table{5, levels};
  EXPECT_EQ(vex3d::set_resource(graph.get(), VEX3D_DISTN_TABLE, Value::pointer(&table)), 1);
  const auto *held = static_cast<Vex3dDistnTable *>(get_pointer(graph.get(), VEX3D_DISTN_TABLE));
  ASSERT_NE(held, nullptr);
  ASSERT_EQ(held->nlevels, 3);
  EXPECT_EQ(held->levels[0], 1);
  EXPECT_EQ(held->levels[1], 2);
  EXPECT_EQ(held->levels[2], 3);
  EXPECT_NE(held->levels, levels) << "the graph keeps a copy";

  Vex3dDistnTable empty{0, nullptr};
  EXPECT_EQ(vex3d::set_resource(graph.get(), VEX3D_DISTN_TABLE, Value::pointer(&empty)), 1);
  held = static_cast<Vex3dDistnTable *>(get_pointer(graph.get(), VEX3D_DISTN_TABLE));
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(held->nlevels, 0);
  EXPECT_NE(held->levels, nullptr) << "the array always has room for one level";
  EXPECT_EQ(vex3d::set_resource(graph.get(), VEX3D_DISTN_TABLE, Value::pointer(nullptr)), 1);
  EXPECT_EQ(get_pointer(graph.get(), VEX3D_DISTN_TABLE), nullptr);
}

TEST(SetRules, EffectiveLevelsFollowMethodAndTable) {
  GraphPtr graph = make_graph();
  EXPECT_EQ(graph->effective_levels, 10);
  double levels[] = {1, 2, 3};
  Vex3dDistnTable table{3, levels};
  Vex3dSetValues(graph.get(), VEX3D_DISTN_TABLE, &table, VEX3D_NUM_DISTN_LEVELS, 4, 0);
  EXPECT_EQ(graph->effective_levels, 4) << "the table counts only with DistnFromTable";
  Vex3dSetValues(graph.get(), VEX3D_DISTN_METHOD, Vex3dDistnFromTable, 0);
  EXPECT_EQ(graph->effective_levels, 3);
}

TEST(SetRules, XYColorsKeepOnlyTheLastAssignmentOfACell) {
  GraphPtr graph = make_graph();
  Vex3dXYColor a{1, 1, 0x0000FF}, b{2, 2, 0xFF0000}, c{1, 1, 0x00FF00};
  Vex3dXYColor *list[] = {&a, &b, &c, nullptr};
  Vex3dSetValues(graph.get(), VEX3D_XY_COLORS, list, 0);
  auto **held = static_cast<Vex3dXYColor **>(get_pointer(graph.get(), VEX3D_XY_COLORS));
  ASSERT_NE(held, nullptr);
  ASSERT_NE(held[0], nullptr);
  EXPECT_EQ(held[0]->color, 0xFF0000);
  ASSERT_NE(held[1], nullptr);
  EXPECT_EQ(held[1]->color, 0x00FF00);
  EXPECT_EQ(held[2], nullptr);
}

TEST(SetRules, ListsAreCopiedAndTextsComparedByContent) {
  GraphPtr graph = make_graph();
  char title[] = "Height";
  Vex3dSetValues(graph.get(), VEX3D_ZAXIS_TITLE, title, 0);
  title[0] = 'W';
  EXPECT_STREQ(static_cast<char *>(get_pointer(graph.get(), VEX3D_ZAXIS_TITLE)), "Height");
  graph->change_mask = 0;
  EXPECT_EQ(vex3d::set_resource(graph.get(), VEX3D_ZAXIS_TITLE, Value::pointer("Height")), 0);

  const char *lines[] = {"first", "second", nullptr};
  Vex3dSetValues(graph.get(), VEX3D_HEADER_STRINGS, lines, 0);
  auto **held = static_cast<char **>(get_pointer(graph.get(), VEX3D_HEADER_STRINGS));
  ASSERT_NE(held, nullptr);
  EXPECT_NE(held, const_cast<char **>(lines));
  EXPECT_STREQ(held[1], "second");
  EXPECT_EQ(held[2], nullptr);
  // Handing the graph its own copy back changes nothing and frees nothing.
  EXPECT_EQ(vex3d::set_resource(graph.get(), VEX3D_HEADER_STRINGS, Value::pointer(held)), 0);
  EXPECT_STREQ(held[0], "first");
}

TEST(SetRules, ObsoleteAndUnknownResourcesAreRefused) {
  GraphPtr graph = make_graph();
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, 0);
  EXPECT_EQ(vex3d::set_resource(graph.get(), VEX3D_IMAGE_OBSOLETE, Value::pointer("x.bmp")), -1);
  EXPECT_EQ(vex3d::set_resource(graph.get(), 0x117, Value::word(1)), -1);
  EXPECT_EQ(capture.messages().size(), 2u);
  EXPECT_EQ(capture.messages()[0], "Error in set_resource: Unknown resource");
  EXPECT_EQ(vex3d::set_resource(graph.get(), VEX3D_TEXT_SHOW, Value::word(0)), 0) << "text resources are ignored";
}

TEST(SetRules, FontsAreCopiedIntoTheGraphsOwnFont) {
  GraphPtr graph = make_graph();
  Vex3dFont *font = Vex3dCreateFont("Courier New,20,Bold");
  Vex3dSetValues(graph.get(), VEX3D_LEGEND_FONT, font, 0);
  auto *held = static_cast<Vex3dFont *>(get_pointer(graph.get(), VEX3D_LEGEND_FONT));
  EXPECT_NE(held, font);
  EXPECT_EQ(Vex3dFontDescription(held)->weight, 700);
  Vex3dDestroyFont(font);
  EXPECT_EQ(Vex3dFontDescription(held)->weight, 700) << "the graph's font outlives the caller's";
  graph->change_mask = 0;
  Vex3dSetValues(graph.get(), VEX3D_LEGEND_FONT, nullptr, 0);
  EXPECT_EQ(graph->change_mask, 0) << "a null font changes nothing";
}

}  // namespace
