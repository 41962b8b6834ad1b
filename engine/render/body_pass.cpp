// Gathering what one drawing of the body reads.
#include "body_pass.h"

#include <algorithm>

#include "gl.h"
#include "restable.h"

namespace vex3d {
namespace {

int inherited(int color, int fallback) { return color != COLOR_UNSET ? color : fallback; }

}  // namespace

GridValues grid_values(const Vex3dGraph *graph) {
  GridValues v;
  const Vex3dDataInfo &info = graph->surface_info;
  const ViewingPortion &p = graph->ranges.portion;
  const bool grid = info.valid && !info.empty && info.type != VEX3D_POINT && info.values && info.xgrid && info.ygrid &&
                    p.first_x >= 0 && p.first_y >= 0 && p.count_x > 0 && p.count_y > 0 &&
                    p.first_x + p.count_x <= info.numx && p.first_y + p.count_y <= info.numy;
  if (!grid) return v;
  v.first_x = p.first_x, v.first_y = p.first_y;
  v.nx = p.count_x, v.ny = p.count_y;
  v.x = info.xgrid + p.first_x;
  v.y = info.ygrid + p.first_y;
  v.rows = info.values;
  v.hole = info.hole;
  return v;
}

BodyPass::BodyPass(Vex3dGraph *g, BodyState &s, const ViewState &v)
    : graph(g), state(s), view(v), canvas(g), values(grid_values(g)), cell_colors(g) {
  mode = s.mode;
  painter = painter_for(mode, g->draw_hidden_lines != 0);
  erase_color = inherited(g->graph_background.color, g->background.color);
  foreground = inherited(g->graph_foreground, g->foreground);
  surface_top = g->surface_top, surface_bottom = g->surface_bottom;
  mesh_top = g->mesh_top, mesh_bottom = g->mesh_bottom;
  cull = !g->view_normalized;
  coordinate_factor = std::max(1, vex3d::coordinate_factor(g->draw_ops));
  const Rect &r = g->graph_rect;
  area =
      Rect{r.x * coordinate_factor, r.y * coordinate_factor, r.width * coordinate_factor, r.height * coordinate_factor};
  z_floor = v.cube.box.min[2];
  labels = index_body_labels(*this);
}

DevicePoint BodyPass::project(double x, double y, double z) const {
  const Point4 p = transform_point(view.transform, Point4{x, y, z, 1});
  return DevicePoint{device_round(p.x), device_round(p.y)};
}

bool BodyPass::outside_area(int x0, int y0, int x1, int y1) const {
  return x1 < area.x || y1 < area.y || x0 > area.x + area.width || y0 > area.y + area.height;
}

}  // namespace vex3d
