// Font descriptions: "Face,12,Bold,Italic,Underline,Strikeout", the points and
// pixels rule, and font handles.
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "boundary.h"
#include "convert.h"
#include "font.h"
#include "graph.h"
#include "hooks.h"
#include "text_scan.h"

namespace vex3d {
namespace {

constexpr int kStrokePrecision = 3;
constexpr int kBold = 700;

// d / 72 in single precision, as the rule is stated.
float dots_per_point() { return static_cast<float>(screen_dpi()) / 72.0f; }

int round_to_int(double v) { return v >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(v); }

}  // namespace

int screen_dpi() {
  const auto dpi = hooks().screen_dpi;
  const int d = dpi ? dpi() : 0;
  return d > 0 ? d : 96;
}

int points_to_pixels(int points) {
  return round_to_int(std::fabs(static_cast<double>(points)) * dots_per_point() + 0.5);
}

int pixels_to_points(int pixels) {
  return round_to_int(std::fabs(static_cast<double>(pixels)) / dots_per_point() + 0.5);
}

Vex3dFontDesc parse_font(std::string_view text) {
  Vex3dFontDesc desc{};
  desc.out_precision = kStrokePrecision;
  const std::size_t comma = text.find(',');
  const std::string_view face = text.substr(0, comma);
  const std::size_t n = std::min(face.size(), sizeof desc.face - 1);
  std::memcpy(desc.face, face.data(), n);
  desc.face[n] = '\0';

  bool size_given = false;
  std::string_view rest = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  while (comma != std::string_view::npos) {
    const std::size_t next = rest.find(',');
    std::string_view field = rest.substr(0, next);
    while (!field.empty() && is_blank(field.front())) field.remove_prefix(1);
    if (!field.empty()) {
      const char c = field.front();
      if ((c >= '0' && c <= '9') || c == '+' || c == '-') {
        const std::string digits(field.substr(0, 32));
        const long points = std::strtol(digits.c_str(), nullptr, 10);
        desc.height = -points_to_pixels(static_cast<int>(std::max(std::min(points, long(INT_MAX)), -long(INT_MAX))));
        size_given = true;
      } else if (c == 'B' || c == 'b') {
        desc.weight = kBold;
      } else if (c == 'I' || c == 'i') {
        desc.italic = 1;
      } else if (c == 'U' || c == 'u') {
        desc.underline = 1;
      } else if (c == 'S' || c == 's') {
        desc.strikeout = 1;
      }
    }
    if (next == std::string_view::npos) break;
    rest.remove_prefix(next + 1);
  }
  if (const auto realize = hooks().realize_font) realize(&desc, size_given);
  return desc;
}

std::string font_text(const Vex3dFontDesc &desc) {
  std::string text(desc.face, strnlen(desc.face, sizeof desc.face));
  const int points = pixels_to_points(desc.height);
  if (points != 0) text += "," + std::to_string(points);
  if (desc.weight > 500) text += ",Bold";
  if (desc.italic) text += ",Italic";
  if (desc.underline) text += ",Underline";
  if (desc.strikeout) text += ",Strikeout";
  return text;
}

Vex3dFont *make_font(const Vex3dFontDesc &desc) {
  Vex3dFont *font = new (std::nothrow) Vex3dFont;
  if (font) font->desc = desc;
  return font;
}

FontRecord::~FontRecord() { delete font; }

}  // namespace vex3d

extern "C" Vex3dFont *Vex3dCreateFont(const char *description) {
  return vex3d::guarded(__func__, [&]() -> Vex3dFont * {
    if (!description) return nullptr;
    return vex3d::make_font(vex3d::parse_font(description));
  });
}

extern "C" void Vex3dDestroyFont(Vex3dFont *font) {
  vex3d::guarded(__func__, [&] { delete font; });
}

extern "C" const Vex3dFontDesc *Vex3dFontDescription(const Vex3dFont *font) {
  return vex3d::guarded(__func__, [&]() -> const Vex3dFontDesc * { return font ? &font->desc : nullptr; });
}
