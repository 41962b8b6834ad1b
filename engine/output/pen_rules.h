// How the line-attribute and line-pattern operations turn into a pen.
#pragma once

#include <span>

#include "draw_state.h"
#include "output_state.h"

namespace vex3d {

// Slot 25: width, style (1 solid, others dashed), cap and join.
//  - On a context with pen features: width below 2 with style 1 is the
//    one-pixel cosmetic pen (dashes cleared); otherwise the pen is
//    geometric, width 0 counting as 1, with the cap (<= 0 or > 3 square,
//    1 or 2 flat, 3 round) and join (2 round, 3 bevel, others mitre),
//    dashed when the style is not 1.
//  - On a metafile only the width is kept; the pen stays dashed when the
//    style is not solid and the width is below 2.
void apply_line_attributes(PenDescription &pen, int width, int style, int cap, int join, bool metafile);

// Slot 18: the line pattern (a Vex3dLpat* value) and its dashes. A dash
// array given by the caller is used as it is; with none the pattern's own
// dashes are used. On a metafile the pattern maps to a simple pen style.
void apply_line_pattern(PenDescription &pen, int pattern, int offset, std::span<const int> dashes, bool metafile);

// The platform pen made from the description.
platform::Pen make_pen(const PenDescription &pen);

}  // namespace vex3d
