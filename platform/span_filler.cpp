// Aliased polygon fills and box fills straight into the pixels.
//
// A pixel is filled when its centre lies inside the polygon (even-odd).
// Vertices are integers, so a pixel centre is never on a vertex's scanline
// boundary; crossings are computed exactly in integers: on scanline y an
// edge from (x0, y0) down to (x1, y1) crosses at x0 + (y + 1/2 - y0) dx/dy,
// and the first pixel whose centre is at or right of that is
//   x0 + ceil(((2 (y - y0) + 1) dx - dy) / (2 dy)),
// which steps from scanline to scanline by whole and fractional parts.
//
// Most polygons are a surface's cells: convex or at least y-monotone, a
// few pixels across. They take a path that walks the two sides from the top
// vertex, on the stack and in 64-bit arithmetic; any other polygon takes the
// general path (an active edge list, products in 128 bits).
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "raster_fill.h"

namespace vex3d::platform {
namespace {

using Wide = __int128;

// floor(n / d) for d > 0.
template <class Int>
Int floor_div(Int n, Int d) {
  Int q = n / d;
  if ((n % d != 0) && (n < 0)) --q;
  return q;
}

// Sets the edge on scanline y: its first pixel and the stepping. `Int`
// holds (2 (y - y0) + 1) dx exactly.
template <class Int>
void start_edge(SpanScratch::Edge &e, long long x0, long long y0, long long dx, long long dy, int y) {
  const long long d = 2 * dy;
  // -dx = s dy + r with 0 <= r < dy; a step to the next scanline moves the
  // crossing by -s pixels and 2r / d of one. Steep edges (most of them)
  // need no division.
  long long s, r;
  if (dx <= 0 && -dx < dy) {
    s = 0;
    r = -dx;
  } else if (dx > 0 && dx <= dy) {
    s = -1;
    r = dy - dx;
  } else {
    s = floor_div<long long>(-dx, dy);
    r = -dx - s * dy;
  }
  e.step_whole = -s;
  e.step_frac = 2 * r;
  e.denominator = d;
  e.y_top = y;
  if (y == y0) {
    // m = dy - dx = (1 + s) dy + r, so floor(m / d) halves 1 + s.
    const long long k = 1 + s;
    e.x = x0 - (k >> 1);
    e.frac = r + (k & 1) * dy;
    return;
  }
  // m = -(numerator); first pixel = x0 - floor(m / d).
  const Int m = static_cast<Int>(dy) - static_cast<Int>(2 * (static_cast<long long>(y) - y0) + 1) * dx;
  const Int q = floor_div<Int>(m, d);
  e.x = x0 - static_cast<long long>(q);
  e.frac = static_cast<long long>(m - q * d);
}

// To the next scanline, without a branch (the carry is as likely as not).
inline void advance(SpanScratch::Edge &e) {
  const long long f = e.frac + e.step_frac - e.denominator;
  const long long no_carry = f >> 63;  // -1 when the fraction did not wrap, else 0
  e.frac = f + (e.denominator & no_carry);
  e.x += e.step_whole - 1 - no_carry;
}

// Pixels from..to-1 of a row, for the short runs of small polygons: a few
// overlapping block copies instead of a loop of unpredictable length.
inline void fill_run(std::uint32_t *row, int from, int to, std::uint32_t argb) {
  const int n = to - from;
  std::uint32_t *p = row + from;
  if (n > 16) {
    std::fill(p, p + n, argb);
    return;
  }
  const std::uint32_t block[8] = {argb, argb, argb, argb, argb, argb, argb, argb};
  if (n >= 8) {
    std::memcpy(p, block, 32);
    std::memcpy(p + n - 8, block, 32);
  } else if (n >= 4) {
    std::memcpy(p, block, 16);
    std::memcpy(p + n - 4, block, 16);
  } else if (n >= 2) {
    std::memcpy(p, block, 8);
    std::memcpy(p + n - 2, block, 8);
  } else {
    *p = argb;
  }
}

void fill_span(std::uint32_t *row, long long from, long long to, const Box &clip, std::uint32_t argb) {
  from = std::max<long long>(from, clip.x);
  to = std::min<long long>(to, static_cast<long long>(clip.x) + clip.width);
  if (from < to) std::fill(row + from, row + to, argb);
}

// One side of a y-monotone polygon: the edges met walking round the
// vertices from the top one in one direction, each in turn the one that
// crosses the current scanline.
struct Chain {
  std::span<const Point> points;
  std::size_t at;  // lower vertex of the current edge
  bool forward;
  int end = 0;  // the current edge crosses scanlines up to end - 1
  SpanScratch::Edge edge;

