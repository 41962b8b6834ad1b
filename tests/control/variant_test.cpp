// Conversions an automation caller expects, and the mismatches.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "safe_array.h"
#include "variant.h"

namespace tc3d {
namespace {

template <class F>
Status status_of_call(F f) {
  try {
    f();
  } catch (const Error &e) {
    return e.status();
  }
  return status::kOk;
}

TEST(Variant, KindsAndTypeWords) {
  struct Case {
    Variant v;
    VarType type;
    std::uint16_t vt;
  };
  const Case cases[] = {
      {Variant(), VarType::Empty, 0},
      {Variant(std::int16_t{3}), VarType::Int16, 2},
      {Variant(3), VarType::Int32, 3},
      {Variant(2.5f), VarType::Float, 4},
      {Variant(2.5), VarType::Double, 5},
      {Variant(Currency{12345}), VarType::Currency, 6},
      {Variant("text"), VarType::String, 8},
      {Variant(ObjectRef()), VarType::Object, 9},
      {Variant(ErrorValue{status::kFail}), VarType::Error, 10},
      {Variant(true), VarType::Bool, 11},
      {Variant(SafeArray(VarType::Double, {{1, 3}})), VarType::Double, 5 | kArrayFlag},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(c.v.type(), c.type) << var_type_name(c.type);
    EXPECT_EQ(c.v.vt(), c.vt) << var_type_name(c.type);
  }
  EXPECT_TRUE(Variant(SafeArray(VarType::Int16, {{0, 2}})).is_array());
  EXPECT_TRUE(Variant::missing().is_missing());
  EXPECT_FALSE(Variant(0).is_missing());
}

TEST(Variant, NumbersConvertAsAutomationCallersExpect) {
  EXPECT_EQ(Variant(7).to_double(), 7.0);  // a long for a double
  EXPECT_EQ(Variant(std::int16_t{-2}).to_int32(), -2);
  EXPECT_EQ(Variant(2.5).to_int32(), 2);  // half to even
  EXPECT_EQ(Variant(3.5).to_int32(), 4);
  EXPECT_EQ(Variant(-2.5).to_int16(), -2);
  EXPECT_EQ(Variant(2.4999).to_int32(), 2);
  EXPECT_EQ(Variant(true).to_int32(), -1);  // True is -1
  EXPECT_EQ(Variant(false).to_double(), 0.0);
  EXPECT_EQ(Variant(Currency{25000}).to_double(), 2.5);
  EXPECT_EQ(Variant(2.5).to_currency().ten_thousandths, 25000);
  EXPECT_EQ(Variant().to_int32(), 0);              // empty is 0
  EXPECT_EQ(Variant(" 12.5 ").to_double(), 12.5);  // a numeric string
  EXPECT_EQ(Variant("-3").to_int32(), -3);
}

TEST(Variant, BooleansFromStringsAndNumbers) {
  EXPECT_TRUE(Variant("True").to_bool());
  EXPECT_TRUE(Variant("true").to_bool());
  EXPECT_FALSE(Variant("FALSE").to_bool());
  EXPECT_TRUE(Variant("1").to_bool());
  EXPECT_FALSE(Variant("0").to_bool());
  EXPECT_TRUE(Variant(-1).to_bool());
  EXPECT_TRUE(Variant(0.25).to_bool());
  EXPECT_FALSE(Variant().to_bool());
}

TEST(Variant, Strings) {
  EXPECT_EQ(Variant(true).to_string(), "True");
  EXPECT_EQ(Variant(false).to_string(), "False");
  EXPECT_EQ(Variant(42).to_string(), "42");
  EXPECT_EQ(Variant(0.1).to_string(), "0.1");
  EXPECT_EQ(Variant(1e308).to_string(), "1e+308");
  EXPECT_EQ(Variant().to_string(), "");
  EXPECT_EQ(display_text(Variant()), "Empty");
  EXPECT_EQ(display_text(Variant(ObjectRef())), "Nothing");
}

TEST(Variant, MismatchesAndOverflows) {
  struct Case {
    const char *what;
    std::function<void()> call;
    Status expected;
  };
  const Case cases[] = {
      {"word for a number", [] { Variant("abc").to_double(); }, status::kTypeMismatch},
      {"empty string for a number", [] { Variant("").to_int32(); }, status::kTypeMismatch},
      {"trailing junk", [] { Variant("12x").to_int32(); }, status::kTypeMismatch},
      {"word for a boolean", [] { Variant("yes").to_bool(); }, status::kTypeMismatch},
      {"object for a number", [] { Variant(ObjectRef()).to_double(); }, status::kTypeMismatch},
      {"number for an object", [] { Variant(3).to_object(); }, status::kTypeMismatch},
      {"array for a number",
       [] {
         Variant(SafeArray(VarType::Double, {{0, 1}})).to_double();
       },
       status::kTypeMismatch},
      {"error for a string", [] { Variant(ErrorValue{1}).to_string(); }, status::kTypeMismatch},
      {"string for an array", [] { Variant("x").to_array(); }, status::kTypeMismatch},
      {"too large for 16 bits", [] { Variant(40000).to_int16(); }, status::kOverflow},
      {"too large for 32 bits", [] { Variant(3e9).to_int32(); }, status::kOverflow},
      {"NaN for an integer", [] { Variant(std::nan("")).to_int32(); }, status::kOverflow},
      {"too large for a float", [] { Variant(1e300).to_float(); }, status::kOverflow},
      {"64-bit integer too large", [] { Variant v(5000000000LL); }, status::kOverflow},
  };
  for (const Case &c : cases) EXPECT_EQ(status_of_call(c.call), c.expected) << c.what;
}

TEST(Variant, ByReferenceFormsReadAndWriteThrough) {
  double x = 1.5;
  bool ok = true;
  std::int16_t s = 3;
  std::string text = "a";
  Variant rx = Variant::ref(&x), rok = Variant::ref(&ok), rs = Variant::ref(&s), rt = Variant::ref(&text);
  EXPECT_TRUE(rx.is_byref());
  EXPECT_EQ(rx.type(), VarType::Double);
  EXPECT_EQ(rx.vt(), 5 | kByRefFlag);
  EXPECT_EQ(rx.to_int32(), 2);
  rx.assign(Variant(7));  // converted to the referenced kind
  EXPECT_EQ(x, 7.0);
  rok.assign(Variant("False"));
  EXPECT_FALSE(ok);
  rs.assign(Variant(12.0));
  EXPECT_EQ(s, 12);
  EXPECT_EQ(status_of_call([&] { rs.assign(Variant(1e6)); }), status::kOverflow);
  EXPECT_EQ(s, 12);  // a failed assignment changes nothing
  rt.assign(Variant(2.5));
  EXPECT_EQ(text, "2.5");
  EXPECT_EQ(rt.dereferenced(), Variant("2.5"));
  EXPECT_FALSE(rt.dereferenced().is_byref());

  Variant inner(3);
  Variant rv = Variant::ref(&inner);
  EXPECT_EQ(rv.vt(), 12 | kByRefFlag);
  rv.assign(Variant("now a string"));  // a variant reference takes any kind
  EXPECT_EQ(inner.type(), VarType::String);
  EXPECT_EQ(*rx.target<double>(), 7.0);
  EXPECT_EQ(rx.target<bool>(), nullptr);
}

TEST(Variant, CopiesOwnTheirArrays) {
  Variant a(SafeArray(VarType::Int32, {{1, 2}}));
  Variant b = a;
  EXPECT_EQ(a, b);
  EXPECT_NE(&a.to_array(), &b.to_array());
  EXPECT_FALSE(Variant(1) == Variant(1.0));  // different kinds
}

}  // namespace
}  // namespace tc3d
