// Slot after slot along the ray's trace, each found from the last by the
// nearer of the next x line and the next y line.
#include "ray_walk.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vex3d {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The t interval in which a + t * d lies within [lo, hi]; empty (from > to)
// when it never does.
void clip(double a, double d, double lo, double hi, double &from, double &to) {
  if (d == 0) {
    if (!(a >= lo && a <= hi)) from = kInfinity, to = -kInfinity;
    return;
  }
  double t0 = (lo - a) / d, t1 = (hi - a) / d;
  if (t0 > t1) std::swap(t0, t1);
  from = std::max(from, t0);
  to = std::min(to, t1);
}

// The slot of value v: the last line at or before it, within 0 ... lines - 2.
int slot_of(std::span<const double> lines, double v) {
  const auto above = std::upper_bound(lines.begin(), lines.end(), v);
  const int k = int(above - lines.begin()) - 1;
  return std::clamp(k, 0, int(lines.size()) - 2);
}

// One direction of the walk: the current slot, its step and where the trace
// reaches the next line.
struct Axis1 {
  std::span<const double> lines;
  double a, d;
  int slot = 0, step = 0;
  double next = kInfinity;

  void start(double t) {
    slot = slot_of(lines, a + t * d);
    step = d > 0 ? 1 : d < 0 ? -1 : 0;
    aim();
  }
  void aim() { next = step == 0 ? kInfinity : (lines[std::size_t(slot + (step > 0 ? 1 : 0))] - a) / d; }
  // False when the walk leaves the lines.
  bool advance() {
    slot += step;
    if (slot < 0 || slot + 1 >= int(lines.size())) return false;
    aim();
    return true;
  }
};

}  // namespace

void walk_slots(std::span<const double> x_lines, std::span<const double> y_lines, const RayTrace &trace,
                SlotVisitor visit) {
  if (x_lines.size() < 2 || y_lines.size() < 2) return;
  if (!(x_lines.front() < x_lines.back()) || !(y_lines.front() < y_lines.back())) return;
  double from = trace.from, to = trace.to;
  clip(trace.x, trace.dx, x_lines.front(), x_lines.back(), from, to);
  clip(trace.y, trace.dy, y_lines.front(), y_lines.back(), from, to);
  if (!(from <= to) || !std::isfinite(from)) return;

  Axis1 x{x_lines, trace.x, trace.dx}, y{y_lines, trace.y, trace.dy};
  x.start(from);
  y.start(from);
  double t = from;
  // Each step crosses a line, so the walk ends after at most all the lines.
  for (;;) {
    const double out = std::min({x.next, y.next, to});
    if (visit(x.slot, y.slot, t, out)) return;
    if (out >= to) return;
    const bool cross_x = x.next <= y.next, cross_y = y.next <= x.next;
    if (cross_x && !x.advance()) return;
    if (cross_y && !y.advance()) return;
    t = out;
  }
}

}  // namespace vex3d
