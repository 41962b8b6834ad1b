#include "headless_window.h"

#include <algorithm>
#include <cstring>

namespace vex3d {

void HeadlessWindow::invalidate(const WindowRect *rect) {
  const WindowRect all{0, 0, size_.width, size_.height};
  invalid_ = united(invalid_, rect ? *rect : all);
}

void HeadlessWindow::send_to_parent(int message, const void *data) {
  Message m{message, this, {}, {}};
  if (message == kMessageDrawn && data) m.rect = *static_cast<const WindowRect *>(data);
  if (message == kMessageResized && data) m.size = *static_cast<const WindowSize *>(data);
  messages_.push_back(m);
}

void HeadlessWindow::show_pixels(const std::uint32_t *pixels, int width, int height, int stride,
                                 const WindowRect &changed) {
  ++shows_;
  if (width != shown_width_ || height != shown_height_) {
    shown_width_ = std::max(width, 0);
    shown_height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(shown_width_) * shown_height_, 0);
  }
  if (!pixels) return;
  const int x0 = std::clamp(changed.x, 0, shown_width_), x1 = std::clamp(changed.x + changed.width, 0, shown_width_);
  const int y0 = std::clamp(changed.y, 0, shown_height_), y1 = std::clamp(changed.y + changed.height, 0, shown_height_);
  for (int y = y0; y < y1; ++y) {
    const auto *row = reinterpret_cast<const std::uint32_t *>(reinterpret_cast<const std::uint8_t *>(pixels) +
                                                              static_cast<std::size_t>(y) * stride);
    std::memcpy(pixels_.data() + static_cast<std::size_t>(y) * shown_width_ + x0, row + x0,
                static_cast<std::size_t>(x1 - x0) * 4);
  }
}

}  // namespace vex3d
