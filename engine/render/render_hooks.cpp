// The steps the frame takes from the render layer.
#include "gl.h"
#include "hooks.h"

namespace vex3d {

void install_render_hooks(EngineHooks &hooks) { hooks.cube_half_extents = compute_half_extents; }

}  // namespace vex3d
