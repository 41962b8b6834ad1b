#include "variant.h"

#include <strings.h>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "safe_array.h"

namespace tc3d {
namespace {

[[noreturn]] void mismatch() { raise(status::kTypeMismatch); }
[[noreturn]] void overflow() { raise(status::kOverflow); }

bool equals_word(std::string_view text, const char *word) {
  return text.size() == std::strlen(word) && strncasecmp(text.data(), word, text.size()) == 0;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A string as a number: the whole text (blanks around it aside) must be one
// number; "True" and "False" count as -1 and 0.
double number_from_text(const std::string &s) {
  const std::string_view t = trimmed(s);
  if (equals_word(t, "True")) return -1;
  if (equals_word(t, "False")) return 0;
  if (t.empty()) mismatch();
  const std::string text(t);
  char *end = nullptr;
  errno = 0;
  const double v = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size()) mismatch();
  if (errno == ERANGE && std::isinf(v)) overflow();
  return v;
}

std::int64_t rounded(double v, double lo, double hi) {
  if (std::isnan(v)) overflow();
  const double r = std::nearbyint(v);  // half to even in the default rounding mode
  if (r < lo || r > hi) overflow();
  return static_cast<std::int64_t>(r);
}

std::string format_double(double v, int digits) {
  char text[40];
  std::snprintf(text, sizeof text, "%.*g", digits, v);
  return text;
}

}  // namespace

std::string_view var_type_name(VarType type) {
  switch (type) {
    case VarType::Empty: return "Empty";
    case VarType::Int16: return "Integer";
    case VarType::Int32: return "Long";
    case VarType::Float: return "Single";
    case VarType::Double: return "Double";
    case VarType::Currency: return "Currency";
    case VarType::String: return "String";
    case VarType::Object: return "Object";
    case VarType::Error: return "Error";
    case VarType::Bool: return "Boolean";
    case VarType::Variant: return "Variant";
  }
  return "?";
}

Variant::Variant(SafeArray array) : value_(std::make_shared<SafeArray>(std::move(array))) {}

Variant::Variant(const Variant &other) { *this = other; }

Variant &Variant::operator=(const Variant &other) {
  if (this == &other) return *this;
  if (const auto *array = std::get_if<std::shared_ptr<SafeArray>>(&other.value_)) {
    value_ = std::make_shared<SafeArray>(**array);
  } else {
    std::visit(
        [this](const auto &v) {
          using T = std::decay_t<decltype(v)>;
          if constexpr (!std::is_same_v<T, std::shared_ptr<SafeArray>>) value_ = v;
        },
        other.value_);
  }
  return *this;
}

Variant::~Variant() = default;
Variant::Variant(Variant &&) noexcept = default;
Variant &Variant::operator=(Variant &&) noexcept = default;

std::int32_t Variant::checked_int32(long long v) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()) overflow();
  return static_cast<std::int32_t>(v);
}

// The value behind a reference, in scratch; a plain variant is itself.
const Variant &Variant::plain(Variant &scratch) const {
  if (!is_byref()) return *this;
  scratch = dereferenced();
  return scratch;
}

Variant Variant::dereferenced() const {
  const Ref *r = std::get_if<Ref>(&value_);
  if (!r) return *this;
  return std::visit(
      [](auto *p) -> Variant {
        if (!p) return Variant();
        using T = std::remove_pointer_t<decltype(p)>;
        if constexpr (std::is_same_v<T, Variant>)
          return p->dereferenced();
        else
          return Variant(*p);
      },
      r->target);
}

VarType Variant::type() const {
  switch (value_.index()) {
    case 0: return VarType::Empty;
    case 1: return VarType::Int16;
    case 2: return VarType::Int32;
    case 3: return VarType::Float;
    case 4: return VarType::Double;
    case 5: return VarType::Bool;
    case 6: return VarType::Currency;
    case 7: return VarType::String;
    case 8: return VarType::Object;
    case 9: return VarType::Error;
    case 10: return std::get<std::shared_ptr<SafeArray>>(value_)->element_type();
    default: {
      const Target &t = std::get<Ref>(value_).target;
      if (const auto *v = std::get_if<Variant *>(&t)) return *v ? (*v)->type() : VarType::Empty;
      static constexpr VarType kTargetTypes[] = {VarType::Int16, VarType::Int32,    VarType::Float,  VarType::Double,
                                                 VarType::Bool,  VarType::Currency, VarType::String, VarType::Object};
      return kTargetTypes[t.index()];
    }
  }
}

bool Variant::is_array() const {
  if (std::holds_alternative<std::shared_ptr<SafeArray>>(value_)) return true;
  if (const Ref *r = std::get_if<Ref>(&value_))
    if (const auto *v = std::get_if<Variant *>(&r->target)) return *v && (*v)->is_array();
  return false;
}

bool Variant::is_missing() const {
  const auto *e = std::get_if<ErrorValue>(&value_);
  return e && e->status == kParamNotFound;
}

