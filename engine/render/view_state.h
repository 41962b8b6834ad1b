// The view of a graph: the matrices from data to device coordinates, the eye,
// the projected cube and the plot cube's layout. Kept in the graph's `view`
// slot and rebuilt by every view computation, except the full-view window,
// which zooming and shifting refer to.
#pragma once

#include "cube_state.h"
#include "graph.h"
#include "matrix.h"

namespace vex3d {

enum class DrawMode { kThreeD, kFlat };

// A rectangle of the projected plane, y upward.
struct ProjectedWindow {
  double left = VALUE_UNSET, bottom = VALUE_UNSET, width = VALUE_UNSET, height = VALUE_UNSET;
};

struct ViewState final : LayerState {
  bool computed = false;  // a view has been computed at least once
  bool drawable = false;  // the chart area leaves room for a picture
  DrawMode mode = DrawMode::kThreeD;

  Matrix normalize = identity_matrix();          // N: data -> cube
  Matrix normalize_inverse = identity_matrix();  // N^-1
  Matrix rotation = identity_matrix();           // R
  Matrix rotation_inverse = identity_matrix();   // R^-1
  Matrix perspective = identity_matrix();        // P
  Matrix viewport = identity_matrix();           // W: projected plane -> device
  Matrix viewport_inverse = identity_matrix();   // W^-1
  Matrix cube_to_device = identity_matrix();     // W * P * R
  Matrix transform = identity_matrix();          // T = W * P * R * N: data -> device

  Point4 eye;                  // in cube coordinates
  double half[3] = {1, 1, 1};  // cube half-extents hx, hy, hz
  ProjectedWindow full_view;   // the reference of zoom and shift
  Point4 corners[8];           // projected through diag(1, -1, 1) * P * R
  int nearest_corner = 0, farthest_corner = 0;

  CubeState cube;
};

// The graph's view state, made on first use.
ViewState &view_state(Vex3dGraph *graph);
// The view state when one exists.
const ViewState *find_view_state(const Vex3dGraph *graph);

}  // namespace vex3d
