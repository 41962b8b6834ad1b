#include "arc_rule.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "draw_codes.h"

namespace vex3d {
namespace {

constexpr long long kHalfTurn = VEX3D_ANGLE_FULL_TURN / 2;
constexpr double kRadiansPerUnit = std::numbers::pi / kHalfTurn;

struct Radial {
  long long x, y;
  friend bool operator==(const Radial &, const Radial &) = default;
};

Radial radial_point(long long x, long long y, long long w, long long h, long long angle) {
  const double a = static_cast<double>(angle) * kRadiansPerUnit;
  return Radial{x + w / 2 + std::llround(std::cos(a) * static_cast<double>(w)),
                y + h / 2 - std::llround(std::sin(a) * static_cast<double>(h))};
}

int clamp_int(long long v) { return static_cast<int>(std::clamp<long long>(v, -(1LL << 31), (1LL << 31) - 1)); }

}  // namespace

std::optional<platform::ArcSpec> plan_arc(int x, int y, int width, int height, int angle1, int angle2, bool filled) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const long long from = std::min<long long>(angle1, static_cast<long long>(angle1) + angle2);
  const long long to = std::max<long long>(angle1, static_cast<long long>(angle1) + angle2);
  const Radial start = radial_point(x, y, width, height, from);
  const Radial end = radial_point(x, y, width, height, to);
  const platform::Box shifted{clamp_int(x + 1LL), clamp_int(y + 1LL), width, height};

  platform::ArcSpec arc;
  if (start == end) {
    if (to - from <= kHalfTurn) return std::nullopt;
    arc.box = filled ? platform::Box{x, y, width, height} : shifted;
    arc.start = 0;
    arc.sweep = 2 * std::numbers::pi;
    return arc;
  }
  // Angles of the two rays on the ellipse seen as a stretched circle.
  const double cx = shifted.x + width / 2.0, cy = shifted.y + height / 2.0;
  const auto angle_of = [&](const Radial &p) {
    return std::atan2(-(static_cast<double>(p.y) - cy) / height, (static_cast<double>(p.x) - cx) / width);
  };
  const double a = angle_of(start);
  double sweep = std::fmod(angle_of(end) - a, 2 * std::numbers::pi);
  if (sweep <= 0) sweep += 2 * std::numbers::pi;
  arc.box = shifted;
  arc.start = a;
  arc.sweep = sweep;
  return arc;
}

}  // namespace vex3d
