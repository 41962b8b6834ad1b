// A window without a screen: it keeps what was shown in it and the messages
// its parent received, for tests, the command line and servers.
#pragma once

#include <string>
#include <vector>

#include "window.h"

namespace vex3d {

class HeadlessWindow : public Vex3dWindow {
 public:
  struct Message {
    int number;
    Vex3dWindow *from;
    WindowRect rect;  // kMessageDrawn
    WindowSize size;  // kMessageResized
  };

  HeadlessWindow(int width, int height, std::string title = "") : size_{width, height}, title_(std::move(title)) {}

  WindowSize client_size() const override { return size_; }
  std::string title() const override { return title_; }
  Vex3dWindow *parent() const override { return parent_; }
  void invalidate(const WindowRect *rect) override;
  void capture_mouse(bool on) override { captured_ = on; }
  void send_to_parent(int message, const void *data) override;
  // No one to ask: no file, so the command that wanted one does nothing.
  std::optional<std::string> ask_open_file(const char *, const char *) override { return std::nullopt; }
  void show_pixels(const std::uint32_t *pixels, int width, int height, int stride, const WindowRect &changed) override;
  void close() override { closed_ = true; }
  // A window without a screen has no clipboard unless its owner gives it
  // one (tests); then the items placed are kept.
  bool place_on_clipboard(const std::vector<ClipboardItem> &items) override {
    if (!has_clipboard_) return false;
    clipboard_ = items;
    return true;
  }
  // The abort dialog of a window without a screen: its owner (a test) may
  // press cancel at the n-th question.
  void printing_started(const char *document) override {
    printing_ = document;
    questions_ = 0;
  }
  bool printing_cancelled() override { return ++questions_, cancel_at_ > 0 && questions_ >= cancel_at_; }
  void printing_ended(bool cancelled) override {
    printing_.clear();
    ended_cancelled_ = cancelled;
  }

  // ---- for the owner
  void set_size(int width, int height) { size_ = WindowSize{width, height}; }
  void set_parent(Vex3dWindow *parent) { parent_ = parent; }
  const std::vector<Message> &messages() const { return messages_; }
  void clear_messages() { messages_.clear(); }
  // The part of the window waiting for a repaint (empty when none).
  const WindowRect &invalid() const { return invalid_; }
  void validate() { invalid_ = WindowRect{}; }
  bool captured() const { return captured_; }
  // What the window shows: width x height pixels, 0 where nothing was shown.
  const std::vector<std::uint32_t> &pixels() const { return pixels_; }
  int shown_width() const { return shown_width_; }
  int shown_height() const { return shown_height_; }
  int shows() const { return shows_; }
  bool closed() const { return closed_; }
  void give_clipboard() { has_clipboard_ = true; }
  // Cancels printing when the abort dialog is asked for the n-th time (0: never).
  void cancel_printing_at(int question) { cancel_at_ = question; }
  // The document printing now ("" when none), the questions asked, and
  // whether the last printing ended cancelled.
  const std::string &printing() const { return printing_; }
  int questions() const { return questions_; }
  bool ended_cancelled() const { return ended_cancelled_; }
  const std::vector<ClipboardItem> &clipboard() const { return clipboard_; }

 private:
  bool has_clipboard_ = false;
  std::string printing_;
  int cancel_at_ = 0, questions_ = 0;
  bool ended_cancelled_ = false;
  std::vector<ClipboardItem> clipboard_;
  WindowSize size_;
  std::string title_;
  Vex3dWindow *parent_ = nullptr;
  std::vector<Message> messages_;
  WindowRect invalid_;
  bool captured_ = false;
  std::vector<std::uint32_t> pixels_;
  int shown_width_ = 0, shown_height_ = 0;
  int shows_ = 0;
  bool closed_ = false;
};

}  // namespace vex3d
