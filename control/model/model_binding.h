// The binding of a model member to the resource its class's selector picks
// (or to an engine resource named directly):
//
//   TC3D_PROPERTY(Type, 1, t::Enum<kBorderTypeConstants>, selected(kSelectBorderType), ...)
//   TC3D_PROPERTY(IsContoured, 1, t::Bool, selected_bit(kSelectProjection, 1), ...)
//
// Where the owner has no such resource (the plot cube's foreground colour),
// reading gives the row's default and writing changes nothing. Colours are
// made plain (system colours translated) before they reach the engine.
#pragma once

#include "resource_binding.h"

namespace tc3d {

// The ranges a number of the model must lie in; outside, a write raises
// tcErrorOutOfRange and the engine is not changed.
enum class ValueRange : int {
  kPerspective,  // 1 and above
  kViewScale,    // 1/30 to 30
  kNonNegative,
  kPercent,     // 0 to 100
  kStrokeSize,  // 1 to 1000 thousandths of the cube
};

// The fields of a line style resource (pattern, colour, width).
enum class LineStyleField : int { kPattern, kColor, kWidth };

namespace model_binding_detail {
Variant get(Object &o, const Member &m, std::span<Variant>);
void put(Object &o, const Member &m, std::span<Variant>, const Variant &value);
Variant get_bit(Object &o, const Member &m, std::span<Variant>);
void put_bit(Object &o, const Member &m, std::span<Variant>, const Variant &value);
void put_within(Object &o, const Member &m, std::span<Variant>, const Variant &value);
Variant get_field(Object &o, const Member &m, std::span<Variant>);
void put_field(Object &o, const Member &m, std::span<Variant>, const Variant &value);
}  // namespace model_binding_detail

constexpr CountedBinding selected(int kind) {
  CountedBinding b;
  b.binding.get = &model_binding_detail::get;
  b.binding.put = &model_binding_detail::put;
  b.binding.resource = kind;
  b.get_arity = 0;
  b.put_arity = 1;
  return b;
}

// One bit of an integer resource: writing changes only that bit.
constexpr CountedBinding selected_bit(int kind, int bit) {
  CountedBinding b = selected(kind);
  b.binding.get = &model_binding_detail::get_bit;
  b.binding.put = &model_binding_detail::put_bit;
  b.binding.detail = bit;
  return b;
}

// One field of a line style resource: writing changes only that field.
constexpr CountedBinding selected_field(int kind, LineStyleField field) {
  CountedBinding b = selected(kind);
  b.binding.get = &model_binding_detail::get_field;
  b.binding.put = &model_binding_detail::put_field;
  b.binding.detail = static_cast<int>(field);
  return b;
}

}  // namespace tc3d

namespace tc3d {
// A number checked against its range before it reaches the engine.
constexpr CountedBinding selected_within(int kind, ValueRange range) {
  CountedBinding b = selected(kind);
  b.binding.put = &model_binding_detail::put_within;
  b.binding.detail = static_cast<int>(range);
  return b;
}
}  // namespace tc3d
