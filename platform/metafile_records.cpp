// What the plain and enhanced metafile writers share: pen styles and the
// bitmaps pictures are stored as.
#include <algorithm>

#include "metafile_bytes.h"
#include "metafile_records.h"

namespace vex3d::platform {
namespace {

constexpr int kInfoHeaderBytes = 40;
constexpr int kDibBits = 24;

}  // namespace

std::uint32_t simple_pen_style(const Pen &pen) {
  if (pen.solid()) return kPenSolid;
  // The dashes repeat as on, off, on, off...: the count of "on" pieces and
  // the length of the first tell the simple styles apart.
  const std::size_t pieces = pen.dashes.size() / 2;
  if (pieces >= 3) return kPenDashDotDot;
  if (pieces == 2) return kPenDashDot;
  return pen.dashes.front() <= 2 * pen.width ? kPenDot : kPenDash;
}

std::uint32_t pen_shape_bits(const Pen &pen) {
  std::uint32_t bits = 0;
  switch (pen.cap) {
    case Cap::kFlat: bits |= kPenEndFlat; break;
    case Cap::kSquare: bits |= kPenEndSquare; break;
    case Cap::kRound: bits |= kPenEndRound; break;
  }
  switch (pen.join) {
    case Join::kMiter: bits |= kPenJoinMiter; break;
    case Join::kBevel: bits |= kPenJoinBevel; break;
    case Join::kRound: bits |= kPenJoinRound; break;
  }
  return bits;
}

std::vector<std::uint8_t> dib_bits(const ImageView &image, std::vector<std::uint8_t> &header) {
  const int stride = ((image.width * kDibBits + 31) / 32) * 4;
  ByteSink h;
  h.u32(kInfoHeaderBytes);
  h.i32(image.width);
  h.i32(image.height);  // positive: rows bottom-up
  h.u16(1);             // planes
  h.u16(kDibBits);
  h.u32(0);  // no compression
  h.u32(static_cast<std::uint32_t>(stride) * static_cast<std::uint32_t>(image.height));
  h.i32(3780);  // 96 dots per inch in pixels per metre
  h.i32(3780);
  h.u32(0);
  h.u32(0);
  header = std::move(h.bytes());

  std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * image.height, 0);
  for (int row = 0; row < image.height; ++row) {
    const std::uint32_t *from = image.pixels + static_cast<std::size_t>(image.height - 1 - row) * image.stride;
    std::uint8_t *to = bits.data() + static_cast<std::size_t>(row) * stride;
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = from[x];
      const unsigned white = 255 - (p >> 24);  // premultiplied: what the pixel leaves of the white below
      to[3 * x + 0] = static_cast<std::uint8_t>(std::min(255u, (p & 0xFF) + white));
      to[3 * x + 1] = static_cast<std::uint8_t>(std::min(255u, ((p >> 8) & 0xFF) + white));
      to[3 * x + 2] = static_cast<std::uint8_t>(std::min(255u, ((p >> 16) & 0xFF) + white));
    }
  }
  return bits;
}

}  // namespace vex3d::platform
