// The view transformation: rotations, eye, perspective, fit, zoom, shift,
// normalisation and the flat map.
#include <gtest/gtest.h>

#include <cmath>

#include "view_fixture.h"

namespace vex3d {
namespace {

double length(const Point4 &p) { return std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z); }

TEST_F(ViewTest, ZeroRotationsPutZUpXRightAndYAway) {
  Vex3dSetValues(g(), VEX3D_XROTATION, 0.0, VEX3D_YROTATION, 0.0, VEX3D_ZROTATION, 0.0, 0);
  compute();
  const Point4 c = device(5, 5, 5);
  const Point4 up = device(5, 5, 9), right = device(9, 5, 5), away = device(5, 9, 5);
  EXPECT_LT(up.y, c.y);
  EXPECT_DOUBLE_EQ(up.x, c.x);
  EXPECT_GT(right.x, c.x);
  EXPECT_DOUBLE_EQ(right.y, c.y);
  EXPECT_LT(away.z, c.z) << "farther from the eye";
  EXPECT_DOUBLE_EQ(away.x, c.x);
}

TEST_F(ViewTest, DefaultViewPutsTheEyeFiveUnitsFromTheCentre) {
  const ViewState &v = compute();
  EXPECT_NEAR(length(v.eye), 5.0, 1e-12);
  EXPECT_EQ(v.eye.w, 1);
  // Rotations 45, 0, 45 look down on the cube from the side of x and y minimum.
  EXPECT_LT(v.eye.x, -1);
  EXPECT_LT(v.eye.y, -1);
  EXPECT_GT(v.eye.z, 1);
  EXPECT_DOUBLE_EQ(v.perspective.m[3][2], -1.0 / 5);
}

TEST_F(ViewTest, StoredFullViewKeepsTheScaleUnlessNormalised) {
  Vex3dSetValues(g(), VEX3D_VIEW_NORMALIZED, 0, 0);
  const double k_first = compute().viewport.m[0][0];
  Vex3dSetValues(g(), VEX3D_ZROTATION, 10.0, VEX3D_XROTATION, 20.0, 0);
  EXPECT_EQ(compute().viewport.m[0][0], k_first);

  Vex3dSetValues(g(), VEX3D_VIEW_NORMALIZED, 1, 0);
  const double k_refit = compute().viewport.m[0][0];
  EXPECT_NE(k_refit, k_first);
  Vex3dSetValues(g(), VEX3D_ZROTATION, 45.0, VEX3D_XROTATION, 45.0, 0);
  EXPECT_DOUBLE_EQ(compute().viewport.m[0][0], k_first);
}

TEST_F(ViewTest, ZoomKeepsTheLowerLeftCornerOfTheWindow) {
  const ViewState &v = compute();
  const ProjectedWindow w = v.full_view;
  const Point4 corner = transform_point(v.viewport, Point4{w.left, w.bottom, 0, 1});
  const double k = v.viewport.m[0][0];
  Vex3dSetValues(g(), VEX3D_VIEW_SCALE, 2.0, 0);
  const ViewState &zoomed = compute();
  EXPECT_EQ(zoomed.viewport.m[0][0], 2 * k);
  const Point4 after = transform_point(zoomed.viewport, Point4{w.left, w.bottom, 0, 1});
  EXPECT_NEAR(after.x, corner.x, 1e-6);
  EXPECT_NEAR(after.y, corner.y, 1e-6);
}

TEST_F(ViewTest, ShiftMovesTheWindowRightAndTheChartLeft) {
  const ViewState &v = compute();
  const double k = v.viewport.m[0][0], width = v.full_view.width;
  const Point4 before = device(5, 5, 5);
  Vex3dSetValues(g(), VEX3D_VIEW_XTRANSLATE, 0.1, 0);
  compute();
  const Point4 after = device(5, 5, 5);
  EXPECT_NEAR(after.x - before.x, -0.1 * width * k, 1e-6);
  EXPECT_DOUBLE_EQ(after.y, before.y);
}

TEST_F(ViewTest, FlatMapHasDepthZeroAndIgnoresRotationAndPerspective) {
  Vex3dSetValues(g(), VEX3D_DRAW_MESH, 0, 0);
  const ViewState &v = compute();
  EXPECT_EQ(v.mode, DrawMode::kFlat);
  const Matrix first = v.transform;
  for (const double z : {0.0, 3.0, 10.0}) EXPECT_EQ(device(2, 7, z).z, 0);
  Vex3dSetValues(g(), VEX3D_XROTATION, 10.0, VEX3D_ZROTATION, 80.0, VEX3D_PERSPECTIVE_DEPTH, 7.0, 0);
  const ViewState &turned = compute();
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) EXPECT_EQ(turned.transform.m[i][j], first.m[i][j]);
  // x to the right, y up.
  EXPECT_GT(device(9, 5, 0).x, device(1, 5, 0).x);
  EXPECT_LT(device(5, 9, 0).y, device(5, 1, 0).y);
}

