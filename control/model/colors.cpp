#include "colors.h"

#include <array>

#include "status.h"

namespace tc3d {
namespace {

constexpr std::int32_t kLargestColor = 0xFFFFFF;

// The system colours of the platform's classic scheme, by number.
constexpr std::array<std::int32_t, 31> kSystemColors = {
    0xC8D0D4,  // scroll bar
    0xA56E3A,  // desktop
    0x6A240A,  // active caption
    0x808080,  // inactive caption
    0xC8D0D4,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC8D0D4,  // active border
    0xC8D0D4,  // inactive border
    0x808080,  // application workspace
    0x6A240A,  // highlight
    0xFFFFFF,  // highlighted text
    0xC8D0D4,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC8D0D4,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x404040,  // dark shadow of 3-D elements
    0xC8D0D4,  // light of 3-D elements
    0x000000,  // tooltip text
    0xE1FFFF,  // tooltip background
    0xB5B5B5,  // (unused)
    0x800000,  // hot-tracked item
    0xF0CAA6,  // gradient of the active caption
    0xC0C0C0,  // gradient of the inactive caption
    0x6A240A,  // menu highlight
    0xC8D0D4,  // menu bar
};

}  // namespace

std::int32_t plain_color(std::int32_t value) {
  if (value == kInheritColor) return value;
  const auto bits = static_cast<std::uint32_t>(value);
  if (bits & kSystemColorFlag) {
    const std::uint32_t number = bits & ~kSystemColorFlag;
    if (number >= kSystemColors.size()) raise(ErrorCode::tcErrorInvalidValue);
    return kSystemColors[number];
  }
  if (value > kLargestColor) raise(ErrorCode::tcErrorInvalidValue);
  return value;
}

}  // namespace tc3d
