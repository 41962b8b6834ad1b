// Defaulting, storing and reading resource values, each described once per
// storage kind (storage_kinds.cpp) and reached through the row's type.
#pragma once

#include "resource_table.h"
#include "value.h"

namespace vex3d {

struct FontRecord;

// Where a value lands: the record holding the field and the graph that owns it.
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

// Puts the row's default in a new record; `font` describes the record's font.
void store_default(const Target &t, const ResourceRow &row, const Vex3dFontDesc &font);
// Checks a value by the row's rule and stores the graph's copy of it; no
// change when it is refused or equal to the stored one.
Change store_value(const Target &t, const ResourceRow &row, const Value &v);
// The stored value of a row in its record (graph or text).
Value get_field(const ResourceRow &row, void *record);

// A font record takes a new font made from the description, with its metrics.
void assign_font(Vex3dGraph *graph, FontRecord &record, Vex3dFontDesc desc);

}  // namespace vex3d
