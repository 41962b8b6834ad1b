// The regions of picking on a laid-out page: the header, the footer and the
// chart area where the page layout placed them, and what a pick in each
// region answers.
#include <gtest/gtest.h>

#include <memory>

#include "data.h"
#include "graph.h"
#include "graph_fixture.h"
#include "legend.h"
#include "page.h"
#include "pick.h"

namespace {

using vex3d::Rect;

const char *const kHeader[] = {"A header over the chart", nullptr};
const char *const kFooter[] = {"A footer below it", nullptr};

struct Page {
  GraphPtr graph = make_graph();
  Vex3dGraph *g = graph.get();
  const vex3d::DataPtr data{Vex3dDataCreateGrid(20, 20, 1e308, 1, 1, 0, 0, 1)};
  Page() {
    for (int i = 0; i < 20; ++i)
      for (int j = 0; j < 20; ++j) data->grid.values[i][j] = (i - 10) * (j - 10) * 0.05;
    Vex3dSetValues(g, VEX3D_REPAINT, 0, VEX3D_WIDTH, 600, VEX3D_HEIGHT, 450, VEX3D_SURFACE_DATA, data.get(),
                   VEX3D_DRAW_SHADED, 1, VEX3D_HEADER_STRINGS, kHeader, VEX3D_FOOTER_STRINGS, kFooter, 0);
  }
  void draw() {
    Vex3dDrawContext *picture = Vex3dCreateRasterContext(600, 450);
    Vex3dDrawPage(g, picture, VEX3D_CHANGE_ALL);
    Vex3dDestroyDrawContext(picture);
  }
};

int centre_x(const Rect &r) { return r.x + r.width / 2; }
int centre_y(const Rect &r) { return r.y + r.height / 2; }

TEST(PickRegions, EachRegionWhereThePageLayoutPlacedIt) {
  Page page;
  page.draw();
  const Rect header = page.g->header.rect, footer = page.g->footer.rect, chart = page.g->graph_rect;
  ASSERT_GT(header.height, 0);
  ASSERT_GT(footer.height, 0);
  ASSERT_GT(chart.height, 0);
  ASSERT_LE(header.y + header.height, chart.y) << "the header lies above the chart area";
  ASSERT_LE(chart.y + chart.height, footer.y) << "the footer below it";
  const struct {
    const char *name;
    int x, y, region;
  } cases[] = {
      {"the header's middle", centre_x(header), centre_y(header), Vex3dRegionInHeader},
      {"the header's first pixel", header.x, header.y, Vex3dRegionInHeader},
      {"the header's last pixel", header.x + header.width - 1, header.y + header.height - 1, Vex3dRegionInHeader},
      {"left of the header", header.x - 1, centre_y(header), Vex3dRegionNone},
      {"the footer's middle", centre_x(footer), centre_y(footer), Vex3dRegionInFooter},
      {"below the footer", centre_x(footer), footer.y + footer.height, Vex3dRegionNone},
      {"the chart area's middle", centre_x(chart), centre_y(chart), Vex3dRegionInChartArea},
      {"the chart area's first pixel", chart.x, chart.y, Vex3dRegionInChartArea},
      {"just above the chart area", chart.x, chart.y - 1, Vex3dRegionNone},
      {"the page's corner", 0, 0, Vex3dRegionNone},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(Vex3dPickRegion(page.g, c.x, c.y), c.region) << c.name;
    EXPECT_EQ(Vex3dPixelToDataCoord(page.g, c.x, c.y).region, c.region) << c.name;
    EXPECT_EQ(Vex3dPixelToDataIndex(page.g, c.x, c.y).region, c.region) << c.name;
  }
}

TEST(PickRegions, OnlyTheChartAreaShowsData) {
  Page page;
  page.draw();
  const Rect header = page.g->header.rect;
  const Vex3dDataCoordResult over_header = Vex3dPixelToDataCoord(page.g, centre_x(header), centre_y(header));
  EXPECT_EQ(over_header.z, VALUE_UNSET);
  EXPECT_EQ(Vex3dPixelToDataIndex(page.g, centre_x(header), centre_y(header)).row, -1);
  // The middle grid point's pixel lies in the chart area and picks it back.
  const Vex3dIndexPixelResult p = Vex3dDataIndexToPixel(page.g, 10, 10);
  EXPECT_EQ(Vex3dPickRegion(page.g, p.pixel_x, p.pixel_y), Vex3dRegionInChartArea);
  const Vex3dDataIndexResult back = Vex3dPixelToDataIndex(page.g, p.pixel_x, p.pixel_y);
  EXPECT_EQ(back.row, 10);
  EXPECT_EQ(back.column, 10);
  EXPECT_NE(Vex3dPixelToDataCoord(page.g, p.pixel_x, p.pixel_y).z, VALUE_UNSET);
}

// A scatter chart's legend lists its series: a pixel over an entry gives
// that series as the row, anywhere else in the legend no row.
TEST(PickRegions, OverAScatterLegendTheEntryGivesTheSeries) {
  GraphPtr graph = make_graph();
  Vex3dGraph *g = graph.get();
  const vex3d::DataPtr data{Vex3dDataCreatePoint(3, 4, 1e308, 1)};
  for (int s = 0; s < 3; ++s)
    for (int k = 0; k < 4; ++k) data->point.series[s].points[k] = Vex3dPoint{double(k), double(s), double(k + s)};
  const char *const names[] = {"first", "second", "third", nullptr};
  Vex3dSetValues(g, VEX3D_REPAINT, 0, VEX3D_WIDTH, 600, VEX3D_HEIGHT, 450, VEX3D_SURFACE_DATA, data.get(), VEX3D_TYPE,
                 Vex3dTypeScatter, VEX3D_DRAW_SHADED, 1, VEX3D_LEGEND_SHOW, 1, VEX3D_LEGEND_STRINGS, names, 0);
  Vex3dDrawContext *picture = Vex3dCreateRasterContext(600, 450);
  Vex3dDrawPage(g, picture, VEX3D_CHANGE_ALL);
  Vex3dDestroyDrawContext(picture);
  const Rect legend = g->legend_rect;
  ASSERT_GT(legend.width, 0);
  ASSERT_GT(legend.height, 0);

  int entries = 0;
  vex3d::for_each_placed_entry(g, [&](const vex3d::LegendEntry &, int x, int y) {
    // The series are listed in their order.
    const Vex3dDataIndexResult r = Vex3dPixelToDataIndex(g, x + 2, y + 2);
    EXPECT_EQ(r.region, Vex3dRegionInLegend);
    EXPECT_EQ(r.row, entries) << "entry " << entries;
    EXPECT_EQ(r.column, -1);
    EXPECT_EQ(Vex3dPixelToDataCoord(g, x + 2, y + 2).x, VALUE_UNSET);
    ++entries;
  });
  EXPECT_EQ(entries, 3);
  const Vex3dDataIndexResult corner = Vex3dPixelToDataIndex(g, legend.x, legend.y);
  EXPECT_EQ(corner.region, Vex3dRegionInLegend);
  EXPECT_EQ(corner.row, -1) << "the legend's margin shows no entry";
  // A surface's legend shows no series.
  Vex3dSetValues(g, VEX3D_TYPE, Vex3dTypeSurface, 0);
  EXPECT_EQ(Vex3dPixelToDataIndex(g, legend.x + legend.width / 2, legend.y + legend.height / 2).row, -1);
}

}  // namespace
