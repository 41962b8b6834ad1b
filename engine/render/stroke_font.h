// The 17 built-in stroke fonts (the Hershey vector fonts), in stroke font
// number order (the StrokeFont enumeration).
//
// Units are glyph units: x to the right, y downward, 0 on the font's centre
// line. Each value is stored as a character whose code minus 'R' is the value.
#pragma once

namespace vex3d {

inline constexpr int kStrokeFontCount = 17;
inline constexpr int kStrokeFirstCode = 32;    // the space
inline constexpr int kStrokeGlyphCount = 96;   // codes 32 to 127
inline constexpr int kDefaultStrokeFont = 13;  // Roman Simplex

struct StrokeGlyph {
  char left, right;     // bearings: where the glyph starts and ends around its origin
  const char *strokes;  // coordinate pairs (x, y); a blank between pairs lifts the pen
};

struct StrokeFont {
  char top, bottom;  // extent of the font above and below its centre line
  StrokeGlyph glyphs[kStrokeGlyphCount];
};

extern const StrokeFont kStrokeFonts[kStrokeFontCount];

// The value a table character stands for.
constexpr int stroke_value(char c) { return static_cast<unsigned char>(c) - 'R'; }

// Font height in glyph units.
constexpr int stroke_height(const StrokeFont &font) { return stroke_value(font.bottom) - stroke_value(font.top); }

// The font of a stroke font number; numbers outside 0-16 give the default font.
inline const StrokeFont &stroke_font(int number) {
  return kStrokeFonts[number >= 0 && number < kStrokeFontCount ? number : kDefaultStrokeFont];
}

// The glyph a single-byte character draws: codes 32 to 127 their own glyph,
// every other one the space.
inline const StrokeGlyph &stroke_glyph(const StrokeFont &font, unsigned code) {
  const unsigned index = code - kStrokeFirstCode;
  return font.glyphs[index < kStrokeGlyphCount ? index : 0];
}

}  // namespace vex3d
