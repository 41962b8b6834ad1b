// The levels in use: where they come from, when they are recomputed, the
// tables handed out, the zone of a value and the legend's subrange.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "data.h"
#include "dtable.h"
#include "engine_ptr.h"
#include "levels.h"
#include "levels_fixture.h"

namespace {

TEST(LevelsInUse, FollowEveryChangeTheyDependOn) {
  GraphPtr graph = make_graph();
  Vex3dGraph *g = graph.get();
  set_distribution(g, 0, 100);
  Vex3dSetValues(g, VEX3D_NUM_DISTN_LEVELS, 4, 0);
  EXPECT_EQ(vex3d::levels_in_use(g), (Levels{20, 40, 60, 80}));

  Vex3dSetValues(g, VEX3D_NUM_DISTN_LEVELS, 1, 0);
  EXPECT_EQ(vex3d::levels_in_use(g), (Levels{50}));

  double user[] = {7, 3, 5, 3};
  Vex3dDistnTable table{4, user};
  Vex3dSetValues(g, VEX3D_DISTN_TABLE, &table, 0);
  EXPECT_EQ(vex3d::levels_in_use(g), (Levels{50})) << "a table is used only with DistnFromTable";
  Vex3dSetValues(g, VEX3D_DISTN_METHOD, Vex3dDistnFromTable, 0);
  EXPECT_EQ(vex3d::levels_in_use(g), (Levels{3, 5, 7})) << "the table sorted, without duplicates";

  double other[] = {1};
  Vex3dDistnTable replacement{1, other};
  Vex3dSetValues(g, VEX3D_DISTN_TABLE, &replacement, 0);
  EXPECT_EQ(vex3d::levels_in_use(g), (Levels{1}));

  Vex3dSetValues(g, VEX3D_DISTN_TABLE, nullptr, 0);
  EXPECT_EQ(vex3d::levels_in_use(g), (Levels{50})) << "DistnFromTable without a table computes levels";

  set_distribution(g, 0, 10);
  EXPECT_EQ(vex3d::levels_in_use(g), (Levels{5}));
}

// The levels as the public call hands them out.
Levels handed_out(Vex3dGraph *graph) {
  int count = -1;
  const double *levels = Vex3dLevelsInUse(graph, &count);
  EXPECT_EQ(levels == nullptr, count == 0);
  return levels ? Levels(levels, levels + count) : Levels{};
}

TEST(LevelsInUse, AUserTableIsUsedAsGivenWhateverTheRange) {
  GraphPtr graph = make_graph();
  set_distribution(graph.get(), 0, 1);
  use_table(graph.get(), {-1e300, 0.123456789, 1e300});
  EXPECT_EQ(vex3d::levels_in_use(graph.get()), (Levels{-1e300, 0.123456789, 1e300})) << "no rounding";
  EXPECT_EQ(handed_out(graph.get()), vex3d::levels_in_use(graph.get()));
  use_table(graph.get(), {});
  EXPECT_TRUE(vex3d::levels_in_use(graph.get()).empty());
  EXPECT_TRUE(handed_out(graph.get()).empty());
  EXPECT_TRUE(handed_out(nullptr).empty());
}

TEST(GetDistnTable, HandsOutACopyOfTheLevelsInUse) {
  GraphPtr graph = make_graph();
  Vex3dGraph *g = graph.get();

  TablePtr none_yet(Vex3dGetDistnTable(g));
  ASSERT_NE(none_yet, nullptr);
  EXPECT_EQ(none_yet->nlevels, 0) << "an empty distribution range gives an empty table";
  EXPECT_NE(none_yet->levels, nullptr) << "with room for one level";

  set_distribution(g, 0, 100);
  Vex3dSetValues(g, VEX3D_NUM_DISTN_LEVELS, 4, 0);
  TablePtr computed(Vex3dGetDistnTable(g));
  ASSERT_NE(computed, nullptr);
  EXPECT_EQ(contents(computed.get()), (Levels{20, 40, 60, 80}));
  computed->levels[0] = 1000;
  EXPECT_EQ(vex3d::levels_in_use(g).front(), 20) << "the caller's copy is its own";

  Vex3dSetValues(g, VEX3D_DISTN_METHOD, Vex3dDistnFromTable, 0);
  EXPECT_EQ(Vex3dGetDistnTable(g), nullptr) << "DistnFromTable without a table gives no table";

  use_table(g, {2, 1});
  TablePtr user(Vex3dGetDistnTable(g));
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(contents(user.get()), (Levels{1, 2}));

  EXPECT_EQ(Vex3dGetDistnTable(nullptr), nullptr);
  Vex3dFreeDistnTable(nullptr);
}

TEST(CalcDistnIndex, CountsTheLevelsStrictlyBelow) {
  GraphPtr graph = make_graph();
  use_table(graph.get(), {1, 2, 3});
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const struct {
    double z;
    int zone;
  } cases[] = {
      {1, 0}, {1.5, 1},       {4, 3},     {0, 0},    {2, 1} /* equal to a level: the zone below it */,
      {3, 2}, {3.0000001, 3}, {-kInf, 0}, {kInf, 3}, {std::nan(""), 3} /* no level is >= NaN */,
  };
  for (const auto &c : cases) EXPECT_EQ(Vex3dCalcDistnIndex(graph.get(), c.z), c.zone) << "z = " << c.z;

  use_table(graph.get(), {});
  EXPECT_EQ(Vex3dCalcDistnIndex(graph.get(), 5), 0) << "no levels: one zone";
  EXPECT_EQ(Vex3dCalcDistnIndex(nullptr, 5), 0);
}

TEST(CalcDistnIndex, ComputesTheLevelsFirst) {
  GraphPtr graph = make_graph();
  Vex3dSetValues(graph.get(), VEX3D_NUM_DISTN_LEVELS, 4, 0);
  set_distribution(graph.get(), 0, 100);
  EXPECT_EQ(Vex3dCalcDistnIndex(graph.get(), 40), 1);
  EXPECT_EQ(Vex3dCalcDistnIndex(graph.get(), 41), 2);
}

struct SpanCase {
  const char *what;
  double dmin, dmax;
  int first, last;
};

// The table 0, 10, 20, 30, 40.
const SpanCase kSpans[] = {
    {"range between levels", 12, 27, 1, 3},          {"range ends on levels", 10, 30, 0, 4},
    {"range below every level", -5, -1, 0, 0},       {"range above every level", 50, 60, 4, 4},
    {"range covering every level", -100, 100, 0, 4},
};

TEST(LegendLevels, AUserTableIsNarrowedToTheDataRange) {
  GraphPtr graph = make_graph();
  use_table(graph.get(), {0, 10, 20, 30, 40});
  for (const SpanCase &c : kSpans) {
    set_distribution(graph.get(), c.dmin, c.dmax);
    const vex3d::LevelSpan span = vex3d::legend_levels(graph.get());
    EXPECT_EQ(span.first, c.first) << c.what;
    EXPECT_EQ(span.last, c.last) << c.what;
  }
  set_distribution(graph.get(), 12, 27);
  Vex3dSetValues(graph.get(), VEX3D_LEGEND_DISTN_RANGE, Vex3dDistnRangeAll, 0);
  const vex3d::LevelSpan all = vex3d::legend_levels(graph.get());
  EXPECT_EQ(all.first, 0);
  EXPECT_EQ(all.last, 4);
}

TEST(LegendLevels, ComputedLevelsAreAllShown) {
  GraphPtr graph = make_graph();
  Vex3dSetValues(graph.get(), VEX3D_NUM_DISTN_LEVELS, 4, 0);
  set_distribution(graph.get(), 0, 100);
  const vex3d::LevelSpan span = vex3d::legend_levels(graph.get());
  EXPECT_EQ(span.first, 0);
  EXPECT_EQ(span.last, 3);
  set_distribution(graph.get(), 1, 1);
  const vex3d::LevelSpan none = vex3d::legend_levels(graph.get());
  EXPECT_LT(none.last, none.first);
}

}  // namespace

