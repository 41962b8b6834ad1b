// Text forms of resource values.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "convert.h"
#include "enumerations.h"
#include "graph_fixture.h"

namespace {

using namespace vex3d;

struct ColorCase {
  const char *text;
  bool converts;
  int value;
};

TEST(ColorText, Grammar) {
  const ColorCase cases[] = {
      {"#f00", true, 0x0000F0},       {"#FF0000", true, 0x0000FF},   {"Red", true, 0x0000FF},
      {"   red", true, 0x0000FF},     {"#ff00", false, 0},           {"", true, COLOR_UNSET},
      {"   ", true, COLOR_UNSET},     {"(Automatic)", true, COLOR_UNSET}, {"0x123456", true, 0x123456},
      {"0", true, 0},                 {"light gray", true, 0xD3D3D3}, {"LightGray", true, 0xD3D3D3},
      {"lightgray ", true, 0xD3D3D3}, {"Gray50", true, 0x7F7F7F},    {"gray", true, 0xBEBEBE},
      {"#ffff00008000", true, 0x8000FF}, {"#ffff0000800", false, 0},  {"#12345g", false, 0},
      {"nosuchcolour", false, 0},     {"#", false, 0},               {"#abcdefab", false, 0},
  };
  for (const ColorCase &c : cases) {
    SCOPED_TRACE(c.text);
    const auto v = parse_color(c.text);
    ASSERT_EQ(v.has_value(), c.converts);
    if (c.converts) {
      EXPECT_EQ(*v, c.value);
    }
  }
}

TEST(ColorText, PrintsRgbAndNames) {
  EXPECT_EQ(color_text(0x0000FF), "#ff0000");
  EXPECT_EQ(color_text(0x507FFF), "#ff7f50");
  EXPECT_EQ(color_text(COLOR_UNSET), "");
  EXPECT_STREQ(color_name(0x507FFF), "Coral");
  EXPECT_STREQ(color_name(COLOR_UNSET), "(Automatic)");
  EXPECT_STREQ(color_name(0x010203), "");
}

TEST(ScalarText, BooleansIntegersDoubles) {
  for (const char *f : {"no", "False", "0", "  n", "FALSE"}) {
    EXPECT_EQ(parse_bool(f), 0) << f;
  }
  for (const char *t : {"", "yes", "1", "x", "True"}) {
    EXPECT_EQ(parse_bool(t), 1) << t;
  }
  EXPECT_EQ(parse_int("  -42x"), -42);
  EXPECT_EQ(parse_int("+7"), 7);
  EXPECT_FALSE(parse_int("abc").has_value());
  EXPECT_FALSE(parse_int("").has_value());
  EXPECT_EQ(parse_int("99999999999"), 2147483647);
  EXPECT_EQ(parse_double(" 1e3"), 1000.0);
  EXPECT_EQ(parse_double(".5"), 0.5);
  EXPECT_FALSE(parse_double("x").has_value());
  EXPECT_EQ(parse_plain_text("  some text  "), "some text");
  EXPECT_EQ(parse_plain_text(R"("say ""hi"" ")"), R"(say "hi" )");
}

TEST(EnumText, NamesAndMasks) {
  EXPECT_EQ(parse_enum(VEX3D_TYPE_BorderType, "border3dout"), Vex3dBorder3dOut);
  EXPECT_EQ(parse_enum(VEX3D_TYPE_BorderType, "3dOut"), Vex3dBorder3dOut);
  EXPECT_EQ(parse_enum(VEX3D_TYPE_ImageLayout, " CropFitted "), Vex3dImageLayoutCropFitted);
  EXPECT_FALSE(parse_enum(VEX3D_TYPE_ChartType, "Pie").has_value());
  EXPECT_STREQ(enum_name(VEX3D_TYPE_StrokeFont, Vex3dSfRomanSimplex), "SfRomanSimplex");
  EXPECT_STREQ(enum_name(VEX3D_TYPE_Anchor, 99), "AnchorNorth") << "an unlisted value prints as the first name";
  EXPECT_EQ(parse_mask(VEX3D_TYPE_Plane, "xy+xz"), 3);
  EXPECT_EQ(parse_mask(VEX3D_TYPE_Plane, " xy + yzplane "), 5);
  EXPECT_EQ(parse_mask(VEX3D_TYPE_Plane, ""), 0);
  EXPECT_FALSE(parse_mask(VEX3D_TYPE_Plane, "xy+q").has_value());
  EXPECT_EQ(parse_mask(VEX3D_TYPE_ProjectMask, "Contours+Zones"), 3);
}

TEST(FontText, ParsesSizeAndStyleWords) {
  // The face printed is the one the platform obtained for the face asked for.
  const std::string sans = realized_face("Arial");
  const std::string serif = realized_face("Times New Roman");
  ASSERT_FALSE(sans.empty());
  const Vex3dFontDesc arial = parse_font("Arial,12");
  EXPECT_EQ(arial.face, sans);
  EXPECT_EQ(arial.height, -16) << "12 points at 96 dots per inch";
  EXPECT_EQ(arial.out_precision, 3);
  EXPECT_EQ(font_text(arial), sans + ",12");

  const Vex3dFontDesc styled = parse_font("Times New Roman, 10, bold,italic,Underline,strikeout,zzz");
  EXPECT_EQ(styled.weight, 700);
  EXPECT_TRUE(styled.italic && styled.underline && styled.strikeout);
  EXPECT_EQ(font_text(styled), serif + ",10,Bold,Italic,Underline,Strikeout");
  EXPECT_EQ(font_text(parse_font("Times New Roman,10,Bold,Italic")), serif + ",10,Bold,Italic");
  EXPECT_EQ(font_text(parse_font("Arial,0")), sans) << "a size of 0 prints the face alone";
  EXPECT_EQ(font_text(parse_font("Courier")), realized_face("Courier") + ",12")
      << "without a size the realised font's size is taken";
  const std::string long_face(300, 'F');
  EXPECT_LT(strnlen(parse_font(long_face + ",12").face, sizeof(Vex3dFontDesc::face)), sizeof(Vex3dFontDesc::face));
}

TEST(FontText, PointsAndPixels) {
  EXPECT_EQ(points_to_pixels(12), 16);
  EXPECT_EQ(points_to_pixels(-12), 16);
  EXPECT_EQ(pixels_to_points(-16), 12);
  EXPECT_EQ(points_to_pixels(9), 12);
  EXPECT_EQ(pixels_to_points(13), 10);
  EXPECT_EQ(points_to_pixels(2147483647), 2147483647);
}

TEST(StructuredText, LineStyles) {
  const Vex3dLineStyle solid_red{Vex3dLpatSolid, 0x0000FF, 1};
  EXPECT_EQ(line_style_text(&solid_red), "(LpatSolid #ff0000 1)");
  EXPECT_EQ(line_style_text(nullptr), "()");
  const auto parsed = parse_line_style(" ( Dotted \"light gray\" 3 )  ");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->pattern, Vex3dLpatDotted);
  EXPECT_EQ(parsed->color, 0xD3D3D3);
  EXPECT_EQ(parsed->width, 3);
  EXPECT_EQ(parse_line_style("(LpatSolid nosuch 1)")->color, COLOR_UNSET) << "a bad colour does not fail";
  for (const char *bad : {"(LpatSolid red 1) x", "(LpatSolid red 1.5)", "(LpatSolid red -1)", "(Wavy red 1)",
                          "(LpatSolid red 1", "LpatSolid red 1", "(LpatSolid \"red 1)"})
    EXPECT_FALSE(parse_line_style(bad).has_value()) << bad;
  const Vex3dLineStyle inherit{Vex3dLpatDashDot, COLOR_UNSET, 2};
  EXPECT_EQ(parse_line_style(line_style_text(&inherit))->color, COLOR_UNSET) << "an inherited colour reads back";
}

