// The resource table and the type table, derived from resources.def and
// types.def. Looking a resource up by identifier takes constant time: the
// type's first row plus the identifier's index, checked against the number
// of rows of that type.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "restable.h"
#include "set_rules.h"

namespace vex3d {

enum class Owner : int { Graph = VEX3D_OWNER_GRAPH, Text = VEX3D_OWNER_TEXT };

// How a record holds a value of a type (storage.def).
enum class Storage : std::uint8_t {
#define VEX3D_STORAGE(kind) kind,
#include "storage.def"
};

// How a value of a type converts from and to text (text_forms.def).
enum class TextForm : std::uint8_t {
#define VEX3D_TEXT_FORM(form) form,
#include "text_forms.def"
};

// How a value travels through the variadic argument lists.
enum class ArgKind : std::uint8_t { Word, Double, Pointer, Function };

struct TypeInfo {
  int code;
  const char *name;
  Storage storage;
  TextForm text_form;
  bool graph_lists;          // taken by Vex3dSetValues / Vex3dGetValues
  bool text_lists;           // taken by Vex3dTextSetValues / Vex3dTextGetValues
  ArgKind arg_kind() const;  // the storage kind's (storage_kinds.cpp)
  bool is_enumeration() const { return code >= 64; }
};

struct ResourceRow {
  int id;
  const char *name;
  int type;
  Owner owner;
  void *(*field)(void *record);  // the value's storage in a graph or text record
  double default_value;
  Rule rule;
  int bits;

  template <class T>
  T &at(void *record) const {
    return *static_cast<T *>(field(record));
  }
};

std::span<const ResourceRow> resource_rows();
// The row of an identifier, or null for one that names no resource
// (including an index past its type's rows).
const ResourceRow *find_row(int id);
const ResourceRow *find_row(std::string_view name);
// The type of a code, or null for an unknown code.
const TypeInfo *find_type(int code);
constexpr int type_of(int id) { return (id >> 8) & 0xFF; }

}  // namespace vex3d
