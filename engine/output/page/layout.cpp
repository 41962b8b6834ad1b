// The page layout.
#include "page_drawing.h"

namespace vex3d {

void lay_out_page(Vex3dGraph *g) {
  g->graph_rect = Rect{0, 0, g->width, g->height};
  g->layout_valid = 1;
}

}  // namespace vex3d
