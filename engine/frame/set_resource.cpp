// set_resource and text_set_resource: one resource at a time, driven by its row.
//
// A set validates the new value by the row's rule, compares it with the
// stored one (an equal value changes nothing) and stores it, as its storage
// kind says (storage_kinds.cpp), then runs the rule's side effects and adds
// the row's bits to the owning graph's change mask.
#include "set_resource.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "defaults.h"
#include "diagnostics.h"
#include "graph.h"
#include "hooks.h"
#include "storage_kinds.h"

namespace vex3d {
namespace {

void run_data_change(Vex3dGraph *graph, DataChange what) {
  if (const auto changed = hooks().data_changed) changed(graph, what);
  // Data the graph read itself is freed once it is no longer in use.
  if (graph->read_data[0].get() != graph->surface_data) graph->read_data[0].reset();
  if (graph->read_data[1].get() != graph->zone_data) graph->read_data[1].reset();
  drop_levels(graph);
}

// Side effects and change bits of a change; returns the bits to add.
int apply_effects(const Target &t, const ResourceRow &row, const Change &c) {
  Vex3dGraph *graph = t.graph;
  const std::uint32_t fx = row.rule.effects;
  int bits = row.bits;
  if ((fx & kOnlySwitchingOn) && c.new_word == 0) return 0;
  if (fx & kDataStylesDefault) {
    if (c.new_word == 0) {
      // Without styles of the caller's there is nothing else to use.
      row.at<int>(t.record) = 1;
      return 0;
    }
    reset_data_styles(graph);
  }
  if ((fx & kGridStyleDefault) && c.new_word != 0)
    restore_grid_style(graph, find_row(row.rule.companion)->at<GridLineStyle>(t.record));
  if ((fx & kClearsCompanion) && !((fx & kClearsIfSet) && c.new_double == VALUE_UNSET))
    find_row(row.rule.companion)->at<int>(t.record) = 0;
  if (fx & kBackgroundRecord) {
    // The colour is the first member of its record.
    auto *record = reinterpret_cast<BackgroundColor *>(&row.at<int>(t.record));
    record->device[0] = record->device[1] = -1;
  }
  if (fx & kRecolorGrid) recolor_default_grid_styles(graph);
  if (fx & kAttachMethodBits)
    bits = c.old_word == Vex3dAttachPixel || c.new_word == Vex3dAttachPixel ? VEX3D_CHANGE_ALL : VEX3D_CHANGE_GRAPH;
  if (fx & kRebuildBuffer)
    if (const auto rebuild = hooks().rebuild_buffer) rebuild(graph);
  if (fx & kSurfaceData) run_data_change(graph, DataChange::kSurface);
  if (fx & kZoneData) run_data_change(graph, DataChange::kZone);
  if (fx & kDataRanges) run_data_change(graph, DataChange::kRanges);
  if (fx & kDropLevels) drop_levels(graph);
  return bits;
}

static_assert(offsetof(BackgroundColor, color) == 0 && std::is_standard_layout_v<BackgroundColor>);

int set_row(const Target &t, const ResourceRow &row, const Value &v) {
  const Change c = store_value(t, row, v);
  if (!c.changed) return 0;
  const int bits = apply_effects(t, row, c);
  if (bits == 0) return 0;
  t.graph->change_mask |= bits;
  t.graph->layout_valid = 0;
  return 1;
}

}  // namespace

void drop_levels(Vex3dGraph *graph) {
  graph->levels.valid = false;
  graph->levels.levels.clear();
  if (const auto dropped = hooks().levels_dropped) dropped(graph);
}

int set_resource(Vex3dGraph *graph, int id, const Value &value) {
  const ResourceRow *row = find_row(id);
  if (!row || row->rule.check == Check::kObsolete) {
    message(graph, "Error in set_resource: Unknown resource");
    return -1;
  }
  if (row->owner == Owner::Text) return 0;
  return set_row(Target{graph, graph}, *row, value);
}

int text_set_resource(Vex3dText *text, int id, const Value &value) {
  const ResourceRow *row = find_row(id);
  if (!row || row->rule.check == Check::kObsolete) {
    message(text->graph, "Error in text_set_resource: Unknown resource");
    return -1;
  }
  if (row->owner != Owner::Text) return 0;
  return set_row(Target{text->graph, text}, *row, value);
}

void recompute_derived(Vex3dGraph *graph) {
  const bool from_table = graph->distn_method == Vex3dDistnFromTable && graph->distn_table.present();
  graph->effective_levels =
      from_table ? static_cast<int>(graph->distn_table.levels().size()) : graph->num_distn_levels;
  if (const auto half_extents = hooks().cube_half_extents) half_extents(graph);
}

}  // namespace vex3d
