#include "level_hooks.h"

#include "ctable.h"
#include "dtable.h"
#include "styles.h"

namespace vex3d {

void install_level_hooks(EngineHooks &hooks) { hooks.default_contour_styles = install_default_contour_styles; }

}  // namespace vex3d
