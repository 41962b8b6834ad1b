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

void draw_symbol(Vex3dGraph *graph, const Vex3dDrawOps &ops, const SymbolGeometry &g, int color) {
  const Vex3dPrimitiveOps &draw = ops.primitives[0];
  Vex3dDevicePoint points[8];
  for (int k = 0; k < g.count; ++k) points[k] = {g.points[k].x, g.points[k].y};
  switch (g.kind) {
    case SymbolKind::kFillEllipse:
      ops.setsolidfill(graph, color);
      draw.fillarc(graph, g.x, g.y, g.width, g.height, 0, VEX3D_ANGLE_FULL_TURN);
      break;
    case SymbolKind::kFillRectangle:
      ops.setsolidfill(graph, color);
      draw.fillrectangle(graph, g.x, g.y, g.width, g.height);
      break;
    case SymbolKind::kFillPolygon:
      ops.setsolidfill(graph, color);
      draw.fillpolygon(graph, points, g.count, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
      break;
    case SymbolKind::kSegments:
      ops.setforeground(graph, color);
      ops.setlineattributes(graph, g.line_width, VEX3D_LINE_SOLID, VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
      for (int k = 0; k + 1 < g.count; k += 2)
        draw.drawline(graph, points[k].x, points[k].y, points[k + 1].x, points[k + 1].y);
      break;
    case SymbolKind::kOutlineRectangle:
      ops.setsolidline(graph, color);
      draw.drawrectangle(graph, g.x, g.y, g.width, g.height);
      break;
    case SymbolKind::kOutlineEllipse:
      ops.setsolidline(graph, color);
      draw.drawarc(graph, g.x, g.y, g.width, g.height, 0, VEX3D_ANGLE_FULL_TURN);
      break;
    case SymbolKind::kPolyline:
      ops.setsolidline(graph, color);
      draw.drawlines(graph, points, g.count, VEX3D_COORD_ABSOLUTE);
      break;
    case SymbolKind::kNone: break;
  }
}

}  // namespace vex3d
