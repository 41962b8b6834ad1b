// set_resource and get_resource: one resource at a time, driven by its row.
//
// A set validates the new value by the row's rule, compares it with the
// stored one (an equal value changes nothing), stores it, runs the rule's side
// effects and adds the row's bits to the owning graph's change mask.
#include "set_resource.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <type_traits>
#include <unordered_set>

#include "defaults.h"
#include "diagnostics.h"
#include "enumerations.h"
#include "font.h"
#include "graph.h"
#include "hooks.h"

namespace vex3d {
namespace {

// Where a set lands: the record holding the field and the graph that owns it.
struct Target {
  Vex3dGraph *graph;
  void *record;
};

// What a store did, for the side effects that depend on it.
struct Change {
  bool changed = false;
  int old_word = 0, new_word = 0;
  double new_double = 0;
};

bool check_word(const Vex3dGraph *graph, const Rule &rule, int &v) {
  const int a = static_cast<int>(rule.a), b = static_cast<int>(rule.b);
  switch (rule.check) {
    case Check::kClamp: v = std::clamp(v, a, b); return true;
    case Check::kClampWarn:
      if (v < a || v > b) {
        message(graph, "%s must be between %d and %d", rule.what, a, b);
        v = v < a ? a : static_cast<int>(rule.c);
      }
      return true;
    case Check::kAbsolute: v = v == INT_MIN ? INT_MAX : std::abs(v); return true;
    case Check::kReadOnly: return false;
    case Check::kMasked: v &= a; return true;
    case Check::kNonNegative: v = std::max(v, 0); return true;
    case Check::kUnsetBecomes: if (v == COLOR_UNSET) v = a; return true;
    case Check::kReplace: if (v == a) v = b; return true;
    case Check::kOneOf: if (v != a && v != b) v = a; return true;
    default: return true;
  }
}

// Doubles that are not finite are refused: the view and the ranges divide by
// and multiply with them, and a NaN would reach every drawn point.
bool check_double(const Rule &rule, double &v) {
  if (!std::isfinite(v)) return false;
  switch (rule.check) {
    case Check::kClamp: v = std::clamp(v, rule.a, rule.b); return true;
    case Check::kAtLeast: return v >= rule.a;
    case Check::kPositive: return v > 0;
    case Check::kWithin: return v >= rule.a && v <= rule.b;
    default: return true;
  }
}

Change store_word(const Target &t, const ResourceRow &row, int v) {
  if (!check_word(t.graph, row.rule, v)) return {};
  if (row.type >= 64 && !enum_values(row.type).empty() && !enum_contains(row.type, v)) return {};
  int &field = row.at<int>(t.record);
  if (field == v) return {};
  Change c{true, field, v, 0};
  field = v;
  return c;
}

Change store_double(const Target &t, const ResourceRow &row, double v) {
  if (!check_double(row.rule, v)) return {};
  double &field = row.at<double>(t.record);
  if (field == v) return {};
  field = v;
  return Change{true, 0, 0, v};
}

// Texts compare by content; none and the empty text differ.
bool store_text(OwnedText &field, const char *v) {
  if (!v && !field) return false;
  if (v && field && *field == v) return false;
  field = v ? OwnedText(v) : std::nullopt;
  return true;
}

// Only the last assignment of each pair of indices survives, in its place.
// The colour -1 stands for no colour: such an assignment is not kept, and it
// still hides earlier ones of its pair, as setting the cell to -1 would.
std::vector<Vex3dXYColor> without_duplicate_cells(const Vex3dXYColor *const *list) {
  std::vector<Vex3dXYColor> all;
  for (const Vex3dXYColor *const *p = list; p && *p; ++p) all.push_back(**p);
  // One pass from the end, so that long lists (a colour per bar) stay fast.
  std::unordered_set<std::uint64_t> seen;
  std::vector<Vex3dXYColor> kept;
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    const std::uint64_t pair =
        (std::uint64_t{static_cast<std::uint32_t>(it->x)} << 32) | static_cast<std::uint32_t>(it->y);
    if (seen.insert(pair).second && it->color != COLOR_UNSET) kept.push_back(*it);
  }
  std::reverse(kept.begin(), kept.end());
  return kept;
}

// A table is whole when it has levels for a positive count, or no count.
bool distn_table_whole(const Vex3dDistnTable *table) {
  return table->nlevels == 0 || (table->nlevels > 0 && table->levels != nullptr);
}

bool store_font(Vex3dGraph *graph, FontRecord &record, const Vex3dFont *font) {
  if (!font || font == record.font) return false;
  const Vex3dFontDesc desc = font->desc;
  delete record.font;
  record.font = make_font(desc);
  record.desc = desc;
  if (const auto metrics = hooks().font_metrics) metrics(graph, &record);
  return true;
}

Change store(const Target &t, const ResourceRow &row, const Value &v) {
  const Change changed{true};
  switch (find_type(row.type)->storage) {
    case Storage::Word: return store_word(t, row, v.i);
    case Storage::Double: return store_double(t, row, v.d);
    case Storage::Text:
      return store_text(row.at<OwnedText>(t.record), static_cast<const char *>(v.p)) ? changed : Change{};
    case Storage::Image: {
      ImageRecord &image = row.at<ImageRecord>(t.record);
      if (!store_text(image.file, static_cast<const char *>(v.p))) return {};
      image.picture.reset();  // loaded again on the next drawing
      return changed;
    }
    case Storage::StringList: {
      StringList &list = row.at<StringList>(t.record);
      if (v.p == list.data()) return {};
      list.assign(static_cast<const char *const *>(v.p));
      return changed;
    }
    case Storage::ValueLabels: {
      auto &labels = row.at<RecordList<Vex3dValueLabel>>(t.record);
      if (v.p == labels.data()) return {};
      labels.assign(static_cast<const Vex3dValueLabel *const *>(v.p));
      return changed;
    }
    case Storage::XYColors: {
      auto &colors = row.at<RecordList<Vex3dXYColor>>(t.record);
      if (v.p == colors.data()) return {};
      if (v.p)
        colors.assign(without_duplicate_cells(static_cast<const Vex3dXYColor *const *>(v.p)));
      else
        colors.clear();
      return changed;
    }
    case Storage::ContourStyles: {
      auto &styles = row.at<RecordList<Vex3dContourStyle>>(t.record);
      if (v.p == styles.data()) return {};
      const auto *list = static_cast<const Vex3dContourStyle *const *>(v.p);
      if (list && *list) {
        styles.assign(list);
      } else if (const auto defaults = hooks().default_contour_styles) {
        defaults(t.graph);
      } else {
        styles.clear();
      }
      return changed;
    }
    case Storage::DistnTable: {
      DistnTableCopy &table = row.at<DistnTableCopy>(t.record);
      const auto *given = static_cast<const Vex3dDistnTable *>(v.p);
      if (given && given == table.data()) return {};
      if (given && !distn_table_whole(given)) {
        message(t.graph, "Corrupted distn table: Not changed");
        return {};
      }
      if (given && given->nlevels > kMaxTableLevels) {
        message(t.graph, "Distn table of %d levels: Not changed (at most %d levels)", given->nlevels, kMaxTableLevels);
        return {};
      }
      if (!given && !table.present()) return {};
      table.assign(given);
      return changed;
    }
    case Storage::Data: {
      Vex3dData *&data = row.at<Vex3dData *>(t.record);
      if (data == v.p) return {};
      data = static_cast<Vex3dData *>(const_cast<void *>(v.p));
      return changed;
    }
    case Storage::Font:
      return store_font(t.graph, row.at<FontRecord>(t.record), static_cast<const Vex3dFont *>(v.p)) ? changed
                                                                                                        : Change{};
    case Storage::Function: {
      Vex3dLegendLabelFunc &func = row.at<Vex3dLegendLabelFunc>(t.record);
      if (func == v.f) return {};
      func = v.f;
      return changed;
    }
    case Storage::LineStyle: {
      GridLineStyle &grid = row.at<GridLineStyle>(t.record);
      const auto *style = static_cast<const Vex3dLineStyle *>(v.p);
      if (!style) return {};
      const Vex3dLineStyle &now = grid.in_force;
      if (!grid.use_default && now.pattern == style->pattern && now.color == style->color && now.width == style->width)
        return {};
      grid.in_force = *style;
      grid.use_default = 0;
      return changed;
    }
    case Storage::DataStyles: {
      DataStyleRecord &record = row.at<DataStyleRecord>(t.record);
      if (v.p && v.p == record.styles.data()) return {};
      if (v.p) {
        record.styles.assign(static_cast<const Vex3dDataStyle *const *>(v.p));
        record.use_default = 0;
      } else {
        reset_data_styles(t.graph);
        record.use_default = 1;
      }
      return changed;
    }
  }
  return {};
}

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
  const Change c = store(t, row, v);
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

Value get_field(const ResourceRow &row, void *record) {
  Value v;
  switch (find_type(row.type)->storage) {
    case Storage::Word: v.i = row.at<int>(record); break;
    case Storage::Double: v.d = row.at<double>(record); break;
    case Storage::Text: v.p = c_text(row.at<OwnedText>(record)); break;
    case Storage::Image: v.p = c_text(row.at<ImageRecord>(record).file); break;
    case Storage::StringList: v.p = row.at<StringList>(record).data(); break;
    case Storage::ValueLabels: v.p = row.at<RecordList<Vex3dValueLabel>>(record).data(); break;
    case Storage::XYColors: v.p = row.at<RecordList<Vex3dXYColor>>(record).data(); break;
    case Storage::ContourStyles: v.p = row.at<RecordList<Vex3dContourStyle>>(record).data(); break;
    case Storage::DistnTable: v.p = row.at<DistnTableCopy>(record).data(); break;
    case Storage::Data: v.p = row.at<Vex3dData *>(record); break;
    case Storage::Font: v.p = row.at<FontRecord>(record).font; break;
    case Storage::Function: v.f = row.at<Vex3dLegendLabelFunc>(record); break;
    case Storage::LineStyle: v.p = &row.at<GridLineStyle>(record).in_force; break;
    case Storage::DataStyles: v.p = row.at<DataStyleRecord>(record).styles.data(); break;
  }
  return v;
}

void recompute_derived(Vex3dGraph *graph) {
  const bool from_table = graph->distn_method == Vex3dDistnFromTable && graph->distn_table.present();
  graph->effective_levels =
      from_table ? static_cast<int>(graph->distn_table.levels().size()) : graph->num_distn_levels;
  if (const auto half_extents = hooks().cube_half_extents) half_extents(graph);
}

}  // namespace vex3d
