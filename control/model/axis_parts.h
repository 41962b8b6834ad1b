// The parts of an axis that other owners share later: the cube font, the
// derived double of a bound, the grid lines and their line style.
#pragma once

#include "dual.h"
#include "enumerations.h"
#include "font.h"
#include "member_rows.h"
#include "model_binding.h"
#include "model_object.h"
#include "selector.h"

namespace tc3d {

// Which of an axis's cube fonts (the cube font's index).
enum class CubeFontUse : int { kAnnotation = 0, kTitle = 1 };
// Which bound of an axis (the derived double's index).
enum class Bound : int { kMin = 0, kMax = 1 };

class ICubeFont : public FontOwner<ModelObject> {
  TC3D_MODEL_CLASS_BODY(ICubeFont)
#define TC3D_MEMBERS "cube_font_members.def"
#include "typed_accessors.inc"

 protected:
  std::span<const SelectorRow> selector() const override;
};

class IDerivedDouble : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IDerivedDouble)
#define TC3D_MEMBERS "derived_double_members.def"
#include "typed_accessors.inc"

 protected:
  std::span<const SelectorRow> selector() const override;
};

class ILineStyle : public ModelObject {
  TC3D_MODEL_CLASS_BODY(ILineStyle)
#define TC3D_MEMBERS "line_style_members.def"
#include "typed_accessors.inc"

 protected:
  std::span<const SelectorRow> selector() const override;
};

class IGridLines : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IGridLines)
#define TC3D_MEMBERS "grid_lines_members.def"
#include "typed_accessors.inc"

  std::shared_ptr<ILineStyle> style() { return style_; }

 protected:
  std::span<const SelectorRow> selector() const override;
  void attach_children() override { style_->attach(owner(), this, part_tag()); }
  void detach_children() override { style_->detach(); }

 private:
  std::shared_ptr<ILineStyle> style_ = std::make_shared<ILineStyle>();
};

class ICubeFont_Dual : public DualOf<ICubeFont> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "cube_font_members.def"
#include "dual_interface.inc"
};

class IDerivedDouble_Dual : public DualOf<IDerivedDouble> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "derived_double_members.def"
#include "dual_interface.inc"
};

class ILineStyle_Dual : public DualOf<ILineStyle> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "line_style_members.def"
#include "dual_interface.inc"
};

class IGridLines_Dual : public DualOf<IGridLines> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "grid_lines_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
