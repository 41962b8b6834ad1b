// Walking a text character by character. Text is UTF-8: a multi-byte
// sequence is one character.
#pragma once

#include <cstddef>
#include <string_view>

namespace vex3d {

struct TextChar {
  char32_t code;  // the code point; U+FFFD for a byte that starts no valid sequence
  bool single_byte;
};

// Decodes the character at text[pos] (pos < text.size()); stores how many
// bytes it takes (at least 1) in length.
TextChar decode_char(std::string_view text, std::size_t pos, std::size_t &length);

template <class Fn>
void for_each_char(std::string_view text, Fn &&fn) {
  for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length) fn(decode_char(text, pos, length));
}

}  // namespace vex3d
