// Packed device-independent bitmaps: made from the off-screen buffer's
// pixels at any depth, and read back by the exports that take them apart.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "draw_state.h"
#include "graph.h"

namespace vex3d {

constexpr int kDibHeaderSize = 40;
// 96 dots per inch, as the resolution fields of a bitmap hold it.
constexpr int kScreenPixelsPerMetre = 3780;

// True for the depths a bitmap is made in: 1, 4, 8, 16, 24, 32.
bool dib_depth_supported(int bits);

// The colours a bitmap of 1, 4 or 8 bits per pixel is drawn with (0xBBGGRR,
// 2^bits entries): black and white; the 16 standard colours; the graph's
// palette (or the one its colours would make), filled up with a colour cube
// and greys.
std::vector<int> realised_palette(Vex3dGraph *graph, int bits);

// The pixels as a packed bitmap of the depth, each pixel the nearest entry
// of the palette below 16 bits.
std::vector<std::uint8_t> pack_dib(const platform::ImageView &pixels, int bits, std::span<const int> palette);

// A packed bitmap taken apart; ok is false when the block is not one.
struct DibLayout {
  bool ok = false;
  int width = 0, height = 0, planes = 0, bits = 0;
  std::uint32_t compression = 0;
  int colors = 0;  // entries of the colour table
  int x_per_metre = 0, y_per_metre = 0;
  std::size_t stride = 0;
  std::span<const std::uint8_t> table;  // blue, green, red, 0 per entry
  std::span<const std::uint8_t> rows;   // bottom-up
  std::size_t size = 0;                 // of the whole block
  // Row y of the picture, counted from its top.
  const std::uint8_t *top_row(int y) const { return rows.data() + static_cast<std::size_t>(height - 1 - y) * stride; }
};
DibLayout dib_layout(std::span<const std::uint8_t> dib);

// One row of a bitmap of 8, 16, 24 or 32 bits per pixel as red, green, blue
// bytes (3 * width); false for other depths.
bool dib_row_rgb(const DibLayout &dib, int top_row, std::uint8_t *rgb);

}  // namespace vex3d
