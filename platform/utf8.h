// Text is UTF-8 on this platform; bytes that do not form UTF-8 are taken as
// Latin-1 characters rather than refused, so that any text draws.
#pragma once

#include <string>
#include <string_view>

namespace vex3d::platform {

bool is_valid_utf8(std::string_view text);
// The text with every byte that is not part of a valid UTF-8 sequence
// replaced by the UTF-8 form of that byte as a Latin-1 character.
std::string latin1_repaired(std::string_view text);
// The code points of valid UTF-8 text (bytes of any invalid sequence are
// taken as Latin-1 characters).
std::u32string decode_utf8(std::string_view text);
// Appends the UTF-8 form of a code point.
void append_utf8(std::string &out, char32_t c);

}  // namespace vex3d::platform
