// Writing PNG files: our own encoder.
//
// The file is an 8-bit PNG: with a palette when the pixels are opaque in at
// most 256 colours, RGB when opaque in more, RGBA (unpremultiplied) when any
// is not opaque; rows unfiltered, streamed row by row through the picture
// deflater (picture_deflate.h). Only the chunks a viewer needs are written
// (IHDR, PLTE, IDAT, IEND).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "draw_state.h"

namespace vex3d::platform {

// Receives the file's bytes in order; false stops the encoder (the sink
// keeps its own reason).
using PngBytes = std::function<bool(const std::uint8_t *data, std::size_t size)>;

// Encodes the image into `write`; false on failure, with the encoder's own
// reason in `why` ("" when the sink refused).
bool write_png_bytes(const ImageView &image, const PngBytes &write, std::string &why);

}  // namespace vex3d::platform
