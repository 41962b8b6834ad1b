// The page layout: title sizes and places against the formulas with the
// fonts' real heights, the chart area as the largest free rectangle (checked
// against a brute-force search), explicit values, write-back, bad sizes; and
// the partial redraws that moving a region causes.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <vector>

#include "free_region.h"
#include "graph.h"
#include "graph_fixture.h"
#include "page.h"
#include "page_drawing.h"
#include "recording_context.h"
#include "w_render.h"

namespace vex3d {
bool operator==(const Rect &a, const Rect &b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}
std::ostream &operator<<(std::ostream &os, const Rect &r) {
  return os << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}
}  // namespace vex3d

namespace {

using vex3d::Rect;
using vex3d::platform::Box;
using vex3d::platform::NullContext;
using vex3d::platform::Primitive;
using vex3d::platform::RecordingContext;

const char *const kPeaks[] = {"Peaks", nullptr};
const char *const kGrid[] = {"A 60 x 60 grid", nullptr};

struct LaidOut {
  GraphPtr graph = make_graph();
  NullContext screen;
  Vex3dGraph *g = graph.get();
  std::optional<vex3d::CurrentContextScope> current;  // after the values are set
  LaidOut(int width = 600, int height = 400) {
    Vex3dSetValues(g, VEX3D_REPAINT, 0, VEX3D_WIDTH, width, VEX3D_HEIGHT, height, VEX3D_LEGEND_SHOW, 0, 0);
    current.emplace(g, &screen);
    vex3d::prepare_context(g);
  }
  void lay_out() { vex3d::lay_out_page(g); }
  int text_width(vex3d::FontRecord &font, const char *text) {
    vex3d_win_setfont(g, &font);
    return vex3d_win_textwidth(g, text);
  }
  Rect resource_rect(int x, int y, int w, int h) {
    Rect r;
    Vex3dGetValues(g, x, &r.x, y, &r.y, w, &r.width, h, &r.height, 0);
    return r;
  }
};

Rect inset_by_24th(Rect r) {
  const int dx = r.width / 24, dy = r.height / 24;
  return Rect{r.x + dx, r.y + dy, r.width - 2 * dx, r.height - 2 * dy};
}

TEST(PageLayout, TitlesAndChartAreaFollowTheFormulas) {
  LaidOut p;
  Vex3dSetValues(p.g, VEX3D_HEADER_STRINGS, kPeaks, VEX3D_FOOTER_STRINGS, kGrid, VEX3D_HEADER_BORDER, Vex3dBorderPlain,
                 VEX3D_HEADER_BORDER_WIDTH, 3, VEX3D_FOOTER_BORDER, Vex3dBorderShadow, VEX3D_FOOTER_BORDER_WIDTH, 4,
                 VEX3D_BORDER_WIDTH, 5, 0);
  p.lay_out();
  const double hf = p.g->header.font.height, ff = p.g->footer.font.height;
  ASSERT_GT(hf, 0);
  const int m = 5, inner_w = 600 - 2 * m, inner_h = 400 - 2 * m;
  const Rect header = p.g->header.rect, footer = p.g->footer.rect;
  EXPECT_EQ(header.width, p.text_width(p.g->header.font, "Peaks") + 12);  // 4 x the plain border
  EXPECT_EQ(header.height, p.g->header.font.height + 12);
  EXPECT_EQ(footer.width, p.text_width(p.g->footer.font, "A 60 x 60 grid") + 12);  // 3 x a shadow's
  EXPECT_EQ(footer.height, p.g->footer.font.height + 12);
  EXPECT_EQ(header.y, static_cast<int>(0.75 * hf + m));
  EXPECT_EQ(footer.y, static_cast<int>(inner_h - footer.height + m - 0.75 * ff));

  // The free region: the inner area between the header's and the footer's
  // full-width bands.
  const int top = header.y + header.height;
  const Rect chart = inset_by_24th(Rect{m, top, inner_w, footer.y - top});
  EXPECT_EQ(p.g->graph_rect, chart);
  EXPECT_EQ(header.x, chart.x + (chart.width - header.width) / 2) << "centred over the chart area";
  EXPECT_EQ(footer.x, chart.x + (chart.width - footer.width) / 2);

  // Reading the resources gives the places used.
  EXPECT_EQ(p.resource_rect(VEX3D_GRAPH_X, VEX3D_GRAPH_Y, VEX3D_GRAPH_WIDTH, VEX3D_GRAPH_HEIGHT), chart);
  EXPECT_EQ(p.resource_rect(VEX3D_HEADER_X, VEX3D_HEADER_Y, VEX3D_HEADER_WIDTH, VEX3D_HEADER_HEIGHT), header);
  EXPECT_EQ(p.resource_rect(VEX3D_FOOTER_X, VEX3D_FOOTER_Y, VEX3D_FOOTER_WIDTH, VEX3D_FOOTER_HEIGHT), footer);
}

TEST(PageLayout, ReadingAPositionBeforeAnyDrawingLaysThePageOut) {
  GraphPtr graph = make_graph();
  Vex3dSetValues(graph.get(), VEX3D_REPAINT, 0, VEX3D_WIDTH, 480, VEX3D_HEIGHT, 240, VEX3D_LEGEND_SHOW, 0, 0);
  EXPECT_EQ(get_int(graph.get(), VEX3D_GRAPH_WIDTH), 480 - 2 * (480 / 24));
  EXPECT_EQ(get_int(graph.get(), VEX3D_GRAPH_HEIGHT), 240 - 2 * (240 / 24));
}

TEST(PageLayout, TitlesWithoutTextTakeNoRoom) {
  LaidOut p;
  const char *const empty[] = {"", nullptr};
  Vex3dSetValues(p.g, VEX3D_HEADER_STRINGS, empty, VEX3D_HEADER_BORDER, Vex3dBorderBevel, 0);
  p.lay_out();
  EXPECT_EQ(p.g->header.rect.width, 0);
  EXPECT_EQ(p.g->header.rect.height, 0);
  EXPECT_EQ(p.g->graph_rect, inset_by_24th(Rect{0, 0, 600, 400}));
}

TEST(PageLayout, ExplicitChartAreaValues) {
  LaidOut p;
  Vex3dSetValues(p.g, VEX3D_HEADER_STRINGS, kPeaks, 0);
  p.lay_out();
  const Rect computed = p.g->graph_rect;
  // x given, width left to the layout: the computed right edge stays.
  Vex3dSetValues(p.g, VEX3D_GRAPH_X, 100, 0);
  p.lay_out();
  EXPECT_EQ(p.g->graph_rect.x, 100);
  EXPECT_EQ(p.g->graph_rect.x + p.g->graph_rect.width, computed.x + computed.width);
  EXPECT_EQ(p.g->graph_rect.y, computed.y);
  // Beyond the right edge the width stops at 0.
  Vex3dSetValues(p.g, VEX3D_GRAPH_X, 5000, 0);
  p.lay_out();
  EXPECT_EQ(p.g->graph_rect.width, 0);
  // All four given: taken as they are.
  Vex3dSetValues(p.g, VEX3D_GRAPH_X, 10, VEX3D_GRAPH_Y, 20, VEX3D_GRAPH_WIDTH, 300, VEX3D_GRAPH_HEIGHT, 200, 0);
  p.lay_out();
  EXPECT_EQ(p.g->graph_rect, (Rect{10, 20, 300, 200}));
  // A side above 32767 becomes 0.
  Vex3dSetValues(p.g, VEX3D_GRAPH_WIDTH, 40000, 0);
  p.lay_out();
  EXPECT_EQ(p.g->graph_rect.width, 0);
}

TEST(PageLayout, ExplicitTitlePlacesAreKept) {
  LaidOut p;
  Vex3dSetValues(p.g, VEX3D_HEADER_STRINGS, kPeaks, VEX3D_HEADER_X, 7, VEX3D_HEADER_Y, 300, 0);
  p.lay_out();
  EXPECT_EQ(p.g->header.rect.x, 7);
  EXPECT_EQ(p.g->header.rect.y, 300);
}

// ---- the free region

// Whether every pixel of r lies in one of the pieces (small pictures only).
bool covered(const std::vector<Rect> &pieces, const Rect &r, int width, int height, std::vector<char> &grid) {
  grid.assign(static_cast<std::size_t>(width) * height, 0);
  for (const Rect &p : pieces)
    for (int y = p.y; y < p.y + p.height; ++y)
      for (int x = p.x; x < p.x + p.width; ++x) grid[y * width + x] = 1;
  for (int y = r.y; y < r.y + r.height; ++y)
    for (int x = r.x; x < r.x + r.width; ++x)
      if (!grid[y * width + x]) return false;
  return true;
}

// The largest area of a rectangle of covered pixels, by trying every one.
long long brute_force_largest(const std::vector<char> &grid, int width, int height) {
  std::vector<int> sum(static_cast<std::size_t>(width + 1) * (height + 1), 0);
  auto at = [&](int x, int y) -> int & { return sum[y * (width + 1) + x]; };
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) at(x + 1, y + 1) = grid[y * width + x] + at(x, y + 1) + at(x + 1, y) - at(x, y);
  long long best = 0;
  for (int y0 = 0; y0 < height; ++y0)
    for (int y1 = y0 + 1; y1 <= height; ++y1)
      for (int x0 = 0; x0 < width; ++x0)
        for (int x1 = x0 + 1; x1 <= width; ++x1) {
          const long long area = 1LL * (x1 - x0) * (y1 - y0);
          if (area <= best) continue;
          if (at(x1, y1) - at(x0, y1) - at(x1, y0) + at(x0, y0) == area) best = area;
        }
  return best;
}

