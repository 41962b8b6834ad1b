// Fonts: a description resolved through fontconfig to a real face, with the
// metrics and text widths the back end needs.
//
// Resolved fonts are cached by description for the life of the process, so
// that drawing never re-creates a font; they are immutable and may be shared
// between threads.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "font_memo.h"

namespace vex3d::platform {

// The screen's resolution; font sizes in pixels are screen pixels.
constexpr double kScreenDpi = 96.0;
// The character height of a font asked for without a size (12 points).
constexpr int kDefaultEmPixels = 16;

struct FontRequest {
  std::string family;
  // Negative: character height in screen pixels; positive: cell height
  // (ascent + descent); 0: the default size.
  int height = 0;
  int weight = 0;  // 0 any, 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  friend bool operator==(const FontRequest &, const FontRequest &) = default;
};

// Metrics in whole pixels at some resolution.
struct FontMetrics {
  int ascent = 0, descent = 0, height = 0;
  int average_width = 0, max_width = 0;
  // What the font records call the typical character width.
  int typical_width() const { return (average_width + max_width) / 2; }
};

class Font {
 public:
  struct Impl;
  explicit Font(std::unique_ptr<Impl> impl);
  ~Font();
  Font(const Font &) = delete;
  Font &operator=(const Font &) = delete;

  // The face actually obtained (for example "Liberation Sans" for "Arial").
  const std::string &family() const;
  int weight() const;  // 400, 700, ... (700 when bold is synthesised)
  bool italic() const;
  bool underline() const;
  bool strikeout() const;
  // Character height in screen pixels.
  double em_pixels() const;
  // Character height in pixels at a resolution.
  double em_pixels_at(double dpi) const { return em_pixels() * dpi / kScreenDpi; }

  FontMetrics metrics(double dpi = kScreenDpi) const;
  // Advance width of UTF-8 text (invalid bytes taken as Latin-1), rounded.
  int text_width(std::string_view text, double dpi = kScreenDpi) const;

  const Impl &impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

using FontRef = std::shared_ptr<const Font>;

// The font for a request, from the cache or resolved now; null only when no
// font at all can be found on the machine.
FontRef resolve_font(const FontRequest &request);

// The two steps of resolving, for comparing a remembered choice with
// fontconfig's: what fontconfig chooses (nothing when it has no font), and
// the font made from a choice at the request's size and decoration.
std::optional<FontChoice> fontconfig_choice(const FontRequest &request);
FontRef font_from_choice(const FontChoice &choice, const FontRequest &request);

}  // namespace vex3d::platform
