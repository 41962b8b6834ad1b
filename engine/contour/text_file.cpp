#include "text_file.h"

#include <cstdarg>
#include <cstdlib>

#include "data_file.h"
#include "file_name.h"

namespace vex3d {

TextFile open_for_reading(const char *name, const std::string &unreadable, char *error) {
  if (!name) {
    route_error("Filename is NULL", error);
    return nullptr;
  }
  TextFile file(std::fopen(expand_file_name(name).c_str(), "r"));
  if (!file) route_error(unreadable, error);
  return file;
}

OutputPtr open_for_writing(const char *name, char *error) {
  if (!name) {
    route_error("Filename is NULL", error);
    return nullptr;
  }
  auto file = std::make_unique<platform::OutputFile>();
  if (file->open(expand_file_name(name))) return file;
  route_error(formatted("Unable to write to %s", name), error);
  return nullptr;
}

bool finish_writing(platform::OutputFile &file, const char *name, char *error) {
  if (file.commit()) return true;
  route_error(formatted("Unable to write to %s: %s", name, file.error().c_str()), error);
  return false;
}

bool LineReader::next(std::string_view &line) {
  if (!failure_.empty()) return false;
  buffer_.clear();
  int c = 0;
  while ((c = std::getc(file_)) != EOF) {
    buffer_.push_back(static_cast<char>(c));
    if (c == '\n') break;
    if (buffer_.size() > kMaxLineBytes) {
      failure_ = formatted("Error on line %d of file %s - line longer than %zu bytes", number_ + 1, name_,
                           kMaxLineBytes);
      return false;
    }
  }
  if (std::ferror(file_)) return false;
  if (buffer_.empty()) return false;
  total_ += buffer_.size();
  if (total_ > kMaxTextFileBytes) {
    failure_ = formatted("Error on line %d of file %s - file longer than %zu bytes", number_ + 1, name_,
                         kMaxTextFileBytes);
    return false;
  }
  ++number_;
  line = buffer_;
  return true;
}

std::string_view without_line_feed(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  return line;
}

std::string formatted(const char *format, ...) {
  va_list args, again;
  va_start(args, format);
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

}  // namespace vex3d