TEST(FreeRegion, LargestRectangleAgreesWithABruteForceSearch) {
  constexpr int kW = 40, kH = 30;
  std::mt19937 random(2024);
  std::vector<char> grid;
  for (int round = 0; round < 150; ++round) {
    std::vector<Rect> pieces{Rect{0, 0, kW, kH}};
    const int taken = 1 + static_cast<int>(random() % 3);  // legend, header, footer
    for (int k = 0; k < taken; ++k) {
      const int x = random() % kW, y = random() % kH;
      subtract_rect(pieces,
                    Rect{x, y, 1 + static_cast<int>(random() % (kW - x)), 1 + static_cast<int>(random() % (kH - y))});
    }
    for (std::size_t a = 0; a < pieces.size(); ++a)
      for (std::size_t b = a + 1; b < pieces.size(); ++b)
        ASSERT_FALSE(pieces[a].x < pieces[b].x + pieces[b].width && pieces[b].x < pieces[a].x + pieces[a].width &&
                     pieces[a].y < pieces[b].y + pieces[b].height && pieces[b].y < pieces[a].y + pieces[a].height)
            << "pieces overlap in round " << round;
    const Rect best = vex3d::largest_covered_rect(pieces);
    ASSERT_TRUE(covered(pieces, best, kW, kH, grid)) << "round " << round << ": " << best;
    EXPECT_EQ(1LL * best.width * best.height, brute_force_largest(grid, kW, kH)) << "round " << round;
  }
}

