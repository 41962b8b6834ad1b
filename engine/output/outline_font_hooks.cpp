// Outline faces for 3D text: a font description resolved on the platform
// and read at its em square.
#include "outline_font_hooks.h"

#include <new>

#include "font_hooks.h"
#include "glyph_outline.h"

struct vex3d::OutlineFace {
  explicit OutlineFace(platform::FontRef font) : outlines(std::move(font)) {}
  platform::GlyphOutlines outlines;
};

namespace vex3d {
namespace {

OutlineFace *open_outline_face(const Vex3dFontDesc *desc, OutlineMetrics *metrics) {
  if (!desc) return nullptr;
  platform::FontRef font = platform::resolve_font(font_request(*desc));
  if (!font) return nullptr;
  auto *face = new (std::nothrow) OutlineFace(std::move(font));
  if (face && !face->outlines.ok()) {
    delete face;
    return nullptr;
  }
  if (face && metrics) *metrics = face->outlines.metrics();
  return face;
}

bool glyph_outline(OutlineFace *face, char32_t code, GlyphOutline *outline) {
  return face && outline && face->outlines.glyph(code, *outline);
}

void close_outline_face(OutlineFace *face) { delete face; }

}  // namespace

void install_outline_font_hooks(EngineHooks &hooks) {
  hooks.open_outline_face = open_outline_face;
  hooks.glyph_outline = glyph_outline;
  hooks.close_outline_face = close_outline_face;
}

}  // namespace vex3d
