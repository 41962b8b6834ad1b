// The graph palette: which colours are collected, their order and limit, and
// when a new palette replaces the old one.
#include <gtest/gtest.h>

#include <algorithm>

#include "graph.h"
#include "graph_fixture.h"
#include "headless_window.h"
#include "output_state.h"
#include "palette.h"
#include "image_picture.h"

namespace {

using vex3d::order_palette;

bool has(const std::vector<int> &colors, int c) { return std::find(colors.begin(), colors.end(), c) != colors.end(); }

TEST(PaletteOrder, NonPlainColoursFirstEachAscendingWithoutDuplicates) {
  EXPECT_EQ(order_palette({0xFFFFFF, 0x123456, 0x000000, 0x010203, 0x808080, 0x123456, 0x80FF00}),
            (std::vector<int>{0x010203, 0x123456, 0x000000, 0x808080, 0x80FF00, 0xFFFFFF}));
}

TEST(PaletteOrder, KeepsAtMost256WithThePlainColoursCut) {
  std::vector<int> colors = {0x000000, 0xFFFFFF, 0x808080};
  for (int i = 0; i < 300; ++i) colors.push_back(0x000100 * i + 0x000001);  // red 1, green varies
  const auto palette = order_palette(colors);
  ASSERT_EQ(palette.size(), 256u);
  EXPECT_EQ(palette.front(), 0x000001);
  EXPECT_EQ(palette.back(), 0x000001 + 0x000100 * 255);
  EXPECT_FALSE(has(palette, 0xFFFFFF));
}

TEST(PaletteColors, DefaultChartColoursWithBorderShades) {
  auto graph = make_graph();
  const auto colors = vex3d::collect_palette_colors(graph.get());
  for (const int c : {0xFFFFFF, 0x000000, 0xF2F2F2, 0xA6A6A6, 0xD3D3D3, 0x707070}) EXPECT_TRUE(has(colors, c)) << c;
  // The legend's background is unset: neither its shades nor its foreground.
  Vex3dSetValues(graph.get(), VEX3D_LEGEND_FOREGROUND_COLOR, 0x654321, 0);
  EXPECT_FALSE(has(vex3d::collect_palette_colors(graph.get()), 0x654321));
  Vex3dSetValues(graph.get(), VEX3D_LEGEND_BACKGROUND_COLOR, 0x0000FF, 0);
  const auto with_legend = vex3d::collect_palette_colors(graph.get());
  for (const int c : {0x0000FF, 0x8080FF, 0x0000A6, 0x654321}) EXPECT_TRUE(has(with_legend, c)) << c;
}

// Three contour styles told apart by their colours.
struct ThreeStyles {
  Vex3dContourStyle s[3] = {{0x000011, 0x000012, 1, Vex3dLpatSolid},
                            {0x000021, 0x000022, 1, Vex3dLpatSolid},
                            {0x000031, 0x000032, 1, Vex3dLpatSolid}};
  Vex3dContourStyle *list[4] = {&s[0], &s[1], &s[2], nullptr};
};

TEST(PaletteColors, EachContourBandTakesItsStyle) {
  ThreeStyles styles;
  struct Case {
    int levels;
    bool style0, style1, style2;
  } cases[] = {
      {1, true, false, true},   // bands 0 and 1: styles 0 and 2
      {0, true, false, false},  // one band, the first style
      {4, true, true, true},
  };
  for (const Case &c : cases) {
    auto graph = make_graph();
    Vex3dSetValues(graph.get(), VEX3D_CONTOUR_STYLES, styles.list, VEX3D_NUM_DISTN_LEVELS, c.levels, 0);
    EXPECT_FALSE(has(vex3d::collect_palette_colors(graph.get()), 0x000011)) << "no contours drawn";
    Vex3dSetValues(graph.get(), VEX3D_DRAW_ZONES, 1, 0);
    const auto colors = vex3d::collect_palette_colors(graph.get());
    EXPECT_EQ(has(colors, 0x000011) && has(colors, 0x000012), c.style0) << c.levels;
    EXPECT_EQ(has(colors, 0x000021) && has(colors, 0x000022), c.style1) << c.levels;
    EXPECT_EQ(has(colors, 0x000031) && has(colors, 0x000032), c.style2) << c.levels;
  }
}

TEST(PaletteColors, LoadedBitmapPicturesAddTheirColours) {
  auto graph = make_graph();
  auto pic = vex3d::make_rgb_bitmap(2, 1);
  pic->bits = {0x56, 0x34, 0x12, 0xFF, 0xEE, 0xDD, 0, 0};  // blue, green, red per pixel
  vex3d::set_image_picture(graph->header.image, std::move(pic));
  const auto colors = vex3d::collect_palette_colors(graph.get());
  EXPECT_TRUE(has(colors, 0x563412));
  EXPECT_TRUE(has(colors, 0xFFEEDD));
}

TEST(PaletteBuild, AnEqualPaletteIsKeptAndANewOneAnnounced) {
  auto graph = make_graph();
  vex3d::HeadlessWindow window(100, 100);
  graph->window = &window;  // notifications only; not attached
  graph->change_mask = 0;
  EXPECT_TRUE(vex3d::rebuild_palette(graph.get()));
  EXPECT_EQ(graph->change_mask, VEX3D_CHANGE_ALL);
  ASSERT_EQ(window.messages().size(), 1u);
  EXPECT_EQ(window.messages()[0].number, 0x400 + 4002);

  graph->change_mask = 0;
  EXPECT_FALSE(vex3d::rebuild_palette(graph.get()));
  EXPECT_EQ(graph->change_mask, 0);
  EXPECT_EQ(window.messages().size(), 1u);

  // With an extra colour set, a new palette does not redraw everything.
  vex3d::output_state(graph.get()).extra_palette_color = 0x010203;
  EXPECT_TRUE(vex3d::rebuild_palette(graph.get()));
  EXPECT_EQ(graph->change_mask, 0);
  EXPECT_EQ(window.messages().size(), 2u);
  graph->window = nullptr;
}

TEST(PaletteBuild, ExtraColourBuildsOnlyWhereAPaletteIsUsed) {
  auto graph = make_graph();
  graph->color_depth = 24;
  Vex3dSetPaletteColor(graph.get(), 0x010203);
  EXPECT_FALSE(vex3d::output_state(graph.get()).has_palette);
  graph->color_depth = 8;
  Vex3dSetPaletteColor(graph.get(), 0x040506);
  const auto &out = vex3d::output_state(graph.get());
  ASSERT_TRUE(out.has_palette);
  EXPECT_TRUE(has(out.palette, 0x040506));
  EXPECT_FALSE(has(out.palette, 0x010203));
}

}  // namespace
