// 3D text through the operation table: stroke text as polylines, outline
// text as one even-odd fill per glyph, and the widths of both.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "convert.h"
#include "device_point_io.h"
#include "raster_context.h"
#include "recording_fixture.h"
#include "text3d.h"

namespace vex3d {
namespace {

using platform::Primitive;
using platform::RecordedOp;

constexpr int kRomanSimplex = 13;

// A placement that scales the text plane by k pixels per unit and puts its
// origin at (x, y).
struct Placement {
  PlacementMatrix m;
  Placement(double k, double x, double y) : m{{k, 0, 0, x}, {0, k, 0, y}, {0, 0, 1, 0}, {0, 0, 0, 1}} {}
};

class Text3D : public RecordingGraph {
 protected:
  // Selects a cube font: stroke font and size, and an outline description.
  void select(int stroke_font, int size, const char *outline = "Arial", bool truetype = false) {
    Vex3dSetValues(graph.get(), VEX3D_USE_TRUETYPE, truetype ? 1 : 0, 0);
    font.stroke_font = stroke_font;
    font.stroke_size = size;
    font.desc = parse_font(outline);
    select_cube_font(graph.get(), font);
  }
  int count(Primitive kind) const {
    int n = 0;
    for (const RecordedOp &op : ops()) n += op.primitive == kind;
    return n;
  }

  FontRecord font;
};

// Even-odd inside test at a point between pixel centres.
bool inside(const std::vector<platform::Point> &polygon, double x, double y) {
  bool in = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const auto a = polygon[i], b = polygon[j];
    if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y)) in = !in;
  }
  return in;
}

TEST_F(Text3D, StrokeTextDrawsEachStrokeAsAPolyline) {
  select(kRomanSimplex, 18000);  // one glyph unit per text-plane unit
  draw_3d_text(graph.get(), Placement(1, 100, 50).m, "!H");
  // "!" has a bar and a dot, "H" two stems and a bar.
  ASSERT_EQ(count(Primitive::kPolyline), 5);
  EXPECT_EQ(ops().size(), 5u);
  EXPECT_EQ(ops()[0].points, (std::vector<platform::Point>{{105, 38}, {105, 52}}));
}

TEST_F(Text3D, CharactersAbove127DrawNothingButAdvanceLikeSpaces) {
  select(kRomanSimplex, 36);
  draw_3d_text(graph.get(), Placement(1000, 0, 0).m, "\xC3\xA9\xE2\x82\xAC");
  EXPECT_TRUE(ops().empty());
  EXPECT_EQ(text_3d_width(graph.get(), "\xC3\xA9\xE2\x82\xAC"), 2 * 16);
  EXPECT_EQ(text_3d_width(graph.get(), "  "), 2 * 16);
  EXPECT_EQ(text_3d_width(graph.get(), nullptr), 0);
}

TEST_F(Text3D, StrokeTextIsUsedWhileOutlineFontsAreOff) {
  select(kRomanSimplex, 100, "Arial", false);
  draw_3d_text(graph.get(), Placement(100, 0, 0).m, "O");
  EXPECT_EQ(count(Primitive::kPolygon), 0);
  EXPECT_GT(count(Primitive::kPolyline), 0);
  EXPECT_EQ(text_3d_width(graph.get(), "A"), 50);
}

// Each glyph is one fill however many contours it has (O two, B three, %
// five), and the inside of the O stays open.
TEST_F(Text3D, OutlineGlyphsAreOneFillWithOpenHoles) {
  select(kRomanSimplex, 1000, "Arial", true);
  draw_3d_text(graph.get(), Placement(200, 100, 300).m, "OB%");
  ASSERT_EQ(ops().size(), 3u);
  for (const RecordedOp &op : ops()) EXPECT_EQ(op.primitive, Primitive::kPolygon);

  // The O: its box, from its points; the centre is a hole, the ring is not.
  const auto &o = ops()[0].points;
  int left = o[0].x, right = o[0].x, top = o[0].y, bottom = o[0].y;
  for (const auto &p : o)
    left = std::min(left, p.x), right = std::max(right, p.x), top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  const double cx = (left + right) / 2.0 + 0.5, cy = (top + bottom) / 2.0 + 0.5;
  EXPECT_FALSE(inside(o, cx, cy));
  EXPECT_TRUE(inside(o, left + 3.5, cy));
  EXPECT_TRUE(inside(o, cx, top + 3.5));
}

