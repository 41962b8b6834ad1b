// Contours of a graph: when they are computed, from which data, when they
// are discarded, and extracted as point data.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "contour.h"
#include "data.h"
#include "graph.h"
#include "graph_contours.h"
#include "graph_data.h"
#include "graph_fixture.h"
#include "message_capture.h"

namespace {

template <class F>
DataPtr grid(int nx, int ny, F f, double hole = -99) {
  DataPtr d(Vex3dDataCreateGrid(nx, ny, hole, 1, 1, 0, 0, 1));
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < ny; ++j) d->grid.values[i][j] = f(i, j);
  return d;
}

// A graph drawing contours of `data` at the given levels.
GraphPtr contoured_graph(Vex3dData *data, std::vector<double> levels) {
  GraphPtr g = make_graph();
  Vex3dDistnTable table{int(levels.size()), levels.data()};
  Vex3dSetValues(g.get(), VEX3D_REPAINT, 0, VEX3D_SURFACE_DATA, data, VEX3D_DISTN_METHOD, Vex3dDistnFromTable,
                 VEX3D_DISTN_TABLE, &table, VEX3D_DRAW_CONTOURS, 1, 0);
  return g;
}

struct DataPtrSeries {
  DataPtr data;
  std::vector<double> xs(int s) const {
    std::vector<double> v;
    for (int k = 0; k < data->point.series[s].npoints; ++k) v.push_back(data->point.series[s].points[k].x);
    return v;
  }
};

TEST(DataContours, FirstZeroLastFourFilterTwoGivesLevelsZeroTwoFour) {
  // z = x: level k (0.5 + k) crosses every row of cells once, at x = 0.5 + k.
  DataPtr d = grid(8, 5, [](int i, int) { return double(i); });
  GraphPtr g = contoured_graph(d.get(), {0.5, 1.5, 2.5, 3.5, 4.5, 5.5});
  DataPtrSeries out{DataPtr(Vex3dDataContours(g.get(), 0, 4, 2))};
  ASSERT_TRUE(out.data);
  EXPECT_EQ(out.data->type, VEX3D_POINT);
  EXPECT_EQ(out.data->point.hole, -99);
  ASSERT_EQ(out.data->point.nseries, 3);
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(out.xs(s), std::vector<double>(4, 0.5 + 2 * s)) << "series " << s;
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(out.data->point.series[s].points[k].y, k) << "point a, the lower end of the segment in cell row " << k;
      EXPECT_EQ(out.data->point.series[s].points[k].z, 0.5 + 2 * s);
    }
  }
}

TEST(DataContours, LevelRangeIsClampedAndFilterAtLeastOne) {
  DataPtr d = grid(8, 5, [](int i, int) { return double(i); });
  GraphPtr g = contoured_graph(d.get(), {0.5, 1.5, 2.5});
  // first -3 and last 99 clamp to 0 and 3 (the level count); filter 0 counts as 1.
  DataPtrSeries out{DataPtr(Vex3dDataContours(g.get(), -3, 99, 0))};
  ASSERT_TRUE(out.data);
  ASSERT_EQ(out.data->point.nseries, 4);
  for (int s = 0; s < 3; ++s) EXPECT_EQ(out.xs(s), std::vector<double>(4, 0.5 + s));
  EXPECT_EQ(out.data->point.series[3].npoints, 0);
}

TEST(DataContours, RefusedWithoutASurfaceChartDrawingLinesOrZones) {
  DataPtr d = grid(4, 4, [](int i, int) { return double(i); });
  struct Case {
    const char *what;
    int type, contours, zones, first, last;
  };
  const Case cases[] = {
      {"a bar chart", Vex3dTypeBar, 1, 0, 0, 1},
      {"neither lines nor zones drawn", Vex3dTypeSurface, 0, 0, 0, 1},
      {"first after last", Vex3dTypeSurface, 1, 0, 2, 1},
  };
  for (const Case &c : cases) {
    GraphPtr g = contoured_graph(d.get(), {0.5, 1.5});
    Vex3dSetValues(g.get(), VEX3D_TYPE, c.type, VEX3D_DRAW_CONTOURS, c.contours, VEX3D_DRAW_ZONES, c.zones, 0);
    EXPECT_EQ(Vex3dDataContours(g.get(), c.first, c.last, 1), nullptr) << c.what;
  }
  // Zones alone are enough, and the lines are traced for the extraction.
  GraphPtr g = contoured_graph(d.get(), {0.5, 1.5});
  Vex3dSetValues(g.get(), VEX3D_DRAW_CONTOURS, 0, VEX3D_DRAW_ZONES, 1, VEX3D_ZONE_METHOD, Vex3dZoneCells, 0);
  DataPtr out(Vex3dDataContours(g.get(), 0, 1, 1));
  ASSERT_TRUE(out);
  EXPECT_EQ(out->point.series[0].npoints, 3);
}

