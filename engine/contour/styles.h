// Contour styles inside the engine.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "restable.h"

namespace vex3d {

// The 100 default styles.
std::vector<Vex3dContourStyle> default_contour_styles();
// Gives the graph a fresh copy of the default styles.
void install_default_contour_styles(Vex3dGraph *graph);

// The style index of level or zone k of n in a table of `styles` styles:
// the first and last zones take the first and last styles, the others are
// spread evenly between them; with no levels every zone takes style 0.
int style_of_level(int styles, int levels, int k);

// A style as one line of a styles file, without the line feed:
// "fill line width pattern". Nothing when the pattern has no name.
std::optional<std::string> style_text(const Vex3dContourStyle &style);

}  // namespace vex3d
