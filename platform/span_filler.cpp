// Aliased polygon fills and box fills straight into the pixels.
//
// A pixel is filled when its centre lies inside the polygon (even-odd).
// Vertices are integers, so a pixel centre is never on a vertex's scanline
// boundary; crossings are computed exactly in integers: on scanline y an
// edge from (x0, y0) down to (x1, y1) crosses at x0 + (y + 1/2 - y0) dx/dy,
// and the first pixel whose centre is at or right of that is
//   x0 + ceil(((2 (y - y0) + 1) dx - dy) / (2 dy)),
// which steps from scanline to scanline by whole and fractional parts.
#include <algorithm>

#include "raster_fill.h"

namespace vex3d::platform {
namespace {

using Wide = __int128;

// floor(n / d) for d > 0.
template <typename Int>
Int floor_div(Int n, Int d) {
  Int q = n / d;
  if ((n % d != 0) && (n < 0)) --q;
  return q;
}

// The first pixel of an edge on scanline y and the remainder, in Int, which
// must hold (2 (y - y0) + 1) dx.
template <typename Int>
void first_pixel(SpanScratch::Edge &e, long long x0, long long y0, long long dx, long long dy, int y) {
  const Int d = 2 * static_cast<Int>(dy);
  // m = -(numerator); first pixel = x0 - floor(m / d).
  const Int m = static_cast<Int>(dy) - static_cast<Int>(2 * (static_cast<long long>(y) - y0) + 1) * dx;
  const Int q = floor_div(m, d);
  e.x = x0 - static_cast<long long>(q);
  e.frac = static_cast<long long>(m - q * d);
}

// Sets the edge on scanline y: its first pixel and the stepping.
void start_edge(SpanScratch::Edge &e, long long x0, long long y0, long long dx, long long dy, int y) {
  // Device coordinates are nearly always far below 2^30: 64 bits hold the
  // product then, and the 128-bit division is needed only beyond.
  constexpr long long kNarrow = 1LL << 30;
  if (dx > -kNarrow && dx < kNarrow && static_cast<long long>(y) - y0 < kNarrow)
    first_pixel<long long>(e, x0, y0, dx, dy, y);
  else
    first_pixel<Wide>(e, x0, y0, dx, dy, y);
  const long long d = 2 * dy;
  const long long step = -2 * dx;
  const long long sq = floor_div(step, d);
  e.step_whole = -sq;
  e.step_frac = step - sq * d;
  e.denominator = d;
  e.y_top = y;
}

void fill_span(std::uint32_t *row, long long from, long long to, const Box &clip, std::uint32_t argb) {
  from = std::max<long long>(from, clip.x);
  to = std::min<long long>(to, static_cast<long long>(clip.x) + clip.width);
  if (from < to) std::fill(row + from, row + to, argb);
}

}  // namespace

void fill_polygon_spans(const PixelTarget &target, std::span<const Point> points, std::uint32_t argb,
                        SpanScratch &scratch) {
  const Box &clip = target.clip;
  if (clip.empty() || points.size() < 3) return;
  int ymin = points[0].y, ymax = points[0].y;
  for (const Point &p : points) {
    ymin = std::min(ymin, p.y);
    ymax = std::max(ymax, p.y);
  }
  const int first = std::max(ymin, clip.y);
  const int last = static_cast<int>(std::min<long long>(ymax, static_cast<long long>(clip.y) + clip.height));
  if (first >= last) return;

  auto &edges = scratch.edges;
  edges.clear();
  for (std::size_t i = 0; i < points.size(); ++i) {
    Point a = points[i], b = points[(i + 1) % points.size()];
    if (a.y == b.y) continue;
    if (a.y > b.y) std::swap(a, b);
    if (b.y <= first || a.y >= last) continue;
    SpanScratch::Edge e;
    start_edge(e, a.x, a.y, static_cast<long long>(b.x) - a.x, static_cast<long long>(b.y) - a.y,
               std::max(a.y, first));
    e.y_end = b.y;
    edges.push_back(e);
  }
  std::sort(edges.begin(), edges.end(), [](const auto &l, const auto &r) { return l.y_top < r.y_top; });

  auto &active = scratch.active;
  auto &crossings = scratch.crossings;
  active.clear();
  std::size_t next = 0;
  for (int y = first; y < last; ++y) {
    if (active.empty()) {
      if (next == edges.size()) break;
      y = std::max(y, edges[next].y_top);
      if (y >= last) break;
    }
    while (next < edges.size() && edges[next].y_top == y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const SpanScratch::Edge *e) { return e->y_end <= y; });

    crossings.clear();
    for (const SpanScratch::Edge *e : active) {
      // Insertion sort: a handful of crossings per scanline.
      auto at = crossings.end();
      while (at != crossings.begin() && *(at - 1) > e->x) --at;
      crossings.insert(at, e->x);
    }
    std::uint32_t *row = target.pixels + static_cast<long long>(y) * target.stride;
    for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) fill_span(row, crossings[k], crossings[k + 1], clip, argb);

    for (SpanScratch::Edge *e : active) {
      e->x += e->step_whole;
      e->frac += e->step_frac;
      if (e->frac >= e->denominator) {
        e->frac -= e->denominator;
        e->x -= 1;
      }
    }
  }
}

void fill_box(const PixelTarget &target, const Box &box, std::uint32_t argb) {
  const Box b = intersect(box, target.clip);
  if (b.empty()) return;
  for (int y = b.y; y < b.y + b.height; ++y) {
    std::uint32_t *row = target.pixels + static_cast<long long>(y) * target.stride;
    std::fill(row + b.x, row + b.x + b.width, argb);
  }
}

}  // namespace vex3d::platform
