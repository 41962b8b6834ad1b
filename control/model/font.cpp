#include "font.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "axis_parts.h"

namespace tc3d {
namespace font_rows {
#define TC3D_MEMBERS "font_members.def"
#include "member_table.inc"
}  // namespace font_rows

TC3D_MODEL_CLASS_INFO(IFont, font_rows)

namespace {

constexpr int kAnnotation = static_cast<int>(CubeFontUse::kAnnotation);
constexpr int kTitle = static_cast<int>(CubeFontUse::kTitle);

// The titles', legend's and chart labels' fonts, and the outline fonts of
// the axes' cube fonts (shared by the three axes).
constexpr SelectorRow kFontSelector[] = {
    family(kSelectFont, 0, VEX3D_HEADER_FONT, VEX3D_FOOTER_FONT, VEX3D_LEGEND_FONT, 0, VEX3D_TEXT_FONT)
        .with({PartTag::kXAxis, kAnnotation, VEX3D_AXIS_FONT})
        .with({PartTag::kYAxis, kAnnotation, VEX3D_AXIS_FONT})
        .with({PartTag::kZAxis, kAnnotation, VEX3D_AXIS_FONT})
        .with({PartTag::kXAxis, kTitle, VEX3D_AXIS_TITLE_FONT})
        .with({PartTag::kYAxis, kTitle, VEX3D_AXIS_TITLE_FONT})
        .with({PartTag::kZAxis, kTitle, VEX3D_AXIS_TITLE_FONT}),
};

bool blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string font_text(const FontDescription &font) {
  const long points = std::lround(std::fabs(font.size.to_double()));
  char size[32] = "";
  if (points != 0) std::snprintf(size, sizeof size, ",%ld", points);
  std::string text = font.name + size;
  if (font.weight > FontDescription::kBoldAbove) text += ",Bold";
  if (font.italic) text += ",Italic";
  if (font.underline) text += ",Underline";
  if (font.strikethrough) text += ",Strikeout";
  return text;
}

FontDescription parse_font_text(std::string_view text) {
  FontDescription font;
  std::size_t comma = text.find(',');
  font.name = std::string(text.substr(0, comma));
  while (comma != std::string_view::npos) {
    text.remove_prefix(comma + 1);
    comma = text.find(',');
    std::string_view field = text.substr(0, comma);
    while (!field.empty() && blank(field.front())) field.remove_prefix(1);
    if (field.empty()) continue;
    const char c = field.front();
    if ((c >= '0' && c <= '9') || c == '+' || c == '-')
      font.size = Currency{std::strtol(std::string(field).c_str(), nullptr, 10) * Currency::kScale};
    else if (c == 'B' || c == 'b')
      font.weight = FontDescription::kBoldWeight;
    else if (c == 'I' || c == 'i')
      font.italic = true;
    else if (c == 'U' || c == 'u')
      font.underline = true;
    else if (c == 'S' || c == 's')
      font.strikethrough = true;
  }
  return font;
}

std::span<const SelectorRow> IFont::selector() const { return kFontSelector; }

FontDescription IFont::description() {
  Vex3dGraph *g = connected_graph();
  const int id = resource_for(kSelectFont);
  if (own_ || !id) return font_;
  char *text = nullptr;
  if (!Vex3dGetValueString(g, id, &text)) return FontDescription{};
  std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
  return parse_font_text(text);
}

void IFont::set_description(const FontDescription &font) {
  Vex3dGraph *g = connected_graph();
  if (const int id = resource_for(kSelectFont)) {
    if (font.name.empty())
      Vex3dSetValues(g, id, static_cast<Vex3dFont *>(nullptr), 0);
    else if (!Vex3dSetValueString(g, id, font_text(font).c_str()))
      raise(ErrorCode::tcErrorInvalidValue);
  }
  font_ = font;
  own_ = true;
}

void IFont::assign(const Variant &font) {
  if (font.type() == VarType::Object) {
    const auto other = std::dynamic_pointer_cast<IFont>(font.to_object());
    if (!other) raise(ErrorCode::tcErrorInvalidValue);
    set_description(other->description());
    return;
  }
  set_description(parse_font_text(font.to_string()));
}

void IFont::set_bold(bool on) {
  FontDescription d = description();
  d.weight = on ? FontDescription::kBoldWeight : FontDescription::kNormalWeight;
  set_description(d);
}

}  // namespace tc3d
