// PNG files. Reading goes through libpng's simplified interface: it checks
// sizes and handles every colour type, so that a damaged file is refused
// rather than trusted. Writing is our own encoder (png_writer.h).
#include "png_file.h"

#include <png.h>

#include <cstring>

#include "png_writer.h"

namespace vex3d::platform {
namespace {

constexpr int kLargestSide = 32767;

void set_error(std::string *error, const char *text) {
  if (error) *error = text;
}

}  // namespace

bool write_png(OutputFile &out, const ImageView &image) {
  std::string why;
  const PngBytes into_file = [&out](const std::uint8_t *data, std::size_t size) { return out.write(data, size); };
  if (!write_png_bytes(image, into_file, why) && out.ok()) out.fail(why);
  return out.ok();
}

bool encode_png(const ImageView &image, std::vector<std::uint8_t> &bytes) {
  bytes.clear();
  std::string why;
  const PngBytes into_memory = [&bytes](const std::uint8_t *data, std::size_t size) {
    bytes.insert(bytes.end(), data, data + size);
    return true;
  };
  return write_png_bytes(image, into_memory, why);
}

bool write_png(const std::string &path, const ImageView &image, std::string *error) {
  OutputFile out;
  if (out.open(path) && write_png(out, image) && out.commit()) return true;
  set_error(error, out.error().c_str());
  return false;
}

bool read_png(const std::string &path, Bitmap &out, std::string *error) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) {
    set_error(error, png.message);
    png_image_free(&png);
    return false;
  }
  if (png.width == 0 || png.height == 0 || png.width > kLargestSide || png.height > kLargestSide) {
    set_error(error, "image too large");
    png_image_free(&png);
    return false;
  }
  png.format = PNG_FORMAT_BGRA;  // ARGB32 in memory on this little-endian platform
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(png.width) * png.height);
  if (!png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr)) {
    set_error(error, png.message);
    png_image_free(&png);
    return false;
  }
  for (std::uint32_t &p : pixels) {
    const std::uint32_t a = p >> 24;
    if (a == 0xFF) continue;
    const auto mul = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    p = (a << 24) | (mul((p >> 16) & 0xFF) << 16) | (mul((p >> 8) & 0xFF) << 8) | mul(p & 0xFF);
  }
  out.width = static_cast<int>(png.width);
  out.height = static_cast<int>(png.height);
  out.pixels = std::move(pixels);
  png_image_free(&png);
  return true;
}

}  // namespace vex3d::platform
