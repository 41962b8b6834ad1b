// The cell traversal: every cell once, farther cells first along every ray
// from the eye, with the tag of its position, for eyes in all nine places
// around and inside a grid.
#include <gtest/gtest.h>

#include <vector>

#include "body_geometry.h"
#include "ray_order.h"
#include "traversal.h"

namespace vex3d {
namespace {

constexpr int kCells = 6;  // 7 grid lines 0 ... 6 each way

struct Visit {
  int i, j, tag;
};

struct Eye {
  double x, y;
};

class TraversalTest : public ::testing::TestWithParam<Eye> {
 protected:
  void SetUp() override {
    for (int k = 0; k <= kCells; ++k) grid_.push_back(k);
    const Eye e = GetParam();
    eye_.columns = split_axis({grid_.data(), kCells + 1, false, 0}, e.x);
    eye_.rows = split_axis({grid_.data(), kCells + 1, false, 0}, e.y);
    flags_ = (e.x >= kCells ? kEyeBeyondXMax : 0) | (e.x <= 0 ? kEyeBeyondXMin : 0) |
             (e.y >= kCells ? kEyeBeyondYMax : 0) | (e.y <= 0 ? kEyeBeyondYMin : 0);
    traverse_cells(eye_, flags_, [&](int i, int j, int tag) { visits_.push_back({i, j, tag}); });
  }

  std::vector<double> grid_;
  EyeCell eye_;
  int flags_ = 0;
  std::vector<Visit> visits_;
};

std::vector<std::pair<int, int>> cells(const std::vector<Visit> &visits) {
  std::vector<std::pair<int, int>> out;
  for (const Visit &v : visits) out.push_back({v.i, v.j});
  return out;
}

TEST_P(TraversalTest, EveryCellOnceFartherCellsFirstAlongEveryRay) {
  expect_each_cell_once(cells(visits_), kCells, kCells);
  expect_far_to_near(order_of(cells(visits_)), kCells, kCells, GetParam().x, GetParam().y);
}

// The tag of a cell from its place: above, below or in the eye's strip, per direction.
int expected_tag(const AxisSplit &c, const AxisSplit &r, int i, int j) {
  auto place = [](const AxisSplit &s, int k) { return k >= s.first_above ? 0 : k <= s.last_below ? 1 : 2; };
  // [column place][row place]: 0 above, 1 below, 2 strip
  constexpr int kTags[3][3] = {{6, 7, 4}, {8, 9, 5}, {2, 3, 1}};
  return kTags[place(c, i)][place(r, j)];
}

TEST_P(TraversalTest, TagsSayWhereTheCellLies) {
  for (const Visit &v : visits_) EXPECT_EQ(v.tag, expected_tag(eye_.columns, eye_.rows, v.i, v.j));
}

INSTANTIATE_TEST_SUITE_P(NineEyePlaces, TraversalTest,
                         ::testing::Values(Eye{-2, -3}, Eye{2.5, -3}, Eye{9, -3},     // below the rows
                                           Eye{-2, 3.4}, Eye{2.5, 3.4}, Eye{9, 3.4},  // in the rows
                                           Eye{-2, 8}, Eye{2.5, 8}, Eye{9, 8}));      // above the rows

// Quadrant cells go row by row unless the eye lies beyond exactly one y end.
TEST(TraversalOuterLoop, RowsOuterBeyondXMaxColumnsOuterBeyondYMin) {
  std::vector<double> grid{0, 1, 2, 3, 4};
  EyeCell eye;
  auto first_indices = [&](int flags) {
    std::vector<Visit> visits;
    traverse_cells(eye, flags, [&](int i, int j, int tag) { visits.push_back({i, j, tag}); });
    return visits;
  };

  // Eye beyond x max only, at mid height: rows 0 and 1 below, 2 the strip, 3 above.
  eye.columns = split_axis({grid.data(), 5, false, 0}, 7);
  eye.rows = split_axis({grid.data(), 5, false, 0}, 2.5);
  std::vector<Visit> v = first_indices(kEyeBeyondXMax | kFloorFromAbove);
  ASSERT_GE(v.size(), 4u);
  // Tag 8 (columns below, row above): one row, columns first to last.
  EXPECT_EQ(v[0].tag, 8);
  EXPECT_EQ(v[0].j, 3);
  EXPECT_EQ(v[1].j, 3);
  EXPECT_EQ(v[0].i, 0);
  EXPECT_EQ(v[1].i, 1);
  // Tag 9: rows 0 then 1, each all its columns.
  EXPECT_EQ(v[4].tag, 9);
  EXPECT_EQ(v[4].j, 0);
  EXPECT_EQ(v[7].j, 0);
  EXPECT_EQ(v[8].j, 1);

  // Eye beyond y min only: columns outer.
  eye.columns = split_axis({grid.data(), 5, false, 0}, 2.5);
  eye.rows = split_axis({grid.data(), 5, false, 0}, -4);
  v = first_indices(kEyeBeyondYMin | kFloorFromAbove);
  EXPECT_EQ(v[0].tag, 6);
  EXPECT_EQ(v[0].i, 3);
  EXPECT_EQ(v[1].i, 3);
  EXPECT_EQ(v[0].j, 3);
  EXPECT_EQ(v[1].j, 2);
}

// Fixed bars and scatter symbols are per point; the strip is the bar whose
// footprint holds the eye, so a bar beside the eye shows the face toward it.
TEST(SplitAxis, PointElements) {
  const std::vector<double> grid{0, 1, 2, 3};
  struct Case {
    double e, half;
    int last_below, first_above;
  } cases[] = {
      {-1, 0.4, -1, 0},  // before the first bar
      {1.2, 0.4, 0, 2},  // in bar 1's footprint: bar 1 is the strip
      {1.5, 0.4, 1, 2},  // between bars 1 and 2: no strip
      {9, 0.4, 3, 4},    // beyond the last: all below
      {2, 0, 1, 3},      // a symbol exactly at the eye
  };
  for (const Case &c : cases) {
    const AxisSplit s = split_axis({grid.data(), 4, true, c.half}, c.e);
    EXPECT_EQ(s.last_below, c.last_below) << c.e;
    EXPECT_EQ(s.first_above, c.first_above) << c.e;
    EXPECT_EQ(s.last, 3);
  }
}

TEST(SplitAxis, CellsAndDegenerateGrids) {
  const std::vector<double> grid{0, 1, 2, 3};
  AxisSplit s = split_axis({grid.data(), 4, false, 0}, 1.5);
  EXPECT_EQ(s.last, 2);  // cells, not points
  EXPECT_TRUE(s.has_strip());
  EXPECT_EQ(s.last_below, 0);
  s = split_axis({grid.data(), 4, false, 0}, std::nan(""));
  EXPECT_EQ(s.first_above, 0);
  s = split_axis({grid.data(), 1, false, 0}, 0.5);  // one grid line: no cells
  EXPECT_EQ(s.last, -1);
  int visits = 0;
  traverse_cells({s, s}, 0, [&](int, int, int) { ++visits; });
  EXPECT_EQ(visits, 0);
}

}  // namespace
}  // namespace vex3d
