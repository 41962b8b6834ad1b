// PNG through libpng. Reading goes through its simplified interface: it
// checks sizes and handles every colour type, so that a damaged file is
// refused rather than trusted. Writing goes row by row straight from the
// raster's pixels, at a setting chosen for speed.
#include "png_file.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace vex3d::platform {
namespace {

constexpr int kLargestSide = 32767;
constexpr int kHashLevel = 4;  // zlib's memLevel: a hash table of 2^(level + 7) entries

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

// libpng's output goes into the OutputFile, whose error names the cause.
// Where the encoder's bytes go: an output file, or memory.
struct PngSink {
  OutputFile *file = nullptr;
  std::vector<std::uint8_t> *bytes = nullptr;
};

void on_write(png_structp png, png_bytep data, png_size_t size) {
  auto *sink = static_cast<PngSink *>(png_get_io_ptr(png));
  if (sink->bytes) {
    sink->bytes->insert(sink->bytes->end(), data, data + size);
  } else if (!sink->file->write(data, size)) {
    png_error(png, sink->file->error().c_str());
  }
}
void on_flush(png_structp) {}

// The colours of an opaque image when it has at most 256: written with a
// palette, the same pixels take a third of the bytes to compress.
class Palette {
 public:
  // Adds an opaque colour (0xRRGGBB); false when the palette is full.
  bool add(std::uint32_t c) { return slot(c) >= 0; }
  // One row as palette indices; every colour of the image was collected.
  void map_row(const std::uint32_t *pixels, int width, std::uint8_t *out) {
    std::uint32_t last = ~0u;
    std::uint8_t index = 0;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = pixels[x] & 0xFFFFFF;
      if (c != last) index = static_cast<std::uint8_t>(slot(c)), last = c;
      out[x] = index;
    }
  }
  const png_color *colors() const { return colors_; }
  int count() const { return count_; }

 private:
  static constexpr std::uint32_t kUsed = 1u << 24;
  static constexpr int kSlots = 1024;  // open addressing, at most a quarter full

  // The palette index of colour c, added when new; -1 when the palette is full.
  int slot(std::uint32_t c) {
    std::uint32_t h = (c * 2654435761u) >> 22;
    while (keys_[h] != 0 && keys_[h] != (c | kUsed)) h = (h + 1) % kSlots;
    if (keys_[h] != 0) return index_[h];
    if (count_ == 256) return -1;
    keys_[h] = c | kUsed;
    index_[h] = static_cast<std::uint8_t>(count_);
    colors_[count_] =
        png_color{static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8), static_cast<png_byte>(c)};
    return count_++;
  }

  std::uint32_t keys_[kSlots] = {};
  std::uint8_t index_[kSlots] = {};
  png_color colors_[256] = {};
  int count_ = 0;
};

// How the pixels go into the file.
enum class Layout { kPalette, kRgb, kRgba };

// In one pass over the pixels: RGBA when one is not opaque, else a palette
// when they have at most 256 colours (collected into `palette`), else RGB.
Layout choose_layout(const ImageView &image, Palette &palette) {
  bool fits = true;
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t *row = image.pixels + static_cast<long long>(y) * image.stride;
    std::uint32_t last = ~row[0];
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = row[x];
      if (p == last) continue;  // runs of one colour are the rule
      last = p;
      if ((p >> 24) != 0xFF) return Layout::kRgba;
      fits = fits && palette.add(p & 0xFFFFFF);
    }
  }
  return fits ? Layout::kPalette : Layout::kRgb;
}

// libpng reports an error by a long jump out of its calls: nothing in this
// function may need a destructor. `row` holds one row of the file's bytes
// for the layouts that convert; `message` receives libpng's reason.
bool encode(PngSink &sink, const ImageView &image, Layout layout, Palette &palette, std::uint8_t *row,
            char *message) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, message, on_error, on_warning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &sink, on_write, on_flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
               layout == Layout::kPalette ? PNG_COLOR_TYPE_PALETTE
               : layout == Layout::kRgb   ? PNG_COLOR_TYPE_RGB
                                          : PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (layout == Layout::kPalette) png_set_PLTE(png, info, palette.colors(), palette.count());
  // Charts are flat areas and thin lines: the fastest deflate level without
  // row filters writes them several times faster than the defaults, for
  // files a fifth or so larger.
  png_set_compression_level(png, 1);
  // A smaller hash table than zlib's default: deflate renews it every 32 KiB
  // of input, and for flat colours the matches are as good.
  png_set_compression_mem_level(png, kHashLevel);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_write_info(png, info);
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t *pixels = image.pixels + static_cast<long long>(y) * image.stride;
    if (layout == Layout::kRgb) {
      std::uint8_t *out = row;
      for (int x = 0; x < image.width; ++x) {
        const std::uint32_t p = pixels[x];
        *out++ = static_cast<std::uint8_t>(p >> 16);
        *out++ = static_cast<std::uint8_t>(p >> 8);
        *out++ = static_cast<std::uint8_t>(p);
      }
      png_write_row(png, row);
      continue;
    }
    if (layout == Layout::kPalette) {
      palette.map_row(pixels, image.width, row);
      png_write_row(png, row);
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

// The image into the sink; the reason in `why` on failure.
bool encode_into(PngSink &sink, const ImageView &image, std::string &why) {
  if (image.empty() || image.stride < image.width) return why = "empty image", false;
  if (image.width > kLargestSide || image.height > kLargestSide) return why = "image too large", false;
  Palette palette;
  const Layout layout = choose_layout(image, palette);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(image.width) * 4);
  char message[kMessageSize] = "out of memory";
  if (encode(sink, image, layout, palette, row.data(), message)) return true;
  why = message;
  return false;
}

}  // namespace

bool write_png(OutputFile &out, const ImageView &image) {
  PngSink sink{&out, nullptr};
  std::string why;
  if (!encode_into(sink, image, why) && out.ok()) out.fail(why);
  return out.ok();
}

bool encode_png(const ImageView &image, std::vector<std::uint8_t> &bytes) {
  bytes.clear();
  PngSink sink{nullptr, &bytes};
  std::string why;
  return encode_into(sink, image, why);
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
