// Drawing the axis labels and titles laid out by the last view computation.
#include "anno.h"
#include "device_points.h"
#include "stroke_text.h"

namespace vex3d {

void draw_axes(Vex3dGraph *graph) {
  const ViewState *view = find_view_state(graph);
  if (!graph->draw_ops || !view || !view->computed || !view->drawable) return;
  const Vex3dDrawOps *ops = graph->draw_ops;
  ops->setsolidline(graph, chart_foreground(graph));
  const PolylineFn polyline = [graph, ops](std::span<const DevicePoint> points) {
    static_assert(sizeof(DevicePoint) == sizeof(Vex3dDevicePoint));
    ops->primitives[0].drawlines(graph, reinterpret_cast<const Vex3dDevicePoint *>(points.data()),
                                 static_cast<int>(points.size()), VEX3D_COORD_ABSOLUTE);
  };
  for (const PlacedText &t : view->cube.texts) {
    const FontRecord &font = t.role == TextRole::kLabel ? graph->axis_font : graph->axis_title_font;
    Matrix device;
    multiply(view->cube_to_device, t.placement, device);
    stroke_text(stroke_font(font.stroke_font), font.stroke_size, device.m, t.text, polyline);
  }
}

}  // namespace vex3d
