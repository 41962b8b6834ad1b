// A graph's window: attaching and detaching, and what the window's events do.
#include "graph_window.h"
#include "boundary.h"

#include <algorithm>
#include <string>

#include "output_state.h"
#include "page.h"
#include "page_drawing.h"
#include "palette.h"
#include "set_resource.h"
#include "w_render.h"

namespace vex3d {

void install_repaint_hooks(EngineHooks &hooks);

namespace {

bool attach_window(Vex3dGraph *graph, Vex3dWindow *window, WindowInfo *info) {
  if (window->graph && window->graph != graph) return false;  // one graph a window
  window->graph = graph;
  OutputState &out = output_state(graph);
  out.window_title = window->title();
  const WindowSize size = window->client_size();
  info->parent = window->parent();
  info->width = size.width;
  info->height = size.height;
  info->title = out.window_title.c_str();
  return true;
}

void detach_window(Vex3dGraph *graph, Vex3dWindow *window) {
  window->graph = nullptr;
  OutputState &out = output_state(graph);
  out.buffer.reset();
  out.buffer_valid = false;
  out.window_context = nullptr;
  out.update = WindowRect{};
}

void destroy_window(Vex3dWindow *window) { window->close(); }

void graph_destroyed(Vex3dGraph *graph) {
  if (!graph->output) return;
  OutputState &out = output_state(graph);
  out.buffer.reset();
  out.window_context = nullptr;
}

// The developer commands that load a file into a resource.
struct FileCommand {
  int command;
  int resource;
  const char *filter;
};
constexpr FileCommand kFileCommands[] = {
    {2, VEX3D_SURFACE_DATA, "VEX3D data (*.dat)"},
    {3, VEX3D_ZONE_DATA, "VEX3D data (*.dat)"},
    {4, VEX3D_DISTN_TABLE, "VEX3D distn file (*.distn)"},
    {5, VEX3D_CONTOUR_STYLES, "VEX3D contour file (*.col)"},
};

}  // namespace

void install_window_hooks(EngineHooks &hooks) {
  hooks.attach_window = attach_window;
  hooks.detach_window = detach_window;
  hooks.destroy_window = destroy_window;
  hooks.graph_destroyed = graph_destroyed;
  hooks.layout = lay_out_page;
  install_repaint_hooks(hooks);
}

}  // namespace vex3d

using namespace vex3d;

extern "C" void Vex3dWindowResized(Vex3dWindow *window, int width, int height) {
  guarded(__func__, [&] {
    if (!window || !window->graph) return;
    Vex3dGraph *graph = window->graph;
    set_resource(graph, VEX3D_WIDTH, Value::word(width));
    set_resource(graph, VEX3D_HEIGHT, Value::word(height));
    window->invalidate(nullptr);  // the window is redrawn whole after a resize
    const WindowSize size{width, height};
    window->send_to_parent(kMessageResized, &size);
  });
}

extern "C" void Vex3dWindowPaint(Vex3dWindow *window, const vex3d::WindowRect *update) {
  guarded(__func__, [&] {
    if (!window || !window->graph) return;
    Vex3dGraph *graph = window->graph;
    OutputState &out = output_state(graph);
    const WindowSize size = window->client_size();
    out.update = united(out.update, update ? *update : WindowRect{0, 0, size.width, size.height});
    out.in_paint = true;
    Vex3dRepaint(graph, 0);
    out.in_paint = false;
  });
}

extern "C" void Vex3dWindowPaintContext(Vex3dWindow *window, vex3d::platform::DrawContext *context) {
  guarded(__func__, [&] {
    if (!window || !window->graph || !context) return;
    Vex3dGraph *graph = window->graph;
    OutputState &out = output_state(graph);
    // The buffer (a screen raster) is kept only when it can stand for the
    // host's context.
    out.buffer_suspended = context->kind() != platform::ContextKind::kRaster || context->color_depth() != 32 ||
                           context->resolution() != platform::kScreenDpi;
    out.window_context = context;
    out.in_paint = true;
    // Drawn straight into the host's context, the page is drawn whole: that
    // context holds nothing of an earlier drawing to draw over.
    const bool direct = out.buffer_suspended || !graph->double_buffer;
    Vex3dRepaint(graph, is_metafile(context) || direct ? VEX3D_CHANGE_ALL : 0);
    out.in_paint = false;
    out.window_context = nullptr;
    out.buffer_suspended = false;
    out.update = WindowRect{};
  });
}

extern "C" void Vex3dWindowPrintClient(Vex3dWindow *window, vex3d::platform::DrawContext *context) {
  guarded(__func__, [&] {
    if (!window || !window->graph || !context) return;
    Vex3dDrawPage(window->graph, context, VEX3D_CHANGE_ALL);
  });
}

extern "C" void Vex3dWindowCommand(Vex3dWindow *window, int command) {
  guarded(__func__, [&] {
    if (!window || !window->graph) return;
    for (const FileCommand &c : kFileCommands) {
      if (c.command != command) continue;
      const std::optional<std::string> file = window->ask_open_file("Load Datafile", c.filter);
      if (!file) return;
      Vex3dSetValueString(window->graph, c.resource, file->c_str());
      Vex3dRepaint(window->graph, VEX3D_CHANGE_ALL);
      return;
    }
  });
}

extern "C" void Vex3dWindowDestroyed(Vex3dWindow *window) {
  guarded(__func__, [&] {
    if (window && window->graph) Vex3dDetachWindow(window->graph);
  });
}

extern "C" void Vex3dSetDeferredPaint(Vex3dGraph *graph, int on) {
  guarded(__func__, [&] {
    if (graph) output_state(graph).deferred_paint = on != 0;
  });
}

extern "C" vex3d::WindowRect Vex3dPendingRectangle(Vex3dGraph *graph) {
  return guarded(__func__, [&]() -> vex3d::WindowRect {
    if (!graph || !graph->window) return WindowRect{};
    const OutputState &out = output_state(graph);
    if (graph->change_mask == 0) return out.update;
    const WindowSize size = graph->window->client_size();
    return WindowRect{0, 0, size.width, size.height};
  });
}

extern "C" int Vex3dGetPaletteEntries(Vex3dGraph *graph, int *colors, int capacity) {
  return guarded(__func__, [&]() -> int {
    if (!graph) return 0;
    const OutputState &out = output_state(graph);
    if (!out.has_palette) return 0;
    const int count = static_cast<int>(out.palette.size());
    for (int i = 0; colors && i < std::min(count, capacity); ++i) colors[i] = out.palette[static_cast<std::size_t>(i)];
    return count;
  });
}

extern "C" void Vex3dRealizePalette(Vex3dGraph *graph, int background) {
  guarded(__func__, [&] {
    if (!graph) return;
    // True-colour surfaces never change colours on realisation; only a
    // foreground realisation redraws.
    if (background) return;
    if (const auto rebuild = hooks().rebuild_buffer) rebuild(graph);
    if (graph->window) graph->window->invalidate(nullptr);
  });
}
