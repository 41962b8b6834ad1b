// PNG files, decoded into a 24-bit bitmap picture. Transparency is composited
// over white, the colour of an empty page.
#include <png.h>

#include "picture.h"

namespace vex3d {
namespace {

// The most bytes deflate can make of one compressed byte.
constexpr std::int64_t kMaxDeflateRatio = 1032;

}  // namespace

std::unique_ptr<Picture> read_png(std::span<const std::uint8_t> bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return nullptr;
  const auto done = [&image](std::unique_ptr<Picture> result) {
    png_image_free(&image);
    return result;
  };
  if (static_cast<std::int64_t>(image.width) * image.height > kMaxPicturePixels) return done(nullptr);
  // The rows must come out of the compressed bytes, which deflate expands at
  // most kMaxDeflateRatio times: a file too short for its size is refused
  // before the pixels are allocated (rows of at least one bit a pixel).
  const std::int64_t least_row_bytes = 1 + (static_cast<std::int64_t>(image.width) + 7) / 8;
  if (least_row_bytes * image.height > static_cast<std::int64_t>(bytes.size()) * kMaxDeflateRatio) return done(nullptr);
  auto pic = make_rgb_bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
  if (!pic) return done(nullptr);
  image.format = PNG_FORMAT_BGR;
  const png_color white{255, 255, 255};
  // A negative stride writes the rows bottom-up, as the bitmap keeps them
  // (the buffer is still given by its first byte).
  if (!png_image_finish_read(&image, &white, pic->bits.data(), -pic->stride, nullptr)) return done(nullptr);
  return done(std::move(pic));
}

}  // namespace vex3d
