#include "text_chars.h"

namespace vex3d {

TextChar decode_char(std::string_view text, std::size_t pos, std::size_t &length) {
  constexpr char32_t kReplacement = 0xFFFD;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(pos);
  length = 1;
  if (lead < 0x80) return {lead, true};

  // Sequence length and the smallest code point it may carry (shorter forms are overlong).
  int extra;
  char32_t code, minimum;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, code = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, code = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, code = lead & 0x07, minimum = 0x10000;
  } else {
    return {kReplacement, false};
  }
  if (pos + extra >= text.size()) return {kReplacement, false};
  for (int i = 1; i <= extra; ++i) {
    const unsigned next = byte(pos + i);
    if ((next & 0xC0) != 0x80) return {kReplacement, false};
    code = (code << 6) | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {kReplacement, false};
  length = extra + 1;
  return {code, false};
}

}  // namespace vex3d