TEST(FreeRegion, SubtractingSplitsIntoAboveBelowLeftRight) {
  std::vector<Rect> pieces{Rect{0, 0, 10, 10}};
  vex3d::subtract_rect(pieces, Rect{3, 4, 2, 3});
  ASSERT_EQ(pieces.size(), 4u);
  EXPECT_EQ(pieces[0], (Rect{0, 0, 10, 4}));
  EXPECT_EQ(pieces[1], (Rect{0, 7, 10, 3}));
  EXPECT_EQ(pieces[2], (Rect{0, 4, 3, 3}));
  EXPECT_EQ(pieces[3], (Rect{5, 4, 5, 3}));
  EXPECT_EQ(vex3d::largest_covered_rect({}), (Rect{}));
}

// ---- bad sizes and places

// The operation table with checks in front of the primitives that take sizes.
int g_negative_sizes = 0;
Vex3dDrawOps checking_ops() {
  Vex3dDrawOps ops = vex3d::platform_draw_ops();
  static const Vex3dPrimitiveOps real = ops.primitives[0];
  for (Vex3dPrimitiveOps &set : ops.primitives) {
    set.fillrectangle = [](Vex3dGraph *g, int x, int y, int w, int h) {
      if (w < 0 || h < 0) ++g_negative_sizes;
      real.fillrectangle(g, x, y, w, h);
    };
    set.drawrectangle = [](Vex3dGraph *g, int x, int y, int w, int h) {
      if (w < 0 || h < 0) ++g_negative_sizes;
      real.drawrectangle(g, x, y, w, h);
    };
  }
  return ops;
}

