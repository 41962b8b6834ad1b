// Bitmap files: a 14-byte file header, an information header (or the older
// 12-byte core header, converted here to an information header), a palette
// for 1, 4 and 8 bits per pixel, and uncompressed rows padded to 32 bits.
#include <algorithm>
#include <cstring>

#include "byte_reader.h"
#include "picture.h"

namespace vex3d {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kUncompressed = 0;

struct DibHeader {
  std::uint32_t size = 0;
  std::int64_t width = 0, height = 0;
  int planes = 0, bits = 0;
  std::uint32_t compression = 0;
  std::uint32_t colors_used = 0;
  std::int32_t x_per_meter = 0, y_per_meter = 0;
  std::uint32_t colors_important = 0;
};

bool read_header(ByteReader &in, DibHeader &h) {
  h.size = in.u32();
  if (h.size == kCoreHeaderSize) {
    h.width = in.u16();
    h.height = in.i16();  // 16-bit in the core header; treat like the later signed field
    h.planes = in.u16();
    h.bits = in.u16();
  } else if (h.size >= static_cast<std::uint32_t>(kInfoHeaderSize)) {
    h.width = in.i32();
    h.height = in.i32();
    h.planes = in.u16();
    h.bits = in.u16();
    h.compression = in.u32();
    in.u32();  // image size: recomputed, files often leave it 0
    h.x_per_meter = in.i32();
    h.y_per_meter = in.i32();
    h.colors_used = in.u32();
    h.colors_important = in.u32();
    in.skip(h.size - kInfoHeaderSize);  // later header versions: masks, colour space
  } else {
    return false;
  }
  return in.ok();
}

bool depth_accepted(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24; }

void put_u32(std::uint8_t *p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void put_u16(std::uint8_t *p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

// The information header the picture record keeps, whatever the file had.
void write_info_header(Picture &pic, const DibHeader &h) {
  std::uint8_t *p = pic.header.data();
  put_u32(p, kInfoHeaderSize);
  put_u32(p + 4, static_cast<std::uint32_t>(pic.width));
  put_u32(p + 8, static_cast<std::uint32_t>(pic.height));
  put_u16(p + 12, 1);
  put_u16(p + 14, static_cast<std::uint16_t>(pic.bits_per_pixel));
  put_u32(p + 16, kUncompressed);
  put_u32(p + 20, static_cast<std::uint32_t>(pic.image_size));
  put_u32(p + 24, static_cast<std::uint32_t>(h.x_per_meter));
  put_u32(p + 28, static_cast<std::uint32_t>(h.y_per_meter));
  put_u32(p + 32, 0);  // every palette entry is present
  put_u32(p + 36, std::min<std::uint32_t>(h.colors_important, static_cast<std::uint32_t>(pic.palette_colors)));
}

// Sizes of a bitmap of this shape; false when they do not fit the record.
bool set_geometry(Picture &pic, std::int64_t width, std::int64_t height, int bits) {
  if (width <= 0 || height <= 0 || width * height > kMaxPicturePixels) return false;
  const std::int64_t row_bits = width * bits;
  pic.width = static_cast<int>(width);
  pic.height = static_cast<int>(height);
  pic.bits_per_pixel = bits;
  pic.palette_colors = bits <= 8 ? 1 << bits : 0;
  pic.row_bytes = static_cast<int>((row_bits + 15) / 16 * 2);
  pic.stride = static_cast<int>((row_bits + 31) / 32 * 4);
  pic.image_size = pic.stride * pic.height;
  pic.header_size = kInfoHeaderSize + 4 * pic.palette_colors;
  pic.header.assign(static_cast<std::size_t>(pic.header_size), 0);
  pic.pixel_width = pic.width;
  pic.pixel_height = pic.height;
  return true;
}

}  // namespace

int Picture::palette_color(int i) const {
  if (i < 0 || i >= palette_colors) return 0;
  const std::uint8_t *q = header.data() + kInfoHeaderSize + 4 * i;
  return q[2] | (q[1] << 8) | (q[0] << 16);
}

std::unique_ptr<Picture> make_rgb_bitmap(int width, int height) {
  auto pic = std::make_unique<Picture>();
  if (!set_geometry(*pic, width, height, 24)) return nullptr;
  write_info_header(*pic, DibHeader{});
  pic->bits.assign(static_cast<std::size_t>(pic->image_size), 0);
  return pic;
}

std::unique_ptr<Picture> read_bitmap(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes);
  if (in.u8() != 'B' || in.u8() != 'M') return nullptr;
  in.u32();  // file size: often wrong, not needed
  in.u32();  // reserved
  const std::uint32_t bits_offset = in.u32();
  DibHeader h;
  if (!read_header(in, h)) return nullptr;
  if (h.planes != 1 || !depth_accepted(h.bits) || h.compression != kUncompressed) return nullptr;

  auto pic = std::make_unique<Picture>();
  const bool top_down = h.height < 0;
  if (!set_geometry(*pic, h.width, top_down ? -h.height : h.height, h.bits)) return nullptr;

  // Palette: the colours the file gives (RGB triples after a core header,
  // RGB quads otherwise); entries it leaves out stay black.
  if (pic->palette_colors > 0) {
    const bool core = h.size == kCoreHeaderSize;
    const std::uint32_t given = h.colors_used == 0 || core
                                    ? static_cast<std::uint32_t>(pic->palette_colors)
                                    : std::min<std::uint32_t>(h.colors_used, pic->palette_colors);
    const int entry = core ? 3 : 4;
    // A palette that would run into the pixels is cut where they start.
    std::uint32_t fits = given;
    if (bits_offset >= in.offset()) fits = std::min<std::uint32_t>(given, (bits_offset - in.offset()) / entry);
    const auto palette = in.bytes(static_cast<std::size_t>(fits) * entry);
    if (!in.ok()) return nullptr;
    for (std::uint32_t i = 0; i < fits; ++i) {
      std::uint8_t *q = pic->header.data() + kInfoHeaderSize + 4 * i;
      std::memcpy(q, palette.data() + i * entry, 3);
    }
  }
  write_info_header(*pic, h);

  // The pixels start where the file header says; a file that says nothing
  // useful (0) has them right after the palette.
  const std::size_t start = bits_offset >= kFileHeaderSize ? bits_offset : in.offset();
  in.seek(start);
  const auto pixels = in.bytes(static_cast<std::size_t>(pic->image_size));
  if (!in.ok()) return nullptr;
  pic->bits.resize(pixels.size());
  const auto stride = static_cast<std::size_t>(pic->stride);
  for (int row = 0; row < pic->height; ++row) {
    const int from = top_down ? pic->height - 1 - row : row;
    std::memcpy(pic->bits.data() + row * stride, pixels.data() + from * stride, stride);
  }
  return pic;
}

std::unique_ptr<Picture> read_packed_dib(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits) {
  // As a bitmap file: the file header in front, the pixels right after the
  // header and its colour table.
  std::vector<std::uint8_t> file(kFileHeaderSize);
  file[0] = 'B', file[1] = 'M';
  const std::size_t total = kFileHeaderSize + info.size() + bits.size();
  if (total > 0xFFFFFFFFu) return nullptr;
  put_u32(file.data() + 2, static_cast<std::uint32_t>(total));
  put_u32(file.data() + 10, static_cast<std::uint32_t>(kFileHeaderSize + info.size()));
  file.insert(file.end(), info.begin(), info.end());
  file.insert(file.end(), bits.begin(), bits.end());
  return read_bitmap(file);
}

std::size_t packed_dib_header_size(std::span<const std::uint8_t> dib) {
  ByteReader in(dib);
  DibHeader h;
  if (!read_header(in, h)) return dib.size();
  const bool core = h.size == kCoreHeaderSize;
  std::size_t colors = h.bits <= 8 ? (std::size_t{1} << h.bits) : 0;
  if (!core && h.colors_used != 0) colors = h.colors_used;
  return std::size_t{h.size} + colors * (core ? 3 : 4);
}

}  // namespace vex3d
