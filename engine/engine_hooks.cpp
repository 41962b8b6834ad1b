// Links the layers of the engine together: each layer present fills the
// frame's hooks with its own steps, bottom up.
#include "gl.h"
#include "graph_contours.h"
#include "graph_data.h"
#include "graph_window.h"
#include "hooks.h"
#include "level_hooks.h"
#include "w_render.h"

void vex3d_install_layer_hooks(vex3d::EngineHooks &hooks) {
  vex3d::install_data_hooks(hooks);
  vex3d::install_level_hooks(hooks);
  vex3d::install_contour_hooks(hooks);
  vex3d::install_render_hooks(hooks);
  vex3d::install_output_hooks(hooks);
  vex3d::install_window_hooks(hooks);
}
