#include "pixel_labels.h"

#include <algorithm>

#include "hdft.h"
#include "label_line.h"
#include "w_render.h"

namespace vex3d {

bool has_pixel_label(const Vex3dGraph *graph) {
  for (const auto &text : graph->texts)
    if (text->attach_method == Vex3dAttachPixel) return true;
  return false;
}

void draw_pixel_labels(Vex3dGraph *graph) {
  for (const auto &owned : graph->texts) {
    Vex3dText &text = *owned;
    if (!text.show || text.attach_method != Vex3dAttachPixel) continue;
    const Size size = title_size(graph, text);
    if (!text.shown) continue;
    // Positions are ints of the resources; the centre is kept in reach.
    const long long cx = 1LL * text.attach_pixel_x + text.offset_x, cy = 1LL * text.attach_pixel_y + text.offset_y;
    constexpr long long kReach = 1 << 24;
    const int x = static_cast<int>(std::clamp(cx - size.width / 2, -kReach, kReach));
    const int y = static_cast<int>(std::clamp(cy - size.height / 2, -kReach, kReach));
    text.rect = Rect{x, y, size.width, size.height};
    if (text.line_show) {
      const LabelBox box{x + size.width / 2.0, y + size.height / 2.0, size.width / 2.0, size.height / 2.0};
      const DevicePoint attached{text.attach_pixel_x, text.attach_pixel_y};
      if (const auto end = connecting_line_end(attached, box, text.offset_x, text.offset_y)) {
        // A thin solid line in the colour of the label's text.
        Vex3dSetDrawingMode(graph, VEX3D_MODE_NEUTRAL, 0);
        graph->draw_ops->setsolidline(graph, region_foreground(graph, text.foreground));
        graph->draw_ops->primitives[0].drawline(graph, attached.x, attached.y, end->x, end->y);
      }
    }
    draw_title(graph, text);
  }
}

}  // namespace vex3d
