// Our SVG context: the scene of every primitive comes back from an
// independent renderer as the raster picture; the document stays compact
// (one path for lines of one pen in a row, one class per paint) and well
// formed whatever the text holds.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>

#include "external_readers.h"
#include "primitive_scene.h"
#include "raster_context.h"
#include "scratch_dir.h"
#include "svg_context.h"

namespace {

using namespace vex3d::platform;

std::string written(const std::string &path, const std::string &text) {
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::size_t count(const std::string &text, const std::string &what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class SvgContextTest : public ScratchDir {};

TEST_F(SvgContextTest, AnIndependentRendererDrawsTheSceneAsTheRaster) {
  if (!external::have("rsvg-convert")) GTEST_SKIP() << "rsvg-convert is not installed";
  SvgContext svg(scene::kWidth, scene::kHeight);
  scene::draw_scene(svg);
  ASSERT_TRUE(svg.finish());
  Bitmap read;
  ASSERT_TRUE(external::svg_pixels(written(path("scene.svg"), svg.text()), path("scene.png"), read, scene::kWidth,
                                   scene::kHeight));
  RasterContext direct(scene::kWidth, scene::kHeight);
  scene::draw_scene(direct);
  // Edges are smoothed and text shaped by the renderer's own rules; anything
  // missing, misplaced or in the wrong colour is far more.
  EXPECT_LE(external::differing_share(direct.pixels(), read.view(), 80), 0.02);
  // The clip held: the blue rectangle is inside it only.
  const auto at = [&](int x, int y) { return read.pixels[static_cast<std::size_t>(y) * read.width + x] & 0xFFFFFFu; };
  EXPECT_EQ(at(200, 115), argb_of(scene::kClippedColor) & 0xFFFFFFu);
  EXPECT_NE(at(170, 115), argb_of(scene::kClippedColor) & 0xFFFFFFu);
}

// Painter's order, the stipple and far geometry: what the chart relies on
// beyond the scene.
TEST_F(SvgContextTest, OrderStippleAndFarGeometryDrawAsTheRaster) {
  if (!external::have("rsvg-convert")) GTEST_SKIP() << "rsvg-convert is not installed";
  const auto draw = [](DrawContext &c) {
    c.set_brush(Brush{0xFFFFFF});
    c.fill_rectangle({0, 0, 120, 80});
    // Red, then blue over it, then red again over the blue: one colour twice
    // is still two elements in their places.
    const Point a[] = {{10, 10}, {70, 10}, {70, 70}, {10, 70}};
    const Point b[] = {{40, 20}, {100, 20}, {100, 60}, {40, 60}};
    const Point c2[] = {{60, 30}, {110, 30}, {110, 50}, {60, 50}};
    for (const auto &[poly, color] : {std::pair{std::span<const Point>(a), 0x0000FFu},
                                      std::pair{std::span<const Point>(b), 0xFF0000u},
                                      std::pair{std::span<const Point>(c2), 0x0000FFu}}) {
      c.set_brush(Brush{color});
      c.fill_polygon(poly);
    }
    c.set_brush(Brush{0x00AA00, true});
    c.fill_rectangle({0, 0, 20, 20});
    // A line from far outside the page still crosses it where it should.
    Pen pen;
    pen.color = 0x000000;
    pen.thin = false;
    pen.width = 3;
    c.set_pen(pen);
    const Point far[] = {{-2000000000, 75}, {2000000000, 75}};
    c.draw_polyline(far);
  };
  SvgContext svg(120, 80);
  draw(svg);
  ASSERT_TRUE(svg.finish());
  Bitmap read;
  ASSERT_TRUE(external::svg_pixels(written(path("order.svg"), svg.text()), path("order.png"), read, 120, 80));
  RasterContext direct(120, 80);
  draw(direct);
  EXPECT_LE(external::differing_share(direct.pixels(), read.view(), 80), 0.01);
  const auto at = [&](int x, int y) { return read.pixels[static_cast<std::size_t>(y) * read.width + x] & 0xFFFFFFu; };
  EXPECT_EQ(at(50, 40), argb_of(0xFF0000) & 0xFFFFFFu);   // blue over red
  EXPECT_EQ(at(90, 40), argb_of(0x0000FF) & 0xFFFFFFu);   // red again over blue
  EXPECT_NE(at(4, 4), at(5, 4)) << "the stipple alternates";
  EXPECT_EQ(at(60, 75), 0u) << "the far line";
}

TEST_F(SvgContextTest, LinesOfOnePenInARowAreOnePathAndEachPaintOneClass) {
  SvgContext svg(200, 200);
  Pen pen;
  pen.color = 0x336699;
  svg.set_pen(pen);
  for (int k = 0; k < 100; ++k) svg.draw_line({k, 0}, {k, 100});
  svg.set_brush(Brush{0x112233});
  for (int k = 0; k < 10; ++k) svg.fill_rectangle({k * 10, 150, 5, 5});
  svg.set_pen(pen);  // the same pen again, after the fills: a path of its own
  svg.draw_line({0, 190}, {100, 190});
  ASSERT_TRUE(svg.finish());
  const std::string &text = svg.text();
  EXPECT_EQ(count(text, "<path"), 1u + 10u + 1u);
  EXPECT_EQ(count(text, "stroke:#996633"), 1u) << "the pen's class is written once";
  EXPECT_EQ(count(text, "fill:#332211"), 1u);
  EXPECT_LT(text.size(), 4000u);
}

TEST_F(SvgContextTest, TextOfAnyBytesStaysWellFormed) {
  if (!external::have("rsvg-convert")) GTEST_SKIP() << "rsvg-convert is not installed";
  SvgContext svg(300, 60);
  svg.set_font(resolve_font({"Arial", -16}));
  svg.draw_text({5, 20}, "a < b && c > \"d\" \x01\x1f");
  svg.draw_text({5, 45}, "Latin-1 \xe9t\xe9 ]]> </text>");
  ASSERT_TRUE(svg.finish());
  EXPECT_NE(svg.text().find("a &lt; b &amp;&amp; c &gt; &quot;d&quot; </text>"), std::string::npos);
  EXPECT_NE(svg.text().find("Latin-1 \xc3\xa9t\xc3\xa9 ]]&gt; &lt;/text&gt;"), std::string::npos);
  Bitmap read;
  EXPECT_TRUE(external::svg_pixels(written(path("text.svg"), svg.text()), path("text.png"), read)) << svg.text();
}

TEST(SvgContext, AnImpossibleSizeFailsAndWritesNothing) {
  for (const auto &[w, h] : {std::pair{0, 10}, std::pair{10, -1}, std::pair{SvgContext::kMaxSide + 1, 10}}) {
    SvgContext svg(w, h);
    EXPECT_FALSE(svg.ok()) << w << "x" << h;
    EXPECT_FALSE(svg.finish());
    EXPECT_TRUE(svg.text().empty());
  }
}

}  // namespace
