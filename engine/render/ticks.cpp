// Nice numbers, tick steps, axis ends and number formats.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "anno.h"

namespace vex3d {
namespace {

// A range whose ticks would number more than this has lost its precision
// (ends far larger than their difference); the rest are not produced.
constexpr long kMostTicks = 1000;

// Rounding noise allowed when deciding whether a multiple of the step lies
// within the range, in steps.
constexpr double kTickSlack = 1e-9;

// The relative width given to a zero-length range whose ends are too large
// for a widening by 1 to change them.
constexpr double kRelativeWidening = 1e-9;

std::string format_double(const char *format, double v) {
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, format, v);
  if (n < 0) return {};
  if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, static_cast<std::size_t>(n));
  std::string text(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, v);
  text.resize(static_cast<std::size_t>(n));
  return text;
}

void set_format(AxisTicks &t) {
  // A negative precision is no format: the exponent form keeps at least 0.
  if (t.step_decimals >= -4 && t.end_decimals < 5)
    std::snprintf(t.format, sizeof t.format, "%%.%df", std::max<int>(t.step_decimals, 0));
  else
    std::snprintf(t.format, sizeof t.format, "%%.%dE", std::clamp(t.step_decimals - t.end_decimals, 0, 99));
}

double first_multiple(double lo, double step) { return std::ceil(lo / step - kTickSlack) * step + 0.0; }

}  // namespace

double nice_number(double x, bool rounded) {
  x = std::fabs(x);
  if (x == 0 || !std::isfinite(x)) return x == 0 ? 0 : x;
  const double e = std::floor(std::log10(x));
  const double power = std::pow(10.0, e);
  const double f = x / power;
  double digit;
  if (rounded)
    digit = f < 1.5 ? 1 : f < 3 ? 2 : f < 7 ? 5 : 10;
  else
    digit = f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10;
  return digit * power;
}

short decimals(double x) {
  if (x == 0) return kManyDecimals;
  if (!std::isfinite(x)) return 0;
  const double d = -std::floor(std::log10(std::fabs(x)));
  return static_cast<short>(std::clamp(d, -32767.0, 32767.0));
}

int label_count(double extent, double edge, double pitch) {
  const double per_label = extent * pitch;
  if (!(per_label > 0) || !std::isfinite(per_label)) return 2;
  const double n = std::round(std::ceil((extent + edge) / per_label));
  if (!(n >= 2)) return 2;
  return n > kMostTicks ? static_cast<int>(kMostTicks) : static_cast<int>(n);
}

AxisTicks compute_ticks(double lo, double hi, int n, bool keep_exact) {
  AxisTicks t;
  if (hi == lo) {
    if (lo - 1 != lo && lo + 1 != lo) {
      t.lo = lo - 1;
      t.hi = hi + 1;
      t.step = 2;
      t.first = first_multiple(t.lo, t.step);
      t.step_decimals = t.end_decimals = 0;
      set_format(t);
      return t;
    }
    // Ends so large that 1 is below their precision: widen by a fraction.
    const double margin = std::fabs(lo) * kRelativeWidening;
    lo -= margin;
    hi += margin;
  }
  n = std::max(n, 2);
  const double span = hi - lo;
  double step = nice_number(span / (n - 1), true);
  if (step > span) step = nice_number(span / 2, true);
  if (!keep_exact) {
    const double tolerance = span * 0.0005, half = step / 2;
    const double rounded_lo = std::floor((lo + tolerance) / half) * half;
    const double rounded_hi = std::ceil((hi - tolerance) / half) * half;
    if (std::fabs(lo - rounded_lo) < step / 4) lo = rounded_lo;
    if (std::fabs(rounded_hi - hi) < step / 4) hi = rounded_hi;
  }
  t.lo = lo;
  t.hi = hi;
  t.step = step;
  t.first = first_multiple(lo, step);
  t.step_decimals = decimals(step);
  t.end_decimals = std::min(decimals(lo), decimals(hi));
  set_format(t);
  return t;
}

std::vector<double> tick_values(const AxisTicks &t) {
  std::vector<double> values;
  if (!(t.step > 0)) return values;
  const double first = std::ceil(t.lo / t.step - kTickSlack);
  const double last = std::floor(t.hi / t.step + kTickSlack);
  if (!(last >= first)) return values;
  const double count = std::min(last - first + 1, static_cast<double>(kMostTicks));
  for (long i = 0; i < static_cast<long>(count); ++i) values.push_back((first + static_cast<double>(i)) * t.step + 0.0);
  return values;
}

double axis_position(const AxisTicks &t, double half, double value) {
  return half - (t.hi - value) * 2 * half / (t.hi - t.lo);
}

std::string tick_text(const AxisTicks &t, double value) {
  // Below half a unit of the step's last decimal a value is rounding noise;
  // printing it as 0 also keeps "-0.0" away.
  if (std::fabs(value) < 0.5 * std::pow(10.0, -t.step_decimals)) value = 0;
  return format_double(t.format, value);
}

void sample_labels(double lo, double hi, std::string &first, std::string &second) {
  const double tenth = nice_number(hi - lo, false) / 10;
  first = format_double(" %g ", nice_number(lo, false) + tenth);
  second = format_double(" %g ", nice_number(hi, false) - tenth);
}

}  // namespace vex3d
