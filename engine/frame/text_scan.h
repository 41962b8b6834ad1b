// Small text helpers shared by the text converters.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vex3d {

inline bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
std::string_view trim_blanks(std::string_view s);
bool equal_no_case(std::string_view a, std::string_view b);
// A run of decimal digits only, at most what an int holds.
std::optional<int> parse_digits(std::string_view s);

// Tokens of the structured text forms: "(", ")", quoted texts (with "" for
// a quote) and bare words, separated by blanks.
class StructuredScanner {
 public:
  enum class Kind { Open, Close, Quoted, Word, End, Bad };
  struct Token {
    Kind kind = Kind::End;
    std::string text;  // the word, or the quoted text without its quotes
  };

  explicit StructuredScanner(std::string_view text) : text_(text) {}
  Token next();
  // Consumes the next token when it has the kind; false leaves it in place.
  bool accept(Kind kind);
  bool at_end();

 private:
  Token scan();
  std::string_view text_;
  std::size_t pos_ = 0;
  std::optional<Token> peeked_;
};

}  // namespace vex3d
