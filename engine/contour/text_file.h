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

// Lines of a file, each read whole however long, with its line feed.
class LineReader {
 public:
  explicit LineReader(std::FILE *file) : file_(file) {}
  LineReader(const LineReader &) = delete;
  LineReader &operator=(const LineReader &) = delete;
  ~LineReader();
  // The next line, valid until the next call and followed in memory by a NUL;
  // false at the end of the file or on a read error.
  bool next(std::string_view &line);
  bool failed() const;

 private:
  std::FILE *file_;
  char *buffer_ = nullptr;
  std::size_t capacity_ = 0;
};

// Removes one trailing line feed.
std::string_view without_line_feed(std::string_view line);

// printf into a string.
std::string formatted(const char *format, ...) VEX3D_PRINTF(1, 2);

}  // namespace vex3d
