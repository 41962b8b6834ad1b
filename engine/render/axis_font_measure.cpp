// Measuring axis labels and titles in the stroke fonts.
#include "anno.h"
#include "stroke_text.h"

namespace vex3d {
namespace {

// Sizes are thousandths of the cube, which spans 2 units.
constexpr double kCubeUnitsPerSize = 0.002;

const FontRecord &font_of(const Vex3dGraph *graph, TextRole role) {
  return role == TextRole::kLabel ? graph->axis_font : graph->axis_title_font;
}

}  // namespace

double AxisFontMeasure::width(TextRole role, std::string_view text) const {
  const FontRecord &font = font_of(graph_, role);
  return stroke_text_width(stroke_font(font.stroke_font), font.stroke_size, text) * kCubeUnitsPerSize;
}

double AxisFontMeasure::height(TextRole role) const { return font_of(graph_, role).stroke_size * kCubeUnitsPerSize; }

}  // namespace vex3d
