// The rows of a member table: what an object class offers to automation
// callers, declared once per class (see member_rows.h for how a class
// declares its table and what is derived from it).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "variant.h"

namespace tc3d {

// Member identifiers. 0 is the default member (a collection's Item).
using DispatchId = std::int32_t;
constexpr DispatchId kDispidValue = 0;
constexpr DispatchId kDispidNewEnum = -4;

// ---- enumerations --------------------------------------------------------

struct EnumValue {
  std::string_view name;
  std::int32_t value;
};

// An enumeration of the type library with its value set (gaps included).
struct Enumeration {
  std::string_view name;
  std::span<const EnumValue> values;

  constexpr bool contains(std::int32_t v) const {
    for (const EnumValue &e : values)
      if (e.value == v) return true;
    return false;
  }
  // The value of a constant name (case-insensitive), if the set has it.
  std::optional<std::int32_t> value_of(std::string_view constant) const;
};

// ---- value types ---------------------------------------------------------

enum class Kind : std::uint8_t {
  Void,   // a method that returns nothing
  Bool,   // BOOL
  Int16,  // 16-bit integer
  Int32,  // long
  Float,
  Double,
  String,
  Color,     // 32-bit colour value (0xBBGGRR, -1 inherit)
  Variant,   // any value
  Object,    // an object of the model (class_name says which, "" any)
  Enum,      // long checked against an enumeration
  Font,      // a font object; a write also takes a font description text ("Arial,12,Bold")
  Handle,    // window or device handle (pointer-sized)
  Currency,  // a currency amount (ten-thousandths)
};

struct TypeRef {
  Kind kind = Kind::Void;
  const Enumeration *enumeration = nullptr;
  std::string_view class_name = {};
};
std::string type_name(const TypeRef &type);  // "Boolean", "Long", "PreviewMethodConstants", "ITitle", ...

// Type tags of the member rows: each gives the run-time type (ref) and the
// C++ type of the typed accessors (cpp).
namespace t {
struct Void {
  static constexpr TypeRef ref{Kind::Void};
  using cpp = void;
};
struct Bool {
  static constexpr TypeRef ref{Kind::Bool};
  using cpp = bool;
};
struct Short {
  static constexpr TypeRef ref{Kind::Int16};
  using cpp = std::int16_t;
};
struct Long {
  static constexpr TypeRef ref{Kind::Int32};
  using cpp = std::int32_t;
};
struct Float {
  static constexpr TypeRef ref{Kind::Float};
  using cpp = float;
};
struct Double {
  static constexpr TypeRef ref{Kind::Double};
  using cpp = double;
};
struct String {
  static constexpr TypeRef ref{Kind::String};
  using cpp = std::string;
};
struct Color {
  static constexpr TypeRef ref{Kind::Color};
  using cpp = std::int32_t;
};
struct Any {
  static constexpr TypeRef ref{Kind::Variant};
  using cpp = Variant;
};
struct Font {
  static constexpr TypeRef ref{Kind::Font};
  using cpp = ObjectRef;
};
struct Currency {
  static constexpr TypeRef ref{Kind::Currency};
  using cpp = ::tc3d::Currency;
};
struct Handle {
  static constexpr TypeRef ref{Kind::Handle};
  using cpp = std::int64_t;
};
template <const Enumeration &E>
struct Enum {
  static constexpr TypeRef ref{Kind::Enum, &E};
  using cpp = std::int32_t;
};
// An object of class C (C::kClassName names it in the type library).
template <class C>
struct Obj {
  static constexpr TypeRef ref{Kind::Object, nullptr, C::kClassName};
  using cpp = std::shared_ptr<C>;
};
// Any object (the dispatch interface of something).
struct Dispatch {
  static constexpr TypeRef ref{Kind::Object};
  using cpp = ObjectRef;
};
}  // namespace t

// ---- rows ------------------------------------------------------------------

enum class Access : std::uint8_t {
  Property,  // read and write
  ReadOnly,
  Object,  // returns an embedded object; writing it is refused
  Method,
};
std::string_view access_name(Access access);

// How a call names what it wants: the platform's invoke flags.
enum class Invoke : std::uint8_t { Method = 1, Get = 2, Put = 4, PutRef = 8 };

struct Param {
  std::string_view name;
  TypeRef type;
  bool optional = false;
};

class Object;
struct Member;

// What runs behind a member: a getter, a setter or a method body, each given
// the object, its row and the call's arguments (index arguments of a
// property; a method's arguments, by reference where the caller passed
// references). Made by the helpers of binding.h, never written per member.
struct Binding {
  Variant (*get)(Object &, const Member &, std::span<Variant>) = nullptr;
  void (*put)(Object &, const Member &, std::span<Variant>, const Variant &) = nullptr;
  Variant (*call)(Object &, const Member &, std::span<Variant>) = nullptr;
  // The resource kind behind a property, for bindings that read and write an
  // engine resource through the class's resource selector (0: none).
  int resource = 0;
  // A second datum of the binding (a bit within a resource, ...).
  int detail = 0;
};

// What a successful write is followed by.
enum class AfterPut : std::uint8_t {
  ChartChanged,    // the owner control's chart-changed protocol (the usual case)
  ModifiedUpdate,  // the control is marked modified and repaints what needs it
  Nothing,         // the setter runs its own protocol
};

// The optional attributes of a row: a default, the name under which the
// member is persisted, visibility and what follows a write.
struct Attributes {
  bool hidden = false;
  bool dispatch_only = false;  // reached by name and identifier, not listed in the type library
  bool has_default = false;
  double default_number = 0;
  std::string_view default_text = {};
  std::string_view persisted = {};
  AfterPut after_put = AfterPut::ChartChanged;

  constexpr Attributes defaults_to(double v) const {
    Attributes a = *this;
    a.has_default = true;
    a.default_number = v;
    return a;
  }
  constexpr Attributes defaults_to_text(std::string_view v) const {
    Attributes a = *this;
    a.has_default = true;
    a.default_text = v;
    return a;
  }
  constexpr Attributes hide() const {
    Attributes a = *this;
    a.hidden = true;
    return a;
  }
  constexpr Attributes outside_type_library() const {
    Attributes a = *this;
    a.dispatch_only = true;
    return a;
  }
  constexpr Attributes persist_as(std::string_view name) const {
    Attributes a = *this;
    a.persisted = name;
    return a;
  }
  constexpr Attributes then(AfterPut after) const {
    Attributes a = *this;
    a.after_put = after;
    return a;
  }
};
inline constexpr Attributes kPlain{};

struct Member {
  std::string_view name;
  DispatchId id;
  Access access;
  TypeRef type;  // the property's type or the method's result
  std::span<const Param> params;
  Binding binding;
  Attributes attributes;

  std::size_t required_params() const;
};

// An event of a class's source interface.
struct EventInfo {
  std::string_view name;
  DispatchId id;
  std::span<const Param> params;
  std::span<const bool> by_ref;  // one flag per parameter
};

// One class of the object model as the type library lists it.
struct ClassInfo {
  std::string_view name;       // "Chart3D", "ITitle"
  std::string_view interface;  // dispatch interface: "_DChart3D", "ITitle"
  std::string_view dual;       // dual interface: "IChart3D_Dual", "ITitle_Dual"
  std::span<const Member> members;
  std::string_view events = {};  // source interface name, "" when none
  std::span<const EventInfo> event_list = {};

  // Case-insensitive name lookup and identifier lookup; null when none.
  const Member *find(std::string_view member_name) const;
  const Member *find(DispatchId id) const;
  const EventInfo *find_event(std::string_view event_name) const;
};

}  // namespace tc3d
