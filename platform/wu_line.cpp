// Thin antialiased lines straight into the pixels: Xiaolin Wu's stepper.
//
// Along the major axis every pixel from the first point up to (not
// including) the last gets the line's colour split between the two pixels
// nearest to the line's centre, by the distance to each. A line along a
// row or column therefore covers exactly its pixels, like cairo's one-pixel
// stroke under the thin-line rule (pixel_rules.h).
#include <algorithm>
#include <cstdlib>

#include "raster_fill.h"

namespace vex3d::platform {
namespace {

using Wide = __int128;

// dst := src * c + dst * (1 - c), c in 0..255, both premultiplied.
inline void blend(std::uint32_t &dst, std::uint32_t src, unsigned c) {
  if (c >= 255) {
    dst = src;
    return;
  }
  if (c == 0) return;
  const unsigned inverse = 255 - c;
  std::uint32_t rb = (src & 0xFF00FFu) * c + (dst & 0xFF00FFu) * inverse + 0x800080u;
  std::uint32_t ag = ((src >> 8) & 0xFF00FFu) * c + ((dst >> 8) & 0xFF00FFu) * inverse + 0x800080u;
  rb = ((rb + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
  ag = ((ag + ((ag >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
  dst = rb | (ag << 8);
}

// Steps along the major axis. `major` and `minor` name the coordinates of
// a point as (major, minor); plot(major, minor, coverage) writes a pixel.
// `Int` holds the minor coordinate in 32.32 fixed point.
template <class Int, class Plot>
void step_line(long long m0, long long n0, long long dm, long long dn, long long lo, long long hi, Plot plot) {
  // Pixels m0 + i * sign(dm) for i in [0, |dm|), limited to [lo, hi).
  const long long steps = std::llabs(dm);
  const long long sign = dm > 0 ? 1 : -1;
  long long i_lo, i_hi;
  if (sign > 0) {
    i_lo = std::max(0LL, lo - m0);
    i_hi = std::min(steps, hi - m0);
  } else {
    i_lo = std::max(0LL, m0 - hi + 1);
    i_hi = std::min(steps, m0 - lo + 1);
  }
  if (i_lo >= i_hi) return;
  // |dn| <= steps, so the gradient is at most 1 in 32.32.
  const long long gradient = static_cast<long long>(static_cast<Int>(dn) * (Int{1} << 32) / steps);
  Int n = static_cast<Int>(n0) * (Int{1} << 32) + static_cast<Int>(i_lo) * gradient;
  long long m = m0 + i_lo * sign;
  for (long long i = i_lo; i < i_hi; ++i, n += gradient, m += sign) {
    const long long whole = static_cast<long long>(n >> 32);
    const unsigned f = static_cast<unsigned>((n >> 24) & 0xFF);
    plot(m, whole, 255 - f);
    if (f) plot(m, whole + 1, f);
  }
}

// Lines whose coordinates lie within this distance of the origin step in
// 64 bits; farther ones in 128.
constexpr long long kNearLine = 1LL << 24;

template <class Plot>
void step(long long m0, long long n0, long long dm, long long dn, long long lo, long long hi, Plot plot) {
  const bool near = std::llabs(m0) < kNearLine && std::llabs(n0) < kNearLine && std::llabs(m0 + dm) < kNearLine &&
                    std::llabs(n0 + dn) < kNearLine;
  if (near) {
    step_line<long long>(m0, n0, dm, dn, lo, hi, plot);
  } else {
    step_line<Wide>(m0, n0, dm, dn, lo, hi, plot);
  }
}

}  // namespace

void draw_thin_line(const PixelTarget &target, Point a, Point b, Rgb color) {
  const Box &clip = target.clip;
  if (clip.empty()) return;
  const long long dx = static_cast<long long>(b.x) - a.x, dy = static_cast<long long>(b.y) - a.y;
  if (dx == 0 && dy == 0) return;
  const std::uint32_t argb = argb_of(color);
  const long long x0 = clip.x, x1 = static_cast<long long>(clip.x) + clip.width;
  const long long y0 = clip.y, y1 = static_cast<long long>(clip.y) + clip.height;
  std::uint32_t *const pixels = target.pixels;
  const long long stride = target.stride;
  // The stepper keeps the major coordinate within the clip; the minor one
  // stays between the ends' (the second pixel of a pair only where the
  // centre line is strictly between two), so a line whose ends lie within
  // the clip's minor range needs no test per pixel.
  const auto put = [&](long long x, long long y, unsigned c) { blend(pixels[y * stride + x], argb, c); };
  const auto put_clipped = [&](long long x, long long y, unsigned c) {
    if (y >= y0 && y < y1 && x >= x0 && x < x1) put(x, y, c);
  };
  if (std::llabs(dx) >= std::llabs(dy)) {
    if (std::min(a.y, b.y) >= y0 && std::max(a.y, b.y) < y1) {
      step(a.x, a.y, dx, dy, x0, x1, [&](long long m, long long n, unsigned c) { put(m, n, c); });
    } else {
      step(a.x, a.y, dx, dy, x0, x1, [&](long long m, long long n, unsigned c) { put_clipped(m, n, c); });
    }
  } else {
    if (std::min(a.x, b.x) >= x0 && std::max(a.x, b.x) < x1) {
      step(a.y, a.x, dy, dx, y0, y1, [&](long long m, long long n, unsigned c) { put(n, m, c); });
    } else {
      step(a.y, a.x, dy, dx, y0, y1, [&](long long m, long long n, unsigned c) { put_clipped(n, m, c); });
    }
  }
}

}  // namespace vex3d::platform