TEST_F(ViewTest, PictureIsCentredInTheChartAreaWithFourPixelsMargin) {
  g()->graph_rect = Rect{10, 20, 400, 300};
  const ViewState &v = compute();
  const ProjectedWindow &w = v.full_view;
  const double f = coordinate_factor(g()->draw_ops);
  const Point4 lo = transform_point(v.viewport, Point4{w.left, w.bottom, 0, 1});
  const Point4 hi = transform_point(v.viewport, Point4{w.left + w.width, w.bottom + w.height, 0, 1});
  const double left = lo.x / f, right = hi.x / f, top = hi.y / f, bottom = lo.y / f;
  // One direction is limited with 4 pixels each side, the other is centred.
  const bool height_limits = std::fabs(top - 24) < 1e-9;
  if (height_limits) {
    EXPECT_NEAR(bottom, 20 + 300 - 4, 1e-9);
  } else {
    EXPECT_NEAR(left, 14, 1e-9);
    EXPECT_NEAR(right, 10 + 400 - 4, 1e-9);
  }
  EXPECT_NEAR((left + right) / 2, 210, 1e-9);
  EXPECT_NEAR((top + bottom) / 2, 170, 1e-9);
}

TEST(ViewportFit, InnerRectangleLosesTheBorder) {
  const Rect area{10, 20, 100, 50};
  struct Case {
    int type, width;
    Rect inner;
  } cases[] = {
      {Vex3dBorderNone, 5, {10, 20, 100, 50}},  {Vex3dBorder3dOut, 5, {15, 25, 90, 40}},
      {Vex3dBorderPlain, 2, {12, 22, 96, 46}},  {Vex3dBorderBevel, 3, {13, 23, 94, 44}},
      {Vex3dBorderShadow, 5, {11, 21, 94, 44}}, {Vex3dBorderFrameIn, 60, {70, 80, 0, 0}},
  };
  for (const Case &c : cases) {
    const Rect r = inner_chart_rect(area, c.type, c.width);
    EXPECT_EQ(r.x, c.inner.x) << c.type;
    EXPECT_EQ(r.y, c.inner.y) << c.type;
    EXPECT_EQ(r.width, c.inner.width) << c.type;
    EXPECT_EQ(r.height, c.inner.height) << c.type;
  }
}

TEST(ViewportFit, LimitingDirectionAndMatrices) {
  // A window twice as wide as high in a square area: the width limits.
  const ViewportFit wide = fit_window(Rect{0, 0, 108, 108}, ProjectedWindow{-1, -0.5, 2, 1}, 1);
  ASSERT_TRUE(wide.ok);
  EXPECT_EQ(wide.k, 50);
  EXPECT_EQ(wide.tx, 54);  // window centre 0 lands on 54
  EXPECT_EQ(wide.ty, 54);
  const ViewportFit tall = fit_window(Rect{0, 0, 108, 108}, ProjectedWindow{0, 0, 1, 2}, 2);
  EXPECT_EQ(tall.k, 100);  // (108 - 8) / 2, times the factor 2

  Matrix w, w_inverse, product;
  viewport_matrices(wide, w, w_inverse);
  multiply(w_inverse, w, product);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(product.m[i][j], i == j ? 1 : 0, 1e-14);
  const Point4 top_left = transform_point(w, Point4{-1, 0.5, 0, 1});
  EXPECT_EQ(top_left.x, 4);
  EXPECT_EQ(top_left.y, 29);  // y grows downward
}

TEST(ViewportFit, NoRoomMeansNothingToDraw) {
  for (const Rect &inner : {Rect{0, 0, 8, 100}, Rect{0, 0, 100, 8}, Rect{0, 0, 0, 0}}) {
    const ViewportFit fit = fit_window(inner, ProjectedWindow{-1, -1, 2, 2}, 1);
    EXPECT_FALSE(fit.ok);
    Matrix w, w_inverse;
    viewport_matrices(fit, w, w_inverse);
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j) {
        EXPECT_TRUE(std::isfinite(w.m[i][j]));
        EXPECT_TRUE(std::isfinite(w_inverse.m[i][j]));
      }
  }
}

