// The generic interface: argument lists of (identifier, value) pairs and the
// text forms of single resources.
#include <cstdarg>
#include <cstdlib>
#include <cstring>

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

// Which argument lists take a type: the graph's or a text's.
enum class ListOwner { Graph, Text };

const TypeInfo *list_type(int id, ListOwner owner) {
  const TypeInfo *type = find_type(type_of(id));
  if (!type) return nullptr;
  return (owner == ListOwner::Graph ? type->graph_lists : type->text_lists) ? type : nullptr;
}

void run_layout_if_stale(Vex3dGraph *graph) {
  if (!graph->layout_valid)
    if (const auto layout = hooks().layout) layout(graph);
}

void store_at(void *address, ArgKind kind, const Value &v) {
  switch (kind) {
    case ArgKind::Word: *static_cast<int *>(address) = v.i; break;
    case ArgKind::Double: *static_cast<double *>(address) = v.d; break;
    case ArgKind::Pointer: *static_cast<const void **>(address) = v.p; break;
    case ArgKind::Function: *static_cast<Vex3dLegendLabelFunc *>(address) = v.f; break;
  }
}

// One get: writes the stored value, or reports why it cannot.
void get_one(Vex3dGraph *graph, void *record, ListOwner owner, int id, void *address, ArgKind kind) {
  const ResourceRow *row = find_row(id);
  if (!row) {
    message(graph, "get_resource: Unknown resource");
    return;
  }
  if (owner == ListOwner::Graph && row->owner == Owner::Text) {
    message(graph, "get_resource: Not expecting a text resource");
    return;
  }
  if (owner == ListOwner::Text && row->owner == Owner::Graph) {
    message(graph, "get_resource: Expecting a text resource");
    return;
  }
  if (address) store_at(address, kind, get_field(*row, record));
}

