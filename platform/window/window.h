// The window a graph draws in, as a host provides it.
//
// A host (a widget toolkit, or the headless window for tests, the command
// line and servers) implements this interface and forwards its window's
// events to the graph window functions (graph_window.h). The graph reports
// back to the window's parent with messages numbered from the user message
// base 0x400: resized (+4000), drawn (+4001), palette replaced (+4002), and
// from user actions (+4003 to +4007).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The graph a window is attached to: the engine's, known here by name only.
struct Vex3dGraph;

namespace vex3d {

constexpr int kUserMessage = 0x400;
constexpr int kMessageResized = kUserMessage + 4000;          // data: WindowSize
constexpr int kMessageDrawn = kUserMessage + 4001;            // data: WindowRect, the part that changed
constexpr int kMessagePaletteReplaced = kUserMessage + 4002;  // data: none
constexpr int kMessageModifyStart = kUserMessage + 4003;
constexpr int kMessageModifyEnd = kUserMessage + 4004;
constexpr int kMessageViewRotated = kUserMessage + 4005;
constexpr int kMessageViewportChanged = kUserMessage + 4006;
constexpr int kMessagePropertyPages = kUserMessage + 4007;

struct WindowSize {
  int width = 0, height = 0;
};

struct WindowRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const WindowRect &) const = default;
};

// The record of a proposed view change (kMessageViewRotated: the X, Y and Z
// rotations; kMessageViewportChanged: scale, horizontal and vertical shift)
// with its acceptance; the parent may change every field before the send
// returns. kMessageModifyStart carries an int: whether to start.
struct ViewChange {
  double first = 0, second = 0, third = 0;
  int ok = 1;
};

// The smallest rectangle holding both (an empty one adds nothing).
WindowRect united(const WindowRect &a, const WindowRect &b);

// One form of the chart placed on the clipboard, under the clipboard's
// format numbers.
struct ClipboardItem {
  enum Format : int {
    kMetafilePicture = 3,   // mapping mode, x and y extents (32-bit each), then a plain metafile
    kDib = 8,               // a packed device-independent bitmap
    kPalette = 9,           // version 0x300, entry count (16-bit each), then red, green, blue, flags
    kEnhancedMetafile = 14  // an enhanced metafile
  };
  Format format;
  std::vector<std::uint8_t> bytes;
};

}  // namespace vex3d

struct Vex3dWindow {
  Vex3dWindow() = default;
  Vex3dWindow(const Vex3dWindow &) = delete;
  Vex3dWindow &operator=(const Vex3dWindow &) = delete;
  virtual ~Vex3dWindow();  // out of line: one type identity across libraries

  // Size of the drawable area in pixels, and the window's title.
  virtual vex3d::WindowSize client_size() const = 0;
  virtual std::string title() const = 0;
  // The window that receives the graph's notifications (may be none).
  virtual Vex3dWindow *parent() const = 0;

  // Asks for a repaint of a part of the window (none: all of it).
  virtual void invalidate(const vex3d::WindowRect *rect) = 0;
  // Takes or releases the mouse while a user action runs.
  virtual void capture_mouse(bool on) = 0;
  // Delivers a notification to the parent window: the message number, the
  // window sending it and its data (see the message numbers above).
  virtual void send_to_parent(int message, const void *data) = 0;
  // Asks the user for a file to open (dialog title, filter such as
  // "VEX3D data (*.dat)"); none when there is none or it was cancelled.
  virtual std::optional<std::string> ask_open_file(const char *title, const char *filter) = 0;
  // The graph that owns the window is being destroyed: the host closes it.
  virtual void close() = 0;
  // Shows pixels drawn for the window: 32-bit premultiplied ARGB rows of the
  // whole window (width x height, stride in bytes), of which `changed` is new.
  virtual void show_pixels(const std::uint32_t *pixels, int width, int height, int stride,
                           const vex3d::WindowRect &changed) = 0;

  // The host's clipboard: empties it and places the items; false when the
  // host has no clipboard or cannot open it (the default).
  virtual bool place_on_clipboard(const std::vector<vex3d::ClipboardItem> &items) {
    (void)items;
    return false;
  }
  // The host's print dialog: the printer chosen ("" for the default one), or
  // none when the user cancelled. A host without a dialog (the default)
  // prints on the default destination.
  virtual std::optional<std::string> choose_printer() { return std::string(); }
  // The host's abort dialog while a page prints ("Abort", over the window,
  // its close item disabled): shown when printing starts; asked between the
  // steps of printing, when the host also handles its pending events so the
  // window keeps painting; true once the user pressed its cancel button,
  // and the job is then withdrawn; closed when printing ends unless the
  // cancel button closed it. A host without one (the default) never cancels.
  virtual void printing_started(const char *document) { (void)document; }
  virtual bool printing_cancelled() { return false; }
  virtual void printing_ended(bool cancelled) { (void)cancelled; }

  // The graph attached to this window (set while attached).
  Vex3dGraph *graph = nullptr;
};
