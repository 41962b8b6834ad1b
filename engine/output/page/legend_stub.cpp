#include "legend.h"

namespace vex3d {
Size size_legend(Vex3dGraph *) { return Size{}; }
void draw_legend(Vex3dGraph *) {}
}  // namespace vex3d
