// Arrays with per-dimension lower bounds, element types and bounds checks.
#include <gtest/gtest.h>

#include "safe_array.h"

namespace tc3d {
namespace {

Status status_of_get(const SafeArray &a, std::initializer_list<std::int32_t> index) {
  try {
    a.get(index);
  } catch (const Error &e) {
    return e.status();
  }
  return status::kOk;
}

TEST(SafeArray, LowerBoundsPerDimension) {
  SafeArray a(VarType::Double, {{1, 3}, {-2, 4}});  // 1 To 3, -2 To 1
  EXPECT_EQ(a.dimensions(), 2);
  EXPECT_EQ(a.bound(0).upper(), 3);
  EXPECT_EQ(a.bound(1).lower, -2);
  EXPECT_EQ(a.bound(1).upper(), 1);
  EXPECT_EQ(a.size(), 12u);
  a.put({3, -2}, Variant(7));  // converted to the element type
  EXPECT_EQ(a.get({3, -2}), Variant(7.0));
  EXPECT_EQ(a.get({1, 1}), Variant(0.0));
  // The first index varies fastest.
  EXPECT_EQ(a.offset(std::array{1, -2}), 0u);
  EXPECT_EQ(a.offset(std::array{2, -2}), 1u);
  EXPECT_EQ(a.offset(std::array{1, -1}), 3u);
  EXPECT_EQ(a.offset(std::array{3, 1}), 11u);
}

TEST(SafeArray, IndicesOutsideTheBoundsOrOfTheWrongCount) {
  const SafeArray a(VarType::Int32, {{1, 3}, {0, 2}});
  const std::vector<std::vector<std::int32_t>> bad = {{0, 0}, {4, 0}, {1, -1}, {1, 2}, {1}, {1, 0, 0}};
  for (const auto &index : bad) {
    try {
      a.get(std::span(index));
      ADD_FAILURE() << "no error for an index of " << index.size() << " values";
    } catch (const Error &e) {
      EXPECT_EQ(e.status(), status::kBadIndex);
    }
  }
  EXPECT_EQ(status_of_get(a, {3, 1}), status::kOk);
  EXPECT_EQ(status_of_get(a, {1, 0}), status::kOk);
}

TEST(SafeArray, ElementTypes) {
  struct Case {
    VarType type;
    Variant stored;
    Variant read;
  };
  const Case cases[] = {
      {VarType::Int16, Variant(2.5), Variant(std::int16_t{2})},
      {VarType::Int32, Variant("41"), Variant(41)},
      {VarType::Float, Variant(0.5), Variant(0.5f)},
      {VarType::Double, Variant(true), Variant(-1.0)},
      {VarType::Variant, Variant("kept"), Variant("kept")},
  };
  for (const Case &c : cases) {
    SafeArray a(c.type, {{0, 2}});
    a.put({1}, c.stored);
    EXPECT_EQ(a.get({1}), c.read) << var_type_name(c.type);
    EXPECT_EQ(a.element_type(), c.type);
  }
  SafeArray shorts(VarType::Int16, {{0, 1}});
  EXPECT_THROW(shorts.put({0}, Variant(70000)), Error);
  EXPECT_EQ(shorts.get({0}), Variant(std::int16_t{0}));  // unchanged
  EXPECT_THROW(SafeArray(VarType::String, {{0, 1}}), Error);
  EXPECT_THROW(SafeArray(VarType::Double, {{0, 1u << 20}, {0, 1u << 20}}), Error);  // too many elements
}

TEST(SafeArray, DoublesAndEquality) {
  const double values[] = {1, 2, 3};
  const SafeArray a = SafeArray::of_doubles(values, 1);
  EXPECT_EQ(a.bound(0).lower, 1);
  EXPECT_EQ(a.get({3}), Variant(3.0));
  EXPECT_EQ(a.doubles().size(), 3u);
  SafeArray b = a;
  EXPECT_EQ(a, b);
  b.put({2}, Variant(9));
  EXPECT_FALSE(a == b);
  EXPECT_TRUE(SafeArray(VarType::Int16, {{0, 3}}).doubles().empty());
}

}  // namespace
}  // namespace tc3d
