// Computed levels are rounded through a printed form, so that they read as
// round numbers in the legend and in a saved levels file.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "levels.h"

namespace vex3d {
namespace {

std::string format_with(const char *pattern, int digits) {
  char format[32];
  std::snprintf(format, sizeof format, pattern, digits);
  return format;
}

}  // namespace

int decimal_places(double v) {
  // An infinite or undefined value (a step over a range beyond the largest
  // double) has no digit to place either.
  if (v == 0 || !std::isfinite(v)) return kNoSignificantDigit;
  return -static_cast<int>(std::floor(std::log10(std::fabs(v)) + 1e-13));
}

std::string level_format(double dmin, double dmax, double step) {
  // A step lost against 1.0 says nothing of the magnitudes; the range's end does.
  double m = step;
  if (step + 1.0 == 1.0) m = dmin != 0 ? dmin : dmax;
  const int p = decimal_places(m);
  const double larger = std::fabs(dmin) > std::fabs(dmax) ? dmin : dmax;
  const int q = decimal_places(larger);
  if (p >= -5 && (p < 1 || q < 5)) return format_with("%%.%dlf", std::max(p + 1, 0));
  return format_with("%%.%dlE", std::max(p - q + 1, 0));
}

double round_through_format(double v, const std::string &format) {
  // A fixed form of a large value with many decimals runs to hundreds of characters.
  const int length = std::snprintf(nullptr, 0, format.c_str(), v);
  if (length < 0) return v;
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), format.c_str(), v);
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace vex3d
