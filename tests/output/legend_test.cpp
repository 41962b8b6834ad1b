// The legend: its kind, entries, label formats and texts for computed and
// user levels, the label escapes, the grid it grows into, bad sizes, and the
// partial redraw of a moved legend.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data.h"
#include "graph.h"
#include "graph_fixture.h"
#include "legend_entries.h"
#include "output_state.h"
#include "page.h"
#include "page_drawing.h"
#include "recording_context.h"
#include "w_render.h"

namespace {

using vex3d::LegendContent;
using vex3d::LegendKind;
using vex3d::platform::NullContext;
using vex3d::platform::Primitive;
using vex3d::platform::RecordingContext;

// A 5 x 5 grid whose values run from `low` to `high`.
DataPtr ramp(double low, double high) {
  DataPtr data(Vex3dDataCreateGrid(5, 5, 1e308, 1, 1, 0, 0, 1));
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j) data->grid.values[i][j] = low + (high - low) * (i * 5 + j) / 24.0;
  return data;
}

struct Legend {
  DataPtr data = ramp(0, 1);
  GraphPtr graph = make_graph();
  Vex3dGraph *g = graph.get();
  NullContext screen;
  std::optional<vex3d::CurrentContextScope> current;  // after the values are set
  Legend(int width = 800, int height = 600) {
    Vex3dSetValues(g, VEX3D_REPAINT, 0, VEX3D_WIDTH, width, VEX3D_HEIGHT, height, VEX3D_SURFACE_DATA, data.get(),
                   VEX3D_DRAW_ZONES, 1, VEX3D_DRAW_SHADED, 1, VEX3D_LEGEND_STYLE, Vex3dLegendStyleStepped,
                   VEX3D_NUM_DISTN_LEVELS, 10, 0);
    current.emplace(g, &screen);
    vex3d::prepare_context(g);
  }
  const LegendContent &content() {
    vex3d::lay_out_page(g);
    return vex3d::output_state(g).page.legend;
  }
  std::vector<std::string> labels() {
    std::vector<std::string> out;
    for (const auto &e : content().entries) out.push_back(e.label);
    return out;
  }
};

struct KindCase {
  const char *name;
  int zones, mesh, shaded, contours, project_zmin, type, style, orientation;
  LegendKind kind;
};

const KindCase kKinds[] = {
    {"stepped zones", 1, 1, 1, 0, 0, Vex3dTypeSurface, Vex3dLegendStyleStepped, Vex3dAlignVertical,
     LegendKind::kSteppedZones},
    {"projected zones alone", 0, 1, 0, 0, Vex3dProjectZones, Vex3dTypeSurface, Vex3dLegendStyleStepped,
     Vex3dAlignVertical, LegendKind::kSteppedZones},
    {"zones on a mesh", 1, 1, 0, 1, 0, Vex3dTypeSurface, Vex3dLegendStyleStepped, Vex3dAlignVertical,
     LegendKind::kMeshZones},
    {"zones on a mesh with projected zones", 1, 1, 0, 0, Vex3dProjectZones, Vex3dTypeSurface,
     Vex3dLegendStyleContinuous, Vex3dAlignVertical, LegendKind::kContinuousVertical},
    {"contours alone", 0, 1, 0, 1, 0, Vex3dTypeSurface, Vex3dLegendStyleStepped, Vex3dAlignVertical,
     LegendKind::kContours},
    {"projected contours", 0, 1, 1, 0, Vex3dProjectContours, Vex3dTypeSurface, Vex3dLegendStyleStepped,
     Vex3dAlignVertical, LegendKind::kContours},
    {"continuous horizontal", 1, 0, 1, 0, 0, Vex3dTypeSurface, Vex3dLegendStyleContinuous, Vex3dAlignHorizontal,
     LegendKind::kContinuousHorizontal},
    {"continuous vertical", 1, 0, 1, 0, 0, Vex3dTypeSurface, Vex3dLegendStyleContinuous, Vex3dAlignVertical,
     LegendKind::kContinuousVertical},
    {"mesh alone", 0, 1, 0, 0, 0, Vex3dTypeSurface, Vex3dLegendStyleStepped, Vex3dAlignVertical, LegendKind::kNone},
    {"projections count only on surfaces", 0, 0, 1, 0, Vex3dProjectZones, Vex3dTypeBar, Vex3dLegendStyleStepped,
     Vex3dAlignVertical, LegendKind::kNone},
    {"scatter", 0, 1, 0, 0, 0, Vex3dTypeScatter, Vex3dLegendStyleStepped, Vex3dAlignVertical, LegendKind::kSeries},
};