TEST(PageLayout, BadSizesAndPlacesNeverGiveNegativeSizes) {
  std::vector<const char *> many_lines(400, "line");
  many_lines.push_back(nullptr);
  struct Case {
    int width, height;
    bool many_header_lines;
    int legend_x, header_y;
  } cases[] = {{0, 0, false, 0, 0},
               {1, 1, false, 0, 0},
               {3, 2, true, 0, 0},
               {600, 400, true, 0, 0},
               {600, 400, false, -50000, 90000},
               {20, 10, false, 30000, -30000},
               {8000, 6, true, 100, 5}};
  static const Vex3dDrawOps ops = checking_ops();
  for (const Case &c : cases) {
    LaidOut p(c.width, c.height);
    p.g->draw_ops = &ops;
    Vex3dSetValues(p.g, VEX3D_HEADER_STRINGS, c.many_header_lines ? many_lines.data() : kPeaks, VEX3D_FOOTER_STRINGS,
                   kGrid, VEX3D_LEGEND_SHOW, 1, VEX3D_LEGEND_X, c.legend_x, VEX3D_HEADER_Y, c.header_y,
                   VEX3D_BORDER_WIDTH, 20, VEX3D_BORDER, Vex3dBorderFrameIn, VEX3D_HEADER_BORDER, Vex3dBorderBevel,
                   VEX3D_GRAPH_BORDER, Vex3dBorderEtchedIn, 0);
    g_negative_sizes = 0;
    RecordingContext rec;
    Vex3dDrawPage(p.g, &rec, VEX3D_CHANGE_ALL);
    EXPECT_EQ(g_negative_sizes, 0) << c.width << "x" << c.height;
    for (const Rect *r : {&p.g->graph_rect, &p.g->header.rect, &p.g->footer.rect, &p.g->legend_rect}) {
      EXPECT_GE(r->width, 0);
      EXPECT_GE(r->height, 0);
      EXPECT_LE(r->width, 32767);
      EXPECT_LE(r->height, 32767);
    }
    for (const auto &op : rec.ops()) {
      EXPECT_GE(op.box.width, 0);
      EXPECT_GE(op.box.height, 0);
    }
  }
}

// ---- partial redraws

// Fills of the colour, in order.
std::vector<Box> fills(const RecordingContext &rec, unsigned color) {
  std::vector<Box> out;
  for (const auto &op : rec.ops())
    if (op.primitive == Primitive::kRectangle && op.state.brush.color == color) out.push_back(op.box);
  return out;
}

constexpr int kPage = 0xFFFFFF, kChart = 0x00C0C0;

struct Redraws {
  GraphPtr graph = make_graph();
  Vex3dGraph *g = graph.get();
  Redraws() {
    // The chart area covers the page, so that a header placed on it overlaps it.
    Vex3dSetValues(g, VEX3D_REPAINT, 0, VEX3D_WIDTH, 400, VEX3D_HEIGHT, 300, VEX3D_LEGEND_SHOW, 0,
                   VEX3D_GRAPH_BACKGROUND_COLOR, kChart, VEX3D_HEADER_STRINGS, kPeaks, VEX3D_GRAPH_X, 0, VEX3D_GRAPH_Y,
                   100, VEX3D_GRAPH_WIDTH, 400, VEX3D_GRAPH_HEIGHT, 200, 0);
    RecordingContext first;
    Vex3dDrawPage(g, &first, VEX3D_CHANGE_ALL);
  }
  const RecordingContext &draw(int mask) {
    drawings.push_back(std::make_unique<RecordingContext>());
    Vex3dDrawPage(g, drawings.back().get(), mask);
    return *drawings.back();
  }
  std::vector<std::unique_ptr<RecordingContext>> drawings;
};

