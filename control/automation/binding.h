// Bindings of member rows to the C++ functions behind them.
//
// A row names the class's own functions, and the helpers here derive the
// thunks that convert the call's variants to the functions' parameter types
// (deduced from their signatures) and their results back:
//
//   accessor<&C::getter>()             read-only property
//   accessor<&C::getter, &C::setter>() property; the setter takes the index
//                                      arguments first, then the value
//   method<&C::function>()             method
//
// A parameter of type Variant & receives the caller's variant itself, so a
// by-reference argument can be written through.
#pragma once

#include <span>
#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <utility>

#include "member.h"
#include "object.h"

namespace tc3d {

namespace binding_detail {

template <class F>
struct Traits;
template <class C, class R, class... P>
struct Traits<R (C::*)(P...)> {
  using Class = C;
  using Result = R;
  using Params = std::tuple<P...>;
  static constexpr int arity = sizeof...(P);
};
template <class C, class R, class... P>
struct Traits<R (C::*)(P...) const> : Traits<R (C::*)(P...)> {};

template <class P>
decltype(auto) argument(Variant &v) {
  using D = std::remove_cvref_t<P>;
  if constexpr (std::is_same_v<D, Variant>)
    return (v);
  else
    return Object::from_variant<D>(v);
}

template <class R>
Variant result(R &&r) {
  using D = std::remove_cvref_t<R>;
  if constexpr (std::is_convertible_v<D, ObjectRef> && !std::is_same_v<D, ObjectRef>)
    return Variant(ObjectRef(std::forward<R>(r)));
  // Handles are pointer-sized: a double holds them exactly (below 2^53).
  else if constexpr (std::is_same_v<D, std::int64_t>)
    return Variant(static_cast<double>(r));
  else
    return Variant(std::forward<R>(r));
}

template <auto F, std::size_t... I>
Variant call(Object &o, std::span<Variant> args, std::index_sequence<I...>) {
  using Tr = Traits<decltype(F)>;
  auto &self = static_cast<typename Tr::Class &>(o);
  if constexpr (std::is_void_v<typename Tr::Result>) {
    (self.*F)(argument<std::tuple_element_t<I, typename Tr::Params>>(args[I])...);
    return Variant();
  } else {
    return result((self.*F)(argument<std::tuple_element_t<I, typename Tr::Params>>(args[I])...));
  }
}

template <auto F>
Variant get_thunk(Object &o, const Member &, std::span<Variant> args) {
  return call<F>(o, args, std::make_index_sequence<Traits<decltype(F)>::arity>{});
}

template <auto F, std::size_t... I>
void put_unpacked(Object &o, [[maybe_unused]] std::span<Variant> index, Variant &value, std::index_sequence<I...>) {
  using Tr = Traits<decltype(F)>;
  auto &self = static_cast<typename Tr::Class &>(o);
  constexpr std::size_t last = Tr::arity - 1;
  (self.*F)(argument<std::tuple_element_t<I, typename Tr::Params>>(index[I])...,
            argument<std::tuple_element_t<last, typename Tr::Params>>(value));
}

template <auto F>
void put_thunk(Object &o, const Member &, std::span<Variant> index, const Variant &value) {
  Variant v = value.dereferenced();
  put_unpacked<F>(o, index, v, std::make_index_sequence<Traits<decltype(F)>::arity - 1>{});
}

}  // namespace binding_detail

// A binding with the argument counts its functions take, so that a row whose
// parameter list disagrees with its functions does not compile (see checked).
// The arities say which functions are bound (-1: none): an unoptimised
// compiler cannot compare a thunk's address with null in a constant expression.
struct CountedBinding {
  Binding binding;
  int get_arity = -1, put_arity = -1, call_arity = -1;
};

template <auto Getter, auto Setter = nullptr>
constexpr CountedBinding accessor() {
  CountedBinding b;
  b.binding.get = &binding_detail::get_thunk<Getter>;
  b.get_arity = binding_detail::Traits<decltype(Getter)>::arity;
  if constexpr (!std::is_null_pointer_v<decltype(Setter)>) {
    b.binding.put = &binding_detail::put_thunk<Setter>;
    b.put_arity = binding_detail::Traits<decltype(Setter)>::arity;
  }
  return b;
}

template <auto F>
constexpr CountedBinding method() {
  CountedBinding b;
  b.binding.call = &binding_detail::get_thunk<F>;
  b.call_arity = binding_detail::Traits<decltype(F)>::arity;
  return b;
}

// The row's binding after the argument counts are checked against its
// parameter list at compile time (a mismatch is a constant-evaluation error).
constexpr Binding checked(const CountedBinding &b, std::size_t params, Access access) {
  // Only the counts are compared: a function pointer is no constant to test
  // in every build (sanitizers instrument them). -1 means "no such function".
  const int n = static_cast<int>(params);
  if (access == Access::Method) {
    if (b.call_arity != n) throw std::logic_error("method arguments differ from its parameters");
  } else {
    if (b.get_arity != n) throw std::logic_error("getter arguments differ from the property's index parameters");
    if (access == Access::Property && b.put_arity != n + 1)
      throw std::logic_error("a writable property needs a setter taking its index parameters and the value");
    if (access != Access::Property && b.put_arity != -1) throw std::logic_error("a read-only member has a setter");
  }
  return b.binding;
}

}  // namespace tc3d
