#include "stroke_text.h"

#include <vector>

#include "text_chars.h"

namespace vex3d {
namespace {

constexpr int kFarX = 32767;

const StrokeGlyph &glyph_of(const StrokeFont &font, TextChar c) {
  return c.single_byte ? stroke_glyph(font, c.code) : font.glyphs[0];
}

// Draws one glyph's strokes with its origin at text-plane x = origin.
void draw_glyph(const char *strokes, double origin, double s, const PlacementMatrix &m, std::vector<DevicePoint> &line,
                const PolylineFn &draw) {
  line.clear();
  bool stroke_started = false;
  for (const char *p = strokes; *p;) {
    if (*p == ' ') {  // pen up: the stroke so far is one polyline
      if (!line.empty()) draw(line);
      line.clear();
      stroke_started = false;
      ++p;
      continue;
    }
    if (!p[1]) break;
    const auto point = place(m, origin + stroke_value(p[0]) * s, stroke_value(p[1]) * s);
    p += 2;
    if (!point) continue;
    if (!stroke_started) {
      if (point->x > kFarX) return;
      stroke_started = true;
    }
    line.push_back(*point);
  }
  if (!line.empty()) draw(line);
}

}  // namespace

void stroke_text(const StrokeFont &font, int size, const PlacementMatrix &m, std::string_view text,
                 const PolylineFn &draw) {
  const double s = size * 0.002 / stroke_height(font);
  std::vector<DevicePoint> line;
  line.reserve(64);
  double pen = 0;
  for_each_char(text, [&](TextChar c) {
    const StrokeGlyph &glyph = glyph_of(font, c);
    pen -= stroke_value(glyph.left) * s;
    draw_glyph(glyph.strokes, pen, s, m, line, draw);
    pen += stroke_value(glyph.right) * s;
  });
}

int stroke_text_width(const StrokeFont &font, int size, std::string_view text) {
  double units = 0;
  for_each_char(text, [&](TextChar c) {
    const StrokeGlyph &glyph = glyph_of(font, c);
    units += stroke_value(glyph.right) - stroke_value(glyph.left);
  });
  return rounded_width(size * units / stroke_height(font));
}

}  // namespace vex3d
