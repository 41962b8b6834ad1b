// The value an automation call passes: one of the variant kinds of the object
// model, an array of them, or a reference to a value the caller owns.
//
// Conversions follow what an automation caller expects: a long given where a
// double is wanted, a string where a boolean is wanted ("True", "False" or a
// number), a boolean where a number is wanted (True is -1). A value that has
// no such conversion raises the platform's type mismatch; a number too large
// for the wanted integer raises its overflow status. Doubles become integers
// rounded half to even, as automation conversions do.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "status.h"

namespace tc3d {

class Object;
class SafeArray;
using ObjectRef = std::shared_ptr<Object>;

// The kinds, numbered as the automation platform numbers them.
enum class VarType : std::uint16_t {
  Empty = 0,
  Int16 = 2,
  Int32 = 3,
  Float = 4,
  Double = 5,
  Currency = 6,
  String = 8,
  Object = 9,
  Error = 10,
  Bool = 11,
  Variant = 12,  // only as an array element type or by reference
};
constexpr std::uint16_t kArrayFlag = 0x2000;
constexpr std::uint16_t kByRefFlag = 0x4000;
std::string_view var_type_name(VarType type);  // "Double", "String", ...

// A currency amount: a 64-bit count of ten-thousandths.
struct Currency {
  std::int64_t ten_thousandths = 0;
  static constexpr std::int64_t kScale = 10000;
  double to_double() const { return static_cast<double>(ten_thousandths) / kScale; }
  bool operator==(const Currency &) const = default;
};

// An error status carried as a value (the kind of a missing optional argument
// is the error "parameter not found").
struct ErrorValue {
  Status status = 0;
  bool operator==(const ErrorValue &) const = default;
};
constexpr Status kParamNotFound = 0x80020004u;

class Variant {
 public:
  Variant() = default;
  Variant(std::int16_t v) : value_(v) {}
  Variant(std::int32_t v) : value_(v) {}
  Variant(float v) : value_(v) {}
  Variant(double v) : value_(v) {}
  Variant(bool v) : value_(v) {}
  Variant(Currency v) : value_(v) {}
  Variant(ErrorValue v) : value_(v) {}
  Variant(std::string v) : value_(std::move(v)) {}
  Variant(std::string_view v) : value_(std::string(v)) {}
  Variant(const char *v) : value_(std::string(v ? v : "")) {}
  Variant(ObjectRef v) : value_(std::move(v)) {}
  Variant(SafeArray array);
  // Any other integer (long, unsigned, ...) is held as a 32-bit integer when
  // it fits, else raises the overflow status.
  template <class T>
  requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, std::int16_t> &&
           !std::is_same_v<T, std::int32_t>) Variant(T v)
      : value_(checked_int32(static_cast<long long>(v))) {}

  Variant(const Variant &other);
  Variant &operator=(const Variant &other);
  Variant(Variant &&) noexcept;
  Variant &operator=(Variant &&) noexcept;
  ~Variant();

  // By-reference forms: the variant points at storage the caller owns, and
  // reads and assignments go through to it.
  static Variant ref(std::int16_t *p) { return Variant(Ref{p}); }
  static Variant ref(std::int32_t *p) { return Variant(Ref{p}); }
  static Variant ref(float *p) { return Variant(Ref{p}); }
  static Variant ref(double *p) { return Variant(Ref{p}); }
  static Variant ref(bool *p) { return Variant(Ref{p}); }
  static Variant ref(Currency *p) { return Variant(Ref{p}); }
  static Variant ref(std::string *p) { return Variant(Ref{p}); }
  static Variant ref(ObjectRef *p) { return Variant(Ref{p}); }
  static Variant ref(Variant *p) { return Variant(Ref{p}); }
  // A missing optional argument.
  static Variant missing() { return Variant(ErrorValue{kParamNotFound}); }

  // The kind held; for a reference, the kind of what it points at (a
  // reference to a variant reports the inner variant's kind).
  VarType type() const;
  bool is_array() const;
  bool is_byref() const { return std::holds_alternative<Ref>(value_); }
  bool is_empty() const { return type() == VarType::Empty; }
  bool is_missing() const;
  // The platform's full type word: kind | kArrayFlag | kByRefFlag.
  std::uint16_t vt() const;

  // ---- conversions (raise the type mismatch or overflow status)
  std::int16_t to_int16() const;
  std::int32_t to_int32() const;
  float to_float() const;
  double to_double() const;
  bool to_bool() const;
  Currency to_currency() const;
  std::string to_string() const;
  ObjectRef to_object() const;  // an empty variant gives no object
  const SafeArray &to_array() const;
  Status to_error() const;

  // The value itself, without the reference: a copy for a by-reference form.
  Variant dereferenced() const;
  // Stores a value through a by-reference form, converted to the kind the
  // reference points at; a plain variant takes the value as it is.
  void assign(const Variant &value);

  // The storage a by-reference form points at when it is a T, else null.
  template <class T>
  T *target() const {
    const Ref *r = std::get_if<Ref>(&value_);
    if (!r) return nullptr;
    if (auto *const *p = std::get_if<T *>(&r->target)) return *p;
    return nullptr;
  }

  // Equal kinds and equal values (arrays by content).
  bool operator==(const Variant &other) const;

 private:
  using Target = std::variant<std::int16_t *, std::int32_t *, float *, double *, bool *, Currency *, std::string *,
                              ObjectRef *, Variant *>;
  struct Ref {
    Target target;
    bool operator==(const Ref &) const = default;
  };
  using Value = std::variant<std::monostate, std::int16_t, std::int32_t, float, double, bool, Currency, std::string,
                             ObjectRef, ErrorValue, std::shared_ptr<SafeArray>, Ref>;
  explicit Variant(Ref r) : value_(r) {}
  static std::int32_t checked_int32(long long v);
  const Variant &plain(Variant &scratch) const;

  Value value_;
};

// The text a script shows for a value: numbers in their shortest form,
// True/False, strings as they are.
std::string display_text(const Variant &v);

}  // namespace tc3d