TEST_F(Text3D, UnderlineAndStrikeOutAddABarAlongTheText) {
  select(kRomanSimplex, 1000, "Arial,12,Underline,Strikeout", true);
  draw_3d_text(graph.get(), Placement(100, 0, 200).m, "ab");
  ASSERT_EQ(count(Primitive::kPolygon), 4);  // two glyphs, two bars
  const auto &underline = ops()[2].points, &strikeout = ops()[3].points;
  ASSERT_EQ(underline.size(), 5u);  // a quadrilateral, closed
  // Both run from the text origin to the end of the text, the underline below the strike-out.
  const int width = text_3d_width(graph.get(), "ab") * 2 / 10;  // thousandths to pixels at 100 per unit
  EXPECT_EQ(underline[0].x, 0);
  EXPECT_NEAR(underline[1].x, width, 1);
  EXPECT_GT(underline[0].y, strikeout[0].y);
}

// Widths follow the face's advances: in Arial and its metric twins "A" and
// "V" both advance 1366 of 2048 units.
TEST_F(Text3D, OutlineWidthIsTheAdvancesScaledLikeStrokeText) {
  select(kRomanSimplex, 1000, "Arial", true);
  EXPECT_EQ(text_3d_width(graph.get(), "A"), 667);
  EXPECT_EQ(text_3d_width(graph.get(), "AV"), 1334);
  select(kRomanSimplex, 0, "Arial", true);
  EXPECT_EQ(text_3d_width(graph.get(), "AV"), 0);
}

TEST_F(Text3D, SizeZeroDrawsEveryPointAtTheTextOrigin) {
  for (const bool truetype : {false, true}) {
    recording.clear();
    select(kRomanSimplex, 0, "Arial", truetype);
    draw_3d_text(graph.get(), Placement(100, 40, 60).m, "Hello");
    ASSERT_FALSE(ops().empty());
    for (const RecordedOp &op : ops())
      for (const auto &p : op.points) EXPECT_EQ(p, (platform::Point{40, 60})) << truetype;
  }
}

// On pixels: the hole of an O keeps the background.
TEST(Text3DRaster, TheInsideOfOIsNotFilled) {
  GraphPtr graph = make_graph();
  platform::RasterContext raster{200, 200};
  const CurrentContextScope current(graph.get(), &raster);
  vex3d_win_setsolidfill(graph.get(), 0xFFFFFF);
  vex3d_win_fillrectangle(graph.get(), 0, 0, 200, 200);
  vex3d_win_setsolidfill(graph.get(), 0);
  Vex3dSetValues(graph.get(), VEX3D_USE_TRUETYPE, 1, 0);
  FontRecord font;
  font.stroke_size = 1000;
  font.desc = parse_font("Arial");
  select_cube_font(graph.get(), font);
  // The em square spans 2 text-plane units: 80 pixels per unit makes it 160 pixels.
  draw_3d_text(graph.get(), Placement(80, 20, 100).m, "O");
  const int width = text_3d_width(graph.get(), "O") * 80 / 1000 * 2;
  const int cx = 20 + width / 2;
  constexpr std::uint32_t kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;
  EXPECT_EQ(raster.pixel(cx, 100), kWhite) << "the hole";
  int black = 0;
  for (int x = 20; x < cx; ++x) black += raster.pixel(x, 100) == kBlack;
  EXPECT_GT(black, 5) << "the ring";
}

}  // namespace
}  // namespace vex3d