TEST(LegendKind, FollowsWhatTheChartShows) {
  for (const KindCase &c : kKinds) {
    Legend l;
    Vex3dSetValues(l.g, VEX3D_DRAW_ZONES, c.zones, VEX3D_DRAW_MESH, c.mesh, VEX3D_DRAW_SHADED, c.shaded,
                   VEX3D_DRAW_CONTOURS, c.contours, VEX3D_PROJECT_ZMIN, c.project_zmin, VEX3D_TYPE, c.type,
                   VEX3D_LEGEND_STYLE, c.style, VEX3D_LEGEND_ORIENTATION, c.orientation, 0);
    EXPECT_EQ(vex3d::legend_kind(l.g), c.kind) << c.name;
  }
}

TEST(LegendKind, NoneWithoutDataOrWhenSwitchedOffHasNoSize) {
  Legend l;
  Vex3dSetValues(l.g, VEX3D_LEGEND_SHOW, 0, 0);
  EXPECT_EQ(l.content().kind, LegendKind::kNone);
  EXPECT_EQ(l.g->legend_rect.width, 0);
  EXPECT_EQ(l.g->legend_rect.height, 0);
  Vex3dSetValues(l.g, VEX3D_LEGEND_SHOW, 1, VEX3D_DRAW_ZONES, 0, VEX3D_DRAW_SHADED, 0, 0);  // the mesh alone
  EXPECT_EQ(l.content().kind, LegendKind::kNone);
  EXPECT_EQ(l.g->legend_rect.height, 0);
  Vex3dSetValues(l.g, VEX3D_DRAW_ZONES, 1, VEX3D_SURFACE_DATA, nullptr, 0);
  EXPECT_EQ(l.content().kind, LegendKind::kNone);
}

TEST(LegendEntries, TenComputedLevelsInTheUnitRangeGiveElevenRangesWithThreeDecimals) {
  Legend l;
  EXPECT_EQ(vex3d::legend_label_format(l.g), "%.3lf");  // the step 1/11 has 2 places, plus one
  const std::vector<std::string> labels = l.labels();
  ASSERT_EQ(labels.size(), 11u);
  const auto &entries = l.content().entries;
  EXPECT_EQ(entries.front().lo, 0.0);
  EXPECT_EQ(entries.back().hi, 1.0);
  for (std::size_t i = 1; i < entries.size(); ++i) EXPECT_EQ(entries[i].lo, entries[i - 1].hi);
  char expected[64];
  std::snprintf(expected, sizeof expected, "\\r%.3f\\c .. \\r%.3f", entries[0].lo, entries[0].hi);
  EXPECT_EQ(labels.front(), expected);
  EXPECT_EQ(labels.back().substr(labels.back().size() - 7), "\\r1.000");
  EXPECT_EQ(l.content().labelled, 11);
}

