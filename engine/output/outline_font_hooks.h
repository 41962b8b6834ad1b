// The platform's outline faces for 3D text, reached from the renderer
// through the frame's hooks.
#pragma once

#include "hooks.h"

namespace vex3d {

void install_outline_font_hooks(EngineHooks &hooks);

}  // namespace vex3d
