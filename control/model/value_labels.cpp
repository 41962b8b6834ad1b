#include "value_labels.h"

namespace tc3d {
namespace value_label_rows {
#define TC3D_MEMBERS "value_label_members.def"
#include "member_table.inc"
}  // namespace value_label_rows
namespace value_label_collection_rows {
using ThisCollection = IValueLabelCollection;
using ThisItem = IValueLabel;
#define TC3D_MEMBERS "value_label_collection_members.def"
#include "member_table.inc"
}  // namespace value_label_collection_rows

TC3D_MODEL_CLASS_INFO(IValueLabel, value_label_rows)
TC3D_MODEL_CLASS_INFO(IValueLabelCollection, value_label_collection_rows)

namespace {

constexpr SelectorRow kValueLabelSelector[] = {
    per_axis(kSelectValueLabels, VEX3D_XVALUE_LABELS, VEX3D_YVALUE_LABELS, VEX3D_ZVALUE_LABELS),
};

int list_of(const ModelObject &o) {
  const int id = o.resource_for(kSelectValueLabels);
  if (!id) raise(ErrorCode::tcErrorNoSuchProperty);
  return id;
}

}  // namespace

std::vector<ValueLabelEntry> value_labels_of(Vex3dGraph *graph, int id) {
  Vex3dValueLabel **list = nullptr;
  Vex3dGetValues(graph, id, &list, 0);
  std::vector<ValueLabelEntry> entries;
  for (Vex3dValueLabel **p = list; p && *p; ++p) entries.push_back({(*p)->value, (*p)->text ? (*p)->text : ""});
  return entries;
}

void set_value_labels(Vex3dGraph *graph, int id, const std::vector<ValueLabelEntry> &labels) {
  std::vector<Vex3dValueLabel> records;
  for (const ValueLabelEntry &e : labels) records.push_back({e.value, const_cast<char *>(e.text.c_str())});
  std::vector<const Vex3dValueLabel *> pointers;
  for (const Vex3dValueLabel &r : records) pointers.push_back(&r);
  pointers.push_back(nullptr);
  Vex3dSetValues(graph, id, labels.empty() ? nullptr : pointers.data(), 0);
}

std::span<const SelectorRow> IValueLabel::selector() const { return kValueLabelSelector; }
std::span<const SelectorRow> IValueLabelCollection::selector() const { return kValueLabelSelector; }

double IValueLabel::value() {
  const std::vector<ValueLabelEntry> labels = value_labels_of(connected_graph(), list_of(*this));
  if (index() < 0 || index() >= static_cast<int>(labels.size())) raise(ErrorCode::tcErrorNoSuchItem);
  return labels[index()].value;
}

void IValueLabel::set_value(double v) {
  Vex3dGraph *g = connected_graph();
  std::vector<ValueLabelEntry> labels = value_labels_of(g, list_of(*this));
  if (index() < 0 || index() >= static_cast<int>(labels.size())) raise(ErrorCode::tcErrorNoSuchItem);
  labels[index()].value = v;
  set_value_labels(g, list_of(*this), labels);
}

int IValueLabelCollection::engine_count() {
  return static_cast<int>(value_labels_of(connected_graph(), list_of(*this)).size());
}

void IValueLabelCollection::erase_from_engine(int position) {
  Vex3dGraph *g = connected_graph();
  std::vector<ValueLabelEntry> labels = value_labels_of(g, list_of(*this));
  labels.erase(labels.begin() + position);
  set_value_labels(g, list_of(*this), labels);
}

std::shared_ptr<IValueLabel> IValueLabelCollection::add(double value, const std::string &text) {
  Vex3dGraph *g = connected_graph();
  sync();
  std::vector<ValueLabelEntry> labels = value_labels_of(g, list_of(*this));
  labels.push_back({value, text});
  set_value_labels(g, list_of(*this), labels);
  auto made = insert_at(static_cast<int>(items_.size()));
  chart_changed();
  return made;
}

}  // namespace tc3d
