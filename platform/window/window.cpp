#include "window.h"

#include <algorithm>

namespace vex3d {

WindowRect united(const WindowRect &a, const WindowRect &b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  const int x1 = std::max(a.x + a.width, b.x + b.width), y1 = std::max(a.y + a.height, b.y + b.height);
  return WindowRect{x0, y0, x1 - x0, y1 - y0};
}

}  // namespace vex3d

Vex3dWindow::~Vex3dWindow() = default;
