// A bitmap picture's pixels as 32-bit words for drawing surfaces.
#include "picture.h"

namespace vex3d {
namespace {

std::uint32_t opaque(int r, int g, int b) {
  return 0xFF000000u | static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 |
         static_cast<std::uint32_t>(b);
}

// Five bits of a 5-5-5 pixel widened to eight.
int widen5(int v) { return (v << 3) | (v >> 2); }

}  // namespace

std::vector<std::uint32_t> bitmap_argb(const Picture &pic) {
  std::vector<std::uint32_t> out;
  if (!pic.is_bitmap() || pic.width <= 0 || pic.height <= 0) return out;
  if (pic.bits.size() < static_cast<std::size_t>(pic.stride) * pic.height) return out;
  out.resize(static_cast<std::size_t>(pic.width) * pic.height);

  std::vector<std::uint32_t> palette(static_cast<std::size_t>(pic.palette_colors));
  for (int i = 0; i < pic.palette_colors; ++i) {
    const int c = pic.palette_color(i);
    palette[i] = opaque(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  }

  for (int y = 0; y < pic.height; ++y) {
    // Rows are stored bottom-up.
    const std::uint8_t *row = pic.bits.data() + static_cast<std::size_t>(pic.height - 1 - y) * pic.stride;
    std::uint32_t *dst = out.data() + static_cast<std::size_t>(y) * pic.width;
    for (int x = 0; x < pic.width; ++x) {
      switch (pic.bits_per_pixel) {
        case 1: dst[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1]; break;
        case 4: dst[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF]; break;
        case 8: dst[x] = palette[row[x]]; break;
        case 16: {
          const int v = row[2 * x] | (row[2 * x + 1] << 8);
          dst[x] = opaque(widen5((v >> 10) & 31), widen5((v >> 5) & 31), widen5(v & 31));
          break;
        }
        default: dst[x] = opaque(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
      }
    }
  }
  return out;
}

const std::vector<std::uint32_t> &converted_pixels(const Picture &pic) {
  if (!pic.converted) pic.converted = std::make_shared<const std::vector<std::uint32_t>>(bitmap_argb(pic));
  return *pic.converted;
}

}  // namespace vex3d
