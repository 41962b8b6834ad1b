#include "events.h"

#include <tuple>
#include <utility>

namespace tc3d {
namespace {

namespace params {
#define TC3D_ARG(Name, Type) \
  ::tc3d::Param { #Name, Type::ref }
#define TC3D_BYREF(Name, Type) \
  ::tc3d::Param { #Name, Type::ref }
#define TC3D_EVENT(Name, id, ...) constexpr Param k##Name[] = {Param{} __VA_OPT__(, ) __VA_ARGS__};
#include "chart3d_events.def"
}  // namespace params

namespace by_ref {
#define TC3D_ARG(Name, Type) false
#define TC3D_BYREF(Name, Type) true
#define TC3D_EVENT(Name, id, ...) constexpr bool k##Name[] = {false __VA_OPT__(, ) __VA_ARGS__};
#include "chart3d_events.def"
}  // namespace by_ref

constexpr EventInfo kEvents[] = {
#define TC3D_ARG(Name, Type)
#define TC3D_BYREF(Name, Type)
#define TC3D_EVENT(Name, id, ...) \
  {#Name, id, std::span<const Param>(params::k##Name).subspan(1), std::span<const bool>(by_ref::k##Name).subspan(1)},
#include "chart3d_events.def"
};

// Calls a typed handler with the event's variants converted to its
// parameters; what it leaves in its reference parameters goes back into the
// variants (and through them to whoever passed references).
template <class... P, std::size_t... I>
void call_typed(_DChart3DEvents &sink, void (_DChart3DEvents::*fn)(P...), std::span<Variant> args,
                std::index_sequence<I...>) {
  if (args.size() != sizeof...(P)) return;
  std::tuple<std::remove_cvref_t<P>...> values{Object::from_variant<std::remove_cvref_t<P>>(args[I])...};
  (sink.*fn)(std::get<I>(values)...);
  (
      [&] {
        if constexpr (std::is_lvalue_reference_v<P>) args[I].assign(Variant(std::get<I>(values)));
      }(),
      ...);
}

template <class... P>
void call_typed(_DChart3DEvents &sink, void (_DChart3DEvents::*fn)(P...), std::span<Variant> args) {
  call_typed(sink, fn, args, std::index_sequence_for<P...>{});
}

}  // namespace

std::span<const EventInfo> chart3d_events() { return kEvents; }

const EventInfo *find_chart3d_event(DispatchId id) {
  for (const EventInfo &e : kEvents)
    if (e.id == id) return &e;
  return nullptr;
}

void _DChart3DEvents::on_event(const EventInfo &event, std::span<Variant> args) {
  switch (event.id) {
#define TC3D_ARG(Name, Type)
#define TC3D_BYREF(Name, Type)
#define TC3D_EVENT(Name, id, ...)                    \
  case id:                                           \
    call_typed(*this, &_DChart3DEvents::Name, args); \
    break;
#include "chart3d_events.def"
  }
}

}  // namespace tc3d
