#include "file_output.h"

#include <algorithm>

#include "output_file.h"

namespace vex3d {

bool write_file_whole(const char *path, std::initializer_list<std::span<const std::uint8_t>> pieces,
                      std::size_t chunk, std::string &error) {
  if (!path || !*path) {
    error = "no file name";
    return false;
  }
  chunk = std::max<std::size_t>(chunk, 1);
  platform::OutputFile out;
  if (out.open(path))
    for (const auto piece : pieces)
      for (std::size_t at = 0; at < piece.size() && out.ok(); at += chunk)
        out.write(piece.data() + at, std::min(chunk, piece.size() - at));
  if (out.commit()) return true;
  error = out.error();
  return false;
}

}  // namespace vex3d
