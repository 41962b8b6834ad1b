#include "chart_area.h"

#include <cmath>

namespace tc3d {
namespace chart_area_rows {
#define TC3D_MEMBERS "chart_area_members.def"
#include "member_table.inc"
}  // namespace chart_area_rows
namespace plot_cube_rows {
#define TC3D_MEMBERS "plot_cube_members.def"
#include "member_table.inc"
}  // namespace plot_cube_rows
namespace ceiling_rows {
using Face = ICeiling;
#define TC3D_MEMBERS "cube_face_members.def"
#include "member_table.inc"
}  // namespace ceiling_rows
namespace floor_rows {
using Face = IFloor;
#define TC3D_MEMBERS "cube_face_members.def"
#include "member_table.inc"
}  // namespace floor_rows
namespace projection_rows {
#define TC3D_MEMBERS "projection_members.def"
#include "member_table.inc"
}  // namespace projection_rows
namespace view3d_rows {
#define TC3D_MEMBERS "view3d_members.def"
#include "member_table.inc"
}  // namespace view3d_rows
namespace viewport_rows {
#define TC3D_MEMBERS "viewport_members.def"
#include "member_table.inc"
}  // namespace viewport_rows
namespace surface_rows {
#define TC3D_MEMBERS "surface_members.def"
#include "member_table.inc"
}  // namespace surface_rows
namespace bar_rows {
#define TC3D_MEMBERS "bar_members.def"
#include "member_table.inc"
}  // namespace bar_rows

TC3D_MODEL_CLASS_INFO(IChartArea, chart_area_rows)
TC3D_MODEL_CLASS_INFO(IPlotCube, plot_cube_rows)
TC3D_MODEL_CLASS_INFO(IProjection, projection_rows)
TC3D_MODEL_CLASS_INFO(IView3D, view3d_rows)
TC3D_MODEL_CLASS_INFO(IViewport, viewport_rows)
TC3D_MODEL_CLASS_INFO(ISurface, surface_rows)
TC3D_MODEL_CLASS_INFO(IBar, bar_rows)

template <>
const ClassInfo &ICeiling::info() {
  static constexpr ClassInfo kInfo{"ICeiling", "ICeiling", "ICeiling_Dual", ceiling_rows::kMembers};
  return kInfo;
}
template <>
const ClassInfo &IFloor::info() {
  static constexpr ClassInfo kInfo{"IFloor", "IFloor", "IFloor_Dual", floor_rows::kMembers};
  return kInfo;
}

namespace {

constexpr SelectorRow kProjectionSelector[] = {
    row(kSelectProjection,
        SelectorEntry{PartTag::kPlotCube, static_cast<int>(CubeFaceIndex::kCeiling), VEX3D_PROJECT_ZMAX},
        SelectorEntry{PartTag::kPlotCube, static_cast<int>(CubeFaceIndex::kFloor), VEX3D_PROJECT_ZMIN}),
};

constexpr double kPercent = 100;

}  // namespace

std::span<const SelectorRow> IProjection::selector() const { return kProjectionSelector; }

double IPlotCube::scale_percent(int resource) {
  double ratio = 0;
  Vex3dGetValues(connected_graph(), resource, &ratio, 0);
  return ratio * kPercent;
}

void IPlotCube::set_scale_percent(int resource, double percent) {
  Vex3dGraph *g = connected_graph();
  if (!(percent > 0) || !std::isfinite(percent)) raise(ErrorCode::tcErrorOutOfRange);
  Vex3dSetValues(g, resource, percent / kPercent, 0);
}

double IPlotCube::x_scale() { return scale_percent(VEX3D_XSCALE); }
void IPlotCube::set_x_scale(double percent) { set_scale_percent(VEX3D_XSCALE, percent); }
double IPlotCube::y_scale() { return scale_percent(VEX3D_YSCALE); }
void IPlotCube::set_y_scale(double percent) { set_scale_percent(VEX3D_YSCALE, percent); }

void IPlotCube::attach_children() {
  ceiling_->attach(owner(), this, part_tag());
  floor_->attach(owner(), this, part_tag());
  interior_->attach(owner(), this, part_tag());
}

void IPlotCube::detach_children() {
  interior_->detach();
  floor_->detach();
  ceiling_->detach();
}

void IChartArea::attach_children() {
  BoxedPart::attach_children();
  plot_cube_->attach(owner(), this, PartTag::kPlotCube);
  axes_->attach(owner(), this, part_tag());
  bar_->attach(owner(), this, part_tag());
  surface_->attach(owner(), this, part_tag());
  viewport_->attach(owner(), this, part_tag());
  view3d_->attach(owner(), this, part_tag());
}

void IChartArea::detach_children() {
  view3d_->detach();
  viewport_->detach();
  surface_->detach();
  bar_->detach();
  axes_->detach();
  plot_cube_->detach();
  BoxedPart::detach_children();
}

}  // namespace tc3d
