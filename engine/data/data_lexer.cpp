#include "data_lexer.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace vex3d {
namespace {

// Large enough that refills cost nothing next to reading the numbers; small
// enough that a short file's run does not touch a megabyte of fresh memory.
constexpr std::size_t kBufferSize = 1 << 16;

bool is_white(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// strtod over the whole token, for the forms the fast reader leaves alone
// (a leading "+", hexadecimal, values out of range).
bool strtod_whole(const char *token, std::size_t n, double &value) {
  char text[DataLexer::kMaxNumber + 1];
  std::memcpy(text, token, n);
  text[n] = '\0';
  char *end = nullptr;
  value = std::strtod(text, &end);
  return n > 0 && end == text + n;
}

}  // namespace

DataLexer::DataLexer(std::FILE *file) : file_(file), buffer_(new char[kBufferSize]) {}

std::size_t DataLexer::fill(std::size_t n) {
  if (end_ - pos_ >= n || at_eof_) return end_ - pos_;
  std::memmove(buffer_.get(), buffer_.get() + pos_, end_ - pos_);
  end_ -= pos_;
  pos_ = 0;
  while (end_ < n && !at_eof_) {
    const std::size_t got = std::fread(buffer_.get() + end_, 1, kBufferSize - end_, file_);
    if (got == 0) at_eof_ = true;
    end_ += got;
  }
  return end_;
}

void DataLexer::skip_comment() {
  for (;;) {
    const char *start = buffer_.get() + pos_;
    if (const void *lf = std::memchr(start, '\n', end_ - pos_)) {
      pos_ += static_cast<const char *>(lf) - start + 1;
      blanks_ = 0;
      ++line_feeds_;
      line_open_ = false;
      return;
    }
    pos_ = end_;
    line_open_ = true;
    if (fill(1) == 0) return;
  }
}

void DataLexer::skip_blanks() {
  for (;;) {
    if (pos_ == end_ && fill(1) == 0) return;
    const char c = buffer_[pos_];
    if (c == ' ' || c == '\t') {
      ++blanks_;
      ++pos_;
      line_open_ = true;
    } else if (c == '\n') {
      blanks_ = 0;
      ++line_feeds_;
      line_open_ = false;
      ++pos_;
    } else if (c == '\r' && fill(2) >= 2 && buffer_[pos_ + 1] == '\n') {
      blanks_ = 0;
      ++line_feeds_;
      line_open_ = false;
      pos_ += 2;
    } else if ((c == '!' || c == '#') && blanks_ == 0) {
      skip_comment();
    } else {
      return;
    }
  }
}

std::size_t DataLexer::token_length(std::size_t limit) {
  // Room for the token, the white space after it and the line feed of a
  // carriage return + line feed pair.
  const std::size_t available = fill(limit + 2);
  const char *token = buffer_.get() + pos_;
  const std::size_t scan = available < limit + 1 ? available : limit + 1;
  std::size_t n = 0;
  while (n < scan && !is_white(token[n])) ++n;
  if (n == available) return std::string::npos;  // ended by the end of the file
  return n;
}

void DataLexer::consume_token(std::size_t n) {
  pos_ += n;
  line_open_ = true;
  if (pos_ == end_) return;
  const bool crlf = buffer_[pos_] == '\r' && pos_ + 1 < end_ && buffer_[pos_ + 1] == '\n';
  if (crlf || buffer_[pos_] == '\n') {
    ++line_feeds_;
    line_open_ = false;
  }
  pos_ += crlf ? 2 : 1;
}

int DataLexer::line() const {
  const bool at_end = pos_ == end_ && at_eof_;
  return at_end && !line_open_ && line_feeds_ > 0 ? line_feeds_ : line_feeds_ + 1;
}

bool DataLexer::read_keyword(std::string &keyword) {
  blanks_ = 0;
  skip_blanks();
  const std::size_t n = token_length(kMaxKeyword);
  if (n == std::string::npos) return false;
  keyword.assign(buffer_.get() + pos_, n > kMaxKeyword ? kMaxKeyword : n);
  if (n <= kMaxKeyword) consume_token(n);
  return true;
}

bool DataLexer::scan_number(double &value) {
  // Most numbers are plain decimals followed by white space: read at once,
  // without measuring the token first.
  const std::size_t available = fill(kMaxNumber + 2);
  const char *start = buffer_.get() + pos_;
  const auto [stop, failed] = std::from_chars(start, start + available, value);
  const std::size_t read = static_cast<std::size_t>(stop - start);
  if (failed == std::errc() && read > 0 && read <= kMaxNumber && read < available && is_white(*stop)) {
    consume_token(read);
    return true;
  }
  const std::size_t n = token_length(kMaxNumber);
  if (n == std::string::npos || n == 0 || n > kMaxNumber) return false;
  const char *token = buffer_.get() + pos_;
  const auto [end, error] = std::from_chars(token, token + n, value);
  const bool whole = error == std::errc() && end == token + n;
  if (!whole && !strtod_whole(token, n, value)) return false;
  consume_token(n);
  return true;
}

}  // namespace vex3d
