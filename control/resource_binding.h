// Members that are one engine resource: the row names the resource (or the
// resource kind its class's selector maps), and its type says how the value
// travels (booleans, integers, colours and enumerations as int, doubles as
// double, strings as text; fonts are objects of their own, model/font.h).
//
//   TC3D_PROPERTY(UseTrueType, 30, t::Bool, resource(VEX3D_USE_TRUETYPE), ...)
#pragma once

#include "binding.h"
#include "graph_object.h"

namespace tc3d {

namespace resource_detail {
Variant get(Object &o, const Member &m, std::span<Variant>);
void put(Object &o, const Member &m, std::span<Variant>, const Variant &value);
}  // namespace resource_detail

constexpr CountedBinding resource(int kind) {
  CountedBinding b;
  b.binding.get = &resource_detail::get;
  b.binding.put = &resource_detail::put;
  b.binding.resource = kind;
  b.get_arity = 0;
  b.put_arity = 1;
  return b;
}

// The same, read-only.
constexpr CountedBinding resource_read_only(int kind) {
  CountedBinding b = resource(kind);
  b.binding.put = nullptr;
  b.put_arity = -1;
  return b;
}

}  // namespace tc3d
