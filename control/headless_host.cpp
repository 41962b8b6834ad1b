#include "headless_host.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "3dctl.h"

namespace tc3d {

void HeadlessHost::invalidate(const vex3d::WindowRect *rect) {
  const Chart3D::Extent e = chart_ ? chart_->extent() : Chart3D::Extent{};
  invalid_ = vex3d::united(invalid_, rect ? *rect : vex3d::WindowRect{0, 0, e.width, e.height});
  has_invalid_ = true;
}

void HeadlessHost::update_now() {
  if (!has_invalid_ || !chart_) return;
  const vex3d::WindowRect rect = invalid_;
  invalid_ = {};
  has_invalid_ = false;
  ++paints_;
  chart_->paint(&rect);
}

void HeadlessHost::show_pixels(const std::uint32_t *pixels, int width, int height, int stride,
                               const vex3d::WindowRect &changed) {
  ++shows_;
  last_shown_ = changed;
  if (width != width_ || height != height_) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * height_, 0);
  }
  if (!pixels) return;
  const int x0 = std::clamp(changed.x, 0, width_), x1 = std::clamp(changed.x + changed.width, 0, width_);
  const int y0 = std::clamp(changed.y, 0, height_), y1 = std::clamp(changed.y + changed.height, 0, height_);
  for (int y = y0; y < y1; ++y) {
    const auto *row = reinterpret_cast<const std::uint32_t *>(reinterpret_cast<const std::uint8_t *>(pixels) +
                                                              static_cast<std::size_t>(y) * stride);
    std::memcpy(pixels_.data() + static_cast<std::size_t>(y) * width_ + x0, row + x0,
                static_cast<std::size_t>(x1 - x0) * 4);
  }
}

void HeadlessHost::open_property_frame(std::string_view caption, std::span<const std::string_view> pages) {
  caption_ = caption;
  frames_.emplace_back(pages.begin(), pages.end());
}

Vex3dDrawContext *HeadlessHost::device_context(std::int64_t handle) {
  if (handle < 1 || handle > static_cast<std::int64_t>(contexts_.size())) return nullptr;
  return contexts_[static_cast<std::size_t>(handle - 1)];
}

std::int64_t HeadlessHost::add_device_context(Vex3dDrawContext *context) {
  contexts_.push_back(context);
  return static_cast<std::int64_t>(contexts_.size());
}

void HeadlessHost::about_box(std::string_view text) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

void HeadlessHost::set_wait_cursor(bool on) {
  wait_depth_ += on ? 1 : -1;
  if (on) ++wait_uses_;
}

}  // namespace tc3d
