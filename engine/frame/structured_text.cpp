// Structured text forms: line styles, data styles, value labels, per-cell
// colours and string lists, all built of "(" ")" lists and blank-separated
// items. A text is accepted only when nothing but blanks follows its
// closing parenthesis.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "convert.h"
#include "enumerations.h"
#include "restable.h"
#include "text_scan.h"

namespace vex3d {
namespace {

using Kind = StructuredScanner::Kind;

bool is_item(const StructuredScanner::Token &t) { return t.kind == Kind::Word || t.kind == Kind::Quoted; }

// A colour item: quoted or a bare word; one that does not convert is COLOR_UNSET.
std::optional<int> color_item(StructuredScanner &s) {
  const auto t = s.next();
  if (!is_item(t)) return std::nullopt;
  return parse_color(t.text).value_or(COLOR_UNSET);
}

std::optional<int> enum_item(StructuredScanner &s, int type) {
  const auto t = s.next();
  if (!is_item(t)) return std::nullopt;
  return parse_enum(type, t.text);
}

std::optional<int> digits_item(StructuredScanner &s) {
  const auto t = s.next();
  if (t.kind != Kind::Word) return std::nullopt;
  return parse_digits(t.text);
}

// "(" name colour digits ")": the shape shared by a line part and a symbol part.
struct Triple {
  int name, color, number;
};
std::optional<Triple> triple(StructuredScanner &s, int type) {
  if (!s.accept(Kind::Open)) return std::nullopt;
  const auto name = enum_item(s, type);
  if (!name) return std::nullopt;
  const auto color = color_item(s);
  if (!color) return std::nullopt;
  const auto number = digits_item(s);
  if (!number || !s.accept(Kind::Close)) return std::nullopt;
  return Triple{*name, *color, *number};
}

// Colours print in "#rrggbb" form; an inherited colour prints as "" so that
// the text reads back as the same style.
std::string color_item_text(int color) { return color == COLOR_UNSET ? "\"\"" : color_text(color); }

std::string triple_text(int type, int name, int color, int number) {
  return "(" + std::string(enum_name(type, name)) + " " + color_item_text(color) + " " + std::to_string(number) + ")";
}

std::string quoted(const std::string &text) {
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

// Runs `item` for each element of a "(" ... ")" list that must end the text.
template <class Item>
bool list(StructuredScanner &s, Item item) {
  if (!s.accept(Kind::Open)) return false;
  while (!s.accept(Kind::Close))
    if (!item()) return false;
  return s.at_end();
}

}  // namespace

std::optional<Vex3dLineStyle> parse_line_style(std::string_view text) {
  StructuredScanner s(text);
  const auto t = triple(s, VEX3D_TYPE_LinePattern);
  if (!t || !s.at_end()) return std::nullopt;
  return Vex3dLineStyle{t->name, t->color, t->number};
}

std::string line_style_text(const Vex3dLineStyle *style) {
  if (!style) return "()";
  return triple_text(VEX3D_TYPE_LinePattern, style->pattern, style->color, style->width);
}

std::optional<std::vector<Vex3dDataStyle>> parse_data_styles(std::string_view text) {
  StructuredScanner s(text);
  std::vector<Vex3dDataStyle> styles;
  const bool ok = list(s, [&] {
    if (!s.accept(Kind::Open)) return false;
    const auto line = triple(s, VEX3D_TYPE_LinePattern);
    if (!line) return false;
    const auto symbol = triple(s, VEX3D_TYPE_Symbol);
    if (!symbol || !s.accept(Kind::Close)) return false;
    styles.push_back({{line->name, line->color, line->number}, symbol->name, symbol->color, symbol->number});
    return true;
  });
  if (!ok) return std::nullopt;
  return styles;
}

std::string data_styles_text(const Vex3dDataStyle *const *styles) {
  std::string text = "(";
  for (; styles && *styles; ++styles) {
    const Vex3dDataStyle &d = **styles;
    text += "(" + triple_text(VEX3D_TYPE_LinePattern, d.line.pattern, d.line.color, d.line.width) +
            triple_text(VEX3D_TYPE_Symbol, d.symbol, d.symbol_color, d.symbol_size) + ") ";
  }
  return text + ")";
}

std::optional<ParsedValueLabels> parse_value_labels(std::string_view text) {
  StructuredScanner s(text);
  ParsedValueLabels parsed;
  std::vector<double> values;
  const bool ok = list(s, [&] {
    if (!s.accept(Kind::Open)) return false;
    const auto number = s.next();
    if (number.kind != Kind::Word) return false;
    char *end = nullptr;
    const double value = std::strtod(number.text.c_str(), &end);
    if (end == number.text.c_str() || *end != '\0') return false;
    const auto label = s.next();
    if (!is_item(label) || !s.accept(Kind::Close)) return false;
    values.push_back(value);
    parsed.texts.push_back(label.text);
    return true;
  });
  if (!ok) return std::nullopt;
  for (std::size_t i = 0; i < values.size(); ++i)
    parsed.labels.push_back({values[i], parsed.texts[i].data()});
  return parsed;
}

std::string value_labels_text(const Vex3dValueLabel *const *labels) {
  std::string text = "(";
  for (; labels && *labels; ++labels) {
    char number[64];
    std::snprintf(number, sizeof number, "%g", (*labels)->value);
    text += "(" + std::string(number) + " " + ((*labels)->text ? (*labels)->text : "") + ") ";
  }
  return text + ")";
}

std::optional<std::vector<Vex3dXYColor>> parse_xy_colors(std::string_view text) {
  StructuredScanner s(text);
  std::vector<Vex3dXYColor> colors;
  auto index = [&]() -> std::optional<int> {
    const auto t = s.next();
    if (t.kind != Kind::Word) return std::nullopt;
    if (t.text == "-1") return -1;
    return parse_digits(t.text);
  };
  const bool ok = list(s, [&] {
    if (!s.accept(Kind::Open)) return false;
    const auto x = index();
    const auto y = x ? index() : std::nullopt;
    if (!y) return false;
    const auto color = s.next();
    if (!is_item(color) || !s.accept(Kind::Close)) return false;
    // A cell colour never inherits: a colour that does not convert fails the text.
    const auto value = parse_color(color.text);
    if (!value || *value == COLOR_UNSET) return false;
    colors.push_back({*x, *y, *value});
    return true;
  });
  if (!ok) return std::nullopt;
  return colors;
}

std::string xy_colors_text(const Vex3dXYColor *const *colors) {
  std::string text = "(";
  for (; colors && *colors; ++colors)
    text += "(" + std::to_string((*colors)->x) + " " + std::to_string((*colors)->y) + " " +
            color_text((*colors)->color) + ") ";
  return text + ")";
}

std::optional<std::vector<std::string>> parse_string_list(std::string_view text) {
  StructuredScanner s(text);
  std::vector<std::string> items;
  const bool ok = list(s, [&] {
    const auto t = s.next();
    if (!is_item(t)) return false;
    items.push_back(t.text);
    return true;
  });
  if (!ok) return std::nullopt;
  return items;
}

std::string string_list_text(const char *const *list) {
  std::string text = "(";
  for (const char *const *p = list; p && *p; ++p) text += (p == list ? "" : " ") + quoted(*p);
  return text + ")";
}

}  // namespace vex3d
