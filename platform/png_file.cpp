// PNG through libpng's simplified interface: it checks sizes and handles
// every colour type, so that a damaged file is refused rather than trusted.
#include "png_file.h"

#include <png.h>

#include <cstring>

namespace vex3d::platform {
namespace {

constexpr int kLargestSide = 32767;

void set_error(std::string *error, const char *text) {
  if (error) *error = text;
}

std::uint8_t unpremultiply(std::uint32_t c, std::uint32_t a) {
  return static_cast<std::uint8_t>(a ? (c * 255 + a / 2) / a : 0);
}

}  // namespace

bool write_png(const std::string &path, const ImageView &image, std::string *error) {
  if (image.empty() || image.stride < image.width) return set_error(error, "empty image"), false;
  bool opaque = true;
  for (int y = 0; y < image.height && opaque; ++y)
    for (int x = 0; x < image.width; ++x)
      if ((image.pixels[static_cast<long long>(y) * image.stride + x] >> 24) != 0xFF) {
        opaque = false;
        break;
      }
  const int channels = opaque ? 3 : 4;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(image.width) * image.height * channels);
  std::uint8_t *out = bytes.data();
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t *row = image.pixels + static_cast<long long>(y) * image.stride;
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = row[x], a = p >> 24;
      const std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      if (opaque) {
        *out++ = static_cast<std::uint8_t>(r);
        *out++ = static_cast<std::uint8_t>(g);
        *out++ = static_cast<std::uint8_t>(b);
      } else {
        *out++ = unpremultiply(r, a);
        *out++ = unpremultiply(g, a);
        *out++ = unpremultiply(b, a);
        *out++ = static_cast<std::uint8_t>(a);
      }
    }
  }
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = opaque ? PNG_FORMAT_RGB : PNG_FORMAT_RGBA;
  png.flags = PNG_IMAGE_FLAG_FAST;
  const int ok = png_image_write_to_file(&png, path.c_str(), 0, bytes.data(), 0, nullptr);
  if (!ok) set_error(error, png.message);
  png_image_free(&png);
  return ok != 0;
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
