// A host without a screen: the window's pixels are kept, a paint runs as
// soon as it is asked for, dialogs are recorded and answered with nothing,
// the about box goes to standard error.
#pragma once

#include <string>
#include <vector>

#include "host.h"

namespace tc3d {

class HeadlessHost : public Host {
 public:
  void attach(Chart3D *chart) override { chart_ = chart; }
  void invalidate(const vex3d::WindowRect *rect) override;
  void update_now() override;
  bool in_web_page() override {
    ++web_page_questions_;
    return web_page_;
  }
  void validate() override {
    invalid_ = {};
    has_invalid_ = false;
  }
  // Puts the control in a web page (before its first paint), and how often it asked.
  void place_in_web_page() { web_page_ = true; }
  int web_page_questions() const { return web_page_questions_; }
  // The part of the window the last show changed.
  const vex3d::WindowRect &last_shown() const { return last_shown_; }
  bool has_invalid() const { return has_invalid_; }
  void show_pixels(const std::uint32_t *pixels, int width, int height, int stride,
                   const vex3d::WindowRect &changed) override;
  void capture_mouse(bool on) override { captured_ = on; }
  std::optional<std::string> ask_open_file(const char *, const char *) override { return std::nullopt; }
  void open_property_frame(std::string_view caption, std::span<const std::string_view> pages) override;
  void about_box(std::string_view text) override;
  void set_wait_cursor(bool on) override;
  void set_modified() override { ++modified_; }
  Vex3dDrawContext *device_context(std::int64_t handle) override;
  // No clipboard: the request is counted and fails.
  bool place_on_clipboard(const std::vector<vex3d::ClipboardItem> &) override {
    ++clipboard_requests_;
    return false;
  }
  // No print dialog, so no printer is chosen: printing through the window
  // fails (a program that prints names its printer to the engine).
  std::optional<std::string> choose_printer() override {
    ++printer_requests_;
    return std::nullopt;
  }
  int clipboard_requests() const { return clipboard_requests_; }
  int printer_requests() const { return printer_requests_; }
  // Makes a context known by a handle (the host owns the context).
  std::int64_t add_device_context(Vex3dDrawContext *context);
  void bound_properties_changed() override { ++bound_changes_; }

  // ---- what happened
  int paints() const { return paints_; }  // paint cycles run
  int shows() const { return shows_; }    // pixels shown
  int modified() const { return modified_; }
  int bound_changes() const { return bound_changes_; }
  int wait_cursor_depth() const { return wait_depth_; }
  int wait_cursor_uses() const { return wait_uses_; }
  const std::vector<std::vector<std::string>> &property_frames() const { return frames_; }
  const std::string &last_frame_caption() const { return caption_; }
  const std::vector<std::uint32_t> &pixels() const { return pixels_; }
  int shown_width() const { return width_; }
  int shown_height() const { return height_; }

 private:
  Chart3D *chart_ = nullptr;
  vex3d::WindowRect invalid_;
  bool has_invalid_ = false, captured_ = false, web_page_ = false;
  int web_page_questions_ = 0;
  vex3d::WindowRect last_shown_;
  int clipboard_requests_ = 0, printer_requests_ = 0;
  int paints_ = 0, shows_ = 0, modified_ = 0, bound_changes_ = 0, wait_depth_ = 0, wait_uses_ = 0;
  std::vector<std::vector<std::string>> frames_;
  std::string caption_;
  std::vector<std::uint32_t> pixels_;
  std::vector<Vex3dDrawContext *> contexts_;  // handle n is contexts_[n - 1]
  int width_ = 0, height_ = 0;
};

}  // namespace tc3d
