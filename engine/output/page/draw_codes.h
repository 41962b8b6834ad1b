// The drawing codes the page hands to the operation table. Named here until
// the engine's shared names for them exist.
#pragma once

namespace vex3d::page_codes {

constexpr int kLineSolid = 1;  // line style
constexpr int kCapFlat = 2;    // line cap
constexpr int kJoinMiter = 1;  // line joins
constexpr int kJoinBevel = 3;
constexpr int kFillSolid = 1;     // fill style
constexpr int kModeDefault = -1;  // drawing modes
constexpr int kModeStippledBlack = -2;
constexpr int kAlignLeft = 1, kAlignRight = 2, kAlignCentre = 3;  // aligned text

}  // namespace vex3d::page_codes
