// The shape of a data label in the scene: its text plane through the cube
// and the box outline on the device.
#include <algorithm>
#include <cmath>

#include "chart_labels.h"
#include "text_frame.h"
#include "view_state.h"

namespace vex3d {
namespace {

// The box in its text plane: x across the baseline from the block's centre,
// y downward from the attached place.
struct PlaneBox {
  double left, top, right, bottom;
};

PlaneBox plane_box(const LabelState &s) {
  const double half = (s.text_width + s.margin) / 2, height = s.text_height + s.margin;
  // The block stands on its place, or hangs under it below the surface.
  return s.below ? PlaneBox{-half, 0, half, height} : PlaneBox{-half, -height, half, 0};
}

Matrix placement_from(const TextFrame &f, const Vec3 &origin) {
  Matrix m = identity_matrix();
  const Vec3 n = cross(f.u, f.v);
  const Vec3 columns[4] = {f.u, f.v, n, origin};
  for (int c = 0; c < 4; ++c) {
    m.m[0][c] = columns[c].x;
    m.m[1][c] = columns[c].y;
    m.m[2][c] = columns[c].z;
    m.m[3][c] = c == 3 ? 1 : 0;
  }
  return m;
}

}  // namespace

Matrix label_device_matrix(const Vex3dGraph *graph, const Vex3dText &text, const ViewState &view) {
  const LabelState &s = *find_label_state(&text);
  const int factor = std::max(1, coordinate_factor(graph->draw_ops));
  // The offsets move the drawn text on the device, after the projection.
  Matrix shift = identity_matrix();
  shift.m[0][3] = 1.0 * text.offset_x * factor;
  shift.m[1][3] = 1.0 * text.offset_y * factor;
  Matrix device, shifted;
  multiply(view.cube_to_device, s.placement, device);
  multiply(shift, device, shifted);
  return shifted;
}

void project_data_labels(Vex3dGraph *graph, const ViewState &view) {
  const bool flat = view.mode == DrawMode::kFlat;
  const Projection project = scene_projection(view);
  for (const auto &owned : graph->texts) {
    Vex3dText &text = *owned;
    if (!is_data_label(text) || !text.layout) continue;
    LabelState &s = label_state(&text);
    s.projected = false;
    if (!s.placed) continue;
    const Point4 c = transform_point(view.normalize, Point4{s.x, s.y, s.z, 1});
    const Point4 d = transform_point(view.transform, Point4{s.x, s.y, s.z, 1});
    if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z) || std::isnan(d.x) || std::isnan(d.y)) continue;
    const Vec3 at{c.x, c.y, flat ? 0 : c.z};
    // The map's own plane on a flat chart; else the label's cube plane,
    // baseline along x or y, upright along z.
    const Vec3 u = flat || text.plane != Vex3dyzplane ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
    const Vec3 v = flat ? Vec3{0, -1, 0} : Vec3{0, 0, -1};
    s.placement = placement_from(text_frame(project, at, u, v), at);
    s.attached = DevicePoint{device_round(d.x), device_round(d.y)};
    const Matrix device = label_device_matrix(graph, text, view);
    const PlaneBox b = plane_box(s);
    const double xs[4] = {b.left, b.right, b.right, b.left}, ys[4] = {b.top, b.top, b.bottom, b.bottom};
    bool ok = true;
    for (int k = 0; k < 4 && ok; ++k) {
      const std::optional<DevicePoint> p = place(device.m, xs[k], ys[k]);
      ok = p.has_value();
      if (ok) s.outline[k] = *p;
    }
    s.outline[4] = s.outline[0];
    s.projected = ok;
  }
}

}  // namespace vex3d
