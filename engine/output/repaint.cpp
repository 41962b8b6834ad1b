// Repainting a graph on its window: the changed rectangle, the off-screen
// buffer, and the drawing itself.
#include <algorithm>

#include "graph_window.h"
#include "output_state.h"
#include "page_drawing.h"
#include "raster_context.h"
#include "w_render.h"

namespace vex3d {
namespace {

WindowRect window_rect(const Rect &r) { return WindowRect{r.x, r.y, r.width, r.height}; }

// Draws the page with the mask into a context, which is current meanwhile;
// the part of the surface the drawing changed.
WindowRect draw_into(Vex3dGraph *g, platform::DrawContext *context, int mask) {
  const CurrentContextScope current(g, context);
  prepare_context(g);
  const PageDrawing drawing = draw_page(g, mask);
  return drawing.drawn ? window_rect(drawing.changed) : WindowRect{};
}

// The off-screen buffer for this drawing, built when missing; none when
// double buffering is off or the buffer cannot be made.
platform::RasterContext *usable_buffer(Vex3dGraph *g) {
  OutputState &out = output_state(g);
  if (!g->double_buffer || out.buffer_suspended) return nullptr;
  if (!out.buffer) {
    auto buffer = std::make_unique<platform::RasterContext>(std::max(g->width, 0), std::max(g->height, 0));
    if (!buffer->ok()) return nullptr;
    out.buffer = std::move(buffer);
    out.buffer_valid = false;
  }
  return out.buffer.get();
}

void show(Vex3dWindow *window, platform::RasterContext &raster, const WindowRect &changed) {
  const platform::ImageView view = raster.pixels();
  window->show_pixels(view.pixels, view.width, view.height, view.stride * 4, changed);
}

void repaint(Vex3dGraph *g) {
  OutputState &out = output_state(g);
  if (out.deferred_paint && !out.in_paint && !out.preview) return;
  Vex3dWindow *window = g->window;
  if (!window && !out.window_context) return;

  const int mask = g->change_mask;
  WindowRect changed = out.update;
  bool reached = true;
  if (platform::RasterContext *buffer = usable_buffer(g)) {
    if (!(g->drawn_once && out.buffer_valid && mask == 0)) {
      changed = united(changed, draw_into(g, buffer, out.buffer_valid ? mask : VEX3D_CHANGE_ALL));
      out.buffer_valid = true;
    }
    if (out.window_context) {
      out.window_context->draw_image(buffer->pixels(), platform::Box{0, 0, buffer->width(), buffer->height()});
    } else {
      show(window, *buffer, changed);
    }
  } else if (out.window_context) {
    changed = united(changed, draw_into(g, out.window_context, mask));
  } else {
    // Nothing keeps the window's earlier pixels here: the page is drawn
    // whole and shown whole.
    platform::RasterContext scratch(std::max(g->width, 0), std::max(g->height, 0));
    reached = scratch.ok();
    if (reached) {
      draw_into(g, &scratch, VEX3D_CHANGE_ALL);
      changed = WindowRect{0, 0, scratch.width(), scratch.height()};
      show(window, scratch, changed);
    }
  }
  g->drawn_once = 1;
  g->change_mask = 0;
  out.update = WindowRect{};
  if (reached && window) window->send_to_parent(kMessageDrawn, &changed);
}

void rebuild_buffer(Vex3dGraph *g) {
  OutputState &out = output_state(g);
  // Made again at the next drawing, at the new size.
  out.buffer.reset();
  out.buffer_valid = false;
  g->change_mask = VEX3D_CHANGE_ALL;
}

}  // namespace

void install_repaint_hooks(EngineHooks &hooks) {
  hooks.draw = repaint;
  hooks.rebuild_buffer = rebuild_buffer;
}

}  // namespace vex3d
