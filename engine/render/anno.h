// Axis annotation: tick spacing and number formats, the labels of the three
// annotation methods, and the placing of labels and titles beside the cube.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cube_state.h"
#include "view_state.h"

namespace vex3d {

// ---- Numbers

// The decimals of 0: so many that a zero end never decides.
inline constexpr short kManyDecimals = 32767;

// A 1, 2 or 5 times a power of ten near |x|. Rounded: the nearest such
// number (f < 1.5 -> 1, < 3 -> 2, < 7 -> 5, else 10); not rounded: the
// smallest one at or above |x|. nice_number(0) is 0.
double nice_number(double x, bool rounded);
// -floor(log10 |x|): the number of decimals that shows x's first digit.
short decimals(double x);

// ---- Ticks

// How many labels fit along an axis of length `edge` (cube units) when each
// takes `extent` along it and needs `pitch` times that: at least 2.
int label_count(double extent, double edge, double pitch);

// Tick step, ends and format for a range with n labels. The ends are rounded
// outward to half steps unless `keep_exact`; an end that would move by a
// quarter step or more stays at its data value. A zero-length range is
// widened by 1 on each side.
AxisTicks compute_ticks(double lo, double hi, int n, bool keep_exact);

// The tick values from the first multiple of the step at or above lo up to hi.
std::vector<double> tick_values(const AxisTicks &ticks);

// A value printed with the axis format; values too small for the step's
// decimals print as 0.
std::string tick_text(const AxisTicks &ticks, double value);

// The texts whose widths decide the label count of a horizontal axis:
// " %g " of nice(lo) + nice(hi - lo) / 10 and of nice(hi) - nice(hi - lo) / 10.
void sample_labels(double lo, double hi, std::string &first, std::string &second);

// Where a value lies along an axis of half-extent `half`, in cube
// coordinates: -half at the lower end, +half at the upper end.
double axis_position(const AxisTicks &ticks, double half, double value);

// ---- Annotation methods

// The labels and grid values of one axis (0 x, 1 y, 2 z) for its annotation
// method, within the ticks' range.
void annotate_axis(const Vex3dGraph *graph, int axis, AxisAnnotation &annotation);

// Draws the labels and titles of the last layout as 3D text in the axis fonts
// (stroke or outline) and the chart foreground colour.
void draw_axes(Vex3dGraph *graph);

// ---- Layout

// Measures a text in cube units (the cube spans 2).
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual double width(TextRole role, std::string_view text) const = 0;
  virtual double height(TextRole role) const = 0;
};

// The graph's axis fonts: AXIS_STROKE_FONT at AXIS_STROKE_SIZE for labels,
// AXIS_TITLE_STROKE_FONT at AXIS_TITLE_STROKE_SIZE for titles; with
// USE_TRUETYPE on, the outline fonts of AXIS_FONT and AXIS_TITLE_FONT at the
// same sizes. Measuring makes the font current as 3D text (select_cube_font).
class AxisFontMeasure : public TextMeasure {
 public:
  explicit AxisFontMeasure(Vex3dGraph *graph) : graph_(graph) {}
  double width(TextRole role, std::string_view text) const override;
  double height(TextRole role) const override;

 private:
  Vex3dGraph *graph_;
};

// Computes ticks, labels and grid values of every axis, the data box after
// rounding and the placed texts; returns the window for the fit: the
// projected cube (or flat rectangle) grown by the annotation, y upward.
ProjectedWindow lay_out_cube(const Vex3dGraph *graph, ViewState &view, const TextMeasure &measure);

}  // namespace vex3d
