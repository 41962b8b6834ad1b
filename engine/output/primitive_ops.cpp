// Slots 0 to 6 (and 7 to 13): lines, polylines, rectangles, arcs, polygons.
#include <algorithm>
#include <span>

#include "arc_rule.h"
#include "boundary.h"
#include "output_state.h"
#include "w_render.h"

namespace vex3d {
namespace {

int saturate(long long v) { return static_cast<int>(std::clamp<long long>(v, -(1LL << 31), (1LL << 31) - 1)); }

// The points made absolute, in the state's scratch storage.
std::span<const platform::Point> absolute_points(OutputState &out, const Vex3dDevicePoint *points, int count,
                                                 int mode) {
  if (!points || count <= 0) {
    out.points.clear();
    return {};
  }
  out.points.resize(static_cast<std::size_t>(count));
  platform::Point *to = out.points.data();
  if (mode != VEX3D_COORD_PREVIOUS) {
    for (int i = 0; i < count; ++i) to[i] = {points[i].x, points[i].y};
    return out.points;
  }
  long long x = points[0].x, y = points[0].y;
  to[0] = {points[0].x, points[0].y};
  for (int i = 1; i < count; ++i) {
    x += points[i].x;
    y += points[i].y;
    to[i] = {saturate(x), saturate(y)};
  }
  return out.points;
}

platform::DrawContext *context_of(Vex3dGraph *graph) { return graph ? current_context(graph) : nullptr; }

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" void vex3d_win_drawline(Vex3dGraph *graph, int x1, int y1, int x2, int y2) {
  guarded(__func__, [&] {
    if (auto *ctx = context_of(graph)) ctx->draw_line({x1, y1}, {x2, y2});
  });
}

extern "C" void vex3d_win_drawlines(Vex3dGraph *graph, const Vex3dDevicePoint *points, int count, int mode) {
  guarded(__func__, [&] {
    auto *ctx = context_of(graph);
    if (!ctx) return;
    ctx->draw_polyline(absolute_points(output_state(graph), points, count, mode));
  });
}

extern "C" void vex3d_win_drawrectangle(Vex3dGraph *graph, int x, int y, int width, int height) {
  guarded(__func__, [&] {
    auto *ctx = context_of(graph);
    if (!ctx || width == 0 || height == 0) return;
    const int right = saturate(static_cast<long long>(x) + width),
              bottom = saturate(static_cast<long long>(y) + height);
    // Back to the start and one pixel on, so that the corner pixel is drawn.
    const platform::Point outline[] = {{x, y},      {right, y}, {right, bottom},
                                       {x, bottom}, {x, y},     {saturate(x + 1LL), y}};
    ctx->draw_polyline(outline);
  });
}

extern "C" void vex3d_win_drawarc(Vex3dGraph *graph, int x, int y, int width, int height, int angle1, int angle2) {
  guarded(__func__, [&] {
    auto *ctx = context_of(graph);
    if (!ctx) return;
    if (const auto arc = plan_arc(x, y, width, height, angle1, angle2, false)) ctx->stroke_arc(*arc);
  });
}

extern "C" void vex3d_win_fillpolygon(Vex3dGraph *graph, const Vex3dDevicePoint *points, int count, int shape,
                                      int mode) {
  guarded(__func__, [&] {
    (void)shape;  // a hint for other back ends
    auto *ctx = context_of(graph);
    if (!ctx) return;
    ctx->fill_polygon(absolute_points(output_state(graph), points, count, mode));
  });
}

extern "C" void vex3d_win_fillrectangle(Vex3dGraph *graph, int x, int y, int width, int height) {
  guarded(__func__, [&] {
    auto *ctx = context_of(graph);
    if (!ctx) return;
    const OutputState &out = output_state(graph);
    const platform::Box box{x, y, width, height};
    if (out.fill_style != VEX3D_FILL_STIPPLED || ctx->state().brush.stippled) {
      ctx->fill_rectangle(box);
      return;
    }
    // The stippled fill style stipples a rectangle whatever the brush.
    const platform::Brush brush = ctx->state().brush;
    ctx->set_brush({brush.color, true});
    ctx->fill_rectangle(box);
    ctx->set_brush(brush);
  });
}

extern "C" void vex3d_win_fillarc(Vex3dGraph *graph, int x, int y, int width, int height, int angle1, int angle2) {
  guarded(__func__, [&] {
    auto *ctx = context_of(graph);
    if (!ctx) return;
    if (const auto arc = plan_arc(x, y, width, height, angle1, angle2, true)) ctx->fill_pie(*arc);
  });
}
