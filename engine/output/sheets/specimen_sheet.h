// The specimen sheet of the fonts of 3D text: each of the 17 stroke fonts
// and two outline fonts with its name and the characters 32 to 127, laid flat
// and again tilted away in perspective.
#pragma once

#include "restable.h"

namespace vex3d {

inline constexpr int kSpecimenWidth = 1500, kSpecimenHeight = 1300;

// Draws the sheet into the graph's current context, which is at least
// kSpecimenWidth x kSpecimenHeight pixels.
void draw_specimen(Vex3dGraph *graph);

}  // namespace vex3d
