// Text in the stroke fonts as device polylines, and its width.
//
// Sizes are thousandths of the plot cube, which spans 2 units of the text
// plane: one glyph unit is size * 0.002 / font height text-plane units.
#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "stroke_font.h"
#include "text_placement.h"

namespace vex3d {

// Receives one stroke as a device polyline; the points live until it returns.
using PolylineFn = std::function<void(std::span<const DevicePoint>)>;

// Walks the text from the text-plane origin: each character moves the pen
// past its left bearing, draws its strokes and moves past its right bearing.
// A stroke whose first point lands beyond device x 32767 ends its glyph.
// Characters other than single bytes 32-127 draw the space glyph.
void stroke_text(const StrokeFont &font, int size, const PlacementMatrix &m, std::string_view text,
                 const PolylineFn &draw);

// Width in thousandths of the cube: size * (sum of right - left) / height, rounded.
int stroke_text_width(const StrokeFont &font, int size, std::string_view text);

}  // namespace vex3d
