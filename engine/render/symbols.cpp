// Symbol shapes: the filled ones have the area of the size's square or
// circle; the line shapes reach half the size from the centre.
#include "symbols.h"

#include <algorithm>
#include <initializer_list>

#include "restable.h"

namespace vex3d {
namespace {

constexpr double kHalfRoot2 = 0.7071067811865475;
// Larger symbols are drawn this large: a symbol never needs more than a page.
constexpr int kLargestSymbol = 1 << 14;

void put(SymbolGeometry &g, std::initializer_list<DevicePoint> points) {
  for (const DevicePoint &p : points) g.points[g.count++] = p;
}

// A closed outline repeats its first point.
void put_closed(SymbolGeometry &g, std::initializer_list<DevicePoint> points) {
  put(g, points);
  g.points[g.count++] = *points.begin();
}

}  // namespace

SymbolGeometry symbol_geometry(int shape, int s, DevicePoint at) {
  SymbolGeometry g;
  if (s < 1) return g;
  s = std::min(s, kLargestSymbol);
  const int x = at.x, y = at.y;
  const int h = static_cast<int>(s * kHalfRoot2);  // half the diagonal of a square of side s
  const int r = s / 2;                             // half the side
  const int d = static_cast<int>(r * kHalfRoot2);  // a ray of length r at 45 degrees
  const int line_width = std::max(1, s / 7);
  auto box = [&](int side, int left_offset) {
    g.x = x - left_offset, g.y = y - left_offset, g.width = side, g.height = side;
  };

  switch (shape) {
    case Vex3dSymbolDot:
      g.kind = SymbolKind::kFillEllipse;
      box(s + 1, (s + 1) / 2);
      break;
    case Vex3dSymbolBox:
      g.kind = SymbolKind::kFillRectangle;
      box(s, s / 2);
      break;
    case Vex3dSymbolTri:
      g.kind = SymbolKind::kFillPolygon;
      put(g, {{x - h, y + h}, {x, y - h}, {x + h, y + h}});
      break;
    case Vex3dSymbolInvertTri:
      g.kind = SymbolKind::kFillPolygon;
      put(g, {{x - h, y - h}, {x, y + h}, {x + h, y - h}});
      break;
    case Vex3dSymbolDiamond:
      g.kind = SymbolKind::kFillPolygon;
      put(g, {{x, y - h}, {x + h, y}, {x, y + h}, {x - h, y}});
      break;
    case Vex3dSymbolStar:  // eight rays of equal length, one pixel wide
      g.kind = SymbolKind::kSegments;
      put(g, {{x - r, y},
              {x + r, y},
              {x, y - r},
              {x, y + r},
              {x - d, y - d},
              {x + d, y + d},
              {x - d, y + d},
              {x + d, y - d}});
      break;
    case Vex3dSymbolVertLine:
      g.kind = SymbolKind::kSegments, g.line_width = line_width;
      put(g, {{x, y - r}, {x, y + r}});
      break;
    case Vex3dSymbolHorizLine:
      g.kind = SymbolKind::kSegments, g.line_width = line_width;
      put(g, {{x - r, y}, {x + r, y}});
      break;
    case Vex3dSymbolCross:
      g.kind = SymbolKind::kSegments, g.line_width = line_width;
      put(g, {{x - r, y}, {x + r, y}, {x, y - r}, {x, y + r}});
      break;
    case Vex3dSymbolDiagCross:  // corner to corner of the square of side s
      g.kind = SymbolKind::kSegments, g.line_width = line_width;
      put(g, {{x - r, y - r}, {x + r, y + r}, {x - r, y + r}, {x + r, y - r}});
      break;
    case Vex3dSymbolCircle:
      g.kind = SymbolKind::kOutlineEllipse;
      box(s + 1, (s + 1) / 2);
      break;
    case Vex3dSymbolSquare:
      g.kind = SymbolKind::kOutlineRectangle;
      box(s, s / 2);
      break;
    case Vex3dSymbolOpenTri:
      g.kind = SymbolKind::kPolyline;
      put_closed(g, {{x - h, y + h}, {x, y - h}, {x + h, y + h}});
      break;
    case Vex3dSymbolOpenInvertTri:
      g.kind = SymbolKind::kPolyline;
      put_closed(g, {{x - h, y - h}, {x, y + h}, {x + h, y - h}});
      break;
    case Vex3dSymbolOpenDiamond:
      g.kind = SymbolKind::kPolyline;
      put_closed(g, {{x, y - h}, {x + h, y}, {x, y + h}, {x - h, y}});
      break;
    default:  // SymbolNone and unknown shapes
      break;
  }
  return g;
}

}  // namespace vex3d
