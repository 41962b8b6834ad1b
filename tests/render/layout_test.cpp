// Laying out the axes: labels of each method, text outside the cube, never
// mirrored, and a window that holds everything.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "basecube.h"
#include "data.h"
#include "view_fixture.h"

namespace vex3d {
namespace {

struct P2 {
  double x, y;
};

P2 projected(const ViewState &v, const Vec3 &p) {
  Matrix m;
  if (v.mode == DrawMode::kFlat)
    set_identity(m);
  else
    multiply(v.perspective, v.rotation, m);
  const Point4 q = transform_point(m, Point4{p.x, p.y, p.z, 1});
  return P2{q.x, q.y};
}

double cross(P2 o, P2 a, P2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

// Convex hull, counter-clockwise (monotone chain).
std::vector<P2> hull(std::vector<P2> p) {
  std::sort(p.begin(), p.end(), [](P2 a, P2 b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  std::vector<P2> h(2 * p.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    while (k >= 2 && cross(h[k - 2], h[k - 1], p[i]) <= 0) --k;
    h[k++] = p[i];
  }
  for (std::size_t i = p.size() - 1, t = k + 1; i-- > 0;) {
    while (k >= t && cross(h[k - 2], h[k - 1], p[i]) <= 0) --k;
    h[k++] = p[i];
  }
  h.resize(k - 1);
  return h;
}

// True when a line through an edge of either polygon separates them.
bool separated(const std::vector<P2> &a, const std::vector<P2> &b) {
  for (const auto *poly : {&a, &b}) {
    for (std::size_t i = 0; i < poly->size(); ++i) {
      const P2 p = (*poly)[i], q = (*poly)[(i + 1) % poly->size()];
      const P2 n{q.y - p.y, p.x - q.x};
      double amin = 1e300, amax = -1e300, bmin = 1e300, bmax = -1e300;
      for (P2 v : a) amin = std::min(amin, n.x * v.x + n.y * v.y), amax = std::max(amax, n.x * v.x + n.y * v.y);
      for (P2 v : b) bmin = std::min(bmin, n.x * v.x + n.y * v.y), bmax = std::max(bmax, n.x * v.x + n.y * v.y);
      if (amax <= bmin || bmax <= amin) return true;
    }
  }
  return false;
}

std::vector<P2> cube_outline(const ViewState &v) {
  std::vector<P2> corners;
  for (const CubeCorner &c : kCubeCorners)
    corners.push_back(
        projected(v, Vec3{c.c[0] * v.half[0], c.c[1] * v.half[1], v.mode == DrawMode::kFlat ? 0 : c.c[2] * v.half[2]}));
  return hull(corners);
}

std::vector<P2> text_outline(const ViewState &v, const PlacedText &t) {
  std::vector<P2> box;
  for (const Vec3 &p : t.box) box.push_back(projected(v, p));
  return hull(box);
}

std::vector<std::string> label_texts(const AxisAnnotation &a) {
  std::vector<std::string> out;
  for (const AxisMark &m : a.labels) out.push_back(m.text);
  return out;
}

class LayoutTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Vex3dSetValues(g(), VEX3D_XAXIS_TITLE, "Distance east", VEX3D_YAXIS_TITLE, "North", VEX3D_ZAXIS_TITLE, "Height", 0);
  }
  // Every text lies outside the cube's outline and clear of the other axes'
  // texts, reads left to right or bottom to top, is not mirrored, and lies
  // inside the window of the fit.
  void expect_sound_text(const char *view_name) {
    const ViewState &v = *find_view_state(g());
    const std::vector<P2> cube = cube_outline(v);
    const ProjectedWindow &w = v.full_view;
    ASSERT_FALSE(v.cube.texts.empty()) << view_name;
    for (const PlacedText &a : v.cube.texts) {
      for (const PlacedText &b : v.cube.texts) {
        if (a.axis >= b.axis) continue;
        EXPECT_TRUE(separated(text_outline(v, a), text_outline(v, b)))
            << view_name << ": '" << a.text << "' and '" << b.text << "' overlap";
      }
    }
    for (const PlacedText &t : v.cube.texts) {
      EXPECT_TRUE(separated(cube, text_outline(v, t))) << view_name << ": '" << t.text << "' overlaps the cube";
      const Vec3 o{t.placement.m[0][3], t.placement.m[1][3], t.placement.m[2][3]};
      const Vec3 u{t.placement.m[0][0], t.placement.m[1][0], t.placement.m[2][0]};
      const Vec3 dn{t.placement.m[0][1], t.placement.m[1][1], t.placement.m[2][1]};
      const P2 po = projected(v, o);
      const P2 pu = projected(v, Vec3{o.x + 0.01 * u.x, o.y + 0.01 * u.y, o.z + 0.01 * u.z});
      const P2 pv = projected(v, Vec3{o.x + 0.01 * dn.x, o.y + 0.01 * dn.y, o.z + 0.01 * dn.z});
      EXPECT_LT(cross(po, pu, pv), 0) << view_name << ": '" << t.text << "' is mirrored";
      const double dx = pu.x - po.x, dy = pu.y - po.y;
      // Left to right, or bottom to top within about 6 degrees of vertical.
      EXPECT_TRUE(std::fabs(dx) < 0.1 * std::fabs(dy) ? dy > 0 : dx > 0)
          << view_name << ": '" << t.text << "' reads backward";
      for (const Vec3 &p : t.box) {
        const P2 q = projected(v, p);
        EXPECT_GE(q.x, w.left - 1e-12) << view_name;
        EXPECT_LE(q.x, w.left + w.width + 1e-12) << view_name;
        EXPECT_GE(q.y, w.bottom - 1e-12) << view_name;
        EXPECT_LE(q.y, w.bottom + w.height + 1e-12) << view_name;
      }
    }
  }
};

TEST_F(LayoutTest, DefaultViewAnnotatesOneEdgePerAxisOutsideTheCube) {
  const ViewState &v = compute();
  EXPECT_EQ(v.cube.axes[0].annotated_edge, 0);
  EXPECT_EQ(v.cube.axes[1].annotated_edge, 4);
  EXPECT_EQ(v.cube.axes[2].annotated_edge, 9);
  EXPECT_TRUE(v.cube.axes[2].vertical);
  EXPECT_FALSE(v.cube.axes[0].vertical);
  int titles = 0;
  for (const PlacedText &t : v.cube.texts) titles += t.role == TextRole::kTitle;
  EXPECT_EQ(titles, 3);
  expect_sound_text("default");
}

TEST_F(LayoutTest, TextStaysOutsideTheCubeFromEveryAngle) {
  const double views[][3] = {{90, 0, 0},   {-90, 0, 0},  {0, 0, 0},    {0, 0, 90},   {30, 0, 120},
                             {60, 0, 210}, {15, 0, 300}, {-30, 0, 45}, {45, 30, 45}, {89, 0, 10}};
  for (const auto &r : views) {
    Vex3dSetValues(g(), VEX3D_XROTATION, r[0], VEX3D_YROTATION, r[1], VEX3D_ZROTATION, r[2], 0);
    compute();
    const std::string name = std::to_string(r[0]) + "," + std::to_string(r[1]) + "," + std::to_string(r[2]);
    expect_sound_text(name.c_str());
  }
}

TEST_F(LayoutTest, TitleLiesBeyondTheLabels) {
  const ViewState &v = compute();
  // Along the outward direction of the x labels (-y, in the floor), the title
  // starts where the labels end.
  double labels_far = 0, title_near = 1e300;
  for (const PlacedText &t : v.cube.texts) {
    const bool x_text = std::all_of(std::begin(t.box), std::end(t.box), [](const Vec3 &p) { return p.y < -1; });
    if (!x_text) continue;
    for (const Vec3 &p : t.box) {
      if (t.role == TextRole::kLabel)
        labels_far = std::max(labels_far, -p.y);
      else
        title_near = std::min(title_near, -p.y);
    }
  }
  EXPECT_GT(labels_far, 1);
  EXPECT_GT(title_near, labels_far);
}

TEST_F(LayoutTest, ValuesMethodLabelsEveryTick) {
  const ViewState &v = compute();
  const AxisAnnotation &z = v.cube.axes[2];
  EXPECT_EQ(z.ticks.lo, 0);
  EXPECT_EQ(z.ticks.hi, 10);
  ASSERT_FALSE(z.labels.empty());
  EXPECT_EQ(z.labels.front().text, "0");
  EXPECT_EQ(z.labels.back().text, "10");
  EXPECT_EQ(z.grid_values.size(), z.labels.size());
}

TEST_F(LayoutTest, ValueLabelsWithinTheRangeOnly) {
  Vex3dValueLabel low{2.5, const_cast<char *>("low")}, high{7.5, const_cast<char *>("high")},
      outside{42, const_cast<char *>("far")};
  const Vex3dValueLabel *labels[] = {&low, &outside, &high, nullptr};
  Vex3dSetValues(g(), VEX3D_ZVALUE_LABELS, labels, VEX3D_ZANNO_METHOD, Vex3dAnnoValueLabels, 0);
  const ViewState &v = compute();
  EXPECT_EQ(label_texts(v.cube.axes[2]), (std::vector<std::string>{"low", "high"}));
  EXPECT_EQ(v.cube.axes[2].grid_values, (std::vector<double>{2.5, 7.5}));
  // Without value labels the axis shows nothing.
  Vex3dSetValues(g(), VEX3D_ZVALUE_LABELS, nullptr, 0);
  EXPECT_TRUE(compute().cube.axes[2].labels.empty());
  EXPECT_TRUE(find_view_state(g())->cube.axes[2].grid_values.empty());
}

// A 4 x 3 regular grid: x 0, 10, 20, 30 and y 5, 6, 7, z from 0 to 10.
class GridLayoutTest : public LayoutTest {
 protected:
  void SetUp() override {
    LayoutTest::SetUp();
    data_ = Vex3dDataCreateGrid(4, 3, -999, 10, 1, 0, 5, 1);
    ASSERT_NE(data_, nullptr);
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 3; ++j) data_->grid.values[i][j] = (i + j) * 2;
    Vex3dSetValues(g(), VEX3D_SURFACE_DATA, data_, VEX3D_XMIN, 0.0, VEX3D_XMAX, 30.0, VEX3D_YMIN, 5.0, VEX3D_YMAX,
                   7.0, 0);
    const char *x_labels[] = {"Jan", "Feb", "Mar", "Apr", nullptr};
    const char *y_labels[] = {"a", "b", nullptr};  // fewer than the grid lines
    Vex3dSetValues(g(), VEX3D_XDATA_LABELS, x_labels, VEX3D_YDATA_LABELS, y_labels, VEX3D_XANNO_METHOD,
                   Vex3dAnnoDataLabels, VEX3D_YANNO_METHOD, Vex3dAnnoDataLabels, 0);
  }
  void TearDown() override {
    Vex3dSetValues(g(), VEX3D_SURFACE_DATA, nullptr, 0);
    Vex3dDataDestroy(data_, 1);
  }
  Vex3dData *data_ = nullptr;
};

TEST_F(GridLayoutTest, DataLabelsSitOnTheGridLines) {
  const ViewState &v = compute();
  EXPECT_EQ(label_texts(v.cube.axes[0]), (std::vector<std::string>{"Jan", "Feb", "Mar", "Apr"}));
  EXPECT_EQ(v.cube.axes[0].grid_values, (std::vector<double>{0, 10, 20, 30}));
  EXPECT_EQ(label_texts(v.cube.axes[1]), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(v.cube.axes[1].grid_values, (std::vector<double>{5, 6}));
  expect_sound_text("data labels");
}

TEST_F(LayoutTest, LabelThatWouldCoverAnEarlierAxisIsLeftOut) {
  // Long labels at corner 0, where the x and y edges meet: y gives way to x,
  // and keeps its grid lines.
  Vex3dValueLabel x0{0, const_cast<char *>("where x begins")}, y0{0, const_cast<char *>("where y begins")},
      y5{5, const_cast<char *>("middle")};
  const Vex3dValueLabel *x_labels[] = {&x0, nullptr}, *y_labels[] = {&y0, &y5, nullptr};
  Vex3dSetValues(g(), VEX3D_XVALUE_LABELS, x_labels, VEX3D_YVALUE_LABELS, y_labels, VEX3D_XANNO_METHOD,
                 Vex3dAnnoValueLabels, VEX3D_YANNO_METHOD, Vex3dAnnoValueLabels, 0);
  auto texts_of = [&](int axis) {
    std::vector<std::string> out;
    for (const PlacedText &t : find_view_state(g())->cube.texts)
      if (t.axis == axis && t.role == TextRole::kLabel) out.push_back(t.text);
    return out;
  };
  const ViewState &v = compute();
  EXPECT_EQ(texts_of(0), (std::vector<std::string>{"where x begins"}));
  EXPECT_EQ(texts_of(1), (std::vector<std::string>{"middle"}));
  EXPECT_EQ(v.cube.axes[1].grid_values.size(), 2u);
  expect_sound_text("long labels at a corner");
  // Seen from straight above the two labels lie apart: both are shown.
  Vex3dSetValues(g(), VEX3D_XROTATION, 90.0, VEX3D_ZROTATION, 0.0, 0);
  compute();
  EXPECT_EQ(texts_of(1), (std::vector<std::string>{"where y begins", "middle"}));
}

TEST_F(GridLayoutTest, HistogramBarsLabelTheBarCentres) {
  Vex3dSetValues(g(), VEX3D_TYPE, Vex3dTypeBar, VEX3D_XBAR_FORMAT, Vex3dBarHistogram, 0);
  const ViewState &v = compute();
  EXPECT_EQ(label_texts(v.cube.axes[0]), (std::vector<std::string>{"Jan", "Feb", "Mar"}));
  EXPECT_EQ(v.cube.axes[0].grid_values, (std::vector<double>{5, 15, 25}));
}

TEST_F(GridLayoutTest, BarsWidenTheBox) {
  Vex3dSetValues(g(), VEX3D_TYPE, Vex3dTypeBar, VEX3D_ZORIGIN, -4.0, 0);
  const DataBox box = data_box(g());
  // 5 % of the span and half a grid step on each side; z reaches the origin.
  EXPECT_DOUBLE_EQ(box.min[0], -1.5 - 5);
  EXPECT_DOUBLE_EQ(box.max[0], 31.5 + 5);
  EXPECT_EQ(box.min[2], -4);
  EXPECT_EQ(box.max[2], 10);
  Vex3dSetValues(g(), VEX3D_XBAR_FORMAT, Vex3dBarHistogram, 0);
  EXPECT_DOUBLE_EQ(data_box(g()).min[0], -1.5);
}

TEST_F(LayoutTest, FlatMapPutsXBelowAndYLeft) {
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, 0);
  const ViewState &v = compute();
  EXPECT_EQ(v.mode, DrawMode::kFlat);
  EXPECT_EQ(v.cube.axes[2].annotated_edge, -1);
  for (const PlacedText &t : v.cube.texts) {
    const bool below = std::all_of(std::begin(t.box), std::end(t.box), [&](const Vec3 &p) { return p.y < -v.half[1]; });
    const bool left = std::all_of(std::begin(t.box), std::end(t.box), [&](const Vec3 &p) { return p.x < -v.half[0]; });
    EXPECT_TRUE(below || left) << t.text;
    EXPECT_FALSE(below && left) << t.text;
    for (const Vec3 &p : t.box) EXPECT_EQ(p.z, 0) << t.text;
  }
  expect_sound_text("flat");
}

}  // namespace
}  // namespace vex3d
