// The enumerations of the type library (enumerations.def) as constants
// (tc3d::tc3dPreviewFull) and as value sets (tc3d::kPreviewMethodConstants).
#pragma once

#include <span>

#include "member.h"

namespace tc3d {

#define TC3D_ENUM(Name) inline constexpr EnumValue k##Name##Values[] = {
#define TC3D_VALUE(Name, Constant, value) {#Constant, value},
#define TC3D_END(Name) \
  }                    \
  ;                    \
  inline constexpr Enumeration k##Name{#Name, k##Name##Values};
#include "enumerations.def"

enum : std::int32_t {
#define TC3D_ENUM(Name)
#define TC3D_VALUE(Name, Constant, value) Constant = value,
#define TC3D_END(Name)
#include "enumerations.def"
};

// Every enumeration, in the order of the file.
std::span<const Enumeration *const> all_enumerations();

}  // namespace tc3d
