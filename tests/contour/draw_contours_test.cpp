// What the contour lines and zones draw through the operation table, on a
// recording context.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "data.h"
#include "engine_ptr.h"
#include "draw_contours.h"
#include "graph_contours.h"
#include "raster_context.h"
#include "recording_fixture.h"

namespace {

using vex3d::ScreenPoint;
using vex3d::platform::Point;
using vex3d::platform::Primitive;
using vex3d::platform::RecordedOp;

// Three styles with colours of their own; the middle one draws no line.
const Vex3dContourStyle kStyles[3] = {
    {0x0000AA, 0x111111, 1, Vex3dLpatSolid},
    {0x00BB00, 0x222222, 0, Vex3dLpatSolid},
    {0xCC0000, 0x333333, 2, Vex3dLpatDotted},
};

class DrawContours : public RecordingGraph {
 protected:
  // Contours of `data` at `levels`, with the grid projected to (100 i, 100 j).
  void contour(DataPtr d, std::vector<double> levels) {
    data = std::move(d);
    const Vex3dContourStyle *styles[4] = {&kStyles[0], &kStyles[1], &kStyles[2], nullptr};
    Vex3dDistnTable table{int(levels.size()), levels.data()};
    Vex3dSetValues(graph.get(), VEX3D_REPAINT, 0, VEX3D_SURFACE_DATA, data.get(), VEX3D_DISTN_METHOD,
                   Vex3dDistnFromTable, VEX3D_DISTN_TABLE, &table, VEX3D_CONTOUR_STYLES, styles, VEX3D_DRAW_CONTOURS,
                   1, VEX3D_DRAW_ZONES, 1, 0);
    state = vex3d::update_contours(graph.get());
    ASSERT_NE(state, nullptr);
    for (const Vex3dContourLine &line : state->result.lines)
      for (Vex3dContourPoint *p = line.first; p; p = p->next) {
        p->sx = int(100 * p->x + 0.5);
        p->sy = int(100 * p->y + 0.5);
      }
    recording.clear();
  }
  static constexpr auto project = [](int i, int j) { return ScreenPoint{100 * i, 100 * j}; };

  DataPtr data;
  const vex3d::ContourState *state = nullptr;
};

DataPtr grid(int nx, int ny, double (*f)(int, int)) {
  DataPtr d(Vex3dDataCreateGrid(nx, ny, -99, 1, 1, 0, 0, 1));
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < ny; ++j) d->grid.values[i][j] = f(i, j);
  return d;
}

double bump(int i, int j) { return i == 1 && j == 1 ? 1.0 : 0.0; }

TEST_F(DrawContours, CellContoursInTheLineStyleOfTheirLevel) {
  // Levels 0.25 and 0.5 of 2 take styles 0 and 1 (of 3: zones 0, 1, 2 take 0, 1, 2).
  contour(grid(3, 3, bump), {0.25, 0.5});
  vex3d::draw_cell_contours(graph.get(), 0, 0);
  // Only level 0.25 has a line; level 0.5's style has width 0.
  ASSERT_EQ(ops().size(), 1u);
  const RecordedOp &op = ops()[0];
  EXPECT_EQ(op.primitive, Primitive::kPolyline);
  EXPECT_EQ(op.points, (std::vector<Point>{{100, 25}, {25, 100}}));
  EXPECT_EQ(op.state.pen.color, 0x111111u);
}

TEST_F(DrawContours, CellZonesAreFilledPieceByPieceInTheirZoneColour) {
  contour(grid(3, 3, bump), {0.5});
  EXPECT_TRUE(vex3d::fill_cell_zones(graph.get(), 0, 0, project));
  ASSERT_EQ(ops().size(), 2u);
  // The corner (1, 1) of the bump, cut off first; then the rest of the cell.
  EXPECT_EQ(ops()[0].primitive, Primitive::kPolygon);
  EXPECT_EQ(ops()[0].points, (std::vector<Point>{{100, 100}, {100, 50}, {50, 100}}));
  EXPECT_EQ(ops()[0].state.brush.color, 0xCC0000u);  // zone 1 of 1 level: the last style
  EXPECT_EQ(ops()[1].points, (std::vector<Point>{{0, 100}, {0, 0}, {100, 0}, {100, 50}, {50, 100}}));
  EXPECT_EQ(ops()[1].state.brush.color, 0x0000AAu);
}

TEST_F(DrawContours, ZonedMeshIsCutAtTheContourPoints) {
  contour(grid(3, 3, bump), {0.5});
  EXPECT_EQ(vex3d::draw_cell_zoned_mesh(graph.get(), 0, 0, project, vex3d::kMeshRight), 1);
  ASSERT_EQ(ops().size(), 2u);
  EXPECT_EQ(ops()[0].points, (std::vector<Point>{{100, 0}, {100, 50}}));
  EXPECT_EQ(ops()[0].state.pen.color, 0x0000AAu);  // the fill colour of zone 0
  EXPECT_EQ(ops()[1].points, (std::vector<Point>{{100, 50}, {100, 100}}));
  EXPECT_EQ(ops()[1].state.pen.color, 0xCC0000u);

  // Without colours every piece takes the graph's foreground.
  recording.clear();
  graph->color_depth = 1;
  Vex3dSetValues(graph.get(), VEX3D_GRAPH_FOREGROUND_COLOR, 0x123456, 0);
  vex3d::draw_cell_zoned_mesh(graph.get(), 0, 0, project, vex3d::kMeshRight);
  ASSERT_EQ(ops().size(), 2u);
  for (const RecordedOp &op : ops()) EXPECT_EQ(op.state.pen.color, 0x123456u);
}

