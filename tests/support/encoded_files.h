// PNG and JPEG files written by libpng and libjpeg from known pixels.
#pragma once

#include <png.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "picture_files.h"

namespace picture_files {

// A PNG written by libpng from known pixels, one of them half transparent.
inline Bytes png_file(int width, int height, const std::vector<std::uint8_t> &rgba) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr);
  Bytes out(size);
  png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr);
  out.resize(size);
  return out;
}

// A JPEG written by libjpeg: a 16 x 8 picture, left half red, right half blue.
inline Bytes jpeg_file() {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char *buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = 16;
  info.image_height = 8;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<std::uint8_t> row(16 * 3);
  for (int x = 0; x < 16; ++x) {
    row[3 * x] = x < 8 ? 255 : 0;
    row[3 * x + 2] = x < 8 ? 0 : 255;
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

}  // namespace picture_files
