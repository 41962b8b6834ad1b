// Fitting the projected picture into the chart area, with zoom and shift
// relative to the stored full view.
#include <algorithm>
#include <cmath>

#include "gl.h"

namespace vex3d {
namespace {

// Shifts beyond this many windows only move the picture further out of sight;
// the bound keeps the device coordinates finite.
constexpr double kFarthestShift = 1e9;

bool unset(double v) { return v == VALUE_UNSET; }

}  // namespace

Rect inner_chart_rect(const Rect &area, int border_type, int border_width) {
  Rect r = area;
  if (border_type == Vex3dBorderShadow) {
    r.x += 1;
    r.y += 1;
    r.width -= border_width + 1;
    r.height -= border_width + 1;
  } else if (border_type != Vex3dBorderNone) {
    r.x += border_width;
    r.y += border_width;
    r.width -= 2 * border_width;
    r.height -= 2 * border_width;
  }
  r.width = std::max(r.width, 0);
  r.height = std::max(r.height, 0);
  return r;
}

ProjectedWindow choose_window(ProjectedWindow &full_view, const ProjectedWindow &computed, bool normalized) {
  const bool incomplete =
      unset(full_view.left) || unset(full_view.bottom) || unset(full_view.width) || unset(full_view.height);
  if (normalized || incomplete) full_view = computed;
  return full_view;
}

ProjectedWindow zoom_and_shift(const ProjectedWindow &window, double scale, double xshift, double yshift) {
  ProjectedWindow w = window;
  w.left += w.width * std::clamp(xshift, -kFarthestShift, kFarthestShift);
  w.bottom += w.height * std::clamp(yshift, -kFarthestShift, kFarthestShift);
  w.width /= scale;
  w.height /= scale;
  return w;
}

ViewportFit fit_window(const Rect &inner, const ProjectedWindow &window, double factor) {
  ViewportFit fit;
  const double iw = inner.width, ih = inner.height;
  const double ww = window.width, wh = window.height;
  if (!(ww > 0) || !(wh > 0) || !std::isfinite(ww) || !std::isfinite(wh)) return fit;
  const double k = (iw / ww) * wh >= ih ? (ih - 8) / wh : (iw - 8) / ww;
  fit.k = k * factor;
  fit.tx = (inner.x + (iw - k * ww) / 2 - k * window.left) * factor;
  fit.ty = (inner.y + (ih + k * wh) / 2 + k * window.bottom) * factor;
  fit.ok = k > 0 && std::isfinite(fit.k) && std::isfinite(fit.tx) && std::isfinite(fit.ty);
  return fit;
}

void viewport_matrices(const ViewportFit &fit, Matrix &w, Matrix &w_inverse) {
  set_identity(w);
  set_identity(w_inverse);
  if (!fit.ok) {
    // Nothing fits: every point lands on one device point and the inverse
    // stays neutral rather than dividing by k.
    w.m[0][0] = w.m[1][1] = 0;
    w.m[0][3] = std::isfinite(fit.tx) ? fit.tx : 0;
    w.m[1][3] = std::isfinite(fit.ty) ? fit.ty : 0;
    return;
  }
  w.m[0][0] = fit.k;
  w.m[1][1] = -fit.k;
  w.m[0][3] = fit.tx;
  w.m[1][3] = fit.ty;
  w_inverse.m[0][0] = 1 / fit.k;
  w_inverse.m[1][1] = -1 / fit.k;
  w_inverse.m[0][3] = -fit.tx / fit.k;
  w_inverse.m[1][3] = fit.ty / fit.k;
}

}  // namespace vex3d