namespace {

// A 2 x 2 grid holding the four values, x index outermost.
DataPtr grid(double a, double b, double c, double d) {
  DataPtr data(Vex3dDataCreateGrid(2, 2, -999, 1, 1, 0, 0, 1));
  data->grid.values[0][0] = a;
  data->grid.values[0][1] = b;
  data->grid.values[1][0] = c;
  data->grid.values[1][1] = d;
  return data;
}

TEST(LevelsInUse, FollowTheDataAndItsRanges) {
  GraphPtr graph = make_graph();
  Vex3dGraph *g = graph.get();
  Vex3dSetValues(g, VEX3D_NUM_DISTN_LEVELS, 4, 0);
  DataPtr surface = grid(0, 100, 50, 25);
  Vex3dSetValues(g, VEX3D_SURFACE_DATA, surface.get(), 0);
  EXPECT_EQ(vex3d::levels_in_use(g), (Levels{20, 40, 60, 80}));

  // Bars reach down to their origin.
  Vex3dSetValues(g, VEX3D_TYPE, Vex3dTypeBar, VEX3D_ZORIGIN, -100.0, 0);
  EXPECT_EQ(vex3d::levels_in_use(g), (Levels{-60, -20, 20, 60}));
  Vex3dSetValues(g, VEX3D_TYPE, Vex3dTypeSurface, 0);

  // Zone data gives the range the levels split.
  DataPtr zones = grid(0, 10, 5, 2.5);
  Vex3dSetValues(g, VEX3D_ZONE_DATA, zones.get(), 0);
  EXPECT_EQ(vex3d::levels_in_use(g), (Levels{2, 4, 6, 8}));
  Vex3dSetValues(g, VEX3D_ZONE_DATA, nullptr, 0);

  DataPtr other = grid(-1, 1, 0, 0);
  Vex3dSetValues(g, VEX3D_SURFACE_DATA, other.get(), 0);
  EXPECT_EQ(vex3d::levels_in_use(g), (Levels{-0.6, -0.2, 0.2, 0.6}));

  Vex3dSetValues(g, VEX3D_SURFACE_DATA, nullptr, 0);
  Vex3dSetValues(g, VEX3D_SURFACE_DATA, surface.get(), 0);
  EXPECT_EQ(Vex3dCalcDistnIndex(g, 50), 2);
}

}  // namespace
