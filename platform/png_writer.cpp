#include "png_writer.h"

#include <zlib.h>

#include "picture_deflate.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vex3d::platform {
namespace {

constexpr int kLargestSide = 32767;
constexpr std::size_t kChunkData = std::size_t{64} << 10;  // IDAT chunk size
constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kNoFilter = 0;

enum class Layout { kPalette, kRgb, kRgba };

struct LayoutInfo {
  std::uint8_t color_type;
  int bytes_per_pixel;
};
constexpr LayoutInfo info(Layout layout) {
  switch (layout) {
    case Layout::kPalette: return {3, 1};
    case Layout::kRgb: return {2, 3};
    case Layout::kRgba: return {6, 4};
  }
  return {6, 4};
}

// The colours of an opaque image when it has at most 256: written with a
// palette, the same pixels take a third of the bytes to compress.
class Palette {
 public:
  // Adds an opaque colour (0xRRGGBB); false when the palette is full.
  bool add(std::uint32_t c) {
    std::uint32_t h = hash(c);
    while (keys_[h] != 0 && keys_[h] != (c | kUsed)) h = (h + 1) % kSlots;
    if (keys_[h] != 0) return true;
    if (count_ == 256) return false;
    keys_[h] = c | kUsed;
    index_[h] = static_cast<std::uint8_t>(count_);
    rgb_[3 * count_] = static_cast<std::uint8_t>(c >> 16);
    rgb_[3 * count_ + 1] = static_cast<std::uint8_t>(c >> 8);
    rgb_[3 * count_ + 2] = static_cast<std::uint8_t>(c);
    ++count_;
    return true;
  }
  // The index of a colour that was added.
  std::uint8_t index_of(std::uint32_t c) const {
    std::uint32_t h = hash(c);
    while (keys_[h] != (c | kUsed) && keys_[h] != 0) h = (h + 1) % kSlots;
    return index_[h];
  }
  const std::uint8_t *rgb() const { return rgb_; }
  int count() const { return count_; }

 private:
  static constexpr std::uint32_t kUsed = 1u << 24;
  static constexpr std::uint32_t kSlots = 1024;  // open addressing, at most a quarter full
  static std::uint32_t hash(std::uint32_t c) { return (c * 2654435761u) >> 22; }