  // Moves on to the edge that crosses scanline y (one is always left while
  // y is above the bottom vertex).
  void reach(int y) {
    if (end > y) return;
    next_edge(y);
  }
  void next_edge(int y) {
    while (end <= y) {
      const Point a = points[at];
      at = forward ? (at + 1 == points.size() ? 0 : at + 1) : (at == 0 ? points.size() - 1 : at - 1);
      const Point b = points[at];
      if (b.y <= y) continue;
      start_edge<long long>(edge, a.x, a.y, static_cast<long long>(b.x) - a.x, static_cast<long long>(b.y) - a.y, y);
      end = b.y;
    }
  }
};

// Coordinates of a polygon for the monotone path lie within this distance
// of each other, so that every product fits 64 bits.
constexpr long long kMonotoneExtent = 1LL << 30;

// Fills a polygon whose vertices go down once and up once in y (every
// convex polygon, most cells of a surface): each scanline then crosses it
// exactly twice, once on each side, and the pixels between are inside.
// False for any other polygon, or one too large for 64-bit arithmetic.
bool fill_monotone_polygon(const PixelTarget &target, std::span<const Point> points, std::uint32_t argb) {
  const std::size_t n = points.size();
  int xmin = points[0].x, xmax = xmin, ymin = points[0].y, ymax = ymin;
  std::size_t top = 0;
  int turns = 0, heading = 0;  // heading: the last vertical direction taken, -1 up or +1 down
  for (std::size_t i = n; i-- > 0 && heading == 0;) {
    const long long dy = static_cast<long long>(points[i == n - 1 ? 0 : i + 1].y) - points[i].y;
    heading = (dy > 0) - (dy < 0);
  }
  for (std::size_t i = 0; i < n; ++i) {
    const Point p = points[i];
    xmin = std::min(xmin, p.x);
    xmax = std::max(xmax, p.x);
    if (p.y < ymin) top = i;
    ymin = std::min(ymin, p.y);
    ymax = std::max(ymax, p.y);
    const long long dy = static_cast<long long>(points[i + 1 == n ? 0 : i + 1].y) - p.y;
    const int d = (dy > 0) - (dy < 0);
    turns += d != 0 && d != heading;
    if (d != 0) heading = d;
  }
  if (turns != 2 || static_cast<long long>(xmax) - xmin >= kMonotoneExtent ||
      static_cast<long long>(ymax) - ymin >= kMonotoneExtent)
    return turns == 0;  // a polygon on one scanline covers no pixel centre

  const Box &clip = target.clip;
  const long long left = clip.x, right = static_cast<long long>(clip.x) + clip.width;
  if (xmax <= left || xmin >= right) return true;
  const int first = std::max(ymin, clip.y);
  const int last = static_cast<int>(std::min<long long>(ymax, static_cast<long long>(clip.y) + clip.height));
  Chain one{points, top, true, ymin, {}}, other{points, top, false, ymin, {}};
  for (int y = first; y < last; ++y) {
    one.reach(y);
    other.reach(y);
    // Either side may be the left one (sides of a monotone polygon may cross).
    const long long from = std::max(std::min(one.edge.x, other.edge.x), left);
    const long long to = std::min(std::max(one.edge.x, other.edge.x), right);
    if (from < to)
      fill_run(target.pixels + static_cast<long long>(y) * target.stride, static_cast<int>(from), static_cast<int>(to),
               argb);
    advance(one.edge);
    advance(other.edge);
  }
  return true;
}

}  // namespace

void fill_polygon_spans(const PixelTarget &target, std::span<const Point> points, std::uint32_t argb,
                        SpanScratch &scratch) {
  const Box &clip = target.clip;
  if (clip.empty() || points.size() < 3) return;
  if (fill_monotone_polygon(target, points, argb)) return;
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
    const long long dx = static_cast<long long>(b.x) - a.x, dy = static_cast<long long>(b.y) - a.y;
    const int top = std::max(a.y, first);
    // Device coordinates are nearly always far below 2^30: 64 bits hold the
    // product then, and the 128-bit division is needed only beyond.
    constexpr long long kNarrow = 1LL << 30;
    if (dx > -kNarrow && dx < kNarrow && static_cast<long long>(top) - a.y < kNarrow)
      start_edge<long long>(e, a.x, a.y, dx, dy, top);
    else
      start_edge<Wide>(e, a.x, a.y, dx, dy, top);
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

    for (SpanScratch::Edge *e : active) advance(*e);
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
