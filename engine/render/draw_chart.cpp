// The drawing of the chart area: the three-dimensional view with the plot
// cube around the body, or the flat map.
#include <algorithm>

#include "anno.h"
#include "basecube.h"
#include "body.h"
#include "body_draw.h"
#include "draw_contours.h"
#include "gl.h"
#include "graph_contours.h"
#include "grid.h"
#include "projections.h"
#include "traversal.h"

namespace vex3d {
namespace {

// The chart area filled with its background and drawing clipped to it, less
// its border.
void prepare_area(Vex3dGraph *graph, int factor) {
  const Vex3dDrawOps &ops = *graph->draw_ops;
  const Rect &r = graph->graph_rect;
  const int background =
      graph->graph_background.color != COLOR_UNSET ? graph->graph_background.color : graph->background.color;
  ops.setsolidfill(graph, background);
  ops.primitives[0].fillrectangle(graph, r.x * factor, r.y * factor, r.width * factor, r.height * factor);
  const Rect inner = inner_chart_rect(r, graph->graph_border, graph->graph_border_width);
  const Rect clip{inner.x * factor, inner.y * factor, inner.width * factor, inner.height * factor};
  ops.setclip(graph, &clip);
}

bool grid_data(const Vex3dGraph *graph) {
  const Vex3dDataInfo &info = graph->surface_info;
  return info.valid && !info.empty && info.type != VEX3D_POINT;
}

bool point_data(const Vex3dGraph *graph) {
  const Vex3dDataInfo &info = graph->surface_info;
  return info.valid && !info.empty && info.type == VEX3D_POINT;
}

// Whether a surface shows anything: its mode has a painter, and a mesh alone
// (or with zones) needs a meshed direction.
bool surface_shows(const BodyPass &pass) {
  if (pass.painter.count == 0) return false;
  const int lines_only = pass.mode & ~(kModeZones | kModeContours);
  const bool contours = pass.mode & kModeContours;
  return !(lines_only == kModeMesh && !contours && !pass.graph->x.mesh_show && !pass.graph->y.mesh_show);
}

void draw_grid_body(BodyPass &pass) {
  const ProjectedGrid &grid = pass.state.grid;
  const Vex3dGraph *graph = pass.graph;
  switch (graph->type) {
    case Vex3dTypeSurface:
      if (grid.nx < 2 || grid.ny < 2 || !surface_shows(pass)) return;
      if (transparent_mesh_applies(pass)) {
        draw_transparent_mesh(pass);
        return;
      }
      traverse_cells(pass.state.eye, pass.state.view_flags,
                     [&](int i, int j, int tag) { draw_surface_cell(pass, i, j, tag); });
      if (graph->solid_surface) draw_solid_skirt(pass);
      return;
    case Vex3dTypeBar:
      if ((graph->x.bar_format == Vex3dBarHistogram && grid.nx < 2) ||
          (graph->y.bar_format == Vex3dBarHistogram && grid.ny < 2))
        return;
      traverse_cells(pass.state.eye, pass.state.view_flags,
                     [&](int i, int j, int tag) { draw_bar_cell(pass, i, j, tag); });
      return;
    case Vex3dTypeScatter:
      traverse_cells(pass.state.eye, pass.state.view_flags,
                     [&](int i, int j, int tag) { draw_scatter_cell(pass, i, j, tag); });
      return;
    default: return;
  }
}

void draw_three_d(Vex3dGraph *graph, const ViewState &view) {
  const bool projecting =
      grid_data(graph) && graph->type == Vex3dTypeSurface && (graph->project_zmin || graph->project_zmax);
  const bool floor_inside = seen_from_inside(view, CubePlane::kFloor);
  const bool ceiling_inside = seen_from_inside(view, CubePlane::kCeiling);
  prepare_drawing(graph);
  BodyPass pass(graph, body_state(graph), view);

  draw_axes(graph);
  draw_cube_back(graph);
  if (projecting) {
    if (floor_inside) draw_projection(pass, CubePlane::kFloor, graph->project_zmin);
    if (ceiling_inside) draw_projection(pass, CubePlane::kCeiling, graph->project_zmax);
  }
  draw_grid_lines(graph);
  if (grid_data(graph)) draw_grid_body(pass);
  if (point_data(graph)) draw_point_data(pass);
  if (projecting) {
    // Seen from outside, a plane lies in front of the body: over it, and
    // under the cube's front edges.
    if (!ceiling_inside && graph->project_zmax) {
      draw_projection(pass, CubePlane::kCeiling, graph->project_zmax);
      draw_front_edges(graph);
    }
    if (!floor_inside && graph->project_zmin) {
      draw_projection(pass, CubePlane::kFloor, graph->project_zmin);
      draw_front_edges(graph);
    }
  }
}

void draw_flat_map(Vex3dGraph *graph, const ViewState &view) {
  prepare_drawing(graph);
  BodyPass pass(graph, body_state(graph), view);
  draw_cube_back(graph);
  if (grid_data(graph) && graph->type != Vex3dTypeScatter && current_contours(graph)) {
    const ProjectedGrid &grid = pass.state.grid;
    if (graph->draw_zones)
      fill_all_zones(
          graph,
          [&](int i, int j) {
            const DevicePoint p = grid.at(i, j);
            return ScreenPoint{p.x, p.y};
          },
          nullptr);
    if (graph->draw_contours) draw_contour_lines(graph);
  }
  draw_axes(graph);
  draw_grid_lines(graph);
  draw_flat_frame(graph);
  if (point_data(graph)) {
    draw_point_data(pass);
  } else if (grid_data(graph) && graph->type == Vex3dTypeScatter) {
    const ProjectedGrid &grid = pass.state.grid;
    for (int i = 0; i < grid.nx; ++i)
      for (int j = 0; j < grid.ny; ++j) draw_scatter_cell(pass, i, j, 1);
  }
}

// The chart area's background, then `draw` clipped to the area when the view
// leaves room for a picture.
template <typename Draw>
void draw_in_chart_area(Vex3dGraph *graph, Draw draw) {
  if (!graph || !graph->draw_ops) return;
  const ViewState *view = find_view_state(graph);
  if (!view || !view->computed) return;
  prepare_area(graph, std::max(1, coordinate_factor(graph->draw_ops)));
  if (view->drawable) draw(*view);
  graph->draw_ops->setclip(graph, nullptr);
}

}  // namespace

void draw_chart(Vex3dGraph *graph) {
  draw_in_chart_area(graph, [graph](const ViewState &view) {
    if (view.mode == DrawMode::kFlat)
      draw_flat_map(graph, view);
    else
      draw_three_d(graph, view);
  });
}

void draw_empty_chart(Vex3dGraph *graph) {
  draw_in_chart_area(graph, [graph](const ViewState &) { draw_empty_cube(graph); });
}

}  // namespace vex3d