TEST(LegendEntries, LabelTextsOfEachKind) {
  Legend l;
  Vex3dSetValues(l.g, VEX3D_NUM_DISTN_LEVELS, 1, 0);  // one level: 0.5
  struct Case {
    int style, orientation, zones, contours;
    std::vector<std::string> labels;
  } cases[] = {
      {Vex3dLegendStyleStepped, Vex3dAlignVertical, 1, 0, {"\\r0.00\\c .. \\r0.50", "\\r0.50\\c .. \\r1.00"}},
      {Vex3dLegendStyleContinuous, Vex3dAlignVertical, 1, 0, {"\\r0.00", "\\r0.50", "\\r1.00"}},
      {Vex3dLegendStyleContinuous, Vex3dAlignHorizontal, 1, 0, {"\\c0.00", "\\c0.50", "\\c1.00"}},
  };
  for (const Case &c : cases) {
    Vex3dSetValues(l.g, VEX3D_LEGEND_STYLE, c.style, VEX3D_LEGEND_ORIENTATION, c.orientation, 0);
    EXPECT_EQ(l.labels(), c.labels) << c.style << " " << c.orientation;
  }
}

TEST(LegendEntries, TheFilterListsEverySecondLevelWithTheMiddleZone) {
  Legend l;
  Vex3dSetValues(l.g, VEX3D_LEGEND_LABEL_FILTER, 2, 0);
  const auto &entries = l.content().entries;
  // Levels 0, 2, 4, 6, 8 and the maximum.
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[0].zone, 0);  // below level 0
  EXPECT_EQ(entries[1].zone, 1);  // zones 1 and 2 lie between levels 0 and 2: the middle is (1 + 2) / 2
  EXPECT_EQ(entries[5].zone, 9);  // zones 9 and 10 above level 8
  Vex3dSetValues(l.g, VEX3D_LEGEND_LABEL_FILTER, 0, 0);
  EXPECT_EQ(l.content().entries.size(), 11u);
  EXPECT_EQ(get_int(l.g, VEX3D_LEGEND_LABEL_FILTER), 1) << "a filter of 0 is stored back as 1";
}

TEST(LegendEntries, UserTableFormatAndRange) {
  Legend l;
  Vex3dDistnTable table;
  double levels[] = {0.25, 0.5, 0.75};
  table.nlevels = 3;
  table.levels = levels;
  Vex3dSetValues(l.g, VEX3D_DISTN_METHOD, Vex3dDistnFromTable, VEX3D_DISTN_TABLE, &table, 0);
  EXPECT_EQ(vex3d::legend_label_format(l.g), "%.2f");
  // The table's levels with no maximum appended: one entry a level.
  EXPECT_EQ(l.labels(),
            (std::vector<std::string>{"\\r0.00\\c .. \\r0.25", "\\r0.25\\c .. \\r0.50", "\\r0.50\\c .. \\r0.75"}));
  double big[] = {1e6, 2e6, 3.5e6};
  table.levels = big;
  Vex3dSetValues(l.g, VEX3D_DISTN_TABLE, &table, 0);
  EXPECT_EQ(vex3d::legend_label_format(l.g), "%.1E");  // "3.5E+06": one digit after the point
}

TEST(LegendEntries, StringsReplaceTheTextsAndAShortListLeavesEntriesOut) {
  Legend l;
  Vex3dSetValues(l.g, VEX3D_NUM_DISTN_LEVELS, 3, 0);
  const char *const strings[] = {"low", "mid\\cdle", nullptr};
  Vex3dSetValues(l.g, VEX3D_LEGEND_STRINGS, strings, 0);
  EXPECT_EQ(l.labels(), (std::vector<std::string>{"low", "mid\\cdle", "", ""}));
  EXPECT_EQ(l.content().labelled, 2);
  RecordingContext rec;
  Vex3dDrawPage(l.g, &rec, VEX3D_CHANGE_ALL);
  int boxes = 0;
  for (const auto &op : rec.ops())
    if (op.primitive == Primitive::kRectangle && op.box.width == 3 * l.g->legend_font.typical_width &&
        op.box.height == l.g->legend_font.ascent)
      ++boxes;
  EXPECT_EQ(boxes, 2) << "only the labelled entries are drawn";
}

const char *shout(Vex3dGraph *, int index, double lo, double hi, const char *text) {
  static std::string result;
  result = std::to_string(index) + ":" + std::to_string(static_cast<int>(lo * 100)) + "-" +
           std::to_string(static_cast<int>(hi * 100)) + ":" + text;
  return index == 1 ? "" : result.c_str();
}

