#include "utf8.h"

namespace vex3d::platform {
namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0.
std::size_t sequence_length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char c = byte(i);
  if (c < 0x80) return c == 0 ? 0 : 1;  // NUL would end the text early
  std::size_t n;
  unsigned min_second = 0x80, max_second = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) min_second = 0xA0;  // no overlong forms
    if (c == 0xED) max_second = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) min_second = 0x90;
    if (c == 0xF4) max_second = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (i + n > text.size()) return 0;
  if (byte(i + 1) < min_second || byte(i + 1) > max_second) return 0;
  for (std::size_t k = 2; k < n; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  return n;
}

}  // namespace

bool is_valid_utf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = sequence_length(text, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string latin1_repaired(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = sequence_length(text, i);
    if (n > 0) {
      out.append(text.substr(i, n));
      i += n;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(text[i++]);
    if (c == 0) continue;
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::u32string decode_utf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = sequence_length(text, i);
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (n <= 1) {
      if (c != 0) out += static_cast<char32_t>(c);
      ++i;
      continue;
    }
    char32_t code = c & (0xFF >> (n + 1));
    for (std::size_t k = 1; k < n; ++k) code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    out += code;
    i += n;
  }
  return out;
}

void append_utf8(std::string &out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace vex3d::platform
