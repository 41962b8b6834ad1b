// The embedded objects of the control and their collections, as the control
// holds them until their classes get their own members: each offers Parent.
// The object model gives each its member file (ITitle's Adjust, Font, ...);
// until then one template stands for all of them.
#pragma once

#include <string_view>

#include "chart_area.h"
#include "model_object.h"
#include "titles.h"

namespace tc3d {

template <class Names>
class Part : public ModelObject {
 public:
  static constexpr std::string_view kClassName = Names::kName;
  const ClassInfo &class_info() const override;
#define TC3D_MEMBERS "parent_members.def"
#include "typed_accessors.inc"
};

#define TC3D_PART(Class)                                      \
  struct Class##Names {                                       \
    static constexpr std::string_view kName = #Class;         \
    static constexpr std::string_view kDual = #Class "_Dual"; \
  };                                                          \
  using Class = Part<Class##Names>;
#include "parts.def"

// The class information of every class of the object model, for the type
// library.
std::span<const ClassInfo *const> part_classes();

}  // namespace tc3d
