#include "resource_table.h"
#include "boundary.h"

#include <array>

#include "graph.h"

namespace vex3d {
namespace {

template <Owner O>
struct RecordOf;
template <>
struct RecordOf<Owner::Graph> {
  using record = Vex3dGraph;
};
template <>
struct RecordOf<Owner::Text> {
  using record = Vex3dText;
};

constexpr TypeInfo kTypes[] = {
#define VEX3D_TYPE(name, code, storage, text_form, graph_lists, text_lists) \
  {code, #name, Storage::storage, TextForm::text_form, graph_lists != 0, text_lists != 0},
#include "types.def"
};

constexpr ResourceRow kRows[] = {
#define VEX3D_RESOURCE(name, type_name, index, owner, member, dflt, rule, bits)                           \
  {VEX3D_##name,                                                                                          \
   #name,                                                                                                 \
   VEX3D_TYPE_##type_name,                                                                                \
   Owner::owner,                                                                                          \
   [](void *record) -> void * { return &static_cast<RecordOf<Owner::owner>::record *>(record)->member; }, \
   static_cast<double>(dflt),                                                                             \
   rule,                                                                                                  \
   bits},
#include "resources.def"
};

// Per type code: the first row of the type and its number of rows.
struct TypeSpan {
  int first = 0;
  int count = 0;
};

constexpr std::array<TypeSpan, 256> make_spans() {
  std::array<TypeSpan, 256> spans{};
  for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row) {
    TypeSpan &span = spans[type_of(kRows[row].id)];
    if (span.count == 0) span.first = row;
    ++span.count;
  }
  return spans;
}
constexpr std::array<TypeSpan, 256> kSpans = make_spans();

// The table must be sorted by type, each type's rows numbered 0, 1, 2, ...
constexpr bool rows_in_identifier_order() {
  for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row) {
    const int type = type_of(kRows[row].id);
    if (row > 0 && type < type_of(kRows[row - 1].id)) return false;
    if ((kRows[row].id & 0xFF) != row - kSpans[type].first) return false;
  }
  return true;
}
static_assert(std::size(kRows) == 202, "the resource table has 202 rows");
static_assert(rows_in_identifier_order(), "resources.def rows are out of identifier order");

constexpr bool types_known() {
  for (const ResourceRow &row : kRows) {
    bool found = false;
    for (const TypeInfo &t : kTypes) found = found || t.code == row.type;
    if (!found) return false;
  }
  return true;
}
static_assert(types_known(), "a resource names a type missing from types.def");

}  // namespace

std::span<const ResourceRow> resource_rows() { return kRows; }

const ResourceRow *find_row(int id) {
  if (id <= 0 || id > 0xFFFF) return nullptr;
  const TypeSpan &span = kSpans[type_of(id)];
  const int index = id & 0xFF;
  if (index >= span.count) return nullptr;
  return &kRows[span.first + index];
}

const ResourceRow *find_row(std::string_view name) {
  for (const ResourceRow &row : kRows)
    if (name == row.name) return &row;
  return nullptr;
}

const TypeInfo *find_type(int code) {
  for (const TypeInfo &t : kTypes)
    if (t.code == code) return &t;
  return nullptr;
}

}  // namespace vex3d

extern "C" const char *Vex3dResourceName(int id) {
  return vex3d::guarded(__func__, [&]() -> const char * {
    const vex3d::ResourceRow *row = vex3d::find_row(id);
    return row ? row->name : "";
  });
}

extern "C" int Vex3dResourceOwner(int id) {
  return vex3d::guarded(__func__, [&]() -> int {
    const vex3d::ResourceRow *row = vex3d::find_row(id);
    return row ? static_cast<int>(row->owner) : 0;
  });
}

extern "C" int Vex3dResourceId(const char *name) {
  return vex3d::guarded(__func__, [&]() -> int {
    const vex3d::ResourceRow *row = name ? vex3d::find_row(std::string_view(name)) : nullptr;
    return row ? row->id : 0;
  });
}

extern "C" int Vex3dResourceCount(void) {
  return vex3d::guarded(__func__, [&]() -> int { return static_cast<int>(vex3d::resource_rows().size()); });
}

extern "C" int Vex3dResourceIdAt(int row) {
  return vex3d::guarded(__func__, [&]() -> int {
    const auto rows = vex3d::resource_rows();
    return row >= 0 && row < static_cast<int>(rows.size()) ? rows[row].id : 0;
  });
}
