#include "level_hooks.h"

#include "ctable.h"
#include "dtable.h"
#include "styles.h"

namespace vex3d {

void install_level_hooks(EngineHooks &hooks) {
  hooks.default_contour_styles = install_default_contour_styles;
  hooks.read_distn_table = Vex3dReadDistnTable;
  hooks.free_distn_table = Vex3dFreeDistnTable;
  hooks.read_contour_styles = Vex3dReadContourStyles;
  hooks.free_contour_styles = Vex3dFreeContourStyles;
}

}  // namespace vex3d
