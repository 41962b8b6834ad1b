// The operation table as the chart body uses it: solid fills and thin solid
// lines in a colour, the colour handed to the back end only when it changes.
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

  // Others changed the fill (zone fills), the line (contour lines, zoned
  // mesh) or both: set them again before the next fill or line.
  void forget_fill() { fill_color_ = kNone; }
  void forget_line() { line_color_ = kNone; }
  void forget() { fill_color_ = line_color_ = kNone; }

  static constexpr int kPolylinePoints = 501;

 private:
  static constexpr long long kNone = -1LL << 40;
  Vex3dGraph *graph_;
  const Vex3dDrawOps *ops_;
  long long fill_color_ = kNone, line_color_ = kNone;
};

}  // namespace vex3d
