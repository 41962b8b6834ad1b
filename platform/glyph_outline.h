// Glyph outlines of a resolved font at its em square, for text drawn as
// geometry (3D text in outline fonts).
#pragma once

#include <memory>

#include "fonts.h"
#include "outline_font.h"

namespace vex3d::platform {

class GlyphOutlines {
 public:
  // The outlines of a font; ok() is false when its face has none to give.
  explicit GlyphOutlines(FontRef font);
  ~GlyphOutlines();
  GlyphOutlines(const GlyphOutlines &) = delete;
  GlyphOutlines &operator=(const GlyphOutlines &) = delete;

  bool ok() const { return impl_ != nullptr; }
  // The face's em square, ascent and bars, in its units.
  const OutlineMetrics &metrics() const { return metrics_; }
  // Replaces out with the outline and advance of one character, in face
  // units; false when the face has no outline for it (the glyph is then
  // skipped). Characters the face lacks give its missing-glyph shape.
  bool glyph(char32_t code, GlyphOutline &out) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  OutlineMetrics metrics_;
};

}  // namespace vex3d::platform
