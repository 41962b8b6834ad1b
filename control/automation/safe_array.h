// N-dimensional arrays of the automation layer: each dimension has its own
// lower bound and element count, elements have one type (16- or 32-bit
// integers, float, double or variant).
//
// Elements are stored with the first index varying fastest. Every access is
// bounds-checked: a wrong number of indices or an index outside its
// dimension raises the platform's bad-index status.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <variant>
#include <vector>

#include "variant.h"

namespace tc3d {

struct ArrayBound {
  std::int32_t lower = 0;
  std::uint32_t count = 0;
  std::int32_t upper() const { return static_cast<std::int32_t>(lower + static_cast<std::int64_t>(count) - 1); }
  bool operator==(const ArrayBound &) const = default;
};

class SafeArray {
 public:
  // Element types: Int16, Int32, Float, Double or Variant; any other raises
  // the type mismatch. The element count must fit in memory: at most 2^31
  // elements in all, else the overflow status.
  SafeArray(VarType element_type, std::vector<ArrayBound> bounds);
  // A one-dimensional array of doubles from lower .. lower + values.size() - 1.
  static SafeArray of_doubles(std::span<const double> values, std::int32_t lower = 0);

  VarType element_type() const { return element_type_; }
  int dimensions() const { return static_cast<int>(bounds_.size()); }
  const ArrayBound &bound(int dimension) const;  // 0-based; bad index when out of range
  const std::vector<ArrayBound> &bounds() const { return bounds_; }
  std::size_t size() const;

  Variant get(std::span<const std::int32_t> indices) const;
  Variant get(std::initializer_list<std::int32_t> indices) const {
    return get(std::span(indices.begin(), indices.size()));
  }
  // Converts the value to the element type (raising as Variant does).
  void put(std::span<const std::int32_t> indices, const Variant &value);
  void put(std::initializer_list<std::int32_t> indices, const Variant &value) {
    put(std::span(indices.begin(), indices.size()), value);
  }

  // The position in storage of an element (0 .. size() - 1).
  std::size_t offset(std::span<const std::int32_t> indices) const;
  // Direct typed storage for bulk copies; empty span for another type.
  std::span<const double> doubles() const;

  bool operator==(const SafeArray &other) const;

 private:
  using Storage = std::variant<std::vector<std::int16_t>, std::vector<std::int32_t>, std::vector<float>,
                               std::vector<double>, std::vector<Variant>>;
  VarType element_type_;
  std::vector<ArrayBound> bounds_;
  Storage storage_;
};

}  // namespace tc3d