std::uint16_t Variant::vt() const {
  std::uint16_t word = static_cast<std::uint16_t>(type());
  if (is_array()) word |= kArrayFlag;
  if (is_byref()) {
    word |= kByRefFlag;
    if (std::holds_alternative<Variant *>(std::get<Ref>(value_).target))
      word = static_cast<std::uint16_t>(VarType::Variant) | kByRefFlag;
  }
  return word;
}

double Variant::to_double() const {
  Variant scratch;
  const Variant &v = plain(scratch);
  return std::visit(
      [](const auto &x) -> double {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, std::monostate>)
          return 0;
        else if constexpr (std::is_same_v<T, bool>)
          return x ? -1 : 0;
        else if constexpr (std::is_arithmetic_v<T>)
          return static_cast<double>(x);
        else if constexpr (std::is_same_v<T, Currency>)
          return x.to_double();
        else if constexpr (std::is_same_v<T, std::string>)
          return number_from_text(x);
        else
          mismatch();
      },
      v.value_);
}

float Variant::to_float() const {
  const double d = to_double();
  if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max()) overflow();
  return static_cast<float>(d);
}

std::int32_t Variant::to_int32() const {
  Variant scratch;
  const Variant &v = plain(scratch);
  if (const auto *i = std::get_if<std::int32_t>(&v.value_)) return *i;
  if (const auto *i = std::get_if<std::int16_t>(&v.value_)) return *i;
  return static_cast<std::int32_t>(
      rounded(v.to_double(), std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int16_t Variant::to_int16() const {
  return static_cast<std::int16_t>(
      rounded(to_double(), std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

bool Variant::to_bool() const {
  Variant scratch;
  const Variant &v = plain(scratch);
  if (const auto *b = std::get_if<bool>(&v.value_)) return *b;
  return v.to_double() != 0;
}

Currency Variant::to_currency() const {
  Variant scratch;
  const Variant &v = plain(scratch);
  if (const auto *c = std::get_if<Currency>(&v.value_)) return *c;
  constexpr double kLimit = 9.2e18;
  return Currency{rounded(v.to_double() * Currency::kScale, -kLimit, kLimit)};
}

std::string Variant::to_string() const {
  Variant scratch;
  const Variant &v = plain(scratch);
  return std::visit(
      [](const auto &x) -> std::string {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, std::monostate>)
          return "";
        else if constexpr (std::is_same_v<T, bool>)
          return x ? "True" : "False";
        else if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::int32_t>)
          return std::to_string(x);
        else if constexpr (std::is_same_v<T, float>)
          return format_double(x, 7);
        else if constexpr (std::is_same_v<T, double>)
          return format_double(x, 15);
        else if constexpr (std::is_same_v<T, Currency>)
          return format_double(x.to_double(), 19);
        else if constexpr (std::is_same_v<T, std::string>)
          return x;
        else
          mismatch();
      },
      v.value_);
}

ObjectRef Variant::to_object() const {
  Variant scratch;
  const Variant &v = plain(scratch);
  if (std::holds_alternative<std::monostate>(v.value_)) return nullptr;
  if (const auto *o = std::get_if<ObjectRef>(&v.value_)) return *o;
  mismatch();
}

const SafeArray &Variant::to_array() const {
  if (const auto *a = std::get_if<std::shared_ptr<SafeArray>>(&value_)) return **a;
  if (const Ref *r = std::get_if<Ref>(&value_))
    if (auto *const *v = std::get_if<Variant *>(&r->target); v && *v) return (*v)->to_array();
  mismatch();
}

Status Variant::to_error() const {
  Variant scratch;
  const Variant &v = plain(scratch);
  if (const auto *e = std::get_if<ErrorValue>(&v.value_)) return e->status;
  mismatch();
}

void Variant::assign(const Variant &value) {
  Ref *r = std::get_if<Ref>(&value_);
  if (!r) {
    *this = value.dereferenced();
    return;
  }
  std::visit(
      [&value](auto *p) {
        if (!p) return;
        using T = std::remove_pointer_t<decltype(p)>;
        if constexpr (std::is_same_v<T, std::int16_t>)
          *p = value.to_int16();
        else if constexpr (std::is_same_v<T, std::int32_t>)
          *p = value.to_int32();
        else if constexpr (std::is_same_v<T, float>)
          *p = value.to_float();
        else if constexpr (std::is_same_v<T, double>)
          *p = value.to_double();
        else if constexpr (std::is_same_v<T, bool>)
          *p = value.to_bool();
        else if constexpr (std::is_same_v<T, Currency>)
          *p = value.to_currency();
        else if constexpr (std::is_same_v<T, std::string>)
          *p = value.to_string();
        else if constexpr (std::is_same_v<T, ObjectRef>)
          *p = value.to_object();
        else
          p->assign(value);
      },
      r->target);
}

bool Variant::operator==(const Variant &other) const {
  Variant a_scratch, b_scratch;
  const Variant &a = plain(a_scratch);
  const Variant &b = other.plain(b_scratch);
  if (a.value_.index() != b.value_.index()) return false;
  if (const auto *x = std::get_if<std::shared_ptr<SafeArray>>(&a.value_))
    return **x == *std::get<std::shared_ptr<SafeArray>>(b.value_);
  return a.value_ == b.value_;
}

}  // namespace tc3d
