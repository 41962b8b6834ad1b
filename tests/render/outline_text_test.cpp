// Glyph outlines converted to device polygons.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <span>
#include <vector>

#include "device_point_io.h"
#include "outline_text.h"

namespace vex3d {
namespace {

constexpr PlacementMatrix kIdentity = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

OutlinePoint fixed(double x, double y) {
  return {static_cast<std::int32_t>(std::lround(x * 65536)), static_cast<std::int32_t>(std::lround(y * 65536))};
}

// Builds outlines the way the platform hands them over.
class OutlineBuilder {
 public:
  OutlineBuilder &contour(double x, double y) {
    glyph_.contours.push_back({fixed(x, y), static_cast<std::uint32_t>(glyph_.records.size()), 0});
    return *this;
  }
  OutlineBuilder &record(OutlineSegment kind, std::initializer_list<std::pair<double, double>> points) {
    glyph_.records.push_back(
        {kind, static_cast<std::uint32_t>(glyph_.points.size()), static_cast<std::uint32_t>(points.size())});
    for (const auto &[x, y] : points) glyph_.points.push_back(fixed(x, y));
    ++glyph_.contours.back().record_count;
    return *this;
  }
  const GlyphOutline &glyph() const { return glyph_; }

 private:
  GlyphOutline glyph_;
};

PolyPolygon convert(const GlyphOutline &glyph, GlyphPlacement at = {0, 0, 1}) {
  PolyPolygon out;
  outline_polygons(glyph, at, kIdentity, out);
  return out;
}

std::vector<DevicePoint> points(std::initializer_list<std::pair<int, int>> list) {
  std::vector<DevicePoint> out;
  for (const auto &[x, y] : list) out.push_back({x, y});
  return out;
}

TEST(OutlinePolygons, EachContourIsOnePolygonWithYNegated) {
  // A square with a square hole, as a letter O without curves.
  OutlineBuilder b;
  b.contour(0, 0).record(OutlineSegment::kLine, {{0, 100}, {100, 100}, {100, 0}});
  b.contour(20, 20).record(OutlineSegment::kLine, {{80, 20}, {80, 80}, {20, 80}});
  const PolyPolygon out = convert(b.glyph());
  EXPECT_EQ(out.counts, (std::vector<int>{4, 4}));
  EXPECT_EQ(out.points, points({{0, 0},
                                {0, -100},
                                {100, -100},
                                {100, 0},  //
                                {20, -20},
                                {80, -20},
                                {80, -80},
                                {20, -80}}));
}

TEST(OutlinePolygons, QuadraticRecordsGiveTheirPointsAndMidpoints) {
  OutlineBuilder b;
  b.contour(0, 0).record(OutlineSegment::kQSpline, {{0, 10}, {10, 10}, {10, 0}});
  EXPECT_EQ(convert(b.glyph()).points, points({{0, 0}, {0, -10}, {5, -10}, {10, -10}, {10, -5}, {10, 0}}));
}

TEST(OutlinePolygons, FixedPointFractionsAndPlacement) {
  OutlineBuilder b;
  b.contour(1.25, 0.75).record(OutlineSegment::kLine, {{10, 20}});
  // origin (100, 50), half a text-plane unit per face unit: (10, 20) -> (105, 40).
  EXPECT_EQ(convert(b.glyph(), {100, 50, 0.5}).points, points({{101, 50}, {105, 40}}));
  // Twice the size: (2.5, -1.5) rounds to (3, -1).
  EXPECT_EQ(convert(b.glyph(), {0, 0, 2}).points, points({{3, -1}, {20, -40}}));
}

TEST(OutlinePolygons, CubicSegmentsAreFlattenedCloseToTheCurve) {
  OutlineBuilder b;
  b.contour(0, 0).record(OutlineSegment::kCSpline, {{0, 400}, {400, 400}, {400, 0}});
  const PolyPolygon out = convert(b.glyph());
  ASSERT_EQ(out.counts.size(), 1u);
  ASSERT_GT(out.points.size(), 8u);  // a 400-unit arch needs many pieces
  EXPECT_LT(out.points.size(), 70u);
  EXPECT_EQ(out.points.front(), (DevicePoint{0, 0}));
  EXPECT_EQ(out.points.back(), (DevicePoint{400, 0}));
  // Every vertex lies on the curve x(t) = 400 (3t^2 - 2t^3), y(t) = -1200 t (1 - t) (y negated),
  // to within rounding.
  for (const DevicePoint &p : out.points) {
    double nearest = 1e9;
    for (int i = 0; i <= 4000; ++i) {
      const double t = i / 4000.0;
      nearest = std::min(nearest, std::hypot(p.x - 400 * (3 * t * t - 2 * t * t * t), p.y + 1200 * t * (1 - t)));
    }
    EXPECT_LT(nearest, 0.75) << p.x << ", " << p.y;
  }
}

TEST(OutlinePolygons, RecordsPointingOutsideTheBufferAreCut) {
  GlyphOutline glyph;
  glyph.contours.push_back({fixed(0, 0), 0, 3});  // three records, one present
  glyph.records.push_back({OutlineSegment::kLine, 0, 1000});
  glyph.points.push_back(fixed(5, 5));
  EXPECT_EQ(convert(glyph).points, points({{0, 0}, {5, -5}}));
}

// Even-odd inside test of one polygon at a point off the vertices' grid.
bool inside(std::span<const DevicePoint> polygon, double x, double y) {
  bool in = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const DevicePoint a = polygon[i], b = polygon[j];
    if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y)) in = !in;
  }
  return in;
}

TEST(JoinedPolygon, HasTheInsideOfThePolygonsTakenTogether) {
  // An outer square with two square holes and a separate square beside it.
  PolyPolygon shapes;
  for (const auto &[x0, y0, x1, y1] :
       {std::array{0, 0, 40, 40}, std::array{5, 5, 15, 35}, std::array{25, 5, 35, 15}, std::array{50, 0, 60, 10}}) {
    for (const DevicePoint p : {DevicePoint{x0, y0}, DevicePoint{x1, y0}, DevicePoint{x1, y1}, DevicePoint{x0, y1}})
      shapes.points.push_back(p);
    shapes.counts.push_back(4);
  }
  std::vector<DevicePoint> joined;
  joined_polygon(shapes, joined);
  for (double y = -2.5; y < 45; y += 1)
    for (double x = -2.5; x < 65; x += 1) {
      bool expected = false;  // inside an odd number of the polygons
      std::size_t first = 0;
      for (const int count : shapes.counts) {
        expected ^= inside(std::span(shapes.points).subspan(first, count), x, y);
        first += count;
      }
      ASSERT_EQ(inside(joined, x, y), expected) << x << ", " << y;
    }
  joined_polygon(PolyPolygon{}, joined);
  EXPECT_TRUE(joined.empty());
}

TEST(BarPolygon, IsOneQuadrilateralAlongTheText) {
  PolyPolygon out;
  bar_polygon(0, 50, 10, 3, kIdentity, out);
  EXPECT_EQ(out.counts, (std::vector<int>{4}));
  EXPECT_EQ(out.points, points({{0, 10}, {50, 10}, {50, 13}, {0, 13}}));
}

}  // namespace
}  // namespace vex3d
