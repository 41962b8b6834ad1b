// Text forms of resource values.
//
// Every type has a text form (text_forms.cpp): a from-text converter (text
// to value) and, for most, a to-text converter (value to text);
// Vex3dSetValueString and Vex3dGetValueString go through them, and the
// control layer and the command line use the colour and font forms directly.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "types.h"
#include "value.h"

namespace vex3d {

// A value converted from text. `keep` owns whatever was allocated for it
// (a list, a font, a style) and frees it when the conversion goes away.
struct Converted {
  Value value;
  std::shared_ptr<void> keep;
};

// Converts text to a value of the type; nullopt when the text does not convert.
// The empty text converts to "none" (a null pointer) for pointer types.
std::optional<Converted> from_text(int type, const char *text);
// The text form of a value of the type; nullopt for a type without one (and
// for an unknown type).
std::optional<std::string> to_text(int type, const Value &value);

// ---- scalars
int parse_bool(std::string_view text);
std::optional<int> parse_int(const char *text);
std::optional<double> parse_double(const char *text);
// A quoted text ("" stands for a quote) or the text without surrounding blanks.
std::string parse_plain_text(std::string_view text);

// ---- colours
std::optional<int> parse_color(std::string_view text);
// "#rrggbb", or "" for COLOR_UNSET.
std::string color_text(int color);
// The colour's name in the colour table, or "".
const char *color_name(int color);
// The colour's name when it has one, else color_text.
std::string color_name_or_text(int color);

// ---- fonts
Vex3dFontDesc parse_font(std::string_view text);
std::string font_text(const Vex3dFontDesc &desc);
int screen_dpi();
int points_to_pixels(int points);
int pixels_to_points(int pixels);

// ---- structured texts
std::optional<Vex3dLineStyle> parse_line_style(std::string_view text);
std::string line_style_text(const Vex3dLineStyle *style);
std::optional<std::vector<Vex3dDataStyle>> parse_data_styles(std::string_view text);
std::string data_styles_text(const Vex3dDataStyle *const *styles);
// Value labels keep their texts in `texts`; the labels point into it.
struct ParsedValueLabels {
  std::vector<std::string> texts;
  std::vector<Vex3dValueLabel> labels;
};
std::optional<ParsedValueLabels> parse_value_labels(std::string_view text);
std::string value_labels_text(const Vex3dValueLabel *const *labels);
std::optional<std::vector<Vex3dXYColor>> parse_xy_colors(std::string_view text);
std::string xy_colors_text(const Vex3dXYColor *const *colors);
std::optional<std::vector<std::string>> parse_string_list(std::string_view text);
std::string string_list_text(const char *const *list);

}  // namespace vex3d
