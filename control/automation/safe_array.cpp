#include "safe_array.h"

#include <string>

namespace tc3d {
namespace {

constexpr std::uint64_t kMaxElements = std::uint64_t{1} << 31;

}  // namespace

SafeArray::SafeArray(VarType element_type, std::vector<ArrayBound> bounds)
    : element_type_(element_type), bounds_(std::move(bounds)) {
  std::uint64_t n = bounds_.empty() ? 0 : 1;
  for (const ArrayBound &b : bounds_) {
    n *= b.count;
    if (n > kMaxElements) raise(status::kOverflow, "The array has too many elements.");
  }
  switch (element_type) {
    case VarType::Int16: storage_ = std::vector<std::int16_t>(n); break;
    case VarType::Int32: storage_ = std::vector<std::int32_t>(n); break;
    case VarType::Float: storage_ = std::vector<float>(n); break;
    case VarType::Double: storage_ = std::vector<double>(n); break;
    case VarType::Variant: storage_ = std::vector<Variant>(n); break;
    default: raise(status::kTypeMismatch, "Arrays hold Integer, Long, Single, Double or Variant elements.");
  }
}

SafeArray SafeArray::of_doubles(std::span<const double> values, std::int32_t lower) {
  SafeArray a(VarType::Double, {ArrayBound{lower, static_cast<std::uint32_t>(values.size())}});
  std::get<std::vector<double>>(a.storage_).assign(values.begin(), values.end());
  return a;
}

const ArrayBound &SafeArray::bound(int dimension) const {
  if (dimension < 0 || dimension >= dimensions()) raise(status::kBadIndex);
  return bounds_[dimension];
}

std::size_t SafeArray::size() const {
  return std::visit([](const auto &v) { return v.size(); }, storage_);
}

std::size_t SafeArray::offset(std::span<const std::int32_t> indices) const {
  if (indices.size() != bounds_.size())
    raise(status::kBadIndex, "The array has " + std::to_string(bounds_.size()) + " dimensions, not " +
                                 std::to_string(indices.size()) + ".");
  std::size_t position = 0, stride = 1;
  for (std::size_t d = 0; d < indices.size(); ++d) {
    const ArrayBound &b = bounds_[d];
    const std::int64_t i = static_cast<std::int64_t>(indices[d]) - b.lower;
    if (i < 0 || i >= static_cast<std::int64_t>(b.count))
      raise(status::kBadIndex, "Index " + std::to_string(indices[d]) + " is outside " + std::to_string(b.lower) +
                                   " To " + std::to_string(b.upper()) + ".");
    position += static_cast<std::size_t>(i) * stride;
    stride *= b.count;
  }
  return position;
}

Variant SafeArray::get(std::span<const std::int32_t> indices) const {
  const std::size_t at = offset(indices);
  return std::visit([at](const auto &v) { return Variant(v[at]); }, storage_);
}

void SafeArray::put(std::span<const std::int32_t> indices, const Variant &value) {
  const std::size_t at = offset(indices);
  std::visit(
      [at, &value](auto &v) {
        using T = typename std::decay_t<decltype(v)>::value_type;
        if constexpr (std::is_same_v<T, std::int16_t>)
          v[at] = value.to_int16();
        else if constexpr (std::is_same_v<T, std::int32_t>)
          v[at] = value.to_int32();
        else if constexpr (std::is_same_v<T, float>)
          v[at] = value.to_float();
        else if constexpr (std::is_same_v<T, double>)
          v[at] = value.to_double();
        else
          v[at] = value.dereferenced();
      },
      storage_);
}

std::span<const double> SafeArray::doubles() const {
  if (const auto *v = std::get_if<std::vector<double>>(&storage_)) return *v;
  return {};
}

bool SafeArray::operator==(const SafeArray &other) const {
  return element_type_ == other.element_type_ && bounds_ == other.bounds_ && storage_ == other.storage_;
}

}  // namespace tc3d