TEST(GraphContours, ComputedWhenNeededAndDiscardedWithTheLevels) {
  DataPtr d = grid(6, 6, [](int i, int j) { return double(i + j); });
  GraphPtr g = contoured_graph(d.get(), {2.5, 4.5});
  const vex3d::ContourState *state = vex3d::update_contours(g.get());
  ASSERT_NE(state, nullptr);
  EXPECT_TRUE(state->result.lines_traced);
  EXPECT_EQ(state->result.levels, (std::vector<double>{2.5, 4.5}));
  EXPECT_EQ(vex3d::update_contours(g.get()), state) << "current results are kept";

  Vex3dSetValues(g.get(), VEX3D_NUM_DISTN_LEVELS, 3, 0);
  EXPECT_EQ(vex3d::current_contours(g.get()), nullptr) << "a change of the levels discards them";

  // Zones from cells alone need no lines: only the cell records are made.
  Vex3dSetValues(g.get(), VEX3D_DRAW_CONTOURS, 0, VEX3D_DRAW_ZONES, 1, VEX3D_ZONE_METHOD, Vex3dZoneCells, 0);
  state = vex3d::update_contours(g.get());
  ASSERT_NE(state, nullptr);
  EXPECT_FALSE(state->result.lines_traced);
  EXPECT_EQ(state->result.cell_count(), 25);
  // Zones along the contours need them: computed again.
  Vex3dSetValues(g.get(), VEX3D_ZONE_METHOD, Vex3dZoneContours, 0);
  state = vex3d::update_contours(g.get());
  ASSERT_NE(state, nullptr);
  EXPECT_TRUE(state->result.lines_traced);

  // Nothing drawn, nothing computed; a projection of lines is enough.
  Vex3dSetValues(g.get(), VEX3D_DRAW_ZONES, 0, 0);
  EXPECT_EQ(vex3d::update_contours(g.get()), nullptr);
  Vex3dSetValues(g.get(), VEX3D_PROJECT_ZMIN, Vex3dProjectContours, 0);
  EXPECT_NE(vex3d::update_contours(g.get()), nullptr);
}

TEST(GraphContours, DiscardedWhenTheGridsArePreparedAgain) {
  // The results point into the prepared grids: preparing them again (as a
  // full page drawing does) must not leave them pointing at the old ones.
  DataPtr d = grid(6, 6, [](int i, int j) { return double(i * j); });
  GraphPtr g = contoured_graph(d.get(), {2.5, 8.5});
  ASSERT_NE(vex3d::update_contours(g.get()), nullptr);
  vex3d::refresh_graph_data(g.get());
  EXPECT_EQ(vex3d::current_contours(g.get()), nullptr);
  const vex3d::ContourState *again = vex3d::update_contours(g.get());
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->source.x, g->surface_info.xgrid + g->ranges.portion.first_x) << "computed from the grids in use";
}

TEST(GraphContours, WindowIsTheViewingPortion) {
  DataPtr d = grid(10, 6, [](int i, int) { return double(i); });
  GraphPtr g = contoured_graph(d.get(), {1.5, 4.5, 7.5});
  Vex3dSetValues(g.get(), VEX3D_XMIN, 3.0, VEX3D_XMAX, 8.0, 0);
  const vex3d::ContourState *state = vex3d::update_contours(g.get());
  ASSERT_NE(state, nullptr);
  EXPECT_EQ(state->result.nx, 6);
  EXPECT_EQ(state->result.ny, 6);
  for (const Vex3dContourLine &line : state->result.lines) {
    EXPECT_NE(line.level, 0) << "level 1.5 lies outside x 3 .. 8";
    for (const Vex3dContourPoint *p = line.first; p; p = p->next) EXPECT_TRUE(p->x >= 3 && p->x <= 8);
  }
}

TEST(GraphContours, ZoneDataIsContouredOnTheSurface) {
  DataPtr surface = grid(5, 5, [](int, int j) { return 10.0 + j; });
  DataPtr zones = grid(5, 5, [](int i, int) { return double(i); });
  GraphPtr g = contoured_graph(surface.get(), {1.5, 2.5});
  Vex3dSetValues(g.get(), VEX3D_ZONE_DATA, zones.get(), 0);
  ASSERT_TRUE(g->zone_info.valid);
  const vex3d::ContourState *state = vex3d::update_contours(g.get());
  ASSERT_NE(state, nullptr);
  ASSERT_EQ(state->result.lines.size(), 2u);
  for (const Vex3dContourLine &line : state->result.lines)
    for (const Vex3dContourPoint *p = line.first; p; p = p->next) {
      EXPECT_EQ(p->x, line.level + 1.5);
      EXPECT_DOUBLE_EQ(p->z, 10 + p->y);
    }
}

TEST(GraphContours, FailureIsReportedAndDrawsNothing) {
  // 2,000 levels crossing every edge of a 1000 x 1000 grid would need
  // gigabytes: nothing is computed and the reason is told.
  DataPtr d = grid(1000, 1000, [](int i, int j) { return (i + j) % 2 ? 0.0 : 1.0; });
  std::vector<double> levels;
  for (int k = 1; k <= 2000; ++k) levels.push_back(k / 2001.0);
  GraphPtr g = contoured_graph(d.get(), levels);
  Vex3dSetValues(g.get(), VEX3D_DEBUG, 1, 0);
  MessageCapture messages;
  EXPECT_EQ(vex3d::update_contours(g.get()), nullptr);
  EXPECT_EQ(messages.all(),
            "VEX/3d: Contours and zones not computed.\n        The levels cross the grid too many times.\n");
  messages.clear();
  EXPECT_EQ(vex3d::update_contours(g.get()), nullptr);
  EXPECT_EQ(messages.all(), "") << "not tried again until something changes";
}

}  // namespace
