#include "printable.h"

#include <cstdio>

namespace torvane3d_cli {

std::string printable(std::string_view text, bool lines) {
  // A message may run over several lines; a quoted value is cut.
  const std::size_t limit = lines ? 10 * kLongestQuoted : kLongestQuoted;
  std::string out;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (k == limit) return out + "...";
    const auto c = static_cast<unsigned char>(text[k]);
    if ((c >= 0x20 && c < 0x7F) || (lines && (c == '\n' || c == '\t'))) {
      out += static_cast<char>(c);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    }
  }
  return out;
}

}  // namespace torvane3d_cli
