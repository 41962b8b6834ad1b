// Chart labels attached to data (by grid or point index, or by a data
// coordinate): where each one goes, the room the labels take in the z range,
// their shape in the scene and their drawing among the cells of the body.
//
// The text plane: a label's lines lie in its cube plane (xzplane: the
// baseline runs along x; yzplane: along y; the flat map has only the map's
// plane), read left to right and upright. The block stands on the attached
// place, centred over it; a label below the surface hangs under its place
// instead. The pixel offsets then move the drawn box on the device.
#pragma once

#include <vector>

#include "graph.h"
#include "matrix.h"
#include "text_placement.h"

namespace vex3d {

struct ViewState;

// What the last layout and drawing found for a label.
struct LabelState final : LayerState {
  bool placed = false;  // shown at an attached place this layout
  bool below = false;   // under the surface at its place
  double x = 0, y = 0, z = 0;  // the attached place in data units
  double text_height = 0, text_width = 0, margin = 0;  // in cube units
  bool projected = false;       // the device shape below is current
  DevicePoint attached;         // the attached place on the device
  DevicePoint outline[5];       // the box, closed, offsets applied
  Matrix placement;             // text plane (cube units) to cube coordinates
  bool line_drawn = false, text_drawn = false;  // in the current drawing
};

// The label's state, made on first use; the state when one exists.
LabelState &label_state(Vex3dText *text);
const LabelState *find_label_state(const Vex3dText *text);

// A shown label attached by index or by point.
bool is_data_label(const Vex3dText &text);

// Places every data label (its attached place, whether it lies below the
// surface) and grows the z range for their text where the range follows the
// data. Runs at the start of each view computation.
void place_data_labels(Vex3dGraph *graph);

// The device shape of every placed data label under the view just computed.
void project_data_labels(Vex3dGraph *graph, const ViewState &view);

// The matrix that takes a placed label's text plane to the device, its
// offsets applied.
Matrix label_device_matrix(const Vex3dGraph *graph, const Vex3dText &text, const ViewState &view);

// Forgets which labels the last drawing drew.
void start_label_drawing(Vex3dGraph *graph);

// Draws a placed data label's connecting line and box once per drawing.
void draw_data_label(Vex3dGraph *graph, Vex3dText &text);

// Draws every placed data label the drawing has not drawn yet.
void draw_remaining_data_labels(Vex3dGraph *graph);

// The labels of one drawing of the body in the places the body draws them:
// per grid element (column, row of the viewing portion) with the side of the
// surface each one lies on, and for point data in order of distance.
struct CellLabel {
  int cell = 0;  // column * rows + row
  bool hidden = false;  // on the side of the surface away from the eye
  Vex3dText *text = nullptr;
};
struct DistantLabel {
  double distance = 0;
  Vex3dText *text = nullptr;
};
struct LabelIndex {
  std::vector<CellLabel> cells;       // by cell
  std::vector<DistantLabel> points;   // farthest first
  std::size_t next_point = 0;
  int rows = 0;
};

}  // namespace vex3d
