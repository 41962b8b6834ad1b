// An automation object: the one dispatch path every call takes.
//
// Whether a caller names a member (dispatch by name), gives its identifier
// (dispatch by identifier), uses the typed C++ accessors or the dual form,
// the call ends in Object::invoke, which finds the row, checks the access,
// the argument count, the value conversions and the enumeration sets, runs
// the binding, and after a successful write runs what the row says follows
// it. Typed calls throw tc3d::Error; the dual form catches once and returns
// the status with the error information.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "member.h"
#include "status.h"
#include "variant.h"

namespace tc3d {

class Object : public std::enable_shared_from_this<Object> {
 public:
  Object();
  Object(const Object &) = delete;
  Object &operator=(const Object &) = delete;
  virtual ~Object();

  virtual const ClassInfo &class_info() const = 0;

  // ---- the throwing form (typed C++ callers, script runner)
  Variant invoke(DispatchId id, Invoke kind, std::span<Variant> args = {});
  Variant invoke(std::string_view name, Invoke kind, std::span<Variant> args = {});
  // The identifier of a member name, case-insensitive; raises the unknown
  // name status when the class has none.
  DispatchId id_of(std::string_view name) const;

  // ---- the dual form: never throws
  Status invoke(DispatchId id, Invoke kind, std::span<Variant> args, Variant *result, ErrorInfo *info) noexcept;

  // ---- typed access used by the accessors the member rows generate
  template <class T>
  typename T::cpp typed_get(DispatchId id, const auto &...index) {
    Variant args[] = {Variant(), Variant(index)...};
    return from_variant<typename T::cpp>(invoke(id, Invoke::Get, std::span(args).subspan(1)));
  }
  void typed_put(DispatchId id, const Variant &value, const auto &...index) {
    Variant args[] = {Variant(index)..., value};
    invoke(id, Invoke::Put, args);
  }
  template <class T>
  typename T::cpp typed_call(DispatchId id, const auto &...arg) {
    Variant args[] = {Variant(), Variant(arg)...};
    Variant result = invoke(id, Invoke::Method, std::span(args).subspan(1));
    if constexpr (!std::is_void_v<typename T::cpp>) return from_variant<typename T::cpp>(result);
  }

  // The value of a variant as a C++ type of the accessors.
  template <class T>
  static T from_variant(const Variant &v);

  // The number of objects alive in the process (the module's use count).
  static long live_objects();

 protected:
  // Whether an error raised now is inside a call on a live control: true
  // unless the object was disconnected from its control.
  virtual bool inside_control_call() const { return true; }
  // What follows a successful write of a member (its row says which).
  virtual void after_put(const Member &member);
  // The control's chart-changed protocol and its "modified, update" step;
  // objects without a control do nothing.
  virtual void chart_changed() {}
  virtual void modified_update() {}

 private:
  Variant dispatch(const Member &member, Invoke kind, std::span<Variant> args);
};

template <class T>
T Object::from_variant(const Variant &v) {
  if constexpr (std::is_same_v<T, bool>)
    return v.to_bool();
  else if constexpr (std::is_same_v<T, std::int16_t>)
    return v.to_int16();
  else if constexpr (std::is_same_v<T, std::int32_t>)
    return v.to_int32();
  else if constexpr (std::is_same_v<T, std::int64_t>)
    return static_cast<std::int64_t>(v.to_double());
  else if constexpr (std::is_same_v<T, float>)
    return v.to_float();
  else if constexpr (std::is_same_v<T, double>)
    return v.to_double();
  else if constexpr (std::is_same_v<T, std::string>)
    return v.to_string();
  else if constexpr (std::is_same_v<T, Currency>)
    return v.to_currency();
  else if constexpr (std::is_same_v<T, Variant>)
    return v;
  else if constexpr (std::is_same_v<T, ObjectRef>)
    return v.to_object();
  else {
    // std::shared_ptr<C> of a model class.
    using C = typename T::element_type;
    ObjectRef o = v.to_object();
    if (!o) return nullptr;
    auto typed = std::dynamic_pointer_cast<C>(o);
    if (!typed) raise(ErrorCode::tcErrorTypeMismatch);
    return typed;
  }
}

}  // namespace tc3d