TEST(PartialRedraw, TheMaskSaysWhatIsErasedAndDrawn) {
  Redraws r;
  const Rect header = r.g->header.rect;
  const RecordingContext &rec = r.draw(VEX3D_CHANGE_HEADER);
  // The header's place is erased; the chart area is not drawn.
  EXPECT_EQ(fills(rec, kPage), (std::vector<Box>{{header.x, header.y, header.width + 1, header.height + 1}}));
  EXPECT_TRUE(fills(rec, kChart).empty());
  bool header_text = false;
  for (const auto &op : rec.ops())
    header_text = header_text || (op.primitive == Primitive::kText && op.text == "Peaks");
  EXPECT_TRUE(header_text);

  const RecordingContext &chart = r.draw(VEX3D_CHANGE_GRAPH);
  EXPECT_EQ(fills(chart, kChart).size(), 1u) << "the chart area is drawn";
  EXPECT_EQ(fills(chart, kPage).front(), (Box{0, 100, 401, 201})) << "after erasing its place";

  const RecordingContext &nothing = r.draw(0);
  EXPECT_TRUE(nothing.ops().empty());
}

TEST(PartialRedraw, AMovedTitlePullsInTheChartAreaItsOldPlaceOverlapped) {
  Redraws r;
  Vex3dSetValues(r.g, VEX3D_HEADER_Y, 150, 0);  // onto the chart area
  r.draw(VEX3D_CHANGE_HEADER);
  Vex3dSetValues(r.g, VEX3D_HEADER_Y, 10, 0);  // back above it
  const RecordingContext &rec = r.draw(VEX3D_CHANGE_HEADER);
  ASSERT_FALSE(fills(rec, kPage).empty());
  EXPECT_EQ(fills(rec, kPage).front().y, 150) << "the old place is erased";
  EXPECT_EQ(fills(rec, kChart).size(), 1u) << "and the chart area it overlapped is drawn again";
  EXPECT_EQ(r.g->change_mask, 0);
}

TEST(PartialRedraw, AMovedTitleClearOfOthersLeavesThemAlone) {
  Redraws r;
  Vex3dSetValues(r.g, VEX3D_HEADER_Y, 40, 0);
  const RecordingContext &rec = r.draw(0);  // the move alone is enough
  ASSERT_FALSE(fills(rec, kPage).empty());
  EXPECT_TRUE(fills(rec, kChart).empty());
}

TEST(PartialRedraw, AChartLabelAttachedByPixelMakesEveryRedrawFull) {
  Redraws r;
  Vex3dText *label = Vex3dCreateText(r.g);
  Vex3dTextSetValues(label, VEX3D_TEXT_ATTACH_METHOD, Vex3dAttachPixel, 0);
  r.draw(VEX3D_CHANGE_ALL);
  const RecordingContext &rec = r.draw(VEX3D_CHANGE_HEADER);
  ASSERT_FALSE(rec.ops().empty());
  EXPECT_EQ(rec.ops().front().box, (Box{0, 0, 400, 300})) << "the whole page is filled first";
  EXPECT_EQ(fills(rec, kChart).size(), 1u);
  Vex3dTextSetValues(label, VEX3D_TEXT_ATTACH_METHOD, Vex3dAttachIndex, 0);
  r.draw(VEX3D_CHANGE_ALL);
  EXPECT_TRUE(fills(r.draw(VEX3D_CHANGE_HEADER), kChart).empty()) << "attached otherwise, it changes nothing";
}

}  // namespace
