// Back, front and axis edges for eyes beyond one, two and three faces.
#include <gtest/gtest.h>

#include <set>

#include "basecube.h"
#include "view_fixture.h"

namespace vex3d {
namespace {

std::set<int> axis_edges(const CubeFlags &f) {
  std::set<int> s;
  for (int e = 0; e < 12; ++e)
    if (f.edges[e].axis) s.insert(e);
  return s;
}
std::set<int> front_edges(const CubeFlags &f) {
  std::set<int> s;
  for (int e = 0; e < 12; ++e)
    if (!f.edges[e].back) s.insert(e);
  return s;
}
std::set<int> faces_with(const CubeFlags &f, int flag) {
  std::set<int> s;
  for (int i = 0; i < 6; ++i)
    if (f.faces[i] == flag) s.insert(i);
  return s;
}

const double kUnitCube[3] = {1, 1, 1};
const bool kAllShown[3] = {true, true, true};

TEST_F(ViewTest, DefaultViewAnnotatesTheSilhouette) {
  const ViewState &v = compute();
  EXPECT_EQ(v.nearest_corner, 1);
  EXPECT_EQ(v.farthest_corner, 4);
  const CubeFlags &f = v.cube.flags;
  EXPECT_EQ(axis_edges(f), (std::set<int>{0, 3, 4, 7, 9, 10}));
  EXPECT_EQ(front_edges(f), (std::set<int>{1, 5, 8})) << "the edges at the nearest corner";
  EXPECT_EQ(faces_with(f, kFrontFace), (std::set<int>{0, 2, 5}));
  EXPECT_EQ(faces_with(f, kBackFace), (std::set<int>{1, 3, 4}));
}

TEST(EyeClassification, OneTwoAndThreeAxes) {
  struct Case {
    const char *name;
    Point4 eye;
    int nearest, farthest;  // only read when the eye looks at a corner
    int bits;
    std::set<int> axis, front_edges, front_faces;
  } cases[] = {
      // Straight down: the ceiling faces the eye and carries x and y.
      {"above", {0, 0, 5, 1}, 0, 0, 16, {1, 3, 5, 7}, {}, {5}},
      {"below", {0.5, -0.2, -5, 1}, 0, 0, 32, {0, 2, 4, 6}, {}, {4}},
      {"beyond x max", {5, 0, 0, 1}, 0, 0, 1, {6, 7, 10, 11}, {}, {1}},
      // At edge 1 (y = -1, z = +1): x on edges 0 and 3, y on the top edges,
      // z on the front edges.
      {"front and above", {0.3, -4, 4, 1}, 0, 0, 8 | 16, {0, 3, 5, 7, 8, 10}, {1}, {2, 5}},
      // At edge 9 (x = -1, y = +1): z on edges 8 and 11, x at y = +1, y at x = -1.
      {"left and behind", {-4, 4, 0.5, 1}, 0, 0, 2 | 4, {8, 11, 2, 3, 4, 5}, {9}, {0, 3}},
      {"corner 6", {4, -4, 4, 1}, 6, 3, 1 | 8 | 16, {0, 3, 5, 6, 8, 11}, {1, 7, 10}, {1, 2, 5}},
  };
  for (const Case &c : cases) {
    const CubeFlags f = classify_eye(c.eye, kUnitCube, c.nearest, c.farthest, kAllShown);
    EXPECT_EQ(f.eye_bits, c.bits) << c.name;
    EXPECT_EQ(axis_edges(f), c.axis) << c.name;
    EXPECT_EQ(front_edges(f), c.front_edges) << c.name;
    EXPECT_EQ(faces_with(f, kFrontFace), c.front_faces) << c.name;
    EXPECT_EQ(faces_with(f, kBackFace).size(), 6 - c.front_faces.size()) << c.name;
  }
}

TEST(EyeClassification, BoundaryCountsAsBeyondAndHalfExtentsScaleTheEye) {
  const double flat_box[3] = {1, 1, 0.25};
  // z = 0.5 lies beyond a ceiling at 0.25, and x = 1 exactly counts as beyond.
  const CubeFlags f = classify_eye(Point4{1, 0, 0.5, 1}, flat_box, 0, 0, kAllShown);
  EXPECT_EQ(f.eye_bits, 1 | 16);
}

TEST(EyeClassification, HiddenAxisLosesItsEdges) {
  const bool no_z[3] = {true, true, false};
  const CubeFlags f = classify_eye(Point4{-2.5, -2.5, 3.5, 1}, kUnitCube, 1, 4, no_z);
  for (int e = 8; e < 12; ++e) {
    EXPECT_FALSE(f.edges[e].axis) << e;
    EXPECT_FALSE(f.edges[e].back) << e;
  }
  EXPECT_EQ(axis_edges(f), (std::set<int>{0, 3, 4, 7}));
}

TEST_F(ViewTest, HiddenZAxisIsNeitherDrawnNorAnnotated) {
  Vex3dSetValues(g(), VEX3D_ZAXIS_SHOW, 0, 0);
  const ViewState &v = compute();
  EXPECT_EQ(v.cube.axes[2].annotated_edge, -1);
  for (int e = 8; e < 12; ++e) EXPECT_FALSE(edge_shown(g(), e));
  EXPECT_TRUE(edge_shown(g(), 0));
}

}  // namespace
}  // namespace vex3d
