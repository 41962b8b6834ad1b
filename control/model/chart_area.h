// IChartArea and what it holds: the plot cube with its ceiling, floor and
// interior, the projections, the axes, the view, the viewport, the surface and the
// bars with their cell colours.
#pragma once

#include "axis.h"
#include "boxed_part.h"
#include "data_colors.h"

namespace tc3d {

// Which face of the cube a projection is drawn on (the projection's index).
enum class CubeFaceIndex : int { kFloor = 0, kCeiling = 1 };

class IProjection : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IProjection)
#define TC3D_MEMBERS "projection_members.def"
#include "typed_accessors.inc"

 protected:
  std::span<const SelectorRow> selector() const override;
};

// ICeiling and IFloor: one shape, two classes of the type library.
template <class Names>
class CubeFace : public ModelObject {
 public:
  static constexpr std::string_view kClassName = Names::kName;
  static const ClassInfo &info();
  const ClassInfo &class_info() const override { return info(); }
#define TC3D_MEMBERS "cube_face_members.def"
#include "typed_accessors.inc"

  std::shared_ptr<IProjection> projection() { return projection_; }

 protected:
  void attach_children() override { projection_->attach(owner(), this, part_tag(), static_cast<int>(Names::kFace)); }
  void detach_children() override { projection_->detach(); }

 private:
  std::shared_ptr<IProjection> projection_ = std::make_shared<IProjection>();
};

struct CeilingNames {
  static constexpr std::string_view kName = "ICeiling";
  static constexpr CubeFaceIndex kFace = CubeFaceIndex::kCeiling;
};
struct FloorNames {
  static constexpr std::string_view kName = "IFloor";
  static constexpr CubeFaceIndex kFace = CubeFaceIndex::kFloor;
};
using ICeiling = CubeFace<CeilingNames>;
using IFloor = CubeFace<FloorNames>;

class IPlotCube : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IPlotCube)
#define TC3D_MEMBERS "plot_cube_members.def"
#include "typed_accessors.inc"

  // The cube's extent along X and Y in percent of its height (the engine
  // holds the ratio); a value not above 0 raises tcErrorOutOfRange.
  double x_scale();
  void set_x_scale(double percent);
  double y_scale();
  void set_y_scale(double percent);
  std::shared_ptr<ICeiling> ceiling() { return ceiling_; }
  std::shared_ptr<IFloor> floor() { return floor_; }
  std::shared_ptr<IInterior> interior() { return interior_; }

 protected:
  void attach_children() override;
  void detach_children() override;

 private:
  double scale_percent(int resource);
  void set_scale_percent(int resource, double percent);

  std::shared_ptr<ICeiling> ceiling_ = std::make_shared<ICeiling>();
  std::shared_ptr<IFloor> floor_ = std::make_shared<IFloor>();
  std::shared_ptr<IInterior> interior_ = std::make_shared<IInterior>();
};

class IView3D : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IView3D)
#define TC3D_MEMBERS "view3d_members.def"
#include "typed_accessors.inc"
};

class IViewport : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IViewport)
#define TC3D_MEMBERS "viewport_members.def"
#include "typed_accessors.inc"
};

class ISurface : public ModelObject {
  TC3D_MODEL_CLASS_BODY(ISurface)
#define TC3D_MEMBERS "surface_members.def"
#include "typed_accessors.inc"
};

class IBar : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IBar)
#define TC3D_MEMBERS "bar_members.def"
#include "typed_accessors.inc"

  std::shared_ptr<IDataColorCollection> colors() { return colors_; }

 protected:
  void attach_children() override { colors_->attach(owner(), this, part_tag()); }
  void detach_children() override { colors_->detach(); }

 private:
  std::shared_ptr<IDataColorCollection> colors_ = std::make_shared<IDataColorCollection>();
};

class IChartArea : public BoxedPart {
  TC3D_MODEL_CLASS_BODY(IChartArea)
#define TC3D_MEMBERS "chart_area_members.def"
#include "typed_accessors.inc"

  std::shared_ptr<IPlotCube> plot_cube() { return plot_cube_; }
  std::shared_ptr<IAxisCollection> axes() { return axes_; }
  std::shared_ptr<IBar> bar() { return bar_; }
  std::shared_ptr<ISurface> surface() { return surface_; }
  std::shared_ptr<IViewport> viewport() { return viewport_; }
  std::shared_ptr<IView3D> view3d() { return view3d_; }

 protected:
  void attach_children() override;
  void detach_children() override;

 private:
  std::shared_ptr<IPlotCube> plot_cube_ = std::make_shared<IPlotCube>();
  std::shared_ptr<IAxisCollection> axes_ = std::make_shared<IAxisCollection>();
  std::shared_ptr<IBar> bar_ = std::make_shared<IBar>();
  std::shared_ptr<ISurface> surface_ = std::make_shared<ISurface>();
  std::shared_ptr<IViewport> viewport_ = std::make_shared<IViewport>();
  std::shared_ptr<IView3D> view3d_ = std::make_shared<IView3D>();
};

class IChartArea_Dual : public DualOf<IChartArea> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "chart_area_members.def"
#include "dual_interface.inc"
};

class IPlotCube_Dual : public DualOf<IPlotCube> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "plot_cube_members.def"
#include "dual_interface.inc"
};

class IProjection_Dual : public DualOf<IProjection> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "projection_members.def"
#include "dual_interface.inc"
};

class IView3D_Dual : public DualOf<IView3D> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "view3d_members.def"
#include "dual_interface.inc"
};

class IViewport_Dual : public DualOf<IViewport> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "viewport_members.def"
#include "dual_interface.inc"
};

class ISurface_Dual : public DualOf<ISurface> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "surface_members.def"
#include "dual_interface.inc"
};

class IBar_Dual : public DualOf<IBar> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "bar_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