  std::uint32_t keys_[kSlots] = {};
  std::uint8_t index_[kSlots] = {};
  std::uint8_t rgb_[3 * 256] = {};
  int count_ = 0;
};

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

std::uint8_t unpremultiply(std::uint32_t c, std::uint32_t a) {
  return static_cast<std::uint8_t>(a ? (c * 255 + a / 2) / a : 0);
}

// One scanline: the filter byte, then the row's pixels in the layout.
void scanline(const std::uint32_t *pixels, int width, Layout layout, const Palette &palette, std::uint8_t *out) {
  *out++ = kNoFilter;
  switch (layout) {
    case Layout::kPalette: {
      std::uint32_t last = ~pixels[0];
      std::uint8_t index = 0;
      for (int x = 0; x < width; ++x) {
        const std::uint32_t c = pixels[x] & 0xFFFFFF;
        if (c != last) index = palette.index_of(c), last = c;
        *out++ = index;
      }
      return;
    }
    case Layout::kRgb:
      for (int x = 0; x < width; ++x) {
        const std::uint32_t p = pixels[x];
        *out++ = static_cast<std::uint8_t>(p >> 16);
        *out++ = static_cast<std::uint8_t>(p >> 8);
        *out++ = static_cast<std::uint8_t>(p);
      }
      return;
    case Layout::kRgba:
      for (int x = 0; x < width; ++x) {
        const std::uint32_t p = pixels[x], a = p >> 24;
        *out++ = unpremultiply((p >> 16) & 0xFF, a);
        *out++ = unpremultiply((p >> 8) & 0xFF, a);
        *out++ = unpremultiply(p & 0xFF, a);
        *out++ = static_cast<std::uint8_t>(a);
      }
      return;
  }
}

void put32(std::uint8_t *at, std::uint32_t v) {
  at[0] = static_cast<std::uint8_t>(v >> 24), at[1] = static_cast<std::uint8_t>(v >> 16);
  at[2] = static_cast<std::uint8_t>(v >> 8), at[3] = static_cast<std::uint8_t>(v);
}

// The file's chunks, with the image data gathered into IDAT chunks.
class ChunkWriter {
 public:
  explicit ChunkWriter(const PngBytes &write) : write_(write) { data_.reserve(kChunkData); }
  bool ok() const { return ok_; }
  bool raw(const std::uint8_t *data, std::size_t size) { return ok_ = ok_ && write_(data, size); }
  void chunk(const char (&type)[5], const std::uint8_t *data, std::size_t size) {
    std::uint8_t head[8], tail[4];
    put32(head, static_cast<std::uint32_t>(size));
    std::memcpy(head + 4, type, 4);
    uLong crc = crc32(crc32(0, nullptr, 0), head + 4, 4);
    if (size) crc = crc32(crc, data, static_cast<uInt>(size));
    put32(tail, static_cast<std::uint32_t>(crc));
    raw(head, sizeof head);
    if (size) raw(data, size);
    raw(tail, sizeof tail);
  }
  // Image data; whole chunks go out as they fill.
  bool image_data(const std::uint8_t *data, std::size_t size) {
    while (size && ok_) {
      const std::size_t n = std::min(size, kChunkData - data_.size());
      data_.insert(data_.end(), data, data + n);
      data += n, size -= n;
      if (data_.size() == kChunkData) end_image_data();
    }
    return ok_;
  }
  void end_image_data() {
    if (!data_.empty()) chunk("IDAT", data_.data(), data_.size());
    data_.clear();
  }

 private:
  const PngBytes &write_;
  std::vector<std::uint8_t> data_;
  bool ok_ = true;
};

// The scanlines deflated into the file's image data.
bool deflate_rows(const ImageView &image, Layout layout, const Palette &palette, ChunkWriter &file) {
  const int pixel = info(layout).bytes_per_pixel;
  const std::size_t line = 1 + static_cast<std::size_t>(image.width) * static_cast<std::size_t>(pixel);
  PictureDeflater deflater(line, pixel,
                           [&file](const std::uint8_t *d, std::size_t n) { return file.image_data(d, n); });
  for (int y = 0; y < image.height; ++y) {
    scanline(image.pixels + static_cast<long long>(y) * image.stride, image.width, layout, palette,
             deflater.next_row());
    if (!deflater.add_row()) return false;
  }
  return deflater.finish();
}

}  // namespace

bool write_png_bytes(const ImageView &image, const PngBytes &write, std::string &why) {
  why.clear();
  if (image.empty() || image.stride < image.width) return why = "empty image", false;
  if (image.width > kLargestSide || image.height > kLargestSide) return why = "image too large", false;
  Palette palette;
  const Layout layout = choose_layout(image, palette);

  ChunkWriter file(write);
  file.raw(kSignature, sizeof kSignature);
  std::uint8_t header[13];
  put32(header, static_cast<std::uint32_t>(image.width));
  put32(header + 4, static_cast<std::uint32_t>(image.height));
  header[8] = 8;  // bits per channel or index
  header[9] = info(layout).color_type;
  header[10] = header[11] = header[12] = 0;  // deflate, adaptive filtering (all "none"), not interlaced
  file.chunk("IHDR", header, sizeof header);
  if (layout == Layout::kPalette) file.chunk("PLTE", palette.rgb(), 3 * static_cast<std::size_t>(palette.count()));
  const bool ok = file.ok() && deflate_rows(image, layout, palette, file);
  if (ok) {
    file.end_image_data();
    file.chunk("IEND", nullptr, 0);
  }
  return ok && file.ok();
}

}  // namespace vex3d::platform
