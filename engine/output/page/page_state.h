// What the page keeps in a graph's output state.
#pragma once

namespace vex3d {

struct PageState {
  // The margin's extra inset e: the picture area is (e, e, WIDTH - 2e,
  // HEIGHT - 2e). It starts at 0 and no resource changes it.
  int extra_inset = 0;
  // The chart area shows the plot cube alone (Vex3dSetPlotCubeOnly).
  bool cube_only = false;
};

}  // namespace vex3d
