// The control's window as the engine sees it: its size is the control's
// extent, what it shows and invalidates goes to the host, and what the
// engine sends to its parent comes to the control.
#pragma once

#include "window.h"

namespace tc3d {

class Chart3D;

class ControlWindow : public Vex3dWindow {
 public:
  explicit ControlWindow(Chart3D &chart) : chart_(chart) {}
  vex3d::WindowSize client_size() const override;
  std::string title() const override;
  Vex3dWindow *parent() const override { return nullptr; }
  void invalidate(const vex3d::WindowRect *rect) override;
  void capture_mouse(bool on) override;
  void send_to_parent(int message, const void *data) override;
  std::optional<std::string> ask_open_file(const char *title, const char *filter) override;
  void close() override {}
  bool place_on_clipboard(const std::vector<vex3d::ClipboardItem> &items) override;
  std::optional<std::string> choose_printer() override;
  void printing_started(const char *document) override;
  bool printing_cancelled() override;
  void printing_ended(bool cancelled) override;
  void show_pixels(const std::uint32_t *pixels, int width, int height, int stride,
                   const vex3d::WindowRect &changed) override;

 private:
  Chart3D &chart_;
};

}  // namespace tc3d
