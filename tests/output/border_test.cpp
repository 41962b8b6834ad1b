// Region borders drawn into a raster picture: every type's bands, pixel by
// pixel across the left and right sides, in colour and in monochrome.
#include <gtest/gtest.h>

#include <string>

#include "border.h"
#include "geometry.h"
#include "graph.h"
#include "graph_fixture.h"
#include "raster_context.h"
#include "recording_context.h"
#include "shades.h"
#include "w_render.h"

namespace {

constexpr int kBackground = 0xB07030, kForeground = 0x0000FF;
constexpr int kX = 4, kY = 3, kW = 24, kH = 18;

struct BorderPicture {
  GraphPtr graph = make_graph();
  vex3d::platform::RasterContext raster{32, 26};
  vex3d::BackgroundColor record{kBackground};
  const vex3d::CurrentContextScope current{graph.get(), &raster};
  BorderPicture() { vex3d::prepare_context(graph.get()); }
  void draw(int type, int width, bool use_background = false) {
    Vex3dDrawBorder(graph.get(), kX, kY, kW, kH, type, width, &record, kForeground, use_background);
  }
  // The letters of the pixels across a side at mid-height, outermost first:
  // L light shade, D dark shade, B background colour, F foreground colour,
  // K black, . untouched, ? anything else.
  std::string across(bool left, int count) {
    const vex3d::Shades s = vex3d::border_shades(kBackground);
    std::string out;
    for (int k = 0; k < count; ++k) {
      const int x = left ? kX + k : kX + kW - 1 - k;
      const std::uint32_t p = raster.pixel(x, kY + kH / 2);
      using vex3d::platform::argb_of;
      using vex3d::platform::rgb_of;
      char c = '?';
      if (p == 0)
        c = '.';
      else if (p == argb_of(rgb_of(s.light)))
        c = 'L';
      else if (p == argb_of(rgb_of(s.dark)))
        c = 'D';
      else if (p == argb_of(rgb_of(kBackground)))
        c = 'B';
      else if (p == argb_of(rgb_of(kForeground)))
        c = 'F';
      else if (p == 0xFF000000u)
        c = 'K';
      out += c;
    }
    return out;
  }
};

struct BandCase {
  const char *name;
  int type, width;
  const char *left, *right;  // width + 1 pixels from the outer edge inward
};

const BandCase kBands[] = {
    {"3dOut", Vex3dBorder3dOut, 3, "LLL.", "DDD."},
    {"3dIn", Vex3dBorder3dIn, 3, "DDD.", "LLL."},
    {"EtchedIn: 2-pixel 3dIn outside a 1-pixel 3dOut", Vex3dBorderEtchedIn, 3, "DDL.", "LLD."},
    {"EtchedOut", Vex3dBorderEtchedOut, 3, "LLD.", "DDL."},
    {"Plain in the foreground", Vex3dBorderPlain, 3, "FFF.", "FFF."},
    {"Plain of width 1", Vex3dBorderPlain, 1, "F.", "F."},
    {"Plain of width 2", Vex3dBorderPlain, 2, "FF.", "FF."},
    {"FrameIn", Vex3dBorderFrameIn, 3, "DLB.", "LDB."},
    {"FrameOut of 5: 3dOut 2, plain 3 under a 3dIn outline", Vex3dBorderFrameOut, 5, "LLDBB.", "DDLBB."},
    {"FrameOut of 8: two lines inside the plain band", Vex3dBorderFrameOut, 8, "LLLLBLBD.", "DDDDBDBL."},
    {"Bevel", Vex3dBorderBevel, 3, "BLD.", "BDL."},
    {"Bevel of 8", Vex3dBorderBevel, 8, "BLBBBBBD.", "BDBBBBBL."},
    {"3dOut of 1", Vex3dBorder3dOut, 1, "L.", "D."},
};

class BorderBands : public ::testing::TestWithParam<BandCase> {};

TEST_P(BorderBands, AcrossBothSides) {
  const BandCase &c = GetParam();
  BorderPicture p;
  p.draw(c.type, c.width);
  EXPECT_EQ(p.across(true, c.width + 1), c.left) << c.name;
  EXPECT_EQ(p.across(false, c.width + 1), c.right) << c.name;
  EXPECT_EQ(p.raster.pixel(kX - 1, kY + kH / 2), 0u) << "nothing outside the rectangle";
  EXPECT_EQ(p.raster.pixel(kX + kW, kY + kH / 2), 0u);
}

INSTANTIATE_TEST_SUITE_P(Border, BorderBands, ::testing::ValuesIn(kBands), [](const auto &info) {
  std::string name;
  for (char ch : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return name;
});

TEST(Border, PlainTakesTheBackgroundWhenAsked) {
  BorderPicture p;
  p.draw(Vex3dBorderPlain, 2, true);
  EXPECT_EQ(p.across(true, 3), "BB.");
}

TEST(Border, ShadowIsAFaceOutlineAndAStippledShadow) {
  BorderPicture p;
  p.draw(Vex3dBorderShadow, 3);
  // The face (w - 3 wide) has a one-pixel 3dOut edge; the shadow band is
  // a checkerboard of black over whatever was there.
  EXPECT_EQ(p.across(true, 2), "L.");
  EXPECT_EQ(p.raster.pixel(kX + kW - 4, kY + kH / 2), vex3d::platform::argb_of(vex3d::border_shades(kBackground).dark));
  int black = 0, untouched = 0;
  for (int x = kX + kW - 3; x < kX + kW; ++x)
    for (int y = kY + 3; y < kY + kH; ++y) (p.raster.pixel(x, y) == 0xFF000000u ? black : untouched) += 1;
  EXPECT_GT(black, 0);
  EXPECT_GT(untouched, 0);
  EXPECT_EQ(p.raster.pixel(kX + 1, kY + kH - 1), 0u) << "the shadow starts b pixels in";
}

TEST(Border, MonochromeBandsAreStippledAndBlack) {
  BorderPicture p;
  p.graph->color_depth = 1;
  p.draw(Vex3dBorder3dOut, 3);
  const std::string left = p.across(true, 3), right = p.across(false, 3);
  EXPECT_EQ(right, "KKK") << "the dark band is solid black";
  EXPECT_NE(left.find('K'), std::string::npos) << left;
  EXPECT_NE(left.find('.'), std::string::npos) << "the light band is stippled: " << left;
}

TEST(Border, WhiteBackgroundKeepsA3dOutVisible) {
  BorderPicture p;
  p.record = vex3d::BackgroundColor{0xFFFFFF};
  p.draw(Vex3dBorder3dOut, 2);
  EXPECT_EQ(p.raster.pixel(kX, kY + kH / 2), vex3d::platform::argb_of(vex3d::border_shades(0xFFFFFF).light));
  EXPECT_NE(p.raster.pixel(kX, kY + kH / 2), 0xFFFFFFFFu);
}

TEST(Border, NoneOrWidthZeroDrawNothing) {
  GraphPtr graph = make_graph();
  vex3d::platform::RecordingContext rec;
  const vex3d::CurrentContextScope current(graph.get(), &rec);
  vex3d::BackgroundColor record{kBackground};
  for (int type = Vex3dBorderNone; type <= Vex3dBorderBevel; ++type) {
    Vex3dDrawBorder(graph.get(), 0, 0, 50, 40, type, 0, &record, kForeground, 0);
    Vex3dDrawBorder(graph.get(), 0, 0, 0, 40, type, 5, &record, kForeground, 0);
  }
  for (int width : {1, 5, 20}) Vex3dDrawBorder(graph.get(), 0, 0, 50, 40, Vex3dBorderNone, width, &record, 0, 0);
  EXPECT_TRUE(rec.ops().empty());
}

TEST(Border, ARectangleSmallerThanItsBorderStaysInside) {
  for (int type = Vex3dBorder3dOut; type <= Vex3dBorderBevel; ++type) {
    GraphPtr graph = make_graph();
    vex3d::platform::RasterContext raster(20, 20);
    const vex3d::CurrentContextScope current(graph.get(), &raster);
    vex3d::BackgroundColor record{kBackground};
    Vex3dDrawBorder(graph.get(), 5, 5, 4, 3, type, 8, &record, kForeground, 0);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (x < 5 || x >= 9 || y < 5 || y >= 8) {
          EXPECT_EQ(raster.pixel(x, y), 0u) << type << " at " << x << "," << y;
        }
  }
}

}  // namespace
