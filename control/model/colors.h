// Colour values of the object model: plain 0xBBGGRR colours, -1 for "inherit"
// (the engine's unset colour), and references to the platform's system
// colours (the high bit set, the system colour's number below), which are
// translated to plain colours before they reach the engine.
#pragma once

#include <cstdint>

namespace tc3d {

constexpr std::int32_t kInheritColor = -1;
constexpr std::uint32_t kSystemColorFlag = 0x80000000u;

// The plain colour of a colour value; raises tcErrorInvalidValue for a value
// that is neither a colour, -1, nor a known system colour.
std::int32_t plain_color(std::int32_t value);

}  // namespace tc3d
