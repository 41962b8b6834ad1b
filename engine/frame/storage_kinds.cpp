// The storage kinds of resource values, one description each.
//
// StorageKind<S> says, for one kind of storage.def: the Field a record holds
// (it owns the graph's copy and frees it with the record), how a value
// travels in argument lists (arg), what a new record starts with
// (set_default), how a new value is checked, compared and copied in (store)
// and how the stored value is handed out (read). The one table below is
// generated from storage.def, so a kind without a description, or a
// description without one of its parts, does not compile.
#include "storage_kinds.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <unordered_set>
#include <vector>

#include "defaults.h"
#include "diagnostics.h"
#include "enumerations.h"
#include "font.h"
#include "graph.h"
#include "hooks.h"

namespace vex3d {
namespace {

// Deliberately without a definition: every kind has its own.
template <Storage S>
struct StorageKind;

constexpr Change kChanged{true};
Change changed_if(bool changed) { return changed ? kChanged : Change{}; }

// Kinds whose field starts as none (the record's member initialisers): that
// is the default.
struct StartsEmpty {
  template <class Field>
  static void set_default(const Target &, const ResourceRow &, const Vex3dFontDesc &, Field &) {}
};

// ---- Word

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

template <>
struct StorageKind<Storage::Word> {
  using Field = int;
  static constexpr ArgKind arg = ArgKind::Word;
  static void set_default(const Target &, const ResourceRow &row, const Vex3dFontDesc &, Field &field) {
    field = static_cast<int>(row.default_value);
  }
  static Change store(const Target &t, const ResourceRow &row, Field &field, const Value &value) {
    int v = value.i;
    if (!check_word(t.graph, row.rule, v)) return {};
    if (row.type >= 64 && !enum_values(row.type).empty() && !enum_contains(row.type, v)) return {};
    if (field == v) return {};
    Change c{true, field, v, 0};
    field = v;
    return c;
  }
  static Value read(Field &field) { return Value::word(field); }
};

// ---- Double

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

template <>
struct StorageKind<Storage::Double> {
  using Field = double;
  static constexpr ArgKind arg = ArgKind::Double;
  static void set_default(const Target &, const ResourceRow &row, const Vex3dFontDesc &, Field &field) {
    field = row.default_value;
  }
  static Change store(const Target &, const ResourceRow &row, Field &field, const Value &value) {
    double v = value.d;
    if (!check_double(row.rule, v)) return {};
    if (field == v) return {};
    field = v;
    return Change{true, 0, 0, v};
  }
  static Value read(Field &field) { return Value::real(field); }
};

// ---- Texts

// Texts compare by content; none and the empty text differ.
bool store_text(OwnedText &field, const char *v) {
  if (!v && !field) return false;
  if (v && field && *field == v) return false;
  field = v ? OwnedText(v) : std::nullopt;
  return true;
}

template <>
struct StorageKind<Storage::Text> : StartsEmpty {
  using Field = OwnedText;
  static constexpr ArgKind arg = ArgKind::Pointer;
  static Change store(const Target &, const ResourceRow &, Field &field, const Value &v) {
    return changed_if(store_text(field, static_cast<const char *>(v.p)));
  }
  static Value read(Field &field) { return Value::pointer(c_text(field)); }
};

template <>
struct StorageKind<Storage::Image> : StartsEmpty {
  using Field = ImageRecord;
  static constexpr ArgKind arg = ArgKind::Pointer;
  static Change store(const Target &, const ResourceRow &, Field &image, const Value &v) {
    if (!store_text(image.file, static_cast<const char *>(v.p))) return {};
    image.picture.reset();  // loaded again on the next drawing
    return kChanged;
  }
  static Value read(Field &image) { return Value::pointer(c_text(image.file)); }
};

// ---- Lists

// A list given as the list the graph hands out is the same list.
template <class List, class Item>
struct CopiedList : StartsEmpty {
  using Field = List;
  static constexpr ArgKind arg = ArgKind::Pointer;
  static Change store(const Target &, const ResourceRow &, Field &list, const Value &v) {
    if (v.p == list.data()) return {};
    list.assign(static_cast<const Item *const *>(v.p));
    return kChanged;
  }
  static Value read(Field &list) { return Value::pointer(list.data()); }
};

template <>
struct StorageKind<Storage::StringList> : CopiedList<StringList, char> {};

template <>
struct StorageKind<Storage::ValueLabels> : CopiedList<RecordList<Vex3dValueLabel>, Vex3dValueLabel> {};

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

template <>
struct StorageKind<Storage::XYColors> : StartsEmpty {
  using Field = RecordList<Vex3dXYColor>;
  static constexpr ArgKind arg = ArgKind::Pointer;
  static Change store(const Target &, const ResourceRow &, Field &colors, const Value &v) {
    if (v.p == colors.data()) return {};
    if (v.p)
      colors.assign(without_duplicate_cells(static_cast<const Vex3dXYColor *const *>(v.p)));
    else
      colors.clear();
    return kChanged;
  }
  static Value read(Field &colors) { return Value::pointer(colors.data()); }
};

// None, as a default or as a value, is the contour layer's default table.
template <>
struct StorageKind<Storage::ContourStyles> {
  using Field = RecordList<Vex3dContourStyle>;
  static constexpr ArgKind arg = ArgKind::Pointer;
  static void to_default(Vex3dGraph *graph, Field &styles) {
    if (const auto defaults = hooks().default_contour_styles)
      defaults(graph);
    else
      styles.clear();
  }
  static void set_default(const Target &t, const ResourceRow &, const Vex3dFontDesc &, Field &styles) {
    to_default(t.graph, styles);
  }
  static Change store(const Target &t, const ResourceRow &, Field &styles, const Value &v) {
    if (v.p == styles.data()) return {};
    const auto *list = static_cast<const Vex3dContourStyle *const *>(v.p);
    if (list && *list)
      styles.assign(list);
    else
      to_default(t.graph, styles);
    return kChanged;
  }
  static Value read(Field &styles) { return Value::pointer(styles.data()); }
};

// ---- Contour levels, data and the label function

// A table is whole when it has levels for a positive count, or no count.
bool distn_table_whole(const Vex3dDistnTable *table) {
  return table->nlevels == 0 || (table->nlevels > 0 && table->levels != nullptr);
}

template <>
struct StorageKind<Storage::DistnTable> : StartsEmpty {
  using Field = DistnTableCopy;
  static constexpr ArgKind arg = ArgKind::Pointer;
  static Change store(const Target &t, const ResourceRow &, Field &table, const Value &v) {
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
    return kChanged;
  }
  static Value read(Field &table) { return Value::pointer(table.data()); }
};

// The caller keeps the data set; the graph holds its address only.
template <>
struct StorageKind<Storage::Data> : StartsEmpty {
  using Field = Vex3dData *;
  static constexpr ArgKind arg = ArgKind::Pointer;
  static Change store(const Target &, const ResourceRow &, Field &data, const Value &v) {
    if (data == v.p) return {};
    data = static_cast<Vex3dData *>(const_cast<void *>(v.p));
    return kChanged;
  }
  static Value read(Field &data) { return Value::pointer(data); }
};

template <>
struct StorageKind<Storage::Function> : StartsEmpty {
  using Field = Vex3dLegendLabelFunc;
  static constexpr ArgKind arg = ArgKind::Function;
  static Change store(const Target &, const ResourceRow &, Field &func, const Value &v) {
    if (func == v.f) return {};
    func = v.f;
    return kChanged;
  }
  static Value read(Field &func) {
    Value v;
    v.f = func;
    return v;
  }
};

// ---- Fonts and styles

// The graph makes its own font from the one given, and hands out its own.
template <>
struct StorageKind<Storage::Font> {
  using Field = FontRecord;
  static constexpr ArgKind arg = ArgKind::Pointer;
  static void set_default(const Target &t, const ResourceRow &, const Vex3dFontDesc &font, Field &record) {
    assign_font(t.graph, record, font);
  }
  static Change store(const Target &t, const ResourceRow &, Field &record, const Value &v) {
    const auto *font = static_cast<const Vex3dFont *>(v.p);
    if (!font || font == record.font) return {};
    assign_font(t.graph, record, font->desc);
    return kChanged;
  }
  static Value read(Field &record) { return Value::pointer(record.font); }
};

// A grid-line style starts as the default style in the foreground colour; a
// style given replaces it until its use-default flag is set again.
template <>
struct StorageKind<Storage::LineStyle> {
  using Field = GridLineStyle;
  static constexpr ArgKind arg = ArgKind::Pointer;
  static void set_default(const Target &t, const ResourceRow &, const Vex3dFontDesc &, Field &grid) {
    restore_grid_style(t.graph, grid);
  }
  static Change store(const Target &, const ResourceRow &, Field &grid, const Value &v) {
    const auto *style = static_cast<const Vex3dLineStyle *>(v.p);
    if (!style) return {};
    const Vex3dLineStyle &now = grid.in_force;
    if (!grid.use_default && now.pattern == style->pattern && now.color == style->color && now.width == style->width)
      return {};
    grid.in_force = *style;
    grid.use_default = 0;
    return kChanged;
  }
  static Value read(Field &grid) { return Value::pointer(&grid.in_force); }
};

// The data styles start as the built-in ones; none, as a value, returns to them.
template <>
struct StorageKind<Storage::DataStyles> {
  using Field = DataStyleRecord;
  static constexpr ArgKind arg = ArgKind::Pointer;
  static void set_default(const Target &t, const ResourceRow &, const Vex3dFontDesc &, Field &) {
    reset_data_styles(t.graph);
  }
  static Change store(const Target &t, const ResourceRow &, Field &record, const Value &v) {
    if (v.p && v.p == record.styles.data()) return {};
    if (v.p) {
      record.styles.assign(static_cast<const Vex3dDataStyle *const *>(v.p));
      record.use_default = 0;
    } else {
      reset_data_styles(t.graph);
      record.use_default = 1;
    }
    return kChanged;
  }
  static Value read(Field &record) { return Value::pointer(record.styles.data()); }
};

// ---- The dispatch, one entry per kind of storage.def

struct StorageOps {
  ArgKind arg;
  void (*set_default)(const Target &t, const ResourceRow &row, const Vex3dFontDesc &font);
  Change (*store)(const Target &t, const ResourceRow &row, const Value &v);
  Value (*read)(const ResourceRow &row, void *record);
};

template <Storage S>
constexpr StorageOps ops_of() {
  using Kind = StorageKind<S>;
  using Field = typename Kind::Field;
  return {Kind::arg,
          [](const Target &t, const ResourceRow &row, const Vex3dFontDesc &font) {
            Kind::set_default(t, row, font, row.at<Field>(t.record));
          },
          [](const Target &t, const ResourceRow &row, const Value &v) {
            return Kind::store(t, row, row.at<Field>(t.record), v);
          },
          [](const ResourceRow &row, void *record) { return Kind::read(row.at<Field>(record)); }};
}

constexpr StorageOps kKinds[] = {
#define VEX3D_STORAGE(kind) ops_of<Storage::kind>(),
#include "storage.def"
};

const StorageOps &ops_of(Storage storage) { return kKinds[static_cast<int>(storage)]; }
const StorageOps &ops_of(const ResourceRow &row) { return ops_of(find_type(row.type)->storage); }

}  // namespace

ArgKind TypeInfo::arg_kind() const { return ops_of(storage).arg; }

void store_default(const Target &t, const ResourceRow &row, const Vex3dFontDesc &font) {
  ops_of(row).set_default(t, row, font);
}

Change store_value(const Target &t, const ResourceRow &row, const Value &v) { return ops_of(row).store(t, row, v); }

Value get_field(const ResourceRow &row, void *record) { return ops_of(row).read(row, record); }

// The description is a copy: it may be the record's own.
void assign_font(Vex3dGraph *graph, FontRecord &record, Vex3dFontDesc desc) {
  delete record.font;
  record.font = make_font(desc);
  record.desc = desc;
  if (const auto metrics = hooks().font_metrics) metrics(graph, &record);
}

}  // namespace vex3d
