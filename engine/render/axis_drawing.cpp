// Drawing the axis labels and titles laid out by the last view computation.
#include "anno.h"
#include "device_points.h"
#include "text3d.h"

namespace vex3d {

void draw_axes(Vex3dGraph *graph) {
  const ViewState *view = find_view_state(graph);
  if (!graph->draw_ops || !view || !view->computed || !view->drawable) return;
  // Stroke text is drawn with the pen, outline text (USE_TRUETYPE) filled.
  const int color = chart_foreground(graph);
  graph->draw_ops->setsolidline(graph, color);
  graph->draw_ops->setsolidfill(graph, color);
  for (const PlacedText &t : view->cube.texts) {
    select_cube_font(graph, t.role == TextRole::kLabel ? graph->axis_font : graph->axis_title_font);
    Matrix device;
    multiply(view->cube_to_device, t.placement, device);
    draw_3d_text(graph, device.m, t.text.c_str());
  }
}

}  // namespace vex3d
