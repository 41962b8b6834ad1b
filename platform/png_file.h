// PNG files of raster images: read through libpng, written by our own encoder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draw_state.h"
#include "output_file.h"

namespace vex3d::platform {

// An image read from a file: premultiplied ARGB32, rows packed.
struct Bitmap {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  ImageView view() const { return ImageView{pixels.data(), width, height, width}; }
};

// Writes the pixels as an 8-bit PNG: with a palette when they are opaque in
// at most 256 colours, RGB when opaque in more, RGBA when any is not opaque.
// Into an open output (committed by the caller): false, with the reason in
// out.error(), on failure.
bool write_png(OutputFile &out, const ImageView &image);
// The same PNG into memory (for pictures embedded in documents).
bool encode_png(const ImageView &image, std::vector<std::uint8_t> &bytes);
// The same into a file of its own, committed here: false (with the reason in
// `error` when given) on failure, the file then left as it was.
bool write_png(const std::string &path, const ImageView &image, std::string *error = nullptr);

// Reads a PNG file of any kind; false when the file is missing, not a PNG,
// or damaged.
bool read_png(const std::string &path, Bitmap &out, std::string *error = nullptr);

}  // namespace vex3d::platform
