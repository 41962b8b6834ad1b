// The run-time type library: the classes of the object model with their
// members, identifiers and types, and the enumerations with their values,
// all read from the member tables. print_type_library writes it as text (the
// output of `torvane3d typelib` and the reference in docs/).
#pragma once

#include <ostream>
#include <span>
#include <string_view>

#include "member.h"

namespace tc3d {

struct TypeLibrary {
  std::string_view name;
  int major = 0, minor = 0;
  std::span<const ClassInfo *const> classes;
  std::span<const Enumeration *const> enumerations;

  const ClassInfo *find_class(std::string_view class_name) const;
};

void print_type_library(const TypeLibrary &library, std::ostream &out);

}  // namespace tc3d
