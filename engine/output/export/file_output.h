// Export files through the platform's one file writer (whole or not at
// all), in writes of a bounded size.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace vex3d {

// Writes the pieces one after the other, in writes of at most `chunk`
// bytes. False with the reason in `error`.
bool write_file_whole(const char *path, std::initializer_list<std::span<const std::uint8_t>> pieces,
                      std::size_t chunk, std::string &error);

}  // namespace vex3d
