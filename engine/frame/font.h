// Font handles: a realised font description and what the platform keeps for it.
#pragma once

#include <memory>

#include "owned.h"
#include "types.h"

struct Vex3dFont {
  Vex3dFontDesc desc{};
  std::unique_ptr<vex3d::LayerState> platform;  // the face the platform resolved
};

namespace vex3d {

// A new font made from a description as it stands (no realisation).
Vex3dFont *make_font(const Vex3dFontDesc &desc);

}  // namespace vex3d
