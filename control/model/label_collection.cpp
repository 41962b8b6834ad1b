#include "label_collection.h"

namespace tc3d {
namespace label_collection_rows {
using ThisCollection = ILabelCollection;
using ThisItem = ILabel;
#define TC3D_MEMBERS "label_collection_members.def"
#include "member_table.inc"
}  // namespace label_collection_rows

TC3D_MODEL_CLASS_INFO(ILabelCollection, label_collection_rows)

// The labels' own selector: the list their texts are items of.
std::span<const SelectorRow> ILabelCollection::selector() const { return label_selector(); }

int ILabelCollection::list() const {
  const int id = resource_for(kSelectListItem);
  if (!id) raise(ErrorCode::tcErrorNoSuchProperty);
  return id;
}

int ILabelCollection::engine_count() { return static_cast<int>(string_list(connected_graph(), list()).size()); }

void ILabelCollection::erase_from_engine(int position) {
  Vex3dGraph *g = connected_graph();
  std::vector<std::string> texts = string_list(g, list());
  texts.erase(texts.begin() + position);
  set_string_list(g, list(), texts);
}

std::shared_ptr<ILabel> ILabelCollection::add(const std::string &text, const Variant &before) {
  Vex3dGraph *g = connected_graph();
  sync();
  const int at = before.is_missing() ? static_cast<int>(items_.size()) : position(before);
  std::vector<std::string> texts = string_list(g, list());
  texts.insert(texts.begin() + at, text);
  set_string_list(g, list(), texts);
  auto made = insert_at(at);
  chart_changed();
  return made;
}

}  // namespace tc3d
