// The Adler-32 checksum of a zlib stream, several bytes at a time.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vex3d::platform {

// Adds `size` bytes to the checksum `adler` (1 for a new stream).
std::uint32_t adler32_update(std::uint32_t adler, const std::uint8_t *data, std::size_t size);

}  // namespace vex3d::platform
