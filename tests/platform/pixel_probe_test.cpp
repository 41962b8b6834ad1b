// Pixel probes on the raster context, through the operation table: the
// whole-pixel rules a person would check with a magnifier.
#include <gtest/gtest.h>

#include <cmath>

#include "graph_fixture.h"
#include "raster_context.h"
#include "w_render.h"

namespace {

using namespace vex3d;
using platform::RasterContext;

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlackPixel = 0xFF000000;

// A white raster current on a new graph; drawing in black.
class RasterGraph : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    raster.set_fast_paths(GetParam());
    vex3d_win_setsolidfill(graph.get(), 0xFFFFFF);
    vex3d_win_fillrectangle(graph.get(), 0, 0, 64, 64);
    vex3d_win_setsolidfill(graph.get(), 0);
    vex3d_win_setsolidline(graph.get(), 0);
  }

  int count_changed() {
    int n = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) n += raster.pixel(x, y) != kWhite;
    return n;
  }

  GraphPtr graph = make_graph();
  RasterContext raster{64, 64};
  const CurrentContextScope current{graph.get(), &raster};
};

TEST_P(RasterGraph, OnePixelLinesCoverFromTheFirstPointUpToTheLast) {
  struct Case {
    int x1, y1, x2, y2;
  };
  const Case cases[] = {{2, 5, 8, 5}, {8, 7, 2, 7}, {10, 3, 10, 9}, {12, 9, 12, 3}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2);
    vex3d_win_setsolidfill(graph.get(), 0xFFFFFF);
    vex3d_win_fillrectangle(graph.get(), 0, 0, 64, 64);
    vex3d_win_drawline(graph.get(), c.x1, c.y1, c.x2, c.y2);
    const int n = std::max(std::abs(c.x2 - c.x1), std::abs(c.y2 - c.y1));
    const int sx = (c.x2 > c.x1) - (c.x2 < c.x1), sy = (c.y2 > c.y1) - (c.y2 < c.y1);
    for (int i = 0; i < n; ++i) EXPECT_EQ(raster.pixel(c.x1 + i * sx, c.y1 + i * sy), kBlackPixel) << i;
    EXPECT_EQ(raster.pixel(c.x2, c.y2), kWhite) << "the last point is left out";
    EXPECT_EQ(count_changed(), n) << "and nothing else is touched";
  }
}

TEST_P(RasterGraph, RectangleOutlineCoversItsFrameAndAWidthOfZeroNothing) {
  vex3d_win_drawrectangle(graph.get(), 10, 10, 0, 20);
  vex3d_win_drawrectangle(graph.get(), 10, 10, 20, 0);
  vex3d_win_fillrectangle(graph.get(), 10, 10, 0, 20);
  EXPECT_EQ(count_changed(), 0);
  vex3d_win_drawrectangle(graph.get(), 10, 10, 5, 4);
  // The outline covers the frame of the pixels 10..15 by 10..14.
  EXPECT_EQ(count_changed(), 2 * 6 + 2 * 3);
  for (int x = 10; x <= 15; ++x) EXPECT_EQ(raster.pixel(x, 10), kBlackPixel) << x;
  EXPECT_EQ(raster.pixel(12, 12), kWhite);
  EXPECT_EQ(raster.pixel(15, 14), kBlackPixel);
}

