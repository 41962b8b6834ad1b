#include "outline_text.h"

#include <algorithm>
#include <cmath>

namespace vex3d {
namespace {

// A point in face units.
struct Vec {
  double x, y;
};

Vec from_fixed(OutlinePoint p) { return {p.x / 65536.0, p.y / 65536.0}; }
Vec mid(Vec a, Vec b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// Collects one contour's vertices as device points.
class ContourBuilder {
 public:
  ContourBuilder(const GlyphPlacement &at, const PlacementMatrix &m, PolyPolygon &out)
      : at_(at), m_(m), out_(out), first_(out.points.size()) {}

  void add(Vec p) {
    if (const auto d = device(p)) out_.points.push_back(*d);
  }

  // A cubic Bezier segment from the last point added, in straight pieces
  // short enough that the curve strays from them by at most a quarter pixel.
  void add_cubic(Vec p0, Vec c1, Vec c2, Vec p3) {
    const auto d0 = precise(p0), d1 = precise(c1), d2 = precise(c2), d3 = precise(p3);
    // The curve's second differences bound how far the chords stray.
    const double dd = std::max(std::hypot(d0.x - 2 * d1.x + d2.x, d0.y - 2 * d1.y + d2.y),
                               std::hypot(d1.x - 2 * d2.x + d3.x, d1.y - 2 * d2.y + d3.y));
    constexpr double kTolerance = 0.25;
    constexpr int kMostPieces = 64;
    const double want = std::sqrt(0.75 * dd / kTolerance);
    // Clamped before the conversion: a wild placement makes `want` too large for an int.
    const int pieces = std::isfinite(want) ? static_cast<int>(std::clamp(std::ceil(want), 1.0, double{kMostPieces})) : 1;
    for (int i = 1; i <= pieces; ++i) {
      const double t = static_cast<double>(i) / pieces, u = 1 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, e = t * t * t;
      add({a * p0.x + b * c1.x + c * c2.x + e * p3.x, a * p0.y + b * c1.y + c * c2.y + e * p3.y});
    }
  }

  void finish() {
    const auto count = out_.points.size() - first_;
    if (count > 0) out_.counts.push_back(static_cast<int>(count));
  }

 private:
  Vec plane(Vec p) const { return {at_.pen_x + p.x * at_.scale, at_.baseline_y - p.y * at_.scale}; }
  std::optional<DevicePoint> device(Vec p) const {
    const Vec q = plane(p);
    return place(m_, q.x, q.y);
  }
  // Device position without rounding, for measuring curves.
  Vec precise(Vec p) const {
    const Vec q = plane(p);
    const double w = m_[3][0] * q.x + m_[3][1] * q.y + m_[3][3];
    return {(m_[0][0] * q.x + m_[0][1] * q.y + m_[0][3]) / w, (m_[1][0] * q.x + m_[1][1] * q.y + m_[1][3]) / w};
  }

  const GlyphPlacement &at_;
  const PlacementMatrix &m_;
  PolyPolygon &out_;
  std::size_t first_;
};

}  // namespace

void outline_polygons(const GlyphOutline &glyph, const GlyphPlacement &at, const PlacementMatrix &m, PolyPolygon &out) {
  const auto point = [&](std::uint32_t i) { return from_fixed(glyph.points[i]); };
  for (const OutlineContour &contour : glyph.contours) {
    ContourBuilder polygon(at, m, out);
    Vec last = from_fixed(contour.start);
    polygon.add(last);
    const std::size_t end_record =
        std::min<std::size_t>(std::size_t{contour.first_record} + contour.record_count, glyph.records.size());
    for (std::size_t r = contour.first_record; r < end_record; ++r) {
      const OutlineRecord &record = glyph.records[r];
      const std::size_t first = record.first;
      const std::size_t end = std::min<std::size_t>(first + record.count, glyph.points.size());
      if (first >= end) continue;
      switch (record.kind) {
        case OutlineSegment::kLine:
          for (std::size_t i = first; i < end; ++i) polygon.add(point(i));
          break;
        case OutlineSegment::kQSpline:
          for (std::size_t i = first; i + 1 < end; ++i) {
            polygon.add(point(i));
            polygon.add(mid(point(i), point(i + 1)));
          }
          polygon.add(point(end - 1));
          break;
        case OutlineSegment::kCSpline:
          for (std::size_t i = first; i + 2 < end; i += 3) {
            polygon.add_cubic(last, point(i), point(i + 1), point(i + 2));
            last = point(i + 2);
          }
          continue;
      }
      last = point(end - 1);
    }
    polygon.finish();
  }
}

void bar_polygon(double x0, double x1, double y_top, double thickness, const PlacementMatrix &m, PolyPolygon &out) {
  const double y1 = y_top + thickness;
  const double corners[4][2] = {{x0, y_top}, {x1, y_top}, {x1, y1}, {x0, y1}};
  std::size_t first = out.points.size();
  for (const auto &c : corners)
    if (const auto d = place(m, c[0], c[1])) out.points.push_back(*d);
  if (out.points.size() > first) out.counts.push_back(static_cast<int>(out.points.size() - first));
}

void joined_polygon(const PolyPolygon &polygons, std::vector<DevicePoint> &out) {
  out.clear();
  std::size_t first = 0;
  for (const int count : polygons.counts) {
    if (count <= 0 || first + count > polygons.points.size()) break;
    const auto begin = polygons.points.begin() + static_cast<std::ptrdiff_t>(first);
    out.insert(out.end(), begin, begin + count);
    out.push_back(*begin);                                  // closes this polygon
    if (first > 0) out.push_back(polygons.points.front());  // and back to the first one's start
    first += count;
  }
}

}  // namespace vex3d
