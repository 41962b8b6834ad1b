// The host side of a control: what the control asks of the application that
// embeds it (its window on the screen, dialogs, the about box, the cursor,
// the document's dirty flag). The headless host implements it for programs
// and tests; a widget toolkit's host implements it on the screen.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "page.h"
#include "window.h"

namespace tc3d {

class Chart3D;

class Host {
 public:
  virtual ~Host() = default;
  // The control this host serves (set at the control's creation).
  virtual void attach(Chart3D *chart) = 0;

  // ---- the window
  // A part of the window needs a repaint (null: all of it).
  virtual void invalidate(const vex3d::WindowRect *rect) = 0;
  // Paint what is invalid now, before returning (the control's paint cycle:
  // Chart3D::paint).
  virtual void update_now() = 0;
  // Whether the control sits in a web page (asked once, at the first paint):
  // there every paint covers the whole client area. None by default.
  virtual bool in_web_page() { return false; }
  // Drops what waits to be painted (a paint outside a web page ends so).
  virtual void validate() {}
  // Pixels drawn for the window (see Vex3dWindow::show_pixels).
  virtual void show_pixels(const std::uint32_t *pixels, int width, int height, int stride,
                           const vex3d::WindowRect &changed) = 0;
  virtual void capture_mouse(bool on) = 0;
  virtual std::optional<std::string> ask_open_file(const char *title, const char *filter) = 0;

  // The drawing context a device handle stands for (DrawToDC), none for a
  // handle this host did not give out.
  virtual Vex3dDrawContext *device_context(std::int64_t handle) = 0;

  // The clipboard: empties it and places the items; false when there is no
  // clipboard or it cannot be opened.
  virtual bool place_on_clipboard(const std::vector<vex3d::ClipboardItem> &items) = 0;
  // The print dialog: the printer chosen ("" for the default one), none when
  // the user cancelled.
  virtual std::optional<std::string> choose_printer() = 0;
  // The abort dialog while a page prints (see the graph window's): none by
  // default, which never cancels.
  virtual void printing_started(const char *document) { (void)document; }
  virtual bool printing_cancelled() { return false; }
  virtual void printing_ended(bool cancelled) { (void)cancelled; }

  // ---- dialogs and the rest
  // Opens the modal property frame with these pages (in this order) under
  // the caption; returns when it closes.
  virtual void open_property_frame(std::string_view caption, std::span<const std::string_view> pages) = 0;
  virtual void about_box(std::string_view text) = 0;
  virtual void set_wait_cursor(bool on) = 0;
  // The control changed: the host's document is modified.
  virtual void set_modified() = 0;
  // The bound properties changed (after a flush ended a batch).
  virtual void bound_properties_changed() = 0;
};

}  // namespace tc3d
