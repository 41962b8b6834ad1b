// Tokens of a data file, read in one streaming pass.
//
// Blanks are space, tab and line feed; a carriage return right before a line
// feed is dropped, as a text-mode read does. A "!" or "#" where a token could
// start begins a comment through the next line feed, but only while no space
// or tab has been skipped since the last line feed the blank skipper consumed
// (or since the start): after an indented start it begins a token instead.
// A token runs up to the next white-space character, which is consumed with
// it and not counted as a skipped blank. A token ended by the end of the
// file is missing.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

namespace vex3d {

class DataLexer {
 public:
  static constexpr std::size_t kMaxNumber = 99;    // characters of a number token
  static constexpr std::size_t kMaxKeyword = 255;  // characters of a keyword

  explicit DataLexer(std::FILE *file);

  // The first token of the file: false when there is none. A keyword longer
  // than kMaxKeyword gives its first kMaxKeyword characters.
  bool read_keyword(std::string &keyword);
  // The next token as a number: false when it is missing, is not a whole
  // number as strtod reads it, or is longer than kMaxNumber.
  bool read_number(double &value) {
    skip_blanks();
    return scan_number(value);
  }
  // The line (from 1) the next token starts on; at the end of the file, its
  // last line.
  int line() const;

 private:
  // Makes at least n bytes available from pos_ unless the file ends first;
  // returns how many are available. May move the buffered bytes.
  std::size_t fill(std::size_t n);
  void skip_blanks();
  void skip_comment();
  // The token at pos_ of at most `limit` characters: its length, or npos
  // when it is missing (end of file) and limit + 1 when it is longer.
  std::size_t token_length(std::size_t limit);
  // Consumes a token of n characters and the white space that ends it.
  void consume_token(std::size_t n);
  bool scan_number(double &value);

  std::FILE *file_;
  std::unique_ptr<char[]> buffer_;
  std::size_t pos_ = 0, end_ = 0;
  bool at_eof_ = false;
  int blanks_ = 0;      // spaces and tabs skipped since the last line feed
  int line_feeds_ = 0;  // line feeds consumed
  bool line_open_ = false;  // something other than a line feed was consumed last
};

}  // namespace vex3d
