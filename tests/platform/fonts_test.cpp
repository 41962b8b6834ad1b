// Font resolution with the project's fonts, metrics and widths.
#include <gtest/gtest.h>

#include "fonts.h"

namespace {

using namespace vex3d::platform;

TEST(Fonts, CommonFacesResolveToMetricCompatibleFaces) {
  struct Case {
    const char *asked, *obtained;
  };
  const Case cases[] = {{"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"},
                        {"Courier New", "Liberation Mono"}};
  for (const Case &c : cases) {
    const FontRef font = resolve_font({c.asked, -16});
    ASSERT_TRUE(font) << c.asked;
    EXPECT_EQ(font->family(), c.obtained);
  }
  const FontRef unknown = resolve_font({"No Such Face At All", -16});
  ASSERT_TRUE(unknown) << "an unknown face still gives a font";
  EXPECT_FALSE(unknown->family().empty());
}

TEST(Fonts, StylesAreObtainedAndFontsAreCached) {
  const FontRef bold_italic = resolve_font({"Arial", -16, 700, true, true, false});
  EXPECT_EQ(bold_italic->weight(), 700);
  EXPECT_TRUE(bold_italic->italic());
  EXPECT_TRUE(bold_italic->underline());
  EXPECT_FALSE(bold_italic->strikeout());
  EXPECT_EQ(resolve_font({"Arial", -16})->weight(), 400);
  EXPECT_EQ(resolve_font({"Arial", -16, 700, true, true, false}), bold_italic) << "one font per description";
}

TEST(Fonts, SizesInCharacterOrCellHeight) {
  const FontRef em = resolve_font({"Arial", -16});
  EXPECT_EQ(em->em_pixels(), 16);
  const FontMetrics m = em->metrics();
  EXPECT_EQ(m.height, m.ascent + m.descent);
  EXPECT_GE(m.height, 17) << "the cell is taller than the character height";
  EXPECT_LE(m.height, 20);
  const FontRef cell = resolve_font({"Arial", m.height});
  EXPECT_NEAR(cell->em_pixels(), 16, 1.5) << "a positive height is the cell";
  EXPECT_EQ(resolve_font({"Arial", 0})->em_pixels(), kDefaultEmPixels);
  EXPECT_GT(resolve_font({"Arial", -2147483647})->em_pixels(), 1000) << "huge sizes are limited, not refused";
}

TEST(Fonts, MetricsAndWidthsFollowTheResolution) {
  const FontRef font = resolve_font({"Arial", -20});
  const FontMetrics screen = font->metrics(), doubled = font->metrics(192);
  EXPECT_NEAR(doubled.height, 2 * screen.height, 2) << "ascent and descent round up on their own";
  EXPECT_NEAR(doubled.typical_width(), 2 * screen.typical_width(), 1);
  EXPECT_LE(screen.average_width, screen.typical_width());
  EXPECT_GE(screen.max_width, screen.typical_width());
  EXPECT_NEAR(font->text_width("Resolution", 192), 2 * font->text_width("Resolution"), 1);
}

TEST(Fonts, TextWidthsAddUp) {
  const FontRef font = resolve_font({"Arial", -16});
  EXPECT_EQ(font->text_width(""), 0);
  EXPECT_LT(font->text_width("iiii"), font->text_width("WWWW"));
  EXPECT_NEAR(font->text_width("WordWord"), 2 * font->text_width("Word"), 1);
  EXPECT_EQ(font->text_width("caf\xE9"), font->text_width("caf\xC3\xA9")) << "Latin-1 bytes measure as characters";
}

}  // namespace
