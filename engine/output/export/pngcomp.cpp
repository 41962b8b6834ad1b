// PNG through libpng, written into memory. libpng reports errors by a jump
// out of its calls; everything that must be freed is freed after it.
#include "pngcomp.h"

#include <png.h>

#include <csetjmp>

namespace vex3d {
namespace {

void append(png_structp png, png_bytep data, png_size_t size) {
  auto *out = static_cast<std::vector<std::uint8_t> *>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}
void no_flush(png_structp) {}

// A row as libpng wants it for the colour type: 16-bit pixels expanded into
// the scratch row, the others as they are.
png_bytep png_row(const DibLayout &dib, int top_row, std::uint8_t *scratch) {
  if (dib.bits != 16) return const_cast<png_bytep>(dib.top_row(top_row));
  dib_row_rgb(dib, top_row, scratch);
  return scratch;
}

// The part that libpng may jump out of: only plain values live here.
bool write_png(png_structp png, png_infop info, const DibLayout &dib, bool interlace, const png_color *palette,
               int palette_size, std::uint8_t *scratch) {
  if (setjmp(png_jmpbuf(png))) return false;
  const int color_type = dib.bits == 8 ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB;
  png_set_IHDR(png, info, static_cast<png_uint_32>(dib.width), static_cast<png_uint_32>(dib.height), 8, color_type,
               interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (dib.bits == 8) png_set_PLTE(png, info, palette, palette_size);
  png_write_info(png, info);
  if (dib.bits == 24 || dib.bits == 32) png_set_bgr(png);
  if (dib.bits == 32) png_set_filler(png, 0, PNG_FILLER_AFTER);  // the fourth byte is left out
  const int passes = png_set_interlace_handling(png);
  for (int pass = 0; pass < passes; ++pass)
    for (int y = 0; y < dib.height; ++y) png_write_row(png, png_row(dib, y, scratch));
  png_write_end(png, info);
  return true;
}

}  // namespace

bool png_of_dib(const DibLayout &dib, bool interlace, std::vector<std::uint8_t> &out, std::string &error) {
  if (!dib.ok || dib.planes != 1 || dib.compression != 0) {
    error = "the bitmap is not an uncompressed one-plane bitmap";
    return false;
  }
  if (dib.bits != 8 && dib.bits != 16 && dib.bits != 24 && dib.bits != 32) {
    error = "a PNG file cannot be made of " + std::to_string(dib.bits) + " bits per pixel";
    return false;
  }
  std::vector<png_color> palette;
  if (dib.bits == 8) {
    if (dib.colors < 1 || dib.colors > 256) {
      error = "the bitmap's colour table has " + std::to_string(dib.colors) + " entries";
      return false;
    }
    for (int i = 0; i < dib.colors; ++i)
      palette.push_back(png_color{dib.table[4 * i + 2], dib.table[4 * i + 1], dib.table[4 * i]});
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, nullptr);
    error = "out of memory";
    return false;
  }
  out.clear();
  png_set_write_fn(png, &out, append, no_flush);
  std::vector<std::uint8_t> scratch(static_cast<std::size_t>(dib.width) * 3);
  const bool ok =
      write_png(png, info, dib, interlace, palette.data(), static_cast<int>(palette.size()), scratch.data());
  png_destroy_write_struct(&png, &info);
  if (!ok) error = "libpng could not write the picture";
  return ok;
}

}  // namespace vex3d
