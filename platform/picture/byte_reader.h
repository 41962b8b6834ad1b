// Little-endian reading of a byte block whose every size may lie. A read past
// the end fails and keeps failing (sticky), returning zeros, so a parser reads
// a whole record and checks once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vex3d {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }
  std::size_t offset() const { return offset_; }
  std::size_t remaining() const { return ok_ ? bytes_.size() - offset_ : 0; }

  void seek(std::size_t offset) {
    if (offset > bytes_.size())
      ok_ = false;
    else
      offset_ = offset;
  }
  void skip(std::size_t n) { seek(n > remaining() ? bytes_.size() + 1 : offset_ + n); }

  std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)); }
  std::uint16_t u16() { return static_cast<std::uint16_t>(take(2)); }
  std::uint32_t u32() { return static_cast<std::uint32_t>(take(4)); }
  std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
  std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

  // The next n bytes (empty and failing when fewer remain).
  std::span<const std::uint8_t> bytes(std::size_t n) {
    if (n > remaining()) {
      ok_ = false;
      return {};
    }
    const auto out = bytes_.subspan(offset_, n);
    offset_ += n;
    return out;
  }

 private:
  std::uint64_t take(std::size_t n) {
    if (n > remaining()) {
      ok_ = false;
      return 0;
    }
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < n; ++i) v |= static_cast<std::uint64_t>(bytes_[offset_ + i]) << (8 * i);
    offset_ += n;
    return v;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t offset_ = 0;
  bool ok_ = true;
};

}  // namespace vex3d
