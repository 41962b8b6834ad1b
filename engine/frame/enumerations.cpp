#include "enumerations.h"

#include <algorithm>
#include <iterator>

#include "restable.h"
#include "text_scan.h"

namespace vex3d {
namespace {

constexpr EnumValue kValues[] = {
#define VEX3D_ENUM_VALUE(type, name, short_name, value) {VEX3D_TYPE_##type, #name, short_name, value},
#include "enumerations.def"
};

constexpr bool rows_grouped_by_type() {
  for (std::size_t i = 1; i < std::size(kValues); ++i)
    for (std::size_t j = 0; j + 1 < i; ++j)
      if (kValues[j].type == kValues[i].type && kValues[i - 1].type != kValues[i].type) return false;
  return true;
}
static_assert(rows_grouped_by_type(), "enumerations.def keeps the values of a type together");

}  // namespace

std::span<const EnumValue> enum_values(int type) {
  const EnumValue *first = std::find_if(std::begin(kValues), std::end(kValues),
                                        [type](const EnumValue &v) { return v.type == type; });
  const EnumValue *last =
      std::find_if(first, std::end(kValues), [type](const EnumValue &v) { return v.type != type; });
  return {first, last};
}

bool enum_contains(int type, int value) {
  for (const EnumValue &v : enum_values(type))
    if (v.value == value) return true;
  return false;
}

const char *enum_name(int type, int value) {
  const auto values = enum_values(type);
  if (values.empty()) return "";
  for (const EnumValue &v : values)
    if (v.value == value) return v.long_name;
  return values.front().long_name;
}

std::optional<int> parse_enum(int type, std::string_view text) {
  text = trim_blanks(text);
  for (const EnumValue &v : enum_values(type))
    if (equal_no_case(text, v.long_name) || equal_no_case(text, v.short_name)) return v.value;
  return std::nullopt;
}

std::optional<int> parse_mask(int type, std::string_view text) {
  int mask = 0;
  if (trim_blanks(text).empty()) return 0;
  while (true) {
    const std::size_t plus = text.find('+');
    const std::optional<int> value = parse_enum(type, text.substr(0, plus));
    if (!value) return std::nullopt;
    mask |= *value;
    if (plus == std::string_view::npos) return mask;
    text.remove_prefix(plus + 1);
  }
}

}  // namespace vex3d