TEST(StructuredText, ValueLabels) {
  char high[] = "high";
  Vex3dValueLabel label{2.5, high};
  const Vex3dValueLabel *list[] = {&label, nullptr};
  EXPECT_EQ(value_labels_text(list), "((2.5 high) )");
  const auto parsed = parse_value_labels("((2.5 high) (-1e3 \"two words\"))");
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->labels.size(), 2u);
  EXPECT_EQ(parsed->labels[1].value, -1000.0);
  EXPECT_STREQ(parsed->labels[1].text, "two words");
  EXPECT_FALSE(parse_value_labels("((2.5x high))").has_value());
  EXPECT_FALSE(parse_value_labels("((2.5))").has_value());
}

TEST(StructuredText, XYColorsDataStylesAndStringLists) {
  const auto colors = parse_xy_colors("((1 2 red) (-1 3 \"#00ff00\"))");
  ASSERT_TRUE(colors);
  ASSERT_EQ(colors->size(), 2u);
  EXPECT_EQ((*colors)[1].x, -1);
  EXPECT_EQ((*colors)[1].color, 0x00FF00);
  Vex3dXYColor cell{1, 2, 0x0000FF};
  const Vex3dXYColor *cells[] = {&cell, nullptr};
  EXPECT_EQ(xy_colors_text(cells), "((1 2 #ff0000) )");
  for (const char *bad : {"((-2 1 red))", "((1 1 nosuch))", "((1 1 \"\"))", "((1.0 1 red))"})
    EXPECT_FALSE(parse_xy_colors(bad).has_value()) << bad;

  Vex3dDataStyle style{{Vex3dLpatLongDash, 0x00FF00, 2}, Vex3dSymbolStar, COLOR_UNSET, 9};
  const Vex3dDataStyle *styles[] = {&style, &style, nullptr};
  const std::string text = data_styles_text(styles);
  EXPECT_EQ(text, "(((LpatLongDash #00ff00 2)(SymbolStar \"\" 9)) ((LpatLongDash #00ff00 2)(SymbolStar \"\" 9)) )");
  const auto back = parse_data_styles(text);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->size(), 2u);
  EXPECT_EQ((*back)[1].symbol, Vex3dSymbolStar);
  EXPECT_EQ((*back)[1].symbol_color, COLOR_UNSET);
  EXPECT_EQ((*back)[1].line.width, 2);

  const char *strings[] = {"plain", "with \"quote\"", "", nullptr};
  const std::string list_text = string_list_text(strings);
  EXPECT_EQ(list_text, R"(("plain" "with ""quote""" ""))");
  const auto items = parse_string_list(list_text);
  ASSERT_TRUE(items);
  EXPECT_EQ((*items)[1], "with \"quote\"");
  EXPECT_EQ(parse_string_list("(bare words)")->size(), 2u);
  EXPECT_FALSE(parse_string_list("(a b) c").has_value());
}

// Through the graph: set from text, read back as text.
struct RoundTrip {
  int id;
  const char *set;
  const char *printed;
};

TEST(ValueStrings, SetAndGetThroughTheGraph) {
  const RoundTrip cases[] = {
      {VEX3D_XROTATION, "30.5", "30.5"},
      {VEX3D_ZMIN, "1e-7", "1e-07"},
      {VEX3D_DRAW_MESH, "no", "0"},
      {VEX3D_BACKGROUND_COLOR, "Coral", "#ff7f50"},
      {VEX3D_GRAPH_BACKGROUND_COLOR, "", ""},
      {VEX3D_TYPE, "histogram", "TypeSurface"},  // a name of another type does not convert
      {VEX3D_TYPE, "bar", "TypeBar"},
      {VEX3D_XBAR_FORMAT, "Histogram", "BarHistogram"},
      {VEX3D_NAME, " \"My chart\" ", "My chart"},
      {VEX3D_HEADER_STRINGS, "(\"Line one\" two)", "(\"Line one\" \"two\")"},
      {VEX3D_XGRID_LINE_STYLE, "(Dotted blue 2)", "(LpatDotted #0000ff 2)"},
      {VEX3D_LEGEND_FONT, "Liberation Sans,10,Italic", "Liberation Sans,10,Italic"},
      {VEX3D_XY_COLORS, "((0 0 red) (0 0 blue))", "((0 0 #0000ff) )"},
      {VEX3D_IMAGE, "  back.png ", "back.png"},
  };
  GraphPtr graph = make_graph();
  for (const RoundTrip &c : cases) {
    SCOPED_TRACE(c.set);
    const bool converts = std::string(c.set) != "histogram";
    EXPECT_EQ(Vex3dSetValueString(graph.get(), c.id, c.set), converts ? 1 : 0);
    char *text = nullptr;
    ASSERT_EQ(Vex3dGetValueString(graph.get(), c.id, &text), 1);
    EXPECT_STREQ(text, c.printed);
    std::free(text);
  }
}

TEST(ValueStrings, TypesWithoutATextFormAndBadInput) {
  GraphPtr graph = make_graph();
  char *text = nullptr;
  EXPECT_EQ(Vex3dGetValueString(graph.get(), VEX3D_SURFACE_DATA, &text), 0);
  EXPECT_EQ(Vex3dGetValueString(graph.get(), VEX3D_LEGEND_LABEL_FUNC, &text), 0);
  EXPECT_EQ(Vex3dGetValueString(graph.get(), VEX3D_TEXT_SHOW, &text), 0);
  EXPECT_EQ(Vex3dSetValueString(graph.get(), VEX3D_LEGEND_LABEL_FUNC, "f"), 0);
  EXPECT_EQ(Vex3dSetValueString(graph.get(), VEX3D_BACKGROUND_COLOR, nullptr), 0);
  EXPECT_EQ(Vex3dSetValueString(graph.get(), 0x117, "1"), 0);
  const std::string huge(200000, '(');
  for (int id : {VEX3D_XY_COLORS, VEX3D_DATA_STYLES, VEX3D_XVALUE_LABELS, VEX3D_HEADER_STRINGS,
                 VEX3D_XGRID_LINE_STYLE, VEX3D_BACKGROUND_COLOR, VEX3D_TYPE, VEX3D_HEADER_FONT})
    EXPECT_EQ(Vex3dSetValueString(graph.get(), id, huge.c_str()), id == VEX3D_HEADER_FONT ? 1 : 0) << id;
}

// Every resource of a new graph and a new text: the text its default prints
// as converts back, and the value it sets prints as the same text. Data,
// levels and contour styles are named by files and the label function is
// code: those have no printed form.
TEST(ValueStrings, EveryDefaultReadsBackFromItsText) {
  GraphPtr graph = make_graph();
  Vex3dText *label = Vex3dCreateText(graph.get());
  ASSERT_NE(label, nullptr);
  auto get = [&](int id) -> std::optional<std::string> {
    char *text = nullptr;
    const int got = Vex3dResourceOwner(id) == VEX3D_OWNER_TEXT ? Vex3dTextGetValueString(label, id, &text)
                                                               : Vex3dGetValueString(graph.get(), id, &text);
    if (!got) return std::nullopt;
    std::string copy = text;
    std::free(text);
    return copy;
  };
  auto set = [&](int id, const std::string &text) {
    return Vex3dResourceOwner(id) == VEX3D_OWNER_TEXT ? Vex3dTextSetValueString(label, id, text.c_str())
                                                      : Vex3dSetValueString(graph.get(), id, text.c_str());
  };
  for (int row = 0; row < Vex3dResourceCount(); ++row) {
    const int id = Vex3dResourceIdAt(row);
    SCOPED_TRACE(Vex3dResourceName(id));
    const int type = id >> 8;
    const bool unprinted = type == VEX3D_TYPE_Data || type == VEX3D_TYPE_DistnTable ||
                           type == VEX3D_TYPE_ContourStyles || type == VEX3D_TYPE_Function;
    const std::optional<std::string> text = get(id);
    ASSERT_EQ(text.has_value(), !unprinted);
    if (unprinted) continue;
    EXPECT_EQ(set(id, *text), 1) << *text;
    EXPECT_EQ(get(id), text);
  }
}

}  // namespace
