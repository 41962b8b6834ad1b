// Symbol shapes: the stated geometry of the dot, box and triangles, and for
// every shape a figure centred on the point and scaled by the size.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "restable.h"
#include "symbols.h"

namespace vex3d {
namespace {

constexpr DevicePoint kAt{100, 200};

TEST(Symbols, StatedShapes) {
  SymbolGeometry g = symbol_geometry(Vex3dSymbolDot, 6, kAt);
  EXPECT_EQ(g.kind, SymbolKind::kFillEllipse);
  EXPECT_EQ(g.x, 100 - 3);  // (s + 1) / 2 left of and above the point
  EXPECT_EQ(g.y, 200 - 3);
  EXPECT_EQ(g.width, 7);
  EXPECT_EQ(g.height, 7);

  g = symbol_geometry(Vex3dSymbolBox, 6, kAt);
  EXPECT_EQ(g.kind, SymbolKind::kFillRectangle);
  EXPECT_EQ(g.x, 97);
  EXPECT_EQ(g.y, 197);
  EXPECT_EQ(g.width, 6);

  g = symbol_geometry(Vex3dSymbolTri, 10, kAt);  // h = trunc(10 * 0.7071...) = 7
  ASSERT_EQ(g.kind, SymbolKind::kFillPolygon);
  ASSERT_EQ(g.count, 3);
  EXPECT_EQ(g.points[0], (DevicePoint{93, 207}));
  EXPECT_EQ(g.points[1], (DevicePoint{100, 193}));  // point up
  EXPECT_EQ(g.points[2], (DevicePoint{107, 207}));

  g = symbol_geometry(Vex3dSymbolInvertTri, 10, kAt);
  EXPECT_EQ(g.points[1], (DevicePoint{100, 207}));  // point down

  EXPECT_EQ(symbol_geometry(Vex3dSymbolCross, 14, kAt).line_width, 2);  // s / 7
  EXPECT_EQ(symbol_geometry(Vex3dSymbolCross, 6, kAt).line_width, 1);
  EXPECT_EQ(symbol_geometry(Vex3dSymbolStar, 70, kAt).line_width, 1);    // always thin
  EXPECT_EQ(symbol_geometry(Vex3dSymbolCircle, 70, kAt).line_width, 1);  // outlines are thin
}

TEST(Symbols, NothingForNoneUnknownOrTooSmall) {
  for (int shape : {int(Vex3dSymbolNone), 0, 17, -3}) EXPECT_EQ(symbol_geometry(shape, 8, kAt).kind, SymbolKind::kNone);
  EXPECT_EQ(symbol_geometry(Vex3dSymbolBox, 0, kAt).kind, SymbolKind::kNone);
}

// The bounding box of what a shape draws.
struct Extent {
  int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
};
Extent extent(const SymbolGeometry &g) {
  Extent e;
  if (g.count == 0) return {g.x, g.y, g.x + g.width, g.y + g.height};
  for (int k = 0; k < g.count; ++k) {
    e.x0 = std::min(e.x0, g.points[k].x), e.x1 = std::max(e.x1, g.points[k].x);
    e.y0 = std::min(e.y0, g.points[k].y), e.y1 = std::max(e.y1, g.points[k].y);
  }
  return e;
}

TEST(Symbols, EveryShapeIsCentredAndScaled) {
  for (int shape = Vex3dSymbolDot; shape <= Vex3dSymbolOpenInvertTri; ++shape)
    for (int size : {4, 9, 30}) {
      const SymbolGeometry g = symbol_geometry(shape, size, kAt);
      ASSERT_NE(g.kind, SymbolKind::kNone) << shape;
      const Extent e = extent(g);
      EXPECT_LE(std::abs((e.x0 + e.x1) - 2 * kAt.x), 1) << "shape " << shape << " size " << size;
      EXPECT_LE(std::abs((e.y0 + e.y1) - 2 * kAt.y), 1) << "shape " << shape << " size " << size;
      const int span = std::max(e.x1 - e.x0, e.y1 - e.y0);
      EXPECT_GE(span, size - 1) << "shape " << shape << " size " << size;
      EXPECT_LE(span, 3 * size / 2 + 1) << "shape " << shape << " size " << size;
    }
}

TEST(Symbols, OpenShapesCloseTheirOutline) {
  for (int shape : {int(Vex3dSymbolOpenTri), int(Vex3dSymbolOpenDiamond), int(Vex3dSymbolOpenInvertTri)}) {
    const SymbolGeometry g = symbol_geometry(shape, 12, kAt);
    ASSERT_EQ(g.kind, SymbolKind::kPolyline);
    EXPECT_EQ(g.points[0], g.points[g.count - 1]) << shape;
  }
}

TEST(Symbols, HugeSizesStayWithinAPage) {
  const SymbolGeometry g = symbol_geometry(Vex3dSymbolDiamond, 2000000000, kAt);
  const Extent e = extent(g);
  EXPECT_LE(e.x1 - e.x0, 1 << 16);
}

}  // namespace
}  // namespace vex3d
