#include "font_hooks.h"

#include <cmath>
#include <cstring>

#include "font.h"
#include "output_state.h"
#include "w_render.h"

namespace vex3d {
namespace {

// The screen this platform draws for: true colour at 96 dots per inch.
constexpr int kScreenColorDepth = 32;

struct PlatformFont final : LayerState {
  explicit PlatformFont(platform::FontRef f) : font(std::move(f)) {}
  platform::FontRef font;
};

// The resolution a font record is measured at: the current context's, or
// the screen's when there is none or it is a metafile.
double measuring_dpi(const Vex3dGraph *graph) {
  const platform::DrawContext *ctx = current_context(graph);
  return ctx && !is_metafile(ctx) ? ctx->resolution() : platform::kScreenDpi;
}

}  // namespace

platform::FontRequest font_request(const Vex3dFontDesc &desc) {
  platform::FontRequest request;
  request.family.assign(desc.face, strnlen(desc.face, sizeof desc.face));
  request.height = desc.height;
  request.weight = desc.weight;
  request.italic = desc.italic != 0;
  request.underline = desc.underline != 0;
  request.strikeout = desc.strikeout != 0;
  return request;
}

platform::FontRef platform_font(Vex3dFont *font) {
  if (!font) return nullptr;
  if (auto *held = dynamic_cast<PlatformFont *>(font->platform.get())) return held->font;
  platform::FontRef resolved = platform::resolve_font(font_request(font->desc));
  if (resolved) font->platform = std::make_unique<PlatformFont>(resolved);
  return resolved;
}

platform::FontRef default_font() {
  return platform::resolve_font(platform::FontRequest{"sans-serif", -platform::kDefaultEmPixels, 400});
}

void realize_font(Vex3dFontDesc *desc, bool size_given) {
  if (!desc) return;
  const platform::FontRef font = platform::resolve_font(font_request(*desc));
  if (!font) return;
  const std::string &face = font->family();
  const std::size_t n = std::min(face.size(), sizeof desc->face - 1);
  std::memcpy(desc->face, face.data(), n);
  desc->face[n] = '\0';
  desc->weight = font->weight();
  desc->italic = font->italic();
  desc->underline = font->underline();
  desc->strikeout = font->strikeout();
  if (!size_given) desc->height = -static_cast<int>(std::lround(font->em_pixels()));
}

void fill_font_metrics(Vex3dGraph *graph, FontRecord *record) {
  if (!record) return;
  const platform::FontRef font =
      record->font ? platform_font(record->font) : platform::resolve_font(font_request(record->desc));
  if (!font) return;
  const platform::FontMetrics m = font->metrics(measuring_dpi(graph));
  record->ascent = m.ascent;
  record->descent = m.descent;
  record->height = m.height;
  record->typical_width = m.typical_width();
}

int screen_dpi_hook() { return static_cast<int>(platform::kScreenDpi); }

int screen_color_depth_hook() { return kScreenColorDepth; }

}  // namespace vex3d
