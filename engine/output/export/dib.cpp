// Packing the buffer's pixels as a device-independent bitmap: the header,
// the colour table realised for the depth, and the rows bottom-up.
#include "dib.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "output_state.h"
#include "palette.h"

namespace vex3d {
namespace {

constexpr int kBitsAllowed[] = {1, 4, 8, 16, 24, 32};

// The 16 colours every 4-bit device shows (0xBBGGRR).
constexpr std::array<int, 16> kStandardColors = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                 0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

void put16(std::vector<std::uint8_t> &b, unsigned v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xFF));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void put32(std::vector<std::uint8_t> &b, std::uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
std::uint32_t get32(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
unsigned get16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

// A pixel of the buffer shown over white, as 0xBBGGRR.
int rgb_of_pixel(std::uint32_t p) {
  const unsigned white = 255 - (p >> 24);
  const unsigned r = std::min(255u, ((p >> 16) & 0xFF) + white), g = std::min(255u, ((p >> 8) & 0xFF) + white),
                 b = std::min(255u, (p & 0xFF) + white);
  return static_cast<int>(r | (g << 8) | (b << 16));
}

// The nearest palette entry of each colour, remembered: a chart has few
// colours, and its edges repeat the same blends.
class NearestEntry {
 public:
  explicit NearestEntry(std::span<const int> palette) : palette_(palette) {}
  int operator()(int color) {
    const auto found = memo_.find(color);
    if (found != memo_.end()) return found->second;
    int best = 0;
    long best_distance = -1;
    for (std::size_t i = 0; i < palette_.size(); ++i) {
      const int c = palette_[i];
      const long dr = (c & 0xFF) - (color & 0xFF), dg = ((c >> 8) & 0xFF) - ((color >> 8) & 0xFF),
                 db = ((c >> 16) & 0xFF) - ((color >> 16) & 0xFF);
      const long d = dr * dr + dg * dg + db * db;
      if (best_distance < 0 || d < best_distance) best = static_cast<int>(i), best_distance = d;
      if (d == 0) break;
    }
    if (memo_.size() < (1u << 20)) memo_.emplace(color, best);
    return best;
  }

 private:
  std::span<const int> palette_;
  std::unordered_map<int, int> memo_;
};

}  // namespace

bool dib_depth_supported(int bits) {
  return std::find(std::begin(kBitsAllowed), std::end(kBitsAllowed), bits) != std::end(kBitsAllowed);
}

std::vector<int> realised_palette(Vex3dGraph *graph, int bits) {
  if (bits == 1) return {0x000000, 0xFFFFFF};
  if (bits == 4) return {kStandardColors.begin(), kStandardColors.end()};
  if (bits != 8) return {};
  const OutputState &out = output_state(graph);
  std::vector<int> colors = out.has_palette ? out.palette : order_palette(collect_palette_colors(graph));
  if (colors.size() > 256) colors.resize(256);
  // The rest: a 6 x 6 x 6 colour cube, then greys, for the blends at edges.
  for (int r = 0; r < 6 && colors.size() < 256; ++r)
    for (int g = 0; g < 6 && colors.size() < 256; ++g)
      for (int b = 0; b < 6 && colors.size() < 256; ++b) colors.push_back(r * 51 | (g * 51) << 8 | (b * 51) << 16);
  for (int k = 1; colors.size() < 256; ++k) {
    const int v = (k * 255 / 41) & 0xFF;
    colors.push_back(v | v << 8 | v << 16);
  }
  return colors;
}

std::vector<std::uint8_t> pack_dib(const platform::ImageView &pixels, int bits, std::span<const int> palette) {
  const int w = pixels.width, h = pixels.height;
  const std::size_t stride = (static_cast<std::size_t>(w) * bits + 31) / 32 * 4;
  const int colors = bits <= 8 ? 1 << bits : 0;
  std::vector<std::uint8_t> dib;
  dib.reserve(kDibHeaderSize + 4 * colors + stride * h);
  put32(dib, kDibHeaderSize);
  put32(dib, static_cast<std::uint32_t>(w));
  put32(dib, static_cast<std::uint32_t>(h));  // positive: bottom-up
  put16(dib, 1);
  put16(dib, static_cast<unsigned>(bits));
  put32(dib, 0);  // no compression
  put32(dib, static_cast<std::uint32_t>(stride * h));
  put32(dib, kScreenPixelsPerMetre);
  put32(dib, kScreenPixelsPerMetre);
  put32(dib, static_cast<std::uint32_t>(colors));
  put32(dib, 0);
  for (int i = 0; i < colors; ++i) {
    const int c = i < static_cast<int>(palette.size()) ? palette[i] : 0;
    dib.push_back(static_cast<std::uint8_t>((c >> 16) & 0xFF));
    dib.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
    dib.push_back(static_cast<std::uint8_t>(c & 0xFF));
    dib.push_back(0);
  }
  const std::size_t rows_at = dib.size();
  dib.resize(rows_at + stride * h, 0);
  NearestEntry nearest(palette);
  for (int y = 0; y < h; ++y) {
    const std::uint32_t *from = pixels.pixels + static_cast<std::size_t>(y) * pixels.stride;
    std::uint8_t *to = dib.data() + rows_at + static_cast<std::size_t>(h - 1 - y) * stride;
    for (int x = 0; x < w; ++x) {
      const int c = rgb_of_pixel(from[x]);
      const unsigned r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
      switch (bits) {
        case 32: to[4 * x + 3] = 0; [[fallthrough]];
        case 24: {
          std::uint8_t *q = to + x * (bits / 8);
          q[0] = static_cast<std::uint8_t>(b), q[1] = static_cast<std::uint8_t>(g), q[2] = static_cast<std::uint8_t>(r);
          break;
        }
        case 16: {
          const unsigned v = ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
          to[2 * x] = static_cast<std::uint8_t>(v & 0xFF);
          to[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
          break;
        }
        default: {
          const unsigned index = static_cast<unsigned>(nearest(c));
          const int per_byte = 8 / bits;
          const int shift = (per_byte - 1 - x % per_byte) * bits;  // the leftmost pixel in the high bits
          to[x / per_byte] |= static_cast<std::uint8_t>(index << shift);
        }
      }
    }
  }
  return dib;
}

DibLayout dib_layout(std::span<const std::uint8_t> dib) {
  DibLayout d;
  if (dib.size() < kDibHeaderSize || get32(dib, 0) != kDibHeaderSize) return d;
  d.width = static_cast<std::int32_t>(get32(dib, 4));
  d.height = static_cast<std::int32_t>(get32(dib, 8));
  d.planes = static_cast<int>(get16(dib, 12));
  d.bits = static_cast<int>(get16(dib, 14));
  d.compression = get32(dib, 16);
  d.x_per_metre = static_cast<std::int32_t>(get32(dib, 24));
  d.y_per_metre = static_cast<std::int32_t>(get32(dib, 28));
  const std::uint32_t used = get32(dib, 32);
  if (d.width <= 0 || d.height <= 0 || d.bits <= 0 || d.bits > 32 || used > 0x10000) return d;
  d.colors = used ? static_cast<int>(used) : (d.bits <= 8 ? 1 << d.bits : 0);
  d.stride = (static_cast<std::size_t>(d.width) * d.bits + 31) / 32 * 4;
  const std::size_t table_at = kDibHeaderSize, rows_at = table_at + 4 * static_cast<std::size_t>(d.colors);
  d.size = rows_at + d.stride * static_cast<std::size_t>(d.height);
  if (d.size > dib.size()) return d;
  d.table = dib.subspan(table_at, rows_at - table_at);
  d.rows = dib.subspan(rows_at, d.size - rows_at);
  d.ok = true;
  return d;
}

bool dib_row_rgb(const DibLayout &dib, int top_row, std::uint8_t *rgb) {
  const std::uint8_t *row = dib.top_row(top_row);
  for (int x = 0; x < dib.width; ++x, rgb += 3) {
    switch (dib.bits) {
      case 8: {
        const std::size_t e = std::size_t{row[x]} * 4;
        if (e + 3 > dib.table.size()) return false;
        rgb[0] = dib.table[e + 2], rgb[1] = dib.table[e + 1], rgb[2] = dib.table[e];
        break;
      }
      case 16: {
        const unsigned v = row[2 * x] | (row[2 * x + 1] << 8);
        rgb[0] = static_cast<std::uint8_t>(((v >> 10) & 31) * 255 / 31);
        rgb[1] = static_cast<std::uint8_t>(((v >> 5) & 31) * 255 / 31);
        rgb[2] = static_cast<std::uint8_t>((v & 31) * 255 / 31);
        break;
      }
      case 24:
      case 32: {
        const std::uint8_t *p = row + x * (dib.bits / 8);
        rgb[0] = p[2], rgb[1] = p[1], rgb[2] = p[0];
        break;
      }
      default: return false;
    }
  }
  return true;
}

}  // namespace vex3d
