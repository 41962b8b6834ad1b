// Colour text forms: names, "#rgb", "#rrggbb", "#rrrrggggbbbb" and hexadecimal values.
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include "convert.h"
#include "text_scan.h"

namespace vex3d {
namespace {

struct ColorName {
  const char *name;
  int value;
};

constexpr ColorName kColorNames[] = {
#define VEX3D_COLOR_NAME(name, value) {name, static_cast<int>(value)},
#include "colornames.def"
#undef VEX3D_COLOR_NAME
};
static_assert(std::size(kColorNames) == 228, "the colour table has 228 names");

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// Letters compared case-insensitively, blanks anywhere ignored.
bool same_name(std::string_view text, const char *name) {
  auto next = [](std::string_view s, std::size_t &i) {
    while (i < s.size() && is_blank(s[i])) ++i;
    return i < s.size() ? s[i++] : '\0';
  };
  std::string_view n(name);
  std::size_t i = 0, j = 0;
  while (true) {
    char a = next(text, i), b = next(n, j);
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
    if (a != b) return false;
    if (a == '\0') return true;
  }
}

std::optional<int> parse_hash(std::string_view s) {
  // s starts after the '#'.
  if (s.size() == 12) {  // three 4-digit components: the first two digits of each count
    int c[3];
    for (int k = 0; k < 3; ++k) {
      const int hi = hex_digit(s[4 * k]), lo = hex_digit(s[4 * k + 1]);
      if (hi < 0 || lo < 0) return std::nullopt;
      c[k] = hi * 16 + lo;
    }
    return rgb(c[0], c[1], c[2]);
  }
  std::size_t n = 0;
  while (n < s.size() && hex_digit(s[n]) >= 0) ++n;
  if (n == 3) return rgb(hex_digit(s[0]) << 4, hex_digit(s[1]) << 4, hex_digit(s[2]) << 4);
  if (n == 6)
    return rgb(hex_digit(s[0]) * 16 + hex_digit(s[1]), hex_digit(s[2]) * 16 + hex_digit(s[3]),
               hex_digit(s[4]) * 16 + hex_digit(s[5]));
  return std::nullopt;
}

}  // namespace

std::optional<int> parse_color(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  if (text.empty()) return COLOR_UNSET;
  if (text.front() == '0') {
    const std::string digits(text.substr(0, 64));
    return static_cast<int>(static_cast<unsigned>(std::strtoul(digits.c_str(), nullptr, 16)));
  }
  if (text.front() == '#') return parse_hash(text.substr(1));
  for (const ColorName &c : kColorNames)
    if (same_name(text, c.name)) return c.value;
  return std::nullopt;
}

std::string color_text(int color) {
  if (color == COLOR_UNSET) return {};
  char text[16];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
  return text;
}

const char *color_name(int color) {
  for (const ColorName &c : kColorNames)
    if (c.value == color) return c.name;
  return "";
}

std::string color_name_or_text(int color) {
  const char *name = color_name(color);
  return *name ? std::string(name) : color_text(color);
}

}  // namespace vex3d
