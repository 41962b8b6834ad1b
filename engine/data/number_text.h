// Numbers as data files write them: "%.14g", made without printf.
#pragma once

#include <charconv>

namespace vex3d {

// Room for any double in "%.14g" (sign, 14 digits, point, exponent).
constexpr int kNumberTextSize = 32;
constexpr int kWrittenPrecision = 14;

// Writes the "%.14g" form of v at `to` (kNumberTextSize bytes of room) and
// returns the end; the bytes equal those of snprintf.
inline char *format_g14(char *to, double v) {
  return std::to_chars(to, to + kNumberTextSize, v, std::chars_format::general, kWrittenPrecision).ptr;
}

}  // namespace vex3d
