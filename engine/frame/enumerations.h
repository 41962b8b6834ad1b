// The enumerations of the resource types: membership, names and parsing.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace vex3d {

struct EnumValue {
  int type;
  const char *long_name;
  const char *short_name;
  int value;
};

// The values of one type in table order (empty for a type without a list).
std::span<const EnumValue> enum_values(int type);
bool enum_contains(int type, int value);
// The long name of a value; a value not in the list prints as the first name.
const char *enum_name(int type, int value);
// One long or short name of the type, compared case-insensitively after
// surrounding blanks are removed; the first match wins.
std::optional<int> parse_enum(int type, std::string_view text);
// Names of the type joined by "+", with optional blanks; their values or-ed.
// The empty text is 0; one unknown name fails the whole text.
std::optional<int> parse_mask(int type, std::string_view text);

}  // namespace vex3d
