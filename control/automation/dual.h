// The dual form of an object: the same members, each returning a Status and
// passing values through out-parameters; the error information of the last
// failed call on this thread is in last_error_info().
#pragma once

#include <memory>
#include <type_traits>

#include "object.h"

namespace tc3d {

// The error information the last dual call on this thread left (an empty
// one after a success).
const ErrorInfo &last_error_info();
void set_last_error_info(ErrorInfo info);

template <class T>
using out_ptr = std::conditional_t<std::is_void_v<typename T::cpp>, std::nullptr_t, typename T::cpp *>;

// The base of a dual twin: holds the object (shared) and makes the calls.
template <class C>
class DualOf {
 public:
  explicit DualOf(std::shared_ptr<C> object) : object_(std::move(object)) {}
  C &object() { return *object_; }

 protected:
  template <class T>
  Status dual_get(DispatchId id, typename T::cpp *out, const auto &...index) {
    Variant args[] = {Variant(), Variant(index)...};
    Variant r;
    return finish(object_->invoke(id, Invoke::Get, std::span(args).subspan(1), &r, &info_), r, out);
  }
  Status dual_put(DispatchId id, const Variant &value, const auto &...index) {
    Variant args[] = {Variant(index)..., value};
    return finish(object_->invoke(id, Invoke::Put, args, nullptr, &info_));
  }
  template <class T>
  Status dual_call(DispatchId id, out_ptr<T> out, const auto &...arg) {
    Variant args[] = {Variant(), Variant(arg)...};
    Variant r;
    const Status s = object_->invoke(id, Invoke::Method, std::span(args).subspan(1), &r, &info_);
    if constexpr (std::is_void_v<typename T::cpp>)
      return finish(s);
    else
      return finish(s, r, out);
  }

 private:
  Status finish(Status s) {
    set_last_error_info(info_);
    return s;
  }
  template <class V>
  Status finish(Status s, const Variant &r, V *out) {
    if (succeeded(s) && out) {
      try {
        *out = Object::from_variant<V>(r);
      } catch (const Error &e) {
        info_ = e.info(object_->class_info().name, true);
        s = info_.status;
      }
    }
    return finish(s);
  }

  std::shared_ptr<C> object_;
  ErrorInfo info_;
};

}  // namespace tc3d
