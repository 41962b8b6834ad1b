// UTF-8 text walked character by character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text_chars.h"

namespace vex3d {
namespace {

std::vector<char32_t> codes(std::string_view text) {
  std::vector<char32_t> out;
  for_each_char(text, [&](TextChar c) { out.push_back(c.code); });
  return out;
}

TEST(TextChars, MultiByteSequencesAreOneCharacter) {
  constexpr char32_t kBad = 0xFFFD;
  const struct {
    const char *name;
    std::string text;
    std::vector<char32_t> codes;
  } cases[] = {
      {"ascii", "Az~\x7F", {'A', 'z', '~', 0x7F}},
      {"two bytes", "\xC3\xA9", {0xE9}},
      {"three bytes",
       "a\xE2\x82\xAC"
       "b",
       {'a', 0x20AC, 'b'}},
      {"four bytes", "\xF0\x9F\x98\x80", {0x1F600}},
      {"nul inside", std::string("a\0b", 3), {'a', 0, 'b'}},
      {"lone continuation", "\x80", {kBad}},
      {"cut short at the end", "\xE2\x82", {kBad, kBad}},
      {"cut short by ascii",
       "\xE2"
       "A",
       {kBad, 'A'}},
      {"overlong", "\xC0\xAF", {kBad, kBad}},
      {"overlong three", "\xE0\x80\xAF", {kBad, kBad, kBad}},
      {"surrogate", "\xED\xA0\x80", {kBad, kBad, kBad}},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", {kBad, kBad, kBad, kBad}},
      {"not a lead byte",
       "\xFF"
       "b",
       {kBad, 'b'}},
  };
  for (const auto &c : cases) EXPECT_EQ(codes(c.text), c.codes) << c.name;
}

TEST(TextChars, OnlyAsciiBytesAreSingleByteCharacters) {
  std::vector<bool> single;
  for_each_char("a\xC3\xA9\xFF", [&](TextChar c) { single.push_back(c.single_byte); });
  EXPECT_EQ(single, (std::vector<bool>{true, false, false}));
}

}  // namespace
}  // namespace vex3d
