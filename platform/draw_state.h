// The drawing state a context draws with, as plain descriptions.
//
// A context keeps one state; primitives use whatever is in force. The
// descriptions compare by value so that setting an unchanged pen or brush
// costs nothing.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "geometry.h"

namespace vex3d::platform {

class Font;

enum class Cap : int { kFlat = 0, kSquare = 1, kRound = 2 };
enum class Join : int { kMiter = 0, kRound = 1, kBevel = 2 };

// A pen: either thin (one pixel wide, from the first point up to the last
// pixel, which is left out) or wide (width pixels, centred on the pixel
// centres, with caps and joins). Dashes are on/off lengths in pixels,
// starting dash_offset pixels into the pattern; none means solid.
struct Pen {
  Rgb color = 0;
  bool thin = true;
  int width = 1;
  Cap cap = Cap::kFlat;
  Join join = Join::kBevel;
  std::vector<double> dashes;
  double dash_offset = 0;

  bool solid() const { return dashes.empty(); }
  friend bool operator==(const Pen &, const Pen &) = default;
};

// A brush: solid, or the stipple, which paints every pixel whose x and y
// differ in parity (a checkerboard) and leaves the others as they are.
struct Brush {
  Rgb color = 0;
  bool stippled = false;
  friend bool operator==(const Brush &, const Brush &) = default;
};

// An elliptical arc or pie of the ellipse inscribed in a box of whole
// pixels, from `start` counter-clockwise through `sweep` (radians, 0 along
// +x, y up on the screen). A sweep of 2π or more is the whole ellipse.
struct ArcSpec {
  Box box;
  double start = 0;
  double sweep = 0;
  bool whole() const;
  friend bool operator==(const ArcSpec &, const ArcSpec &) = default;
};

// Pixels to draw from: premultiplied ARGB32 in native byte order, rows
// `stride` pixels apart. The pixels belong to the caller.
struct ImageView {
  const std::uint32_t *pixels = nullptr;
  int width = 0, height = 0;
  int stride = 0;
  bool empty() const { return !pixels || width <= 0 || height <= 0; }
};

using FontRef = std::shared_ptr<const Font>;

// Everything the primitives draw with.
struct DrawState {
  Pen pen;
  Brush brush;
  Rgb text_color = 0;
  Rgb background = 0xFFFFFF;
  FontRef font;                // none: text is not drawn and measures 0
  std::optional<Box> clip;     // none: the whole surface
};

}  // namespace vex3d::platform
