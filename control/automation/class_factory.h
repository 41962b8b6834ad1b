// Creating objects by programmatic identifier, the module's use count, and
// the per-user registration file.
//
// A module lists its creatable classes once (ClassEntry rows). The factory of
// a class creates instances; the module may unload when no object is alive
// and no factory holds it locked. Registration writes, under the XDG data
// directory ($XDG_DATA_HOME, else $HOME/.local/share), the folder
// torvane3d/ with classes.reg (each class's programmatic identifier, class
// identifier, user type name, threading model and miscellaneous status) and
// typelib.txt (the type library as text).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "object.h"
#include "type_library.h"

namespace tc3d {

// The miscellaneous status bits a class registers.
enum MiscStatus : std::uint32_t {
  kRecomposeOnResize = 0x1,
  kCantLinkInside = 0x10,
  kInsideOut = 0x80,
  kActivateWhenVisible = 0x100,
  kSetClientSiteFirst = 0x20000,
};

struct ClassEntry {
  std::string_view progid;           // "TorvaneChart3D.Control.1"
  std::string_view clsid;            // "{...}"
  std::string_view user_type_name;   // "3D Chart Control"
  std::string_view threading_model;  // "Apartment"
  std::uint32_t misc_status;
  ObjectRef (*create)();
};

class ClassFactory {
 public:
  explicit ClassFactory(const ClassEntry &entry) : entry_(&entry) {}
  // A new instance; aggregation (an outer object) is not supported.
  Status CreateInstance(const Object *outer, ObjectRef *out) const;
  // Keeps the module loaded while locked.
  Status LockServer(bool lock) const;
  const ClassEntry &entry() const { return *entry_; }

 private:
  const ClassEntry *entry_;
};

// The factory of a class named by programmatic identifier or class
// identifier; the class-not-available status when the module has none.
Status get_class_object(std::span<const ClassEntry> classes, std::string_view name, std::optional<ClassFactory> *out);
// kOk when nothing holds the module (no live object, no lock), else kFalse.
Status can_unload_now();

// The folder the registration goes to, or none when neither XDG_DATA_HOME
// nor HOME is set.
std::optional<std::filesystem::path> registration_folder();
// Writes the type library (failure: kTypeLibraryRegistration) and the classes
// (failure: kClassRegistration); each file is written whole or not at all.
Status register_module(std::span<const ClassEntry> classes, const TypeLibrary &library);
// Removes both files; the same failure codes when they cannot be removed.
Status unregister_module();

}  // namespace tc3d