TEST(LegendEntries, TheLabelFunctionGetsTheIntervalAndTheText) {
  Legend l;
  Vex3dSetValues(l.g, VEX3D_NUM_DISTN_LEVELS, 1, VEX3D_LEGEND_LABEL_FUNC, shout, 0);
  EXPECT_EQ(l.labels(), (std::vector<std::string>{"0:0-50:\\r0.00\\c .. \\r0.50", ""}));
  Vex3dSetValues(l.g, VEX3D_LEGEND_STYLE, Vex3dLegendStyleContinuous, 0);
  EXPECT_EQ(l.labels()[1], " ") << "an empty label in the continuous style is a blank";
}

TEST(LegendLabels, EscapesSplitColumns) {
  const auto pieces = vex3d::split_label("a\\rb\\c .. \\lc\\x");
  ASSERT_EQ(pieces.size(), 4u);
  EXPECT_EQ(pieces[0].text, "a");
  EXPECT_EQ(pieces[0].align, vex3d::ColumnAlign::kLeft);
  EXPECT_EQ(pieces[1].text, "b");
  EXPECT_EQ(pieces[1].align, vex3d::ColumnAlign::kRight);
  EXPECT_EQ(pieces[2].text, " .. ");
  EXPECT_EQ(pieces[2].align, vex3d::ColumnAlign::kCentre);
  EXPECT_EQ(pieces[3].text, "c\\x") << "an unknown escape is text";
}

TEST(LegendSize, FollowsTheGridAndTheFontsRealSizes) {
  Legend l;
  const LegendContent &c = l.content();
  const int h = l.g->legend_font.height, w = l.g->legend_font.typical_width;
  ASSERT_GT(h, 0);
  EXPECT_EQ(c.entry_width, c.label_width + 6 * w);
  EXPECT_EQ(c.row_height, h);
  EXPECT_EQ(c.columns, 1);
  EXPECT_EQ(c.rows, 11);
  EXPECT_EQ(l.g->legend_rect.width, c.entry_width);
  EXPECT_EQ(l.g->legend_rect.height, 11 * h + h);
  // East, vertically centred, 0.75 of a line from the inner edge.
  EXPECT_EQ(l.g->legend_rect.x, static_cast<int>(800 - (0.75 * h + l.g->legend_rect.width)));
  EXPECT_EQ(l.g->legend_rect.y, (600 - l.g->legend_rect.height) / 2);
  // A title adds a line and a half; a plain border twice its width to each margin.
  Vex3dSetValues(l.g, VEX3D_LEGEND_TITLE, "Height", VEX3D_LEGEND_BORDER, Vex3dBorderPlain, VEX3D_LEGEND_BORDER_WIDTH, 3,
                 0);
  l.content();
  EXPECT_EQ(l.g->legend_rect.height, 11 * h + h + 6 + h + h / 2);
  EXPECT_EQ(l.g->legend_rect.width, c.entry_width + 6);
}

TEST(LegendSize, NorthWithManyLevelsGrowsInColumnsFirst) {
  Legend l(800, 600);
  Vex3dSetValues(l.g, VEX3D_NUM_DISTN_LEVELS, 40, VEX3D_LEGEND_ANCHOR, Vex3dAnchorNorth, 0);
  const LegendContent &c = l.content();
  const int across = (800 - l.g->legend_font.height - c.margin_x) / c.entry_width;
  EXPECT_GT(c.columns, 1);
  EXPECT_EQ(c.rows, std::max((41 - 1) / across + 1, 3));
  EXPECT_LE(l.g->legend_rect.width, 800);
  EXPECT_LT(l.g->legend_rect.y + l.g->legend_rect.height, l.g->graph_rect.y) << "above the chart area";
}

