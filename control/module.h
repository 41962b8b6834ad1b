// The module: its creatable classes, its type library, and the exported
// registration and factory functions.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "class_factory.h"
#include "type_library.h"

namespace tc3d {

std::span<const ClassEntry> module_classes();
// The type library of the object model ("TorvaneChart3D" 6.0).
const TypeLibrary &type_library();

}  // namespace tc3d

extern "C" {
tc3d::Status DllRegisterServer();
tc3d::Status DllUnregisterServer();
tc3d::Status DllCanUnloadNow();
}
// The factory of a class by programmatic or class identifier.
tc3d::Status DllGetClassObject(std::string_view name, std::optional<tc3d::ClassFactory> *factory);
