// What the page keeps in a graph's output state.
#pragma once

#include "legend_content.h"

namespace vex3d {

struct PageState {
  // The margin's extra inset e: the picture area is (e, e, WIDTH - 2e,
  // HEIGHT - 2e). It starts at 0 and no resource changes it.
  int extra_inset = 0;
  // The chart area shows the plot cube alone (Vex3dSetPlotCubeOnly).
  bool cube_only = false;
  // The legend as last sized by the layout.
  LegendContent legend;
};

}  // namespace vex3d
