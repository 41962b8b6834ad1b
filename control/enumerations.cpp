#include "enumerations.h"

namespace tc3d {

std::span<const Enumeration *const> all_enumerations() {
  static constexpr const Enumeration *kAll[] = {
#define TC3D_ENUM(Name) &k##Name,
#define TC3D_VALUE(Name, Constant, value)
#define TC3D_END(Name)
#include "enumerations.def"
  };
  return kAll;
}

}  // namespace tc3d
