#include "control_window.h"

#include "chart3d.h"

namespace tc3d {

vex3d::WindowSize ControlWindow::client_size() const {
  const Chart3D::Extent e = chart_.extent();
  return {e.width, e.height};
}
std::string ControlWindow::title() const { return std::string(Chart3D::kWindowClassName); }
void ControlWindow::invalidate(const vex3d::WindowRect *rect) { chart_.host().invalidate(rect); }
void ControlWindow::capture_mouse(bool on) { chart_.host().capture_mouse(on); }
void ControlWindow::send_to_parent(int message, const void *data) { chart_.on_notification(message, data); }
std::optional<std::string> ControlWindow::ask_open_file(const char *title, const char *filter) {
  return chart_.host().ask_open_file(title, filter);
}
bool ControlWindow::place_on_clipboard(const std::vector<vex3d::ClipboardItem> &items) {
  return chart_.host().place_on_clipboard(items);
}
std::optional<std::string> ControlWindow::choose_printer() { return chart_.host().choose_printer(); }
void ControlWindow::printing_started(const char *document) { chart_.host().printing_started(document); }
bool ControlWindow::printing_cancelled() { return chart_.host().printing_cancelled(); }
void ControlWindow::printing_ended(bool cancelled) { chart_.host().printing_ended(cancelled); }
void ControlWindow::show_pixels(const std::uint32_t *pixels, int width, int height, int stride,
                                const vex3d::WindowRect &changed) {
  chart_.host().show_pixels(pixels, width, height, stride, changed);
}

}  // namespace tc3d
