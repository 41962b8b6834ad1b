#include "file_name.h"

#include <cstdlib>

namespace vex3d {
namespace {

std::string expand_piece(std::string_view piece) {
  if (piece.front() != '$') return std::string(piece);
  const std::string variable(piece.substr(1));
  const char *value = std::getenv(variable.c_str());
  return value ? std::string(value) : std::string(piece);
}

}  // namespace

std::string expand_file_name(std::string_view name) {
  std::string result = !name.empty() && name.front() == '/' ? "/" : "";
  bool first = true;
  while (!name.empty()) {
    const std::size_t end = name.find('/');
    const std::string_view piece = name.substr(0, end);
    name = end == std::string_view::npos ? std::string_view() : name.substr(end + 1);
    if (piece.empty()) continue;
    if (!first && (result.empty() || result.back() != '/')) result += '/';
    result += expand_piece(piece);
    first = false;
    if (result.size() >= kMaxFileName) break;
  }
  if (result.size() > kMaxFileName) result.resize(kMaxFileName);
  return result;
}

}  // namespace vex3d
