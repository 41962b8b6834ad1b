// The frame objects every boxed part shares: IBorder, IInterior and its
// IImage. Each reaches the family resource of its owner's part tag.
#pragma once

#include "colors.h"
#include "dual.h"
#include "enumerations.h"
#include "member_rows.h"
#include "model_binding.h"
#include "model_object.h"
#include "selector.h"

namespace tc3d {

class IBorder : public ModelObject {
 public:
  static constexpr std::string_view kClassName = "IBorder";
  static const ClassInfo &info();
  const ClassInfo &class_info() const override;
#define TC3D_MEMBERS "border_members.def"
#include "typed_accessors.inc"

 protected:
  std::span<const SelectorRow> selector() const override;
};

class IImage : public ModelObject {
 public:
  static constexpr std::string_view kClassName = "IImage";
  static const ClassInfo &info();
  const ClassInfo &class_info() const override;
#define TC3D_MEMBERS "image_members.def"
#include "typed_accessors.inc"

  // Whether the picture's data is saved with the chart, not only its name.
  bool is_embedded() const { return embedded_; }
  void set_is_embedded(bool embedded) { embedded_ = embedded; }

 protected:
  std::span<const SelectorRow> selector() const override;

 private:
  bool embedded_ = false;
};

class IInterior : public ModelObject {
 public:
  static constexpr std::string_view kClassName = "IInterior";
  static const ClassInfo &info();
  const ClassInfo &class_info() const override;
#define TC3D_MEMBERS "interior_members.def"
#include "typed_accessors.inc"

  std::shared_ptr<IImage> image() { return image_; }

 protected:
  std::span<const SelectorRow> selector() const override;
  void attach_children() override;
  void detach_children() override { image_->detach(); }

 private:
  std::shared_ptr<IImage> image_ = std::make_shared<IImage>();
};

class IBorder_Dual : public DualOf<IBorder> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "border_members.def"
#include "dual_interface.inc"
};

class IImage_Dual : public DualOf<IImage> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "image_members.def"
#include "dual_interface.inc"
};

class IInterior_Dual : public DualOf<IInterior> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "interior_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
