// The scalar text forms: Booleans, integers, doubles and plain texts.
#include "convert.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "text_scan.h"

namespace vex3d {

int parse_bool(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  if (text.empty()) return 1;
  const char c = text.front();
  return c == 'F' || c == 'f' || c == 'N' || c == 'n' || c == '0' ? 0 : 1;
}

std::optional<int> parse_int(const char *text) {
  char *end = nullptr;
  errno = 0;
  const long v = std::strtol(text, &end, 10);
  if (end == text) return std::nullopt;
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

std::optional<double> parse_double(const char *text) {
  char *end = nullptr;
  const double v = std::strtod(text, &end);
  if (end == text) return std::nullopt;
  return v;
}

std::string parse_plain_text(std::string_view text) {
  const std::string_view trimmed = trim_blanks(text);
  if (trimmed.size() >= 2 && trimmed.front() == '"') {
    StructuredScanner s(trimmed);
    auto t = s.next();
    if (t.kind == StructuredScanner::Kind::Quoted && s.at_end()) return t.text;
  }
  return std::string(trimmed);
}

}  // namespace vex3d
