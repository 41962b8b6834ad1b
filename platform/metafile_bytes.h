// Little-endian byte output for the metafile records, with room for fields
// that are known only later (sizes, counts).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vex3d::platform {

class ByteSink {
 public:
  void u8(unsigned v) { bytes_.push_back(static_cast<std::uint8_t>(v)); }
  void u16(unsigned v) {
    u8(v & 0xFF);
    u8((v >> 8) & 0xFF);
  }
  void i16(int v) { u16(static_cast<unsigned>(v) & 0xFFFFu); }
  void u32(std::uint32_t v) {
    u16(v & 0xFFFFu);
    u16(v >> 16);
  }
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  void append(std::span<const std::uint8_t> more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
  void zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  void pad_to(std::size_t multiple) {
    while (bytes_.size() % multiple) u8(0);
  }

  void set_u16(std::size_t at, unsigned v) {
    bytes_[at] = static_cast<std::uint8_t>(v & 0xFF);
    bytes_[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
  }
  void set_u32(std::size_t at, std::uint32_t v) {
    set_u16(at, v & 0xFFFFu);
    set_u16(at + 2, v >> 16);
  }

  std::size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t> &bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace vex3d::platform
