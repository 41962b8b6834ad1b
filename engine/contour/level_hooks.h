// What the levels, styles and per-cell colours give the frame.
#pragma once

#include "hooks.h"

namespace vex3d {

// Default styles for new graphs, and the levels and styles file readers
// behind the text forms of DISTN_TABLE and CONTOUR_STYLES.
void install_level_hooks(EngineHooks &hooks);

}  // namespace vex3d
