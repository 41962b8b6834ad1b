// ILocation and its IDerivedLong values: the X, Y, WIDTH and HEIGHT family
// resources of a boxed part with their use-default resources. A derived
// value's index says which edge it is.
#pragma once

#include <array>

#include "dual.h"
#include "member_rows.h"
#include "model_object.h"
#include "selector.h"

namespace tc3d {

enum class Edge : int { kLeft = 0, kTop = 1, kWidth = 2, kHeight = 3 };

class IDerivedLong : public ModelObject {
 public:
  static constexpr std::string_view kClassName = "IDerivedLong";
  static const ClassInfo &info();
  const ClassInfo &class_info() const override;
#define TC3D_MEMBERS "derived_long_members.def"
#include "typed_accessors.inc"

  // While IsDefault is TRUE the engine computes the value; setting the value
  // makes it the host's. A value the engine always computes (a title's size)
  // has no use-default resource: IsDefault stays TRUE and cannot be cleared.
  std::int32_t value();
  void set_value(std::int32_t v);
  bool is_default();
  void set_is_default(bool on);

 protected:
  std::span<const SelectorRow> selector() const override;
};

class ILocation : public ModelObject {
 public:
  static constexpr std::string_view kClassName = "ILocation";
  static const ClassInfo &info();
  const ClassInfo &class_info() const override;
#define TC3D_MEMBERS "location_members.def"
#include "typed_accessors.inc"

  std::shared_ptr<IDerivedLong> left() { return edge(Edge::kLeft); }
  std::shared_ptr<IDerivedLong> top() { return edge(Edge::kTop); }
  std::shared_ptr<IDerivedLong> width() { return edge(Edge::kWidth); }
  std::shared_ptr<IDerivedLong> height() { return edge(Edge::kHeight); }

 protected:
  void attach_children() override;
  void detach_children() override;

 private:
  std::shared_ptr<IDerivedLong> edge(Edge e) { return edges_[static_cast<int>(e)]; }
  std::array<std::shared_ptr<IDerivedLong>, 4> edges_{
      std::make_shared<IDerivedLong>(), std::make_shared<IDerivedLong>(), std::make_shared<IDerivedLong>(),
      std::make_shared<IDerivedLong>()};
};

class IDerivedLong_Dual : public DualOf<IDerivedLong> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "derived_long_members.def"
#include "dual_interface.inc"
};

class ILocation_Dual : public DualOf<ILocation> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "location_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
