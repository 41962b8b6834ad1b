// Border shades: the light and dark colours that give a region's border its
// three-dimensional look, derived from the region's background colour.
#pragma once

#include "graph.h"

namespace vex3d {

struct Shades {
  int light = 0;
  int dark = 0;
};

// The two shades of a colour (0xBBGGRR), by the HSV rule: the dark shade keeps
// 65 % of the value, the light one gains a fifth of it (white and near-white
// become 95 % grey so that a light edge on white stays visible).
Shades border_shades(int color);

// The shades of a background colour record, computed on first use after the
// colour changed and kept in the record (device[0] light, device[1] dark).
Shades border_shades(BackgroundColor &record);

}  // namespace vex3d
