// The raster fast paths: small rasterisers that write opaque colours
// straight into ARGB32 pixels, exact to the whole-pixel rules of cairo's
// aliased fills and thin lines (pixel_rules.h), within a clip box.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "geometry.h"

namespace vex3d::platform {

struct PixelTarget {
  std::uint32_t *pixels = nullptr;
  int stride = 0;  // pixels from one row to the next
  Box clip;        // inside the surface
};

// Working storage of the span filler, reused from polygon to polygon.
struct SpanScratch {
  struct Edge {
    int y_top, y_end;          // scanlines y_top .. y_end - 1
    long long x;               // first pixel right of the crossing, on the current scanline
    long long frac, step_whole, step_frac, denominator;
  };
  std::vector<Edge> edges;
  std::vector<Edge *> active;
  std::vector<long long> crossings;
};

// Fills the pixels whose centres lie inside the polygon (even-odd rule).
void fill_polygon_spans(const PixelTarget &target, std::span<const Point> points, std::uint32_t argb,
                        SpanScratch &scratch);

// Fills the pixels of the box.
void fill_box(const PixelTarget &target, const Box &box, std::uint32_t argb);

// A thin antialiased line (Xiaolin Wu's stepper) from a up to b, the pixel
// at b left out.
void draw_thin_line(const PixelTarget &target, Point a, Point b, Rgb color);

}  // namespace vex3d::platform
