// Creating and destroying graphs and text records, binding windows, and
// asking for a repaint.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <new>

#include "boundary.h"
#include "convert.h"
#include "defaults.h"
#include "diagnostics.h"
#include "graph.h"
#include "hooks.h"
#include "set_resource.h"
#include "storage_kinds.h"

namespace vex3d {
namespace {

constexpr const char *kDefaultFont = "Arial,12";

// Graph windows in the process, for the names of untitled windows.
std::atomic<int> g_graph_windows{0};

long address_of(const void *p) { return static_cast<long>(reinterpret_cast<std::intptr_t>(p)); }

// Stores every row's default in a new record of the given owner.
void store_defaults(Vex3dGraph *graph, void *record, Owner owner, const Vex3dFontDesc &font) {
  for (const ResourceRow &row : resource_rows())
    if (row.owner == owner && row.rule.check != Check::kObsolete) store_default(Target{graph, record}, row, font);
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dGraph *Vex3dCreateGraph(void) {
  return guarded(__func__, [&]() -> Vex3dGraph * {
    const EngineHooks &layers = hooks();
    Vex3dGraph *graph = new (std::nothrow) Vex3dGraph;
    if (!graph) return nullptr;
    message(nullptr, "Creating Torvane Chart 3D graph %ld.\n", address_of(graph));

    graph->draw_ops = layers.draw_ops;
    if (layers.screen_color_depth) graph->color_depth = layers.screen_color_depth();
    choose_process_defaults(graph->color_depth);

    const Vex3dFontDesc font = parse_font(kDefaultFont);
    store_defaults(graph, graph, Owner::Graph, font);
    assign_font(graph, graph->current_font, graph->legend_font.desc);
    recompute_derived(graph);
    graph->change_mask = VEX3D_CHANGE_ALL;
    return graph;
  });
}

extern "C" void Vex3dDestroyGraph(Vex3dGraph *graph) {
  guarded(__func__, [&] {
    if (!graph) return;
    Vex3dWindow *window = graph->window;
    if (window) {
      Vex3dDetachWindow(graph);
      if (const auto destroy = hooks().destroy_window) destroy(window);
    }
    message(nullptr, "Destroying Torvane Chart 3D graph %ld attached to window %ld.\n", address_of(graph),
            address_of(window));
    if (const auto destroyed = hooks().graph_destroyed) destroyed(graph);
    delete graph;
  });
}

extern "C" int Vex3dAttachWindow(Vex3dGraph *graph, Vex3dWindow *window) {
  return guarded(__func__, [&]() -> int {
    if (!graph || !window) return 0;
    message(nullptr, "Attaching window %ld.\n", address_of(window));
    WindowInfo info;
    if (const auto attach = hooks().attach_window)
      if (!attach(graph, window, &info)) return 0;
    graph->window = window;
    graph->parent = info.parent;
    const int number = ++g_graph_windows;
    char untitled[32];
    std::snprintf(untitled, sizeof untitled, "Vex3d%d", number);
    const char *name = info.title && *info.title ? info.title : untitled;
    set_resource(graph, VEX3D_WIDTH, Value::word(info.width));
    set_resource(graph, VEX3D_HEIGHT, Value::word(info.height));
    set_resource(graph, VEX3D_NAME, Value::pointer(name));
    return 1;
  });
}

extern "C" Vex3dWindow *Vex3dDetachWindow(Vex3dGraph *graph) {
  return guarded(__func__, [&]() -> Vex3dWindow * {
    if (!graph || !graph->window) return nullptr;
    Vex3dWindow *window = graph->window;
    message(nullptr, "Detaching window %ld.\n", address_of(window));
    if (const auto detach = hooks().detach_window) detach(graph, window);
    graph->window = nullptr;
    graph->parent = nullptr;
    --g_graph_windows;
    return window;
  });
}

extern "C" void Vex3dRepaint(Vex3dGraph *graph, int mask) {
  guarded(__func__, [&] {
    if (!graph) return;
    graph->change_mask |= mask;
    if (!graph->repaint) return;
    ++graph->paint_requests;
    if (const auto draw = hooks().draw) draw(graph);
  });
}

extern "C" Vex3dText *Vex3dCreateText(Vex3dGraph *graph) {
  return guarded(__func__, [&]() -> Vex3dText * {
    if (!graph) return nullptr;
    auto text = std::unique_ptr<Vex3dText>(new (std::nothrow) Vex3dText);
    if (!text) return nullptr;
    text->graph = graph;
    store_defaults(graph, text.get(), Owner::Text, parse_font(kDefaultFont));
    graph->texts.push_back(std::move(text));
    if (graph->drawn_once) Vex3dRepaint(graph, VEX3D_CHANGE_GRAPH);
    return graph->texts.back().get();
  });
}

extern "C" void Vex3dDestroyText(Vex3dText *text) {
  guarded(__func__, [&] {
    if (!text) return;
    Vex3dGraph *graph = text->graph;
    auto &texts = graph->texts;
    const auto it = std::find_if(texts.begin(), texts.end(), [text](const auto &t) { return t.get() == text; });
    if (it == texts.end()) return;
    texts.erase(it);
    if (graph->drawn_once) Vex3dRepaint(graph, VEX3D_CHANGE_ALL);
  });
}
