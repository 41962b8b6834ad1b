// Deflate for pictures: a zlib stream of scanlines, made in one pass.
//
// Charts are flat areas and thin lines, so almost every byte repeats the
// pixel to its left or the row above. The deflater looks only there: at each
// byte it takes the longer of the two matches (at the pixel's distance and at
// the row's), else a literal, and codes them with deflate's fixed Huffman
// codes in one block. That is a fraction of a general deflater's work, for
// files somewhat larger than zlib's fastest level on the same rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace vex3d::platform {

class PictureDeflater {
 public:
  // Receives the stream's bytes in order; false stops the deflater.
  using Sink = std::function<bool(const std::uint8_t *, std::size_t)>;

  // Scanlines of `line` bytes each, whose pixels are `pixel` bytes.
  PictureDeflater(std::size_t line, int pixel, Sink sink);

  // Where the next scanline is to be written (`line` bytes).
  std::uint8_t *next_row() { return current_; }
  // Deflates the scanline written at next_row(); false once the sink refused.
  bool add_row();
  // Ends the stream (the checksum after it); false when the sink refused.
  bool finish();

 private:
  void literal(std::uint8_t byte);
  void match(std::size_t length, std::size_t distance);
  void put(std::uint32_t bits, int count);
  bool drain(bool all);

  std::size_t line_;
  std::size_t pixel_;
  Sink sink_;
  std::vector<std::uint8_t> rows_;  // two scanlines: the current one and the one above
  std::uint8_t *current_, *above_;
  bool first_row_ = true;
  std::uint32_t adler_ = 1;
  std::uint64_t bits_ = 0;  // pending bits, the first at bit 0
  int bit_count_ = 0;
  std::vector<std::uint8_t> out_;
  bool ok_ = true;
};

}  // namespace vex3d::platform
