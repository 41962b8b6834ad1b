// Reading and writing the text files of this layer (levels, styles).
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "diagnostics.h"
#include "output_file.h"

namespace vex3d {

struct FileCloser {
  void operator()(std::FILE *file) const { std::fclose(file); }
};
using TextFile = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file under its expanded name (see file_name.h) for reading; null,
// with "Filename is NULL" or `unreadable` routed as the file readers route
// their messages (data_file.h), when it cannot be opened.
TextFile open_for_reading(const char *name, const std::string &unreadable, char *error);
// An output for the file under its expanded name; null, with "Filename is
// NULL" or "Unable to write to NAME" routed, when it cannot be written. The
// file is replaced only by finish_writing.
using OutputPtr = std::unique_ptr<platform::OutputFile>;
OutputPtr open_for_writing(const char *name, char *error);
// Puts the written file in place; false, with "Unable to write to NAME: CAUSE"
// routed, when any write or the close failed (the old file then stays).
bool finish_writing(platform::OutputFile &file, const char *name, char *error);

// What a levels or styles file may hold. Each is far beyond any real file
// (a thousand levels or styles fill a few dozen kilobytes) and small enough
// that an endless source (/dev/zero, a pipe) or a huge file is refused at
// once instead of being read until memory runs out.
constexpr std::size_t kMaxLineBytes = 64 * 1024;
constexpr std::size_t kMaxTextFileBytes = 4 * 1024 * 1024;

// Lines of a file, each read whole with its line feed, numbered from 1.
// Reading stops at the end of the file, at a read error (failed()), or at a
// line or a file longer than the limits above (failure() says which).
class LineReader {
 public:
  LineReader(std::FILE *file, const char *name) : file_(file), name_(name ? name : "") {}
  LineReader(const LineReader &) = delete;
  LineReader &operator=(const LineReader &) = delete;
  // The next line, valid until the next call and followed in memory by a NUL;
  // false when reading stops.
  bool next(std::string_view &line);
  // The number of the line last returned (or being read when reading failed).
  int number() const { return number_; }
  // True when reading stopped at a read error.
  bool failed() const { return std::ferror(file_) != 0; }
  // Which limit stopped the reading, with the line it stopped at: "" when
  // none did.
  const std::string &failure() const { return failure_; }

 private:
  std::FILE *file_;
  const char *name_;
  std::string buffer_;
  std::size_t total_ = 0;
  int number_ = 0;
  std::string failure_;
};

// Removes one trailing line feed.
std::string_view without_line_feed(std::string_view line);

// printf into a string.
std::string formatted(const char *format, ...) VEX3D_PRINTF(1, 2);

}  // namespace vex3d
