// Pictures shown in the background of a region: bitmaps and metafiles read
// from files, kept in one record that persistence can save and restore.
//
// Bitmaps are kept as a bottom-up device-independent bitmap of 1, 4, 8, 16 or
// 24 bits per pixel with a 40-byte information header; PNG and JPEG files are
// decoded into a 24-bit one. Metafiles keep their file bytes and are played
// record by record when drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vex3d {

enum class PictureKind : int {
  kBitmap = 1,
  kPlaceableMetafile = 2,
  kEnhancedMetafile = 3,
  kPlainMetafile = 4,
};

// Size of the information header every bitmap picture carries.
constexpr int kInfoHeaderSize = 40;

struct Picture {
  PictureKind kind = PictureKind::kBitmap;

  // ---- bitmaps
  int bits_per_pixel = 0;
  int palette_colors = 0;            // 2, 16 or 256 for 1, 4 and 8 bits per pixel; 0 above
  int width = 0;                     // pixels
  int row_bytes = 0;                 // bytes of one row, padded to 16 bits
  int height = 0;                    // pixels (rows stored bottom-up)
  int stride = 0;                    // bytes of one row, padded to 32 bits
  int header_size = 0;               // information header and palette
  std::vector<std::uint8_t> header;  // information header, then palette entries (blue, green, red, 0)
  int image_size = 0;                // stride * height
  std::vector<std::uint8_t> bits;

  // ---- metafiles: the file's bytes, placeable header included
  std::vector<std::uint8_t> metafile;

  // Size in screen pixels used to place the picture; for a metafile that
  // gives no size of its own, 0 x 0 (it then fills whatever box it gets).
  int pixel_width = 0;
  int pixel_height = 0;

  // The pixels as bitmap_argb gives them, kept by converted_pixels once made.
  mutable std::shared_ptr<const std::vector<std::uint32_t>> converted;

  bool is_bitmap() const { return kind == PictureKind::kBitmap; }
  // Colour of palette entry i (0xBBGGRR).
  int palette_color(int i) const;
};

// The kind of a file from its first bytes, or none when it is no picture.
// PNG and JPEG signatures count as bitmaps.
enum class FileSignature { kNone, kBitmap, kPlainMetafile, kPlaceableMetafile, kEnhancedMetafile, kPng, kJpeg };
FileSignature file_signature(std::span<const std::uint8_t> bytes);

// A picture from a file's bytes, or null when they are not a picture this
// system can show (unknown kind, truncated, inconsistent sizes, other depths).
std::unique_ptr<Picture> load_picture(std::span<const std::uint8_t> bytes);
// The same from a file; null when it cannot be opened or read, or holds
// more than kMaxPictureFileBytes.
// `why`, when given, says what kept the file from being a picture.
constexpr std::size_t kMaxPictureFileBytes = std::size_t{1} << 28;  // 256 MiB: the largest bitmap is 192 MiB
enum class PictureRefusal { kNone, kCannotOpen, kCannotRead, kTooLarge, kNotAPicture, kDamaged };
std::unique_ptr<Picture> load_picture_file(const char *path, PictureRefusal *why = nullptr);
// The refusal as words that follow "the file ".
const char *refusal_text(PictureRefusal why);

// The readers behind load_picture, one per format.
std::unique_ptr<Picture> read_bitmap(std::span<const std::uint8_t> bytes);
std::unique_ptr<Picture> read_metafile(std::span<const std::uint8_t> bytes, FileSignature kind);
std::unique_ptr<Picture> read_png(std::span<const std::uint8_t> bytes);
std::unique_ptr<Picture> read_jpeg(std::span<const std::uint8_t> bytes);
// A bitmap from a packed device-independent bitmap: its information header
// with the colour table, and its pixel rows (as metafile records hold them).
std::unique_ptr<Picture> read_packed_dib(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits);
// Where the pixel rows of a packed bitmap start: after its information
// header and colour table.
std::size_t packed_dib_header_size(std::span<const std::uint8_t> dib);

// A 24-bit bitmap picture of width x height, its pixels to be filled by the
// caller through bits (bottom-up rows of blue, green, red).
std::unique_ptr<Picture> make_rgb_bitmap(int width, int height);

// The largest bitmap accepted, in pixels: a file claiming more is refused
// before anything is allocated for it.
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 26;

// The pixels of a bitmap picture as premultiplied 0xAARRGGBB words, top row
// first (width * height words; empty for a metafile).
std::vector<std::uint32_t> bitmap_argb(const Picture &picture);
// The same, converted on the first call and kept with the picture, so that
// every later drawing of it (each repaint, each rebuilt palette) reuses
// them. A picture read from a file never changes: a new file makes a new
// picture. A picture whose bits a caller fills is drawn only once they are.
const std::vector<std::uint32_t> &converted_pixels(const Picture &picture);

}  // namespace vex3d
