// The built-in stroke font table: headers, glyph encoding, and fonts that are
// what their names say.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "stroke_font.h"

namespace vex3d {
namespace {

struct Point {
  int x, y;
};
using Strokes = std::vector<std::vector<Point>>;

// Decodes a glyph's stroke text, failing the test on anything malformed.
Strokes decode(const char *text) {
  Strokes strokes(1);
  for (const char *p = text; *p;) {
    if (*p == ' ') {
      EXPECT_FALSE(strokes.back().empty()) << "empty stroke in \"" << text << '"';
      strokes.emplace_back();
      ++p;
      continue;
    }
    EXPECT_NE(p[1], '\0') << "odd coordinate count in \"" << text << '"';
    if (!p[1]) break;
    strokes.back().push_back({stroke_value(p[0]), stroke_value(p[1])});
    p += 2;
  }
  if (strokes.back().empty()) strokes.pop_back();
  return strokes;
}

enum Font {
  kCyrillicComplex,
  kGothicEnglish,
  kGothicGerman,
  kGothicItalian,
  kGreekComplex,
  kGreekComplexSmall,
  kGreekSimplex,
  kItalicComplex,
  kItalicComplexSmall,
  kItalicTriplex,
  kRomanComplex,
  kRomanComplexSmall,
  kRomanDuplex,
  kRomanSimplex,
  kRomanTriplex,
  kScriptComplex,
  kScriptSimplex
};

const StrokeGlyph &glyph(int font, char c) { return kStrokeFonts[font].glyphs[c - 32]; }

TEST(StrokeFontTable, HeadersHaveTheTopBottomAndSpaceOfEachFont) {
  struct Row {
    int font, top, bottom, height, space;  // space: the space glyph's right bearing (left is its negative)
  };
  const Row rows[] = {
      {kCyrillicComplex, -18, 18, 36, 8}, {kGothicEnglish, -18, 18, 36, 8}, {kGothicGerman, -18, 18, 36, 8},
      {kGothicItalian, -18, 18, 36, 8},   {kGreekComplex, -18, 18, 36, 8},  {kGreekComplexSmall, -14, 14, 28, 6},
      {kGreekSimplex, -18, 18, 36, 8},    {kItalicComplex, -18, 18, 36, 8}, {kItalicComplexSmall, -14, 14, 28, 6},
      {kItalicTriplex, -18, 18, 36, 8},   {kRomanComplex, -18, 18, 36, 8},  {kRomanComplexSmall, -14, 14, 28, 6},
      {kRomanDuplex, -18, 18, 36, 8},     {kRomanSimplex, -18, 18, 36, 8},  {kRomanTriplex, -18, 18, 36, 8},
      {kScriptComplex, -18, 23, 41, 8},   {kScriptSimplex, -18, 23, 41, 8},
  };
  ASSERT_EQ(std::size(rows), static_cast<std::size_t>(kStrokeFontCount));
  for (const Row &row : rows) {
    SCOPED_TRACE("font " + std::to_string(row.font));
    const StrokeFont &font = kStrokeFonts[row.font];
    EXPECT_EQ(stroke_value(font.top), row.top);
    EXPECT_EQ(stroke_value(font.bottom), row.bottom);
    EXPECT_EQ(stroke_height(font), row.height);
    EXPECT_EQ(stroke_value(glyph(row.font, ' ').left), -row.space);
    EXPECT_EQ(stroke_value(glyph(row.font, ' ').right), row.space);
    EXPECT_STREQ(glyph(row.font, ' ').strokes, "");
  }
}

TEST(StrokeFontTable, EveryGlyphIsWellFormed) {
  for (int f = 0; f < kStrokeFontCount; ++f) {
    for (int c = 32; c < 128; ++c) {
      SCOPED_TRACE("font " + std::to_string(f) + " code " + std::to_string(c));
      const StrokeGlyph &g = kStrokeFonts[f].glyphs[c - 32];
      ASSERT_NE(g.strokes, nullptr);
      EXPECT_LT(stroke_value(g.left), stroke_value(g.right));
      for (const auto &stroke : decode(g.strokes))
        for (const Point &p : stroke) {
          EXPECT_LT(std::abs(p.x), 50);
          EXPECT_LT(std::abs(p.y), 50);
        }
    }
  }
}

// Draws one character as another: the classic complex tables put the
// semicolon where the double quote belongs.
TEST(StrokeFontTable, DistinctPunctuationHasDistinctGlyphs) {
  const char pairs[][2] = {{'"', ';'}, {'\'', ','}, {':', ';'}, {'(', ')'}, {'<', '>'}};
  for (int f = 0; f < kStrokeFontCount; ++f)
    for (const auto &pair : pairs)
      EXPECT_STRNE(glyph(f, pair[0]).strokes, glyph(f, pair[1]).strokes)
          << "font " << f << ": '" << pair[0] << "' and '" << pair[1] << "'";
}

// Horizontal drift of the letter I from its lowest to its highest point: 0
// for upright letters, positive for letters leaning right.
int lean_of_I(int font) {
  Point top{0, 99}, bottom{0, -99};
  for (const auto &stroke : decode(glyph(font, 'I').strokes))
    for (const Point &p : stroke) {
      if (p.y < top.y) top = p;
      if (p.y > bottom.y) bottom = p;
    }
  return top.x - bottom.x;
}

// Height of the capital H in glyph units.
int height_of_H(int font) {
  int top = 99, bottom = -99;
  for (const auto &stroke : decode(glyph(font, 'H').strokes))
    for (const Point &p : stroke) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  return bottom - top;
}

TEST(StrokeFontTable, ItalicFontsLeanAndSmallFontsAreSmaller) {
  struct Pair {
    int font, upright;
  };
  for (const Pair &p : {Pair{kItalicComplex, kRomanComplex}, Pair{kItalicComplexSmall, kRomanComplexSmall},
                        Pair{kItalicTriplex, kRomanTriplex}}) {
    EXPECT_EQ(lean_of_I(p.upright), 0) << "font " << p.upright;
    EXPECT_GT(lean_of_I(p.font), 0) << "font " << p.font;
  }
  for (const Pair &p : {Pair{kRomanComplexSmall, kRomanComplex}, Pair{kGreekComplexSmall, kGreekComplex},
                        Pair{kItalicComplexSmall, kItalicComplex}})
    EXPECT_LT(height_of_H(p.font), height_of_H(p.upright)) << "font " << p.font;
}

// Greek and Cyrillic fonts put their own alphabets on the Latin letters.
TEST(StrokeFontTable, GreekAndCyrillicLettersDifferFromRoman) {
  struct Pair {
    int font, roman;
    char letter;
  };
  const Pair pairs[] = {{kGreekSimplex, kRomanSimplex, 'P'},
                        {kGreekComplex, kRomanComplex, 'P'},
                        {kGreekComplexSmall, kRomanComplexSmall, 'p'},
                        {kCyrillicComplex, kRomanComplex, 'B'}};
  for (const Pair &p : pairs) {
    EXPECT_STRNE(glyph(p.font, p.letter).strokes, glyph(p.roman, p.letter).strokes) << "font " << p.font;
    EXPECT_STREQ(glyph(p.font, '1').strokes, glyph(p.roman, '1').strokes) << "font " << p.font;
  }
}

TEST(StrokeFontTable, NumbersOutsideTheTableGiveTheDefaultFont) {
  EXPECT_EQ(&stroke_font(-1), &kStrokeFonts[kRomanSimplex]);
  EXPECT_EQ(&stroke_font(17), &kStrokeFonts[kRomanSimplex]);
  EXPECT_EQ(&stroke_font(kScriptSimplex), &kStrokeFonts[kScriptSimplex]);
}

}  // namespace
}  // namespace vex3d
