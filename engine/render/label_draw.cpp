// Drawing a data label: its connecting line, its box and its lines of text.
#include <algorithm>

#include "chart_labels.h"
#include "device_points.h"
#include "label_line.h"
#include "text3d.h"
#include "view_state.h"

namespace vex3d {
namespace {

constexpr double kCubeUnitsPerThousandth = 0.002;

LabelBox bounding_box(const DevicePoint (&outline)[5]) {
  int x0 = outline[0].x, x1 = x0, y0 = outline[0].y, y1 = y0;
  for (const DevicePoint &p : outline) x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  return LabelBox{(x0 + x1) / 2.0, (y0 + y1) / 2.0, (x1 - x0) / 2.0, (y1 - y0) / 2.0};
}

void draw_line(Vex3dGraph *graph, const Vex3dText &text, const LabelState &s) {
  if (!text.line_show) return;
  const std::optional<DevicePoint> end = connecting_line_end(s.attached, bounding_box(s.outline), text.offset_x, text.offset_y);
  if (end) graph->draw_ops->primitives[0].drawline(graph, s.attached.x, s.attached.y, end->x, end->y);
}

void draw_box_and_text(Vex3dGraph *graph, const Vex3dText &text, const LabelState &s, const ViewState &view, int color) {
  const Vex3dDrawOps &ops = *graph->draw_ops;
  if (text.background.color != COLOR_UNSET) {
    ops.setsolidfill(graph, text.background.color);
    ops.primitives[1].fillpolygon(graph, s.outline, 4, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
    ops.primitives[1].drawlines(graph, s.outline, 5, VEX3D_COORD_ABSOLUTE);
  }
  const std::vector<std::string> &lines = text.strings.items();
  if (lines.empty()) return;
  ops.setsolidfill(graph, color);  // outline fonts are filled
  select_cube_font(graph, text.font);
  const Matrix device = label_device_matrix(graph, text, view);
  const double line_height = text.font.stroke_size * kCubeUnitsPerThousandth;
  const double top = (s.below ? 0 : -(s.text_height + s.margin)) + s.margin / 2;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const double width = text_3d_width(graph, lines[k].c_str()) * kCubeUnitsPerThousandth;
    double start = -width / 2;
    if (text.adjust == Vex3dAdjustLeft) start = -s.text_width / 2;
    if (text.adjust == Vex3dAdjustRight) start = s.text_width / 2 - width;
    Matrix m = device;
    translate(m, start, top + (static_cast<double>(k) + 0.5) * line_height, 0);
    draw_3d_text(graph, m.m, lines[k].c_str());
  }
}

}  // namespace

void start_label_drawing(Vex3dGraph *graph) {
  for (const auto &text : graph->texts)
    if (text->layout) {
      LabelState &s = label_state(text.get());
      s.line_drawn = s.text_drawn = false;
    }
}

void draw_data_label(Vex3dGraph *graph, Vex3dText &text) {
  const ViewState *view = find_view_state(graph);
  LabelState *s = text.layout ? &label_state(&text) : nullptr;
  if (!graph->draw_ops || !view || !s || !s->placed || !s->projected || (s->line_drawn && s->text_drawn)) return;
  const int color = text.foreground != COLOR_UNSET ? text.foreground : chart_foreground(graph);
  const Vex3dDrawOps &ops = *graph->draw_ops;
  ops.setlineattributes(graph, 0, VEX3D_LINE_SOLID, VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
  ops.setsolidline(graph, color);
  if (!s->line_drawn) draw_line(graph, text, *s);
  s->line_drawn = true;
  if (!s->text_drawn) draw_box_and_text(graph, text, *s, *view, color);
  s->text_drawn = true;
}

void draw_remaining_data_labels(Vex3dGraph *graph) {
  for (const auto &text : graph->texts)
    if (is_data_label(*text)) draw_data_label(graph, *text);
}

}  // namespace vex3d
