// The operation table as the chart body uses it: solid fills and thin solid
// lines in a colour, the colour handed to the back end only when it changed
// or somebody else set the brush or pen in between.
#pragma once

#include "draw_ops.h"
#include "graph.h"
#include "text_placement.h"

namespace vex3d {

class BodyCanvas {
 public:
  explicit BodyCanvas(Vex3dGraph *graph) : graph_(graph), ops_(graph->draw_ops) {}

  bool ready() const { return ops_ != nullptr; }
  Vex3dGraph *graph() const { return graph_; }
  const Vex3dDrawOps &ops() const { return *ops_; }

  // A filled polygon of up to 16 points (no outline).
  void fill(const DevicePoint *points, int count, int color);
  // A one-pixel solid line; a line of no length draws no pixel and is left out.
  void line(DevicePoint a, DevicePoint b, int color);
  // A polyline of up to kPolylinePoints points in a one-pixel solid line.
  void polyline(const Vex3dDevicePoint *points, int count, int color);

  static constexpr int kPolylinePoints = 501;

 private:
  // Sets the fill (the line) colour unless it is the one this canvas set
  // last and nobody has changed the brush (the pen) since: other drawers
  // (zones, contour lines, symbols, the cube) set their own between cells.
  void select_fill(int color);
  void select_line(int color);

  // The colour set last and the graph's change count just after it; a
  // colour that is no int stands for none set yet.
  struct Selected {
    long long color = -1LL << 40;
    unsigned long changes = 0;
  };
  Vex3dGraph *graph_;
  const Vex3dDrawOps *ops_;
  Selected fill_, line_;
};

}  // namespace vex3d
