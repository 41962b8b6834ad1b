// PNG through libpng. Reading goes through its simplified interface: it
// checks sizes and handles every colour type, so that a damaged file is
// refused rather than trusted. Writing goes row by row straight from the
// raster's pixels, at a setting chosen for speed.
#include "png_file.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
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

constexpr std::size_t kMessageSize = 128;

void on_error(png_structp png, png_const_charp text) {
  std::snprintf(static_cast<char *>(png_get_error_ptr(png)), kMessageSize, "%s", text);
  png_longjmp(png, 1);
}
void on_warning(png_structp, png_const_charp) {}

// libpng reports an error by a long jump out of its calls: nothing in this
// function may need a destructor. `row` holds one row of RGBA bytes for an
// image that is not opaque; `message` receives libpng's reason.
bool encode(FILE *file, const ImageView &image, bool opaque, std::uint8_t *row, char *message) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, message, on_error, on_warning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
               opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  // Charts are flat areas and thin lines: the fastest deflate level without
  // row filters writes them several times faster than the defaults, for
  // files a fifth or so larger.
  png_set_compression_level(png, 1);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_write_info(png, info);
  if (opaque) {
    // ARGB32 words are B, G, R, A in memory: written as they are, the A byte dropped.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
  }
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t *pixels = image.pixels + static_cast<long long>(y) * image.stride;
    if (opaque) {
      png_write_row(png, reinterpret_cast<png_const_bytep>(pixels));
      continue;
    }
    std::uint8_t *out = row;
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = pixels[x], a = p >> 24;
      *out++ = unpremultiply((p >> 16) & 0xFF, a);
      *out++ = unpremultiply((p >> 8) & 0xFF, a);
      *out++ = unpremultiply(p & 0xFF, a);
      *out++ = static_cast<std::uint8_t>(a);
    }
    png_write_row(png, row);
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool write_png(const std::string &path, const ImageView &image, std::string *error) {
  if (image.empty() || image.stride < image.width) return set_error(error, "empty image"), false;
  if (image.width > kLargestSide || image.height > kLargestSide) return set_error(error, "image too large"), false;
  bool opaque = true;
  for (int y = 0; y < image.height && opaque; ++y) {
    const std::uint32_t *row = image.pixels + static_cast<long long>(y) * image.stride;
    for (int x = 0; x < image.width && opaque; ++x) opaque = (row[x] >> 24) == 0xFF;
  }
  std::vector<std::uint8_t> row(opaque ? 0 : static_cast<std::size_t>(image.width) * 4);
  FILE *file = std::fopen(path.c_str(), "wb");
  if (!file) return set_error(error, std::strerror(errno)), false;
  char message[kMessageSize] = "out of memory";
  const bool encoded = encode(file, image, opaque, row.data(), message);
  const bool written = !std::ferror(file);
  const bool closed = std::fclose(file) == 0;
  if (encoded && written && closed) return true;
  set_error(error, !encoded ? message : std::strerror(errno));
  std::remove(path.c_str());
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
