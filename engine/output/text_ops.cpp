// Slots 14, 15, 22 and 27 to 30: fonts and text, and the operations this
// platform does not support.
#include <algorithm>
#include <cstring>

#include "boundary.h"
#include "diagnostics.h"
#include "font.h"
#include "font_hooks.h"
#include "output_state.h"
#include "w_render.h"

namespace vex3d {
namespace {

// Copies what the current-font record keeps of the selected record.
void remember_current(Vex3dGraph *graph, const FontRecord &record) {
  FontRecord &current = graph->current_font;
  if (&current == &record) return;
  current.ascent = record.ascent;
  current.descent = record.descent;
  current.height = record.height;
  current.typical_width = record.typical_width;
  current.stroke_font = record.stroke_font;
  current.stroke_size = record.stroke_size;
  if (!current.font || std::memcmp(&current.desc, &record.desc, sizeof record.desc) != 0) {
    delete current.font;
    current.font = make_font(record.font ? record.font->desc : record.desc);
  }
  current.desc = record.desc;
}

}  // namespace

void prepare_context(Vex3dGraph *graph) {
  if (!graph) return;
  OutputState &out = output_state(graph);
  platform::DrawContext *ctx = out.context;
  if (!ctx) return;
  graph->color_depth = is_metafile(ctx) ? 2 : ctx->color_depth();
  out.state.font = default_font();
  ctx->set_font(out.state.font);
  for (FontRecord *record :
       {&graph->header.font, &graph->footer.font, &graph->legend_font, &graph->axis_font, &graph->axis_title_font})
    fill_font_metrics(graph, record);
  for (const auto &text : graph->texts) fill_font_metrics(graph, &text->font);
}

}  // namespace vex3d

using namespace vex3d;

extern "C" void vex3d_win_setfont(Vex3dGraph *graph, vex3d::FontRecord *record) {
  guarded(__func__, [&] {
    if (!graph || !record) return;
    OutputState &out = output_state(graph);
    if (!record->font) record->font = make_font(record->desc);
    out.state.font = platform_font(record->font);
    if (out.context) out.context->set_font(out.state.font);
    remember_current(graph, *record);
  });
}

extern "C" void vex3d_win_drawstring(Vex3dGraph *graph, int x, int y, const char *text) {
  guarded(__func__, [&] {
    platform::DrawContext *ctx = current_context(graph);
    if (ctx && text) ctx->draw_text({x, y}, text);
  });
}

extern "C" void vex3d_win_drawstring_aligned(Vex3dGraph *graph, int x, int y, const char *text, int alignment) {
  guarded(__func__, [&] {
    platform::DrawContext *ctx = current_context(graph);
    if (!ctx || !text) return;
    const long long width = vex3d_win_textwidth(graph, text);
    long long left = x;
    if (alignment == VEX3D_ALIGN_RIGHT) {
      left = x - width;
    } else if (alignment != VEX3D_ALIGN_LEFT) {
      left = x - width / 2;
    }
    ctx->draw_text({static_cast<int>(std::max<long long>(left, -(1LL << 31))), y}, text);
  });
}

extern "C" int vex3d_win_textwidth(Vex3dGraph *graph, const char *text) {
  return guarded(__func__, [&]() -> int {
    if (!graph || !text) return 0;
    const OutputState &out = output_state(graph);
    const platform::DrawContext *ctx = out.context;
    if (ctx && !is_metafile(ctx)) return ctx->text_width(text);
    // No context, or a metafile: measured on the screen.
    return out.state.font ? out.state.font->text_width(text) : 0;
  });
}

extern "C" void vex3d_win_setdither(Vex3dGraph *graph) {
  guarded(__func__, [&] { message(graph, "I am in vex3d_win_setdither.  Yipes!!!"); });
}

extern "C" void vex3d_win_textextents(Vex3dGraph *graph, const char *text, int *ascent, int *descent, int *width) {
  guarded(__func__, [&] {
    (void)graph;
    (void)text;
    if (ascent) *ascent = 0;
    if (descent) *descent = 0;
    if (width) *width = 0;
    message(nullptr, "I am in vex3d_win_textextents.  Yipes!!!");
  });
}

extern "C" int vex3d_win_dith_index(Vex3dGraph *graph) {
  return guarded(__func__, [&]() -> int {
    message(graph, "I am in vex3d_win_dith_index.  Yipes!!!");
    return 0;
  });
}
