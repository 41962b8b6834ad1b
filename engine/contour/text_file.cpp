#include "text_file.h"

#include <sys/types.h>
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

LineReader::~LineReader() { std::free(buffer_); }

bool LineReader::next(std::string_view &line) {
  const ssize_t length = getline(&buffer_, &capacity_, file_);
  if (length < 0) return false;
  line = std::string_view(buffer_, static_cast<std::size_t>(length));
  return true;
}

bool LineReader::failed() const { return std::ferror(file_) != 0; }

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