TEST_F(DrawContours, HoleCellsDrawNothing) {
  contour(grid(3, 3, [](int i, int j) { return i == 0 && j == 0 ? -99.0 : bump(i, j); }), {0.5});
  EXPECT_FALSE(vex3d::fill_cell_zones(graph.get(), 0, 0, project));
  EXPECT_EQ(vex3d::draw_cell_zoned_mesh(graph.get(), 0, 0, project, 15), 0);
  vex3d::draw_cell_contours(graph.get(), 0, 0);
  EXPECT_TRUE(ops().empty());
}

TEST_F(DrawContours, LongLinesGoOutInJoinedPiecesOf300Points) {
  // z = y over 401 columns: one level crosses 400 cells, a polyline of 401 points.
  contour(grid(401, 3, [](int, int j) { return double(j); }), {0.5});
  vex3d::draw_contour_lines(graph.get());
  ASSERT_EQ(ops().size(), 2u);
  EXPECT_EQ(ops()[0].points.size(), 300u);
  EXPECT_EQ(ops()[1].points.size(), 102u);
  EXPECT_EQ(ops()[1].points.front(), ops()[0].points.back());
  EXPECT_EQ(ops()[0].points.front(), (Point{0, 50}));
  EXPECT_EQ(ops()[1].points.back(), (Point{40000, 50}));
}

TEST_F(DrawContours, AllZonesAreBatchedByZone) {
  // z = i on 5 x 3 with zones from cells: zone k holds the cells whose mean
  // lies between levels; every cell is one rectangle, zones drawn in order.
  contour(grid(5, 3, [](int i, int) { return double(i); }), {1.0, 2.0});
  Vex3dSetValues(graph.get(), VEX3D_ZONE_METHOD, Vex3dZoneCells, 0);
  vex3d::fill_all_zones(graph.get(), project, nullptr);
  std::vector<unsigned> colors;
  for (const RecordedOp &op : ops()) {
    EXPECT_EQ(op.primitive, Primitive::kRectangle);
    colors.push_back(op.state.brush.color);
  }
  // Cell means 0.5 (zone 0), 1.5 (zone 1), 2.5 and 3.5 (zone 2), two rows each.
  EXPECT_EQ(colors, (std::vector<unsigned>{0x0000AA, 0x0000AA, 0x00BB00, 0x00BB00, 0xCC0000, 0xCC0000, 0xCC0000,
                                           0xCC0000}));

  // Columns whose grid lines land on one device line are skipped, and so
  // are cells outside the area being repainted.
  recording.clear();
  vex3d::fill_all_zones(
      graph.get(), [](int i, int j) { return ScreenPoint{i < 2 ? 0 : 100 * (i - 1), 100 * j}; }, nullptr);
  EXPECT_EQ(ops().size(), 6u);
  recording.clear();
  const vex3d::Rect left{0, 0, 150, 1000};
  vex3d::fill_all_zones(graph.get(), project, &left);
  EXPECT_EQ(ops().size(), 4u);
}

TEST_F(DrawContours, WholeCellRunsCoverThePixelsOfTheirCells) {
  // Bumps on 120 x 90 cut by three levels, one hole, drawn on a slanted
  // flat grid of cells about a pixel wide and under a pixel high. The zone pass,
  // which fills uncut cells down a column as one polygon, paints every pixel
  // as it does filling every cell piece by piece.
  contour(grid(120, 90,
               [](int i, int j) {
                 return i == 37 && j == 29 ? -99.0 : std::sin(0.1 * i) * std::cos(0.07 * j) * 3 + 0.02 * i;
               }),
          {-1.0, 0.5, 2.0});
  const auto device = [](double x, double y) {
    return ScreenPoint{int(std::lround(5 + 1.05 * x + 0.3 * y)), int(std::lround(4 + 0.25 * x + 0.7 * y))};
  };
  for (const Vex3dContourLine &line : state->result.lines)
    for (Vex3dContourPoint *p = line.first; p; p = p->next) {
      const ScreenPoint d = device(p->x, p->y);
      p->sx = d.x, p->sy = d.y;
    }
  const auto project = [&](int i, int j) { return device(i, j); };
  // Given a repaint rectangle, every cell goes through the batch piece by piece.
  const vex3d::Rect everything{0, 0, 170, 110};
  auto draw = [&](bool one_by_one) {
    auto raster = std::make_unique<vex3d::platform::RasterContext>(170, 110);
    const vex3d::CurrentContextScope current(graph.get(), raster.get());
    vex3d::fill_all_zones(graph.get(), project, one_by_one ? &everything : nullptr);
    return raster;
  };
  const auto cells = draw(true), runs = draw(false);
  // Pieces of cut cells meet the runs at rounded contour points and may
  // overlap them by a pixel, where the later fill wins: colours may differ
  // there, at a zone's edge, but no pixel may be left out or painted beyond.
  int painted = 0, recoloured = 0;
  for (int y = 0; y < 110; ++y)
    for (int x = 0; x < 170; ++x) {
      const std::uint32_t want = cells->pixel(x, y), got = runs->pixel(x, y);
      painted += want != 0;
      EXPECT_EQ(want != 0, got != 0) << "pixel " << x << ", " << y;
      if (want == got || got == 0) continue;
      ++recoloured;
      bool beside = false;  // the colour painted is that of a neighbour
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) beside = beside || cells->pixel(x + dx, y + dy) == got;
      EXPECT_TRUE(beside) << "pixel " << x << ", " << y << " in a colour not found around it";
    }
  EXPECT_GT(painted, 6000);
  EXPECT_LT(recoloured, painted / 50);
}

}  // namespace
