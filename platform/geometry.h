// Whole-pixel geometry and colours of the drawing contexts.
//
// Coordinates are integer device pixels, y growing downwards; pixel (x, y)
// covers the unit square from (x, y) to (x + 1, y + 1). Colours are 0xBBGGRR
// (red in the lowest byte); the top byte is ignored.
#pragma once

#include <cstdint>

namespace vex3d::platform {

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point &, const Point &) = default;
};

// A rectangle of whole pixels: x .. x + width - 1, y .. y + height - 1.
struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const Box &, const Box &) = default;
};

using Rgb = std::uint32_t;

constexpr Rgb rgb_of(int color) { return static_cast<Rgb>(color) & 0xFFFFFFu; }
constexpr int red_of(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr int green_of(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blue_of(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }
// The opaque pixel of a colour in the raster contexts' native form (ARGB32).
constexpr std::uint32_t argb_of(Rgb c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(red_of(c)) << 16) |
         (static_cast<std::uint32_t>(green_of(c)) << 8) | static_cast<std::uint32_t>(blue_of(c));
}

// Intersection of two boxes; empty when they do not meet.
Box intersect(const Box &a, const Box &b);

}  // namespace vex3d::platform