void finish_batch(Vex3dGraph *graph) {
  if (graph->change_mask) recompute_derived(graph);
  Vex3dRepaint(graph, 0);
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

#define VEX3D_READ_ARG(args, kind, value)                                          \
  switch (kind) {                                                                  \
    case ArgKind::Word: (value).i = va_arg(args, int); break;                      \
    case ArgKind::Double: (value).d = va_arg(args, double); break;                 \
    case ArgKind::Pointer: (value).p = va_arg(args, const void *); break;          \
    case ArgKind::Function: (value).f = va_arg(args, Vex3dLegendLabelFunc); break; \
  }

namespace {
void set_values(Vex3dGraph *graph, va_list args) {
  int saved_repaint = graph->repaint;
  graph->repaint = 0;  // nothing draws while the list is applied
  bool stopped = false;
  for (int id; (id = va_arg(args, int)) != 0;) {
    const TypeInfo *type = list_type(id, ListOwner::Graph);
    if (!type) {
      message(graph, "Vex3dSetValues: Unknown resource type");
      stopped = true;
      break;
    }
    Value value;
    VEX3D_READ_ARG(args, type->arg_kind(), value);
    set_resource(graph, id, value);
    if (id == VEX3D_REPAINT) {
      saved_repaint = graph->repaint;
      graph->repaint = 0;
    }
  }
  if (stopped) {
    graph->repaint = saved_repaint;
    return;
  }
  ensure_data_styles(graph);
  graph->repaint = saved_repaint;
  finish_batch(graph);
}

void text_set_values(Vex3dText *text, va_list args) {
  for (int id; (id = va_arg(args, int)) != 0;) {
    const TypeInfo *type = list_type(id, ListOwner::Text);
    if (!type) {
      message(text->graph, "Vex3dTextSetValues: Unknown resource type");
      break;
    }
    Value value;
    VEX3D_READ_ARG(args, type->arg_kind(), value);
    text_set_resource(text, id, value);
  }
  Vex3dRepaint(text->graph, 0);
}
}  // namespace

// The argument lists are opened and closed here, around the guarded work.
extern "C" void Vex3dSetValues(Vex3dGraph *graph, ...) {
  if (!graph) return;
  va_list args;
  va_start(args, graph);
  guarded(__func__, [&] { set_values(graph, args); });
  va_end(args);
}

extern "C" void Vex3dTextSetValues(Vex3dText *text, ...) {
  if (!text) return;
  va_list args;
  va_start(args, text);
  guarded(__func__, [&] { text_set_values(text, args); });
  va_end(args);
}

namespace {
// Reads the (id, address) pairs of a graph's or a text's list up to the 0 id.
void get_values(Vex3dGraph *graph, void *owner, ListOwner kind, const char *caller, va_list args) {
  run_layout_if_stale(graph);
  for (int id; (id = va_arg(args, int)) != 0;) {
    const TypeInfo *type = list_type(id, kind);
    if (!type) {
      message(graph, "%s: Unknown resource type", caller);
      break;
    }
    void *address = va_arg(args, void *);
    get_one(graph, owner, kind, id, address, type->arg_kind());
  }
}
}  // namespace

extern "C" void Vex3dGetValues(Vex3dGraph *graph, ...) {
  if (!graph) return;
  va_list args;
  va_start(args, graph);
  guarded(__func__, [&] { get_values(graph, graph, ListOwner::Graph, "Vex3dGetValues", args); });
  va_end(args);
}

extern "C" void Vex3dTextGetValues(Vex3dText *text, ...) {
  if (!text) return;
  va_list args;
  va_start(args, text);
  guarded(__func__, [&] { get_values(text->graph, text, ListOwner::Text, "Vex3dTextGetValues", args); });
  va_end(args);
}

extern "C" int Vex3dSetValueString(Vex3dGraph *graph, int id, const char *text) {
  return guarded(__func__, [&]() -> int {
    if (!graph || !text) return 0;
    const ResourceRow *row = find_row(id);
    if (!row || row->owner == Owner::Text) return 0;
    std::optional<Converted> converted = from_text(row->type, text);
    if (!converted) return 0;
    set_resource(graph, id, converted->value);
    if (row->type == VEX3D_TYPE_Data) {
      // A data set read from a file stays with the graph, which frees it once
      // it is replaced.
      const int slot = id == VEX3D_SURFACE_DATA ? 0 : 1;
      Vex3dData *now = slot == 0 ? graph->surface_data : graph->zone_data;
      if (now == converted->value.p) graph->read_data[slot] = converted->keep;
      ensure_data_styles(graph);
    }
    recompute_derived(graph);
    Vex3dRepaint(graph, 0);
    return 1;
  });
}

namespace {
// The text form of a row's value in a record, in a new text the caller frees.
int copy_text_form(const ResourceRow &row, void *record, char **text) {
  const std::optional<std::string> form = to_text(row.type, get_field(row, record));
  if (!form) return 0;
  char *copy = static_cast<char *>(std::malloc(form->size() + 1));
  if (!copy) return 0;
  std::memcpy(copy, form->c_str(), form->size() + 1);
  *text = copy;
  return 1;
}
}  // namespace

extern "C" int Vex3dGetValueString(Vex3dGraph *graph, int id, char **text) {
  return guarded(__func__, [&]() -> int {
    if (!graph || !text) return 0;
    const ResourceRow *row = find_row(id);
    if (!row || row->owner == Owner::Text) return 0;
    run_layout_if_stale(graph);
    return copy_text_form(*row, graph, text);
  });
}

extern "C" int Vex3dTextSetValueString(Vex3dText *text, int id, const char *value) {
  return guarded(__func__, [&]() -> int {
    if (!text || !value) return 0;
    const ResourceRow *row = find_row(id);
    if (!row || row->owner != Owner::Text) return 0;
    std::optional<Converted> converted = from_text(row->type, value);
    if (!converted) return 0;
    text_set_resource(text, id, converted->value);
    Vex3dRepaint(text->graph, 0);
    return 1;
  });
}

extern "C" int Vex3dTextGetValueString(Vex3dText *text, int id, char **value) {
  return guarded(__func__, [&]() -> int {
    if (!text || !value) return 0;
    const ResourceRow *row = find_row(id);
    if (!row || row->owner != Owner::Text) return 0;
    run_layout_if_stale(text->graph);
    return copy_text_form(*row, text, value);
  });
}
