#include "model_binding.h"

#include <cmath>
#include <limits>

#include "colors.h"

namespace tc3d {
namespace {

// The resource a member reaches on this object, 0 when none; raises
// tcErrorNotConnected once the control is gone.
int reached(Object &o, const Member &m) {
  auto &g = static_cast<GraphObject &>(o);
  if (!g.graph()) raise(ErrorCode::tcErrorNotConnected);
  return g.resource_for(m.binding.resource);
}

Variant default_of(const Member &m) {
  switch (m.type.kind) {
    case Kind::Bool: return Variant(m.attributes.default_number != 0);
    case Kind::Double: return Variant(m.attributes.default_number);
    case Kind::String: return Variant(std::string(m.attributes.default_text));
    default: return Variant(static_cast<std::int32_t>(m.attributes.default_number));
  }
}

struct Range {
  double low, high;
};
constexpr double kUnbounded = std::numeric_limits<double>::max();
// By ValueRange.
constexpr Range kRanges[] = {{1.0, kUnbounded}, {1.0 / 30.0, 30.0}, {0.0, kUnbounded}, {0.0, 100.0}, {1.0, 1000.0}};

// By LineStyleField.
constexpr int Vex3dLineStyle::*kLineStyleFields[] = {&Vex3dLineStyle::pattern, &Vex3dLineStyle::color,
                                                     &Vex3dLineStyle::width};

Vex3dLineStyle line_style(Vex3dGraph *graph, int id) {
  const Vex3dLineStyle *style = nullptr;
  Vex3dGetValues(graph, id, &style, 0);
  return style ? *style : Vex3dLineStyle{};
}

}  // namespace

namespace model_binding_detail {

Variant get(Object &o, const Member &m, std::span<Variant> index) {
  if (!reached(o, m)) return default_of(m);
  return resource_detail::get(o, m, index);
}

void put(Object &o, const Member &m, std::span<Variant> index, const Variant &value) {
  if (!reached(o, m)) return;
  if (m.type.kind == Kind::Color) {
    resource_detail::put(o, m, index, Variant(plain_color(value.to_int32())));
    return;
  }
  resource_detail::put(o, m, index, value);
}

Variant get_bit(Object &o, const Member &m, std::span<Variant>) {
  const int id = reached(o, m);
  if (!id) return default_of(m);
  int bits = 0;
  Vex3dGetValues(static_cast<GraphObject &>(o).graph(), id, &bits, 0);
  return Variant((bits & m.binding.detail) != 0);
}

void put_bit(Object &o, const Member &m, std::span<Variant>, const Variant &value) {
  const int id = reached(o, m);
  if (!id) return;
  Vex3dGraph *graph = static_cast<GraphObject &>(o).graph();
  int bits = 0;
  Vex3dGetValues(graph, id, &bits, 0);
  bits = value.to_bool() ? (bits | m.binding.detail) : (bits & ~m.binding.detail);
  Vex3dSetValues(graph, id, bits, 0);
}

void put_within(Object &o, const Member &m, std::span<Variant> index, const Variant &value) {
  const double v = value.to_double();
  const Range &r = kRanges[m.binding.detail];
  if (!std::isfinite(v) || v < r.low || v > r.high) raise(ErrorCode::tcErrorOutOfRange);
  put(o, m, index, value);
}

Variant get_field(Object &o, const Member &m, std::span<Variant>) {
  const int id = reached(o, m);
  if (!id) return default_of(m);
  return Variant(line_style(static_cast<GraphObject &>(o).graph(), id).*kLineStyleFields[m.binding.detail]);
}

void put_field(Object &o, const Member &m, std::span<Variant>, const Variant &value) {
  const int id = reached(o, m);
  if (!id) return;
  Vex3dGraph *graph = static_cast<GraphObject &>(o).graph();
  const std::int32_t v = m.type.kind == Kind::Color ? plain_color(value.to_int32()) : value.to_int32();
  Vex3dLineStyle style = line_style(graph, id);
  style.*kLineStyleFields[m.binding.detail] = v;
  Vex3dSetValues(graph, id, &style, 0);
}

}  // namespace model_binding_detail
}  // namespace tc3d
