// Slots 16 to 21 and 23 to 26: the drawing state. Each operation changes the
// graph's description, remakes what it describes and hands it to the
// current context (which ignores what did not change).
#include <span>

#include "boundary.h"
#include "output_state.h"
#include "pen_rules.h"
#include "w_render.h"

namespace vex3d {
namespace {

// Every change of the pen or the brush is counted in the graph, whose chart
// body keeps the colours it set last (render/body_canvas.h).
void push_pen(Vex3dGraph *graph, OutputState &out) {
  ++graph->draw_state_changes.pen;
  out.state.pen = make_pen(out.pen);
  if (out.context) out.context->set_pen(out.state.pen);
}

void set_text_color(OutputState &out, int color) {
  out.state.text_color = platform::rgb_of(color);
  if (out.context) out.context->set_text_color(out.state.text_color);
}

void push_brush(Vex3dGraph *graph, OutputState &out) {
  ++graph->draw_state_changes.brush;
  out.state.brush = platform::Brush{platform::rgb_of(out.fill_color), out.stipple_brush};
  if (out.context) out.context->set_brush(out.state.brush);
}

// Makes a context current and returns the one it replaced; only the scope
// below calls it, so that every change is undone.
platform::DrawContext *set_current_context(Vex3dGraph *graph, platform::DrawContext *context) {
  if (!graph) return nullptr;
  OutputState &out = output_state(graph);
  platform::DrawContext *previous = out.context;
  out.context = context;
  if (context) context->set_state(out.state);
  return previous;
}

}  // namespace

CurrentContextScope::CurrentContextScope(Vex3dGraph *graph, platform::DrawContext *context)
    : graph_(graph), previous_(set_current_context(graph, context)) {}

CurrentContextScope::~CurrentContextScope() { set_current_context(graph_, previous_); }

}  // namespace vex3d

using namespace vex3d;

extern "C" void vex3d_win_setclip(Vex3dGraph *graph, const vex3d::Rect *rectangle) {
  guarded(__func__, [&] {
    if (!graph) return;
    OutputState &out = output_state(graph);
    if (is_metafile(out.context)) return;  // metafiles are not clipped
    out.state.clip.reset();
    if (rectangle) out.state.clip = platform::Box{rectangle->x, rectangle->y, rectangle->width, rectangle->height};
    if (out.context) out.context->set_clip(out.state.clip);
  });
}

extern "C" void vex3d_win_setbackground(Vex3dGraph *graph, int color) {
  guarded(__func__, [&] {
    if (!graph) return;
    OutputState &out = output_state(graph);
    out.state.background = platform::rgb_of(color);
    if (out.context) out.context->set_background(out.state.background);
  });
}

extern "C" void vex3d_win_setdashes(Vex3dGraph *graph, int pattern, int offset, int count, const int *dashes) {
  guarded(__func__, [&] {
    if (!graph) return;
    OutputState &out = output_state(graph);
    const std::span<const int> given =
        dashes && count > 0 ? std::span<const int>(dashes, count) : std::span<const int>();
    apply_line_pattern(out.pen, pattern, offset, given, is_metafile(out.context));
    push_pen(graph, out);
  });
}

extern "C" void vex3d_win_setfillstyle(Vex3dGraph *graph, int style) {
  guarded(__func__, [&] {
    if (!graph) return;
    OutputState &out = output_state(graph);
    out.fill_style = style;
    if (style == VEX3D_FILL_SOLID) out.stipple_brush = false;
    push_brush(graph, out);
  });
}

// Slots 20 and 21 are set before nearly every primitive of a surface: each
// makes the state of its two operations and hands it over once.
extern "C" void vex3d_win_setsolidfill(Vex3dGraph *graph, int color) {
  guarded(__func__, [&] {
    if (!graph) return;
    OutputState &out = output_state(graph);
    out.fill_color = color;             // slot 24
    out.fill_style = VEX3D_FILL_SOLID;  // slot 19
    out.stipple_brush = false;
    push_brush(graph, out);
  });
}

extern "C" void vex3d_win_setsolidline(Vex3dGraph *graph, int color) {
  guarded(__func__, [&] {
    if (!graph) return;
    OutputState &out = output_state(graph);
    out.pen.color = color;  // slot 23
    set_text_color(out, color);
    apply_line_attributes(out.pen, 1, VEX3D_LINE_SOLID, VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL,
                          is_metafile(out.context));  // slot 25
    push_pen(graph, out);
  });
}

extern "C" void vex3d_win_setforeground(Vex3dGraph *graph, int color) {
  guarded(__func__, [&] {
    if (!graph) return;
    OutputState &out = output_state(graph);
    out.pen.color = color;
    set_text_color(out, color);
    push_pen(graph, out);
  });
}

extern "C" void vex3d_win_setfillcolor(Vex3dGraph *graph, int color) {
  guarded(__func__, [&] {
    if (!graph) return;
    OutputState &out = output_state(graph);
    out.fill_color = color;
    push_brush(graph, out);
  });
}

extern "C" void vex3d_win_setlineattributes(Vex3dGraph *graph, int width, int style, int cap, int join) {
  guarded(__func__, [&] {
    if (!graph) return;
    OutputState &out = output_state(graph);
    apply_line_attributes(out.pen, width, style, cap, join, is_metafile(out.context));
    push_pen(graph, out);
  });
}

extern "C" void vex3d_win_setstipple(Vex3dGraph *graph, int pattern) {
  guarded(__func__, [&] {
    (void)pattern;  // this back end always uses the checkerboard
    if (!graph) return;
    OutputState &out = output_state(graph);
    out.stipple_brush = !is_metafile(out.context);
    push_brush(graph, out);
  });
}
