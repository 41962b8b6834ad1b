// Measuring axis labels and titles in the fonts they are drawn in.
#include <string>

#include "anno.h"
#include "text3d.h"

namespace vex3d {
namespace {

// Sizes are thousandths of the cube, which spans 2 units.
constexpr double kCubeUnitsPerSize = 0.002;

const FontRecord &font_of(const Vex3dGraph *graph, TextRole role) {
  return role == TextRole::kLabel ? graph->axis_font : graph->axis_title_font;
}

}  // namespace

double AxisFontMeasure::width(TextRole role, std::string_view text) const {
  select_cube_font(graph_, font_of(graph_, role));
  return text_3d_width(graph_, std::string(text).c_str()) * kCubeUnitsPerSize;
}

// Both kinds of font are scaled so that their height (the em square of an
// outline font) is the size.
double AxisFontMeasure::height(TextRole role) const { return font_of(graph_, role).stroke_size * kCubeUnitsPerSize; }

}  // namespace vex3d
