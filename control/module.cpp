#include "module.h"

#include "3dctl.h"

namespace tc3d {
namespace {

constexpr ClassEntry kClasses[] = {
    {Chart3D::kProgId, "{6A3D0C61-7E0B-4C1E-9D3A-5B2F1C0A6001}", Chart3D::kUserTypeName, "Apartment",
     kRecomposeOnResize | kCantLinkInside | kInsideOut | kActivateWhenVisible | kSetClientSiteFirst,
     [] { return ObjectRef(Chart3D::create()); }},
};

}  // namespace

std::span<const ClassEntry> module_classes() { return kClasses; }

const TypeLibrary &type_library() {
  static const std::vector<const ClassInfo *> classes = [] {
    std::vector<const ClassInfo *> all;
    auto chart = Chart3D::create();
    all.push_back(&chart->class_info());
    for (const ClassInfo *c : part_classes()) all.push_back(c);
    return all;
  }();
  static const TypeLibrary kLibrary{"TorvaneChart3D", 6, 0, classes, all_enumerations()};
  return kLibrary;
}

}  // namespace tc3d

extern "C" tc3d::Status DllRegisterServer() {
  return tc3d::register_module(tc3d::module_classes(), tc3d::type_library());
}
extern "C" tc3d::Status DllUnregisterServer() { return tc3d::unregister_module(); }
extern "C" tc3d::Status DllCanUnloadNow() { return tc3d::can_unload_now(); }
tc3d::Status DllGetClassObject(std::string_view name, std::optional<tc3d::ClassFactory> *factory) {
  return tc3d::get_class_object(tc3d::module_classes(), name, factory);
}
