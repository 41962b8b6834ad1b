#include "text_scan.h"

#include <climits>

namespace vex3d {

namespace {
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
  return s;
}

bool equal_no_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

std::optional<int> parse_digits(std::string_view s) {
  if (s.empty()) return std::nullopt;
  long long v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > INT_MAX) return std::nullopt;
  }
  return static_cast<int>(v);
}

StructuredScanner::Token StructuredScanner::scan() {
  while (pos_ < text_.size() && is_blank(text_[pos_])) ++pos_;
  if (pos_ == text_.size()) return {Kind::End, {}};
  const char c = text_[pos_];
  if (c == '(' || c == ')') {
    ++pos_;
    return {c == '(' ? Kind::Open : Kind::Close, {}};
  }
  Token token;
  if (c == '"') {
    ++pos_;
    while (true) {
      if (pos_ == text_.size()) return {Kind::Bad, {}};  // no closing quote
      if (text_[pos_] == '"') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
          token.text += '"';
          pos_ += 2;
          continue;
        }
        ++pos_;
        token.kind = Kind::Quoted;
        return token;
      }
      token.text += text_[pos_++];
    }
  }
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !is_blank(text_[pos_]) && text_[pos_] != '(' && text_[pos_] != ')' &&
         text_[pos_] != '"')
    ++pos_;
  token.kind = Kind::Word;
  token.text.assign(text_.substr(start, pos_ - start));
  return token;
}

StructuredScanner::Token StructuredScanner::next() {
  if (peeked_) {
    Token t = std::move(*peeked_);
    peeked_.reset();
    return t;
  }
  return scan();
}

bool StructuredScanner::accept(Kind kind) {
  if (!peeked_) peeked_ = scan();
  if (peeked_->kind != kind) return false;
  peeked_.reset();
  return true;
}

bool StructuredScanner::at_end() {
  if (!peeked_) peeked_ = scan();
  return peeked_->kind == Kind::End;
}

}  // namespace vex3d
