// JPEG files, decoded into a 24-bit bitmap picture.
//
// The decoder reports fatal errors by a long jump back to decode(); decode()
// therefore holds no object with a destructor and writes only through the
// pointer it is given.
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#include "picture.h"

namespace vex3d {
namespace {

struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf back;
};

[[noreturn]] void jump_back(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorJump *>(info->err)->back, 1); }
// A warning means damaged data (a truncated file among others): such a file
// is not shown half-decoded.
void warnings_fail(j_common_ptr info, int level) {
  if (level < 0) jump_back(info);
}
void no_output(j_common_ptr) {}

struct Decoded {
  std::unique_ptr<Picture> picture;
  std::vector<std::uint8_t> row;
};

bool decode(std::span<const std::uint8_t> bytes, Decoded *out, jpeg_decompress_struct *info, ErrorJump *error) {
  info->err = jpeg_std_error(&error->manager);
  error->manager.error_exit = jump_back;
  error->manager.emit_message = warnings_fail;
  error->manager.output_message = no_output;
  if (setjmp(error->back)) {
    jpeg_destroy_decompress(info);
    return false;
  }
  jpeg_create_decompress(info);
  jpeg_mem_src(info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(info, TRUE);
  info->out_color_space = JCS_RGB;
  if (static_cast<std::int64_t>(info->image_width) * info->image_height > kMaxPicturePixels || info->image_width == 0 ||
      info->image_height == 0) {
    jpeg_destroy_decompress(info);
    return false;
  }
  jpeg_start_decompress(info);
  out->picture = make_rgb_bitmap(static_cast<int>(info->output_width), static_cast<int>(info->output_height));
  if (!out->picture || info->output_components != 3) {
    jpeg_destroy_decompress(info);
    return false;
  }
  Picture *pic = out->picture.get();
  out->row.resize(static_cast<std::size_t>(info->output_width) * 3);
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = out->row.data();
    const int y = static_cast<int>(info->output_scanline);
    if (jpeg_read_scanlines(info, &row, 1) != 1) break;
    std::uint8_t *dst = pic->bits.data() + static_cast<std::size_t>(pic->height - 1 - y) * pic->stride;
    for (int x = 0; x < pic->width; ++x) {  // red, green, blue to blue, green, red
      dst[3 * x] = out->row[3 * x + 2];
      dst[3 * x + 1] = out->row[3 * x + 1];
      dst[3 * x + 2] = out->row[3 * x];
    }
  }
  jpeg_finish_decompress(info);
  jpeg_destroy_decompress(info);
  return true;
}

}  // namespace

std::unique_ptr<Picture> read_jpeg(std::span<const std::uint8_t> bytes) {
  Decoded out;
  jpeg_decompress_struct info{};
  ErrorJump error{};
  if (!decode(bytes, &out, &info, &error)) return nullptr;
  return std::move(out.picture);
}

}  // namespace vex3d
