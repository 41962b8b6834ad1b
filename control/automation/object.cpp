#include "object.h"

#include <atomic>
#include <cmath>
#include <new>
#include <vector>

namespace tc3d {
namespace {

std::atomic<long> g_live_objects{0};

[[noreturn]] void bad_count(const Member &m, std::size_t given) {
  raise(status::kBadParamCount,
        std::string(m.name) + " takes " +
            (m.required_params() == m.params.size()
                 ? std::to_string(m.params.size())
                 : std::to_string(m.required_params()) + " to " + std::to_string(m.params.size())) +
            " arguments, not " + std::to_string(given) + ".");
}

// Converts once to find a mismatch before anything changes; enumerations
// are checked against their value set. A double that is not finite is out of
// range for every member: the engine refuses such values, and a write it
// ignored must not be reported as done.
void check_value(const TypeRef &type, const Variant &v) {
  switch (type.kind) {
    case Kind::Bool: v.to_bool(); break;
    case Kind::Int16: v.to_int16(); break;
    case Kind::Int32:
    case Kind::Color: v.to_int32(); break;
    case Kind::Float:
      if (!std::isfinite(v.to_float())) raise(ErrorCode::tcErrorOutOfRange);
      break;
    case Kind::Double:
      if (!std::isfinite(v.to_double())) raise(ErrorCode::tcErrorOutOfRange);
      break;
    case Kind::String: v.to_string(); break;
    case Kind::Font:
      if (v.type() != VarType::Object) v.to_string();
      break;
    case Kind::Currency: v.to_currency(); break;
    case Kind::Object: v.to_object(); break;
    case Kind::Handle: v.to_double(); break;
    case Kind::Enum:
      if (!type.enumeration->contains(v.to_int32())) raise(ErrorCode::tcErrorInvalidEnum);
      break;
    case Kind::Void:
    case Kind::Variant: break;
  }
}

}  // namespace

std::size_t Member::required_params() const {
  std::size_t n = 0;
  for (const Param &p : params)
    if (!p.optional) ++n;
  return n;
}

Object::Object() { g_live_objects.fetch_add(1, std::memory_order_relaxed); }
Object::~Object() { g_live_objects.fetch_sub(1, std::memory_order_relaxed); }
long Object::live_objects() { return g_live_objects.load(std::memory_order_relaxed); }

DispatchId Object::id_of(std::string_view name) const {
  if (const Member *m = class_info().find(name)) return m->id;
  raise(status::kUnknownName, "'" + std::string(name) + "' is not a member of " + std::string(class_info().name) + ".");
}

Variant Object::invoke(std::string_view name, Invoke kind, std::span<Variant> args) {
  return invoke(id_of(name), kind, args);
}

Variant Object::invoke(DispatchId id, Invoke kind, std::span<Variant> args) {
  const Member *m = class_info().find(id);
  if (!m) raise(status::kMemberNotFound);
  return dispatch(*m, kind, args);
}

Variant Object::dispatch(const Member &m, Invoke kind, std::span<Variant> args) {
  const bool put = kind == Invoke::Put || kind == Invoke::PutRef;
  if (put && m.access == Access::Method) raise(status::kMemberNotFound);
  if (put && (m.access != Access::Property || !m.binding.put)) raise(status::kSetNotSupported);
  if (put && args.empty()) bad_count(m, 0);

  std::span<Variant> given = put ? args.first(args.size() - 1) : args;
  if (given.size() > m.params.size() || given.size() < m.required_params()) bad_count(m, given.size());
  for (std::size_t i = 0; i < given.size(); ++i)
    if (!given[i].is_missing())
      check_value(m.params[i].type, given[i]);
    else if (!m.params[i].optional)
      raise(status::kParamNotOptional);
  // Missing optional arguments reach the binding as "missing" values.
  std::vector<Variant> padded;
  if (given.size() < m.params.size()) {
    padded.assign(given.begin(), given.end());
    padded.resize(m.params.size(), Variant::missing());
    given = padded;
  }

  if (put) {
    const Variant &value = args.back();
    check_value(m.type, value);
    m.binding.put(*this, m, given, value);
    after_put(m);
    return {};
  }
  if (m.access == Access::Method) {
    if (kind != Invoke::Method && kind != Invoke::Get) raise(status::kMemberNotFound);
    return m.binding.call(*this, m, given);
  }
  if (!m.binding.get) raise(status::kMemberNotFound);
  return m.binding.get(*this, m, given);
}

Status Object::invoke(DispatchId id, Invoke kind, std::span<Variant> args, Variant *result, ErrorInfo *info) noexcept {
  try {
    Variant r = invoke(id, kind, args);
    if (result) *result = std::move(r);
    if (info) *info = ErrorInfo{};
    return status::kOk;
  } catch (const Error &e) {
    ErrorInfo made = e.info(class_info().name, inside_control_call());
    const Status s = made.status;
    if (info) *info = std::move(made);
    return s;
  } catch (const std::bad_alloc &) {
    if (info) *info = ErrorInfo{status::kOutOfMemory, std::string(status_description(status::kOutOfMemory)), {}, 0};
    return status::kOutOfMemory;
  } catch (...) {
    if (info) *info = ErrorInfo{status::kFail, std::string(status_description(status::kFail)), {}, 0};
    return status::kFail;
  }
}

void Object::after_put(const Member &member) {
  switch (member.attributes.after_put) {
    case AfterPut::ChartChanged: chart_changed(); break;
    case AfterPut::ModifiedUpdate: modified_update(); break;
    case AfterPut::Nothing: break;
  }
}

}  // namespace tc3d
