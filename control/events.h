// The events of the control: a host implements the typed interface
// _DChart3DEvents (one virtual function per event, by-reference arguments as
// references) or connects a callback that receives every event by name with
// its arguments as variants (by-reference ones can be assigned).
#pragma once

#include <functional>
#include <span>

#include "member.h"
#include "object.h"

namespace tc3d {

class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void on_event(const EventInfo &event, std::span<Variant> args) = 0;
};

// Every event of the control as the type library lists it.
std::span<const EventInfo> chart3d_events();
const EventInfo *find_chart3d_event(DispatchId id);

enum Chart3DEvent : DispatchId {
#define TC3D_EVENT(Name, id, ...) kEvent##Name = id,
#define TC3D_ARG(Name, Type)
#define TC3D_BYREF(Name, Type)
#include "chart3d_events.def"
};

class _DChart3DEvents : public EventSink {
 public:
#define TC3D_ARG(Name, Type) [[maybe_unused]] Type::cpp Name
#define TC3D_BYREF(Name, Type) [[maybe_unused]] Type::cpp &Name
#define TC3D_EVENT(Name, id, ...) \
  virtual void Name(__VA_ARGS__) {}
#include "chart3d_events.def"

  void on_event(const EventInfo &event, std::span<Variant> args) override;
};

// A sink that hands every event to a function.
class EventCallback : public EventSink {
 public:
  using Function = std::function<void(const EventInfo &, std::span<Variant>)>;
  explicit EventCallback(Function f) : f_(std::move(f)) {}
  void on_event(const EventInfo &event, std::span<Variant> args) override { f_(event, args); }

 private:
  Function f_;
};

}  // namespace tc3d
