#include <strings.h>
#include "safe_array.h"

#include "member.h"
#include "object.h"

namespace tc3d {
namespace {

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

std::optional<std::int32_t> Enumeration::value_of(std::string_view constant) const {
  for (const EnumValue &e : values)
    if (same_name(e.name, constant)) return e.value;
  return std::nullopt;
}

const Member *ClassInfo::find(std::string_view member_name) const {
  for (const Member &m : members)
    if (same_name(m.name, member_name)) return &m;
  return nullptr;
}

const Member *ClassInfo::find(DispatchId id) const {
  for (const Member &m : members)
    if (m.id == id) return &m;
  return nullptr;
}

const EventInfo *ClassInfo::find_event(std::string_view event_name) const {
  for (const EventInfo &e : event_list)
    if (same_name(e.name, event_name)) return &e;
  return nullptr;
}

std::string type_name(const TypeRef &type) {
  switch (type.kind) {
    case Kind::Void: return "Void";
    case Kind::Bool: return "Boolean";
    case Kind::Int16: return "Integer";
    case Kind::Int32: return "Long";
    case Kind::Float: return "Single";
    case Kind::Double: return "Double";
    case Kind::String: return "String";
    case Kind::Color: return "Color";
    case Kind::Variant: return "Variant";
    case Kind::Object: return type.class_name.empty() ? "Object" : std::string(type.class_name);
    case Kind::Enum: return std::string(type.enumeration->name);
    case Kind::Font: return "Font";
    case Kind::Handle: return "Handle";
    case Kind::Currency: return "Currency";
  }
  return "?";
}

std::string_view access_name(Access access) {
  switch (access) {
    case Access::Property: return "property";
    case Access::ReadOnly: return "read-only";
    case Access::Object: return "object";
    case Access::Method: return "method";
  }
  return "?";
}

std::string display_text(const Variant &v) {
  if (v.is_array()) {
    const auto &a = v.to_array();
    std::string text = "(array of " + std::string(var_type_name(a.element_type()));
    for (const auto &b : a.bounds()) text += " " + std::to_string(b.lower) + " To " + std::to_string(b.upper());
    return text + ")";
  }
  switch (v.type()) {
    case VarType::Object: {
      const ObjectRef o = v.to_object();
      return o ? "(object " + std::string(o->class_info().name) + ")" : "Nothing";
    }
    case VarType::Error: return "Error " + status_hex(v.to_error());
    case VarType::Empty: return "Empty";
    default: return v.to_string();
  }
}

}  // namespace tc3d
