// The HSV rule of the border shades. Hue is kept in whole degrees, saturation
// and value in whole percentages, so the shades of a colour are the same
// whatever the device.
#include "shades.h"

#include <algorithm>
#include <cmath>

namespace vex3d {
namespace {

struct Hsv {
  int h = 0;  // degrees, 0..359
  int s = 0;  // percent
  int v = 0;  // percent
};

int red(int c) { return c & 0xFF; }
int green(int c) { return (c >> 8) & 0xFF; }
int blue(int c) { return (c >> 16) & 0xFF; }
int rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }
int percent(double fraction) { return static_cast<int>(std::lround(fraction * 100.0)); }

Hsv to_hsv(int color) {
  const double r = red(color) / 255.0, g = green(color) / 255.0, b = blue(color) / 255.0;
  const double max = std::max({r, g, b}), min = std::min({r, g, b});
  Hsv hsv;
  hsv.v = percent(max);
  if (max <= 0.0) return hsv;  // black: no hue, no saturation
  const double delta = max - min;
  hsv.s = percent(delta / max);
  if (delta <= 0.0) return hsv;  // greys have no hue
  double h;
  if (max == r)
    h = 60.0 * (g - b) / delta;
  else if (max == g)
    h = 60.0 * (2.0 + (b - r) / delta);
  else
    h = 60.0 * (4.0 + (r - g) / delta);
  int degrees = static_cast<int>(std::lround(h)) % 360;
  if (degrees < 0) degrees += 360;
  hsv.h = degrees;
  return hsv;
}

int component(double c) { return static_cast<int>(c * 255.0 + 0.5); }

int from_hsv(const Hsv &hsv) {
  const double v = hsv.v / 100.0;
  if (hsv.s == 0) {
    const int grey = (hsv.v * 255 + 50) / 100;  // v * 2.55 rounded, in exact integers
    return rgb(grey, grey, grey);
  }
  const double s = hsv.s / 100.0;
  const double sector = (hsv.h % 360) / 60.0;
  const int i = static_cast<int>(sector);
  const double f = sector - i;
  const double p = v * (1.0 - s), q = v * (1.0 - s * f), t = v * (1.0 - s * (1.0 - f));
  double r, g, b;
  switch (i) {
    case 0: r = v, g = t, b = p; break;
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    default: r = v, g = p, b = q; break;
  }
  return rgb(component(r), component(g), component(b));
}

}  // namespace

Shades border_shades(int color) {
  const Hsv hsv = to_hsv(color);

  Hsv dark = hsv;
  dark.v = static_cast<int>(hsv.v * 0.65);

  Hsv light = hsv;
  light.v = hsv.v * 120 / 100;
  if (light.v > 100) {
    if (hsv.v == 100 && hsv.s < 2) {
      light.v = 95;
    } else {
      light.s = hsv.s / 2;
      light.v = 100;
    }
  }
  light.v = std::max(light.v, 50);
  return Shades{from_hsv(light), from_hsv(dark)};
}

Shades border_shades(BackgroundColor &record) {
  if (record.device[0] == -1 || record.device[1] == -1) {
    const Shades s = border_shades(record.color);
    record.device[0] = s.light;
    record.device[1] = s.dark;
  }
  return Shades{record.device[0], record.device[1]};
}

}  // namespace vex3d
