// Drawing the plot cube: back faces and edges, front edges, the flat map's
// rectangle and the preview outline.
#include "anno.h"
#include "basecube.h"
#include "device_points.h"
#include "grid.h"

namespace vex3d {
namespace {

// Dashes of the preview's front edges: 2 on, 4 off.
constexpr int kPreviewDashes[] = {2, 4};

// The view to draw from, or none when there is nothing to draw into.
const ViewState *drawable_view(const Vex3dGraph *graph) {
  const ViewState *view = find_view_state(graph);
  if (!graph->draw_ops || !view || !view->computed || !view->drawable) return nullptr;
  return view;
}

void fill_cube_polygon(Vex3dGraph *graph, const ViewState &view, const Vec3 *points, int count) {
  Vex3dDevicePoint device[4];
  for (int i = 0; i < count; ++i) {
    const auto p = cube_to_device(view, points[i]);
    if (!p) return;
    device[i] = *p;
  }
  graph->draw_ops->primitives[0].fillpolygon(graph, device, count, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
}

// The flat map's plot rectangle in the plane z = 0.
void flat_rectangle(const ViewState &view, Vec3 out[4]) {
  const double hx = view.half[0], hy = view.half[1];
  out[0] = Vec3{-hx, -hy, 0};
  out[1] = Vec3{hx, -hy, 0};
  out[2] = Vec3{hx, hy, 0};
  out[3] = Vec3{-hx, hy, 0};
}

void draw_edges(Vex3dGraph *graph, const ViewState &view, bool back) {
  for (int e = 0; e < 12; ++e) {
    if (!edge_shown(graph, e) || view.cube.flags.edges[e].back != back) continue;
    const Segment3 s = edge_segment(view, e);
    draw_cube_line(graph, view, s.a, s.b);
  }
}

}  // namespace

void draw_cube_back(Vex3dGraph *graph) {
  const ViewState *view = drawable_view(graph);
  if (!view) return;
  const int background = graph->data_area_background.color;
  if (view->mode == DrawMode::kFlat) {
    if (background == COLOR_UNSET) return;
    Vec3 rect[4];
    flat_rectangle(*view, rect);
    graph->draw_ops->setsolidfill(graph, background);
    fill_cube_polygon(graph, *view, rect, 4);
    return;
  }
  if (background != COLOR_UNSET) {
    graph->draw_ops->setsolidfill(graph, background);
    for (int f = 0; f < 6; ++f) {
      if (view->cube.flags.faces[f] != kBackFace) continue;
      Vec3 corners[4];
      face_points(*view, f, corners);
      fill_cube_polygon(graph, *view, corners, 4);
    }
  }
  graph->draw_ops->setsolidline(graph, chart_foreground(graph));
  draw_edges(graph, *view, true);
}

void draw_front_edges(Vex3dGraph *graph) {
  const ViewState *view = drawable_view(graph);
  if (!view || view->mode == DrawMode::kFlat) return;
  graph->draw_ops->setsolidline(graph, chart_foreground(graph));
  draw_edges(graph, *view, false);
}

void draw_flat_frame(Vex3dGraph *graph) {
  const ViewState *view = drawable_view(graph);
  if (!view || view->mode != DrawMode::kFlat) return;
  Vec3 rect[4];
  flat_rectangle(*view, rect);
  graph->draw_ops->setsolidline(graph, chart_foreground(graph));
  for (int i = 0; i < 4; ++i) draw_cube_line(graph, *view, rect[i], rect[(i + 1) % 4]);
}

void draw_preview_outline(Vex3dGraph *graph) {
  const ViewState *view = drawable_view(graph);
  if (!view) return;
  const bool flat = view->mode == DrawMode::kFlat;
  graph->draw_ops->setsolidline(graph, chart_foreground(graph));
  draw_edges(graph, *view, true);
  for (const Segment3 &s : orientation_marker(*view)) draw_cube_line(graph, *view, s.a, s.b);
  if (!flat) {
    graph->draw_ops->setlineattributes(graph, 1, VEX3D_LINE_DASHED, VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
    graph->draw_ops->setdashes(graph, Vex3dLpatShortDash, 0, 2, kPreviewDashes);
  }
  draw_edges(graph, *view, false);
  graph->draw_ops->setsolidline(graph, chart_foreground(graph));
}

void draw_empty_cube(Vex3dGraph *graph) {
  const ViewState *view = drawable_view(graph);
  if (!view) return;
  if (view->mode == DrawMode::kFlat) {
    draw_cube_back(graph);
    draw_axes(graph);
    draw_grid_lines(graph);
    draw_flat_frame(graph);
    return;
  }
  draw_axes(graph);
  draw_cube_back(graph);
  draw_grid_lines(graph);
  draw_front_edges(graph);
}

}  // namespace vex3d
