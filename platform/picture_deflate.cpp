#include "picture_deflate.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

#include "adler32.h"

namespace vex3d::platform {
namespace {

constexpr std::size_t kShortestMatch = 3, kLongestMatch = 258;
constexpr std::size_t kFarthest = 32768;  // deflate's window
constexpr std::size_t kOutput = std::size_t{64} << 10;
constexpr int kEndOfBlock = 256;
// A zlib header for a 32 KiB window, the fastest kind of compression.
constexpr std::uint8_t kZlibHeader[] = {0x78, 0x01};

// A Huffman code as written: the bits reversed (deflate sends codes from
// their first bit, the stream is filled from bit 0), and their count.
struct Code {
  std::uint16_t bits = 0;
  std::uint8_t count = 0;
};

constexpr std::uint16_t reversed(std::uint32_t code, int count) {
  std::uint16_t r = 0;
  for (int k = 0; k < count; ++k) r = static_cast<std::uint16_t>(r << 1 | ((code >> k) & 1));
  return r;
}

// Deflate's fixed literal/length codes (RFC 1951, 3.2.6).
constexpr std::array<Code, 288> kLiteralCodes = [] {
  std::array<Code, 288> codes{};
  for (int v = 0; v < 288; ++v) {
    const auto [first, start, count] = v < 144   ? std::array{0x30, 0, 8}
                                       : v < 256 ? std::array{0x190, 144, 9}
                                       : v < 280 ? std::array{0x000, 256, 7}
                                                 : std::array{0xC0, 280, 8};
    codes[static_cast<std::size_t>(v)] = {reversed(static_cast<std::uint32_t>(first + v - start), count),
                                          static_cast<std::uint8_t>(count)};
  }
  return codes;
}();

// Lengths 3..258 and distances 1..32768: their codes' bases and extra bits.
constexpr std::uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::uint16_t kDistanceBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                             33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                             1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The code of a value among bases: the last base not above it.
template <std::size_t N>
int code_of(const std::uint16_t (&base)[N], std::size_t value) {
  int lo = 0, hi = static_cast<int>(N) - 1;
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (base[mid] <= value)
      lo = mid;
    else
      hi = mid - 1;
  }
  return lo;
}

// How many bytes from `at` repeat those from `from`, up to `limit`; eight
// at a time.
std::size_t match_length(const std::uint8_t *at, const std::uint8_t *from, std::size_t limit) {
  std::size_t n = 0;
  for (; n + 8 <= limit; n += 8) {
    std::uint64_t a, b;
    std::memcpy(&a, at + n, 8);
    std::memcpy(&b, from + n, 8);
    if (a != b) return n + static_cast<std::size_t>(std::countr_zero(a ^ b)) / 8;  // little-endian
  }
  while (n < limit && at[n] == from[n]) ++n;
  return n;
}

}  // namespace

PictureDeflater::PictureDeflater(std::size_t line, int pixel, Sink sink)
    : line_(line),
      pixel_(static_cast<std::size_t>(pixel)),
      sink_(std::move(sink)),
      rows_(2 * line),
      current_(rows_.data()),
      above_(rows_.data() + line) {
  out_.reserve(kOutput + 16);
  out_.insert(out_.end(), std::begin(kZlibHeader), std::end(kZlibHeader));
  put(1, 1);  // the last block...
  put(1, 2);  // ...with the fixed codes (type 01)
}

void PictureDeflater::put(std::uint32_t bits, int count) {
  bits_ |= static_cast<std::uint64_t>(bits) << bit_count_;
  bit_count_ += count;
  while (bit_count_ >= 8) {
    out_.push_back(static_cast<std::uint8_t>(bits_));
    bits_ >>= 8;
    bit_count_ -= 8;
  }
}

void PictureDeflater::literal(std::uint8_t byte) {
  const Code c = kLiteralCodes[byte];
  put(c.bits, c.count);
}

void PictureDeflater::match(std::size_t length, std::size_t distance) {
  const int l = code_of(kLengthBase, length);
  const Code c = kLiteralCodes[static_cast<std::size_t>(257 + l)];
  put(c.bits, c.count);
  if (kLengthExtra[l]) put(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
  const int d = code_of(kDistanceBase, distance);
  put(reversed(static_cast<std::uint32_t>(d), 5), 5);
  if (kDistanceExtra[d]) put(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

bool PictureDeflater::drain(bool all) {
  if (!ok_ || (!all && out_.size() < kOutput)) return ok_;
  ok_ = sink_(out_.data(), out_.size());
  out_.clear();
  return ok_;
}

bool PictureDeflater::add_row() {
  if (!ok_) return false;
  const std::uint8_t *row = current_;
  adler_ = adler32_update(adler_, row, line_);
  // The row above is `line_` bytes back in the stream.
  const bool above = !first_row_ && line_ <= kFarthest;
  std::size_t i = 0;
  while (i < line_) {
    const std::size_t limit = std::min(kLongestMatch, line_ - i);
    std::size_t best = 0, distance = 0;
    if (i >= pixel_) best = match_length(row + i, row + i - pixel_, limit), distance = pixel_;
    if (above && best < limit) {
      const std::size_t n = match_length(row + i, above_ + i, limit);
      if (n > best) best = n, distance = line_;
    }
    if (best >= kShortestMatch) {
      match(best, distance);
      i += best;
    } else {
      literal(row[i++]);
    }
    if (out_.size() >= kOutput && !drain(false)) return false;
  }
  std::swap(current_, above_);
  first_row_ = false;
  return ok_;
}

bool PictureDeflater::finish() {
  const Code end = kLiteralCodes[kEndOfBlock];
  put(end.bits, end.count);
  if (bit_count_ > 0) put(0, 8 - bit_count_);  // to a whole byte
  for (int shift = 24; shift >= 0; shift -= 8) out_.push_back(static_cast<std::uint8_t>(adler_ >> shift));
  return drain(true);
}

}  // namespace vex3d::platform