TEST_P(RasterGraph, FilledRectanglesAndPolygonsCoverWholePixels) {
  vex3d_win_fillrectangle(graph.get(), 3, 4, 5, 6);
  EXPECT_EQ(count_changed(), 30);
  EXPECT_EQ(raster.pixel(3, 4), kBlackPixel);
  EXPECT_EQ(raster.pixel(7, 9), kBlackPixel);
  EXPECT_EQ(raster.pixel(8, 9), kWhite);
  const Vex3dDevicePoint square[] = {{20, 20}, {30, 20}, {30, 30}, {20, 30}};
  vex3d_win_fillpolygon(graph.get(), square, 4, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
  EXPECT_EQ(count_changed(), 30 + 100) << "a polygon with corners on pixel corners covers exactly its pixels";
}

TEST_P(RasterGraph, AFullTurnArcCloses) {
  // A circle in the box (10, 10) to (50, 50), from 0 degrees round to 0.
  vex3d_win_drawarc(graph.get(), 10, 10, 40, 40, 0, 23040);
  const double cx = 31, cy = 31, r = 19.5;
  int gaps = 0;
  for (int degree = 0; degree < 360; degree += 2) {
    const double a = degree * 3.141592653589793 / 180;
    const int x = static_cast<int>(std::floor(cx + r * std::cos(a))),
              y = static_cast<int>(std::floor(cy - r * std::sin(a)));
    gaps += raster.pixel(x, y) == kWhite;
  }
  EXPECT_EQ(gaps, 0);
  // Ten degrees short of a turn leaves a gap just below the start.
  vex3d_win_setsolidfill(graph.get(), 0xFFFFFF);
  vex3d_win_fillrectangle(graph.get(), 0, 0, 64, 64);
  vex3d_win_drawarc(graph.get(), 10, 10, 40, 40, 0, 23040 - 640);
  const double a = -5 * 3.141592653589793 / 180;
  EXPECT_EQ(raster.pixel(static_cast<int>(cx + r * std::cos(a)), static_cast<int>(cy - r * std::sin(a))), kWhite);
}

TEST_P(RasterGraph, StippleCoversEveryPixelWhoseCoordinatesDifferInParity) {
  Vex3dSetDrawingMode(graph.get(), -2, 0);
  vex3d_win_fillrectangle(graph.get(), 4, 4, 8, 8);
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 12; ++x) EXPECT_EQ(raster.pixel(x, y), (x + y) % 2 ? kBlackPixel : kWhite) << x << "," << y;
  EXPECT_EQ(count_changed(), 32);
}

TEST_P(RasterGraph, ClipLimitsEveryPrimitive) {
  const Rect clip{10, 10, 10, 10};
  vex3d_win_setclip(graph.get(), &clip);
  vex3d_win_fillrectangle(graph.get(), 0, 0, 64, 64);
  EXPECT_EQ(count_changed(), 100);
  vex3d_win_setsolidline(graph.get(), 0x0000FF);
  vex3d_win_drawline(graph.get(), 0, 15, 63, 15);
  vex3d_win_drawline(graph.get(), 0, 0, 63, 63);
  vex3d_win_setclip(graph.get(), nullptr);
  EXPECT_EQ(count_changed(), 100) << "nothing outside the clip";
  vex3d_win_drawline(graph.get(), 0, 40, 63, 40);
  EXPECT_EQ(count_changed(), 163) << "the clip was removed";
}

TEST_P(RasterGraph, AlignedTextEndsAtX) {
  vex3d_win_setfont(graph.get(), &graph->legend_font);
  vex3d_win_setforeground(graph.get(), 0);
  const auto ink_columns = [&](int &left, int &right) {
    left = 64, right = -1;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x)
        if (raster.pixel(x, y) != kWhite) left = std::min(left, x), right = std::max(right, x);
  };
  vex3d_win_drawstring_aligned(graph.get(), 50, 40, "HH", 2);
  int left, right;
  ink_columns(left, right);
  EXPECT_LT(right, 50);
  EXPECT_GE(right, 47) << "H has a small side bearing";
  vex3d_win_setsolidfill(graph.get(), 0xFFFFFF);
  vex3d_win_fillrectangle(graph.get(), 0, 0, 64, 64);
  vex3d_win_drawstring_aligned(graph.get(), 10, 40, "HH", 1);
  ink_columns(left, right);
  EXPECT_GE(left, 10);
  EXPECT_LE(left, 13);
}

TEST_P(RasterGraph, AnArcAfterTextStartsOnTheArc) {
  // Text leaves the pen at its end; an arc drawn next must not be joined to
  // it by a line.
  vex3d_win_setfont(graph.get(), &graph->legend_font);
  vex3d_win_drawstring(graph.get(), 2, 60, "HH");
  vex3d_win_drawarc(graph.get(), 40, 4, 20, 20, 0, 5760);
  vex3d_win_fillarc(graph.get(), 40, 30, 20, 20, 2880, 5760);
  int stray = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const bool text = x < 30 && y > 40, arcs = x >= 38 && y < 53;
      stray += !text && !arcs && raster.pixel(x, y) != kWhite;
    }
  EXPECT_EQ(stray, 0);
}

INSTANTIATE_TEST_SUITE_P(FastAndCairo, RasterGraph, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "FastPaths" : "Cairo"; });

}  // namespace