TEST(ViewportFit, FullViewIsStoredWhenNormalisedOrIncomplete) {
  const ProjectedWindow computed{-1, -2, 3, 4}, stored{0, 0, 1, 1};
  ProjectedWindow full;  // all unset
  EXPECT_EQ(choose_window(full, computed, false).width, 3);
  EXPECT_EQ(full.width, 3);
  full = stored;
  EXPECT_EQ(choose_window(full, computed, false).width, 1);
  EXPECT_EQ(choose_window(full, computed, true).width, 3);
  EXPECT_EQ(full.height, 4);
  full = stored;
  full.bottom = VALUE_UNSET;
  EXPECT_EQ(choose_window(full, computed, false).left, -1);

  const ProjectedWindow z = zoom_and_shift(ProjectedWindow{1, 2, 10, 20}, 2, 0.1, -0.5);
  EXPECT_EQ(z.left, 2);     // shifted by a tenth of the unzoomed width
  EXPECT_EQ(z.bottom, -8);  // by half the unzoomed height, downward
  EXPECT_EQ(z.width, 5);
  EXPECT_EQ(z.height, 10);
}

TEST(Normalization, MapsEachRangeOntoTheCubeAndInvertsExactly) {
  const DataWindow window{{-5, 100, 2}, {10, 50, 0}};
  const double half[3] = {1, 0.5, 0.25};
  Matrix n, n_inverse;
  normalization(window, half, DrawMode::kThreeD, n, n_inverse);
  const Point4 lo = transform_point(n, Point4{-5, 100, 2, 1});
  const Point4 hi = transform_point(n, Point4{5, 150, 2, 1});
  EXPECT_EQ(lo.x, -1);
  EXPECT_EQ(lo.y, -0.5);
  EXPECT_EQ(hi.x, 1);
  EXPECT_EQ(hi.y, 0.5);
  EXPECT_EQ(n.m[2][2], 1) << "a zero z range gives a z scale of 1";
  const Point4 back = transform_point(n_inverse, transform_point(n, Point4{3.5, 120, 7, 1}));
  EXPECT_DOUBLE_EQ(back.x, 3.5);
  EXPECT_DOUBLE_EQ(back.y, 120);
  EXPECT_DOUBLE_EQ(back.z, 7);

  normalization(DataWindow{{0, 0, 0}, {2, 2, 2}}, half, DrawMode::kFlat, n, n_inverse);
  EXPECT_EQ(transform_point(n, Point4{1, 1, 1, 1}).z, 0);
  EXPECT_EQ(n_inverse.m[2][2], 0);
}

TEST(HalfExtents, LargestIsOneAndFlatMapsFitXAndYAlone) {
  struct Case {
    const char *name;
    int type, mesh, shaded;
    double scale[3], half[3];
  } cases[] = {
      {"mesh", Vex3dTypeSurface, 1, 0, {2, 1, 4}, {0.5, 0.25, 1}},
      {"flat map", Vex3dTypeSurface, 0, 0, {2, 1, 4}, {1, 0.5, 1}},
      {"shaded", Vex3dTypeSurface, 0, 1, {2, 1, 4}, {0.5, 0.25, 1}},
      {"bars without mesh", Vex3dTypeBar, 0, 0, {1, 8, 2}, {0.125, 1, 0.25}},
      {"flat scatter", Vex3dTypeScatter, 0, 0, {1, 8, 2}, {0.125, 1, 1}},
      {"thinnest cube", Vex3dTypeSurface, 1, 0, {1, 1, 1e-300}, {1, 1, 1e-4}},
  };
  for (const Case &c : cases) {
    GraphPtr graph = make_graph();
    Vex3dSetValues(graph.get(), VEX3D_TYPE, c.type, VEX3D_DRAW_MESH, c.mesh, VEX3D_DRAW_SHADED, c.shaded,
                   VEX3D_XSCALE, c.scale[0], VEX3D_YSCALE, c.scale[1], VEX3D_ZSCALE, c.scale[2], 0);
    EXPECT_EQ(draws_three_d(graph.get()), c.type == Vex3dTypeBar || c.mesh || c.shaded) << c.name;
    EXPECT_EQ(graph->x.normalized_scale, c.half[0]) << c.name;
    EXPECT_EQ(graph->y.normalized_scale, c.half[1]) << c.name;
    EXPECT_EQ(graph->z.normalized_scale, c.half[2]) << c.name;
  }
}

}  // namespace
}  // namespace vex3d
