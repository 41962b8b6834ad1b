// What the plot cube keeps between a view computation and the drawings that
// follow it: edge and face flags, the data box, the ticks of each axis and
// the annotation laid out for the fit.
#pragma once

#include <string>
#include <vector>

#include "matrix.h"

namespace vex3d {

// Flags of one cube edge.
struct EdgeFlags {
  bool back = false;  // drawn with the back of the cube
  bool axis = false;  // may carry its axis's annotation
};

enum FaceFlag : int { kFrontFace = 1, kBackFace = 2 };

// Edge and face flags for one eye position.
struct CubeFlags {
  EdgeFlags edges[12];
  int faces[6] = {};
  int eye_bits = 0;  // 1 x >= 1, 2 x <= -1, 4 y >= 1, 8 y <= -1, 16 z >= 1, 32 z <= -1
};

// The ends of the three axes in data units: index 0 x, 1 y, 2 z.
struct DataBox {
  double min[3] = {0, 0, 0};
  double max[3] = {1, 1, 1};
};

// Tick spacing and number format of one axis.
struct AxisTicks {
  double lo = 0, hi = 1;  // the axis ends as drawn
  double step = 1;
  double first = 0;          // the first multiple of the step at or above lo
  short step_decimals = 0;   // d(step)
  short end_decimals = 0;    // the smaller of d(lo) and d(hi)
  char format[16] = "%.0f";  // printf-style, one double
};

// Which font a laid-out text uses.
enum class TextRole { kLabel, kTitle };

// A text placed in the scene: `placement` maps the text's own plane (x along
// the baseline from the text's start, y downward from its centre line, in
// cube units) into cube coordinates. `box` holds the corners of the text's
// extent in cube coordinates, for the fit and for overlap checks.
struct PlacedText {
  TextRole role = TextRole::kLabel;
  int axis = 0;
  std::string text;
  Matrix placement;
  Vec3 box[4];
};

// One annotation entry of an axis: a value in data units with its text
// (empty for a grid line that carries no label).
struct AxisMark {
  double value = 0;
  std::string text;
};

// Everything one axis shows.
struct AxisAnnotation {
  AxisTicks ticks;
  std::vector<AxisMark> labels;
  std::vector<double> grid_values;
  int annotated_edge = -1;  // the edge carrying the labels, -1 for none
  bool vertical = false;    // the axis runs mostly vertically on the device
  double label_height = 0;  // annotation text height used in the fit, cube units
};

struct CubeState {
  CubeFlags flags;
  DataBox box;  // after tick rounding: the data window of the view
  AxisAnnotation axes[3];
  std::vector<PlacedText> texts;  // labels and titles of every annotated axis
};

}  // namespace vex3d