TEST(LegendSize, HugeAndTinyCasesStayInBounds) {
  // NUM_DISTN_LEVELS stops at 100: ten thousand levels come from a table.
  std::vector<double> many(10000);
  for (std::size_t k = 0; k < many.size(); ++k) many[k] = (k + 0.5) / many.size();
  Vex3dDistnTable table{static_cast<int>(many.size()), many.data()};
  struct Case {
    bool table;
    int levels, width, height, style;
  } cases[] = {{true, 0, 800, 600, Vex3dLegendStyleStepped},
               {true, 0, 800, 600, Vex3dLegendStyleContinuous},
               {false, 10, 0, 0, Vex3dLegendStyleStepped},
               {false, 10, 5, 3, Vex3dLegendStyleStepped},
               {false, 100, 200, 100, Vex3dLegendStyleContinuous}};
  for (const Case &c : cases) {
    Legend l(c.width, c.height);
    Vex3dSetValues(l.g, VEX3D_LEGEND_STYLE, c.style, 0);
    if (c.table)
      Vex3dSetValues(l.g, VEX3D_DISTN_METHOD, Vex3dDistnFromTable, VEX3D_DISTN_TABLE, &table, 0);
    else
      Vex3dSetValues(l.g, VEX3D_NUM_DISTN_LEVELS, c.levels, 0);
    const LegendContent &content = l.content();
    if (c.table) {
      EXPECT_GE(content.entries.size(), 10000u);
    }
    const vex3d::Rect &r = l.g->legend_rect;
    EXPECT_GE(r.width, 0);
    EXPECT_GE(r.height, 0);
    EXPECT_LE(r.width, 32767);
    EXPECT_LE(r.height, 32767);
    RecordingContext rec;
    Vex3dDrawPage(l.g, &rec, VEX3D_CHANGE_ALL);
    for (const auto &op : rec.ops()) {
      EXPECT_GE(op.box.width, 0);
      EXPECT_GE(op.box.height, 0);
    }
  }
}

TEST(LegendRedraw, AMovedLegendErasesItsTitleAndPullsInTheChartArea) {
  Legend l(600, 400);
  // The chart area is placed by hand, so that the legend can lie on it.
  Vex3dSetValues(l.g, VEX3D_LEGEND_TITLE, "Height", VEX3D_GRAPH_BACKGROUND_COLOR, 0x00C0C0, VEX3D_GRAPH_X, 0,
                 VEX3D_GRAPH_Y, 100, VEX3D_GRAPH_WIDTH, 600, VEX3D_GRAPH_HEIGHT, 300, 0);
  l.current.reset();
  RecordingContext first;
  Vex3dDrawPage(l.g, &first, VEX3D_CHANGE_ALL);
  // Onto the chart area, then away from it.
  Vex3dSetValues(l.g, VEX3D_LEGEND_X, 200, VEX3D_LEGEND_Y, 150, 0);
  RecordingContext onto;
  Vex3dDrawPage(l.g, &onto, VEX3D_CHANGE_LEGEND);
  const vex3d::Rect old = l.g->legend_previous;
  Vex3dSetValues(l.g, VEX3D_LEGEND_X, 5, VEX3D_LEGEND_Y, 5, 0);
  RecordingContext away;
  Vex3dDrawPage(l.g, &away, VEX3D_CHANGE_LEGEND);
  ASSERT_FALSE(away.ops().empty());
  const auto &erase = away.ops().front();
  EXPECT_EQ(erase.primitive, Primitive::kRectangle);
  const int lift = l.g->legend_font.height * 3 / 2;
  EXPECT_EQ(erase.box, (vex3d::platform::Box{old.x, old.y - lift, old.width + 1, old.height + 1 + lift}));
  int chart_fills = 0;
  for (const auto &op : away.ops())
    if (op.primitive == Primitive::kRectangle && op.state.brush.color == 0x00C0C0u) ++chart_fills;
  EXPECT_EQ(chart_fills, 1) << "the chart area under the old place is drawn again";
}

}  // namespace
