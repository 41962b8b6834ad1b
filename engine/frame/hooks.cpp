#include "hooks.h"

#include <mutex>

namespace vex3d {

const EngineHooks &hooks() {
  static EngineHooks installed;
  static std::once_flag started;
  std::call_once(started, [] { vex3d_install_layer_hooks(installed); });
  return installed;
}

}  // namespace vex3d
