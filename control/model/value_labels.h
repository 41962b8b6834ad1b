// An axis's value labels: IValueLabel and IValueLabelCollection over the
// axis's value-label list (XVALUE_LABELS, ...). A value label's index is its
// position in the list; its Label is an ILabel with the same index.
#pragma once

#include <string>
#include <vector>

#include "collection.h"
#include "dual.h"
#include "label.h"
#include "member_rows.h"
#include "model_binding.h"

namespace tc3d {

// One entry of a value-label list, as the model edits it.
struct ValueLabelEntry {
  double value = VALUE_UNSET;
  std::string text;
};
std::vector<ValueLabelEntry> value_labels_of(Vex3dGraph *graph, int id);
void set_value_labels(Vex3dGraph *graph, int id, const std::vector<ValueLabelEntry> &labels);

class IValueLabel : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IValueLabel)
#define TC3D_MEMBERS "value_label_members.def"
#include "typed_accessors.inc"

  // The entry's value; an entry no longer in the list raises tcErrorNoSuchItem.
  double value();
  void set_value(double v);
  std::shared_ptr<ILabel> label() { return label_; }

 protected:
  std::span<const SelectorRow> selector() const override;
  void attach_children() override { label_->attach(owner(), this, part_tag(), index()); }
  void detach_children() override { label_->detach(); }

 private:
  std::shared_ptr<ILabel> label_ = std::make_shared<ILabel>();
};

class IValueLabelCollection : public ItemCollection<IValueLabel> {
  TC3D_MODEL_CLASS_BODY(IValueLabelCollection)
#define TC3D_MEMBERS "value_label_collection_members.def"
#include "typed_accessors.inc"

  // Appends a label at an axis value and returns it.
  std::shared_ptr<IValueLabel> add(double value, const std::string &text);

 protected:
  std::span<const SelectorRow> selector() const override;
  int engine_count() override;
  void erase_from_engine(int position) override;
};

class IValueLabel_Dual : public DualOf<IValueLabel> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "value_label_members.def"
#include "dual_interface.inc"
};

class IValueLabelCollection_Dual : public DualOf<IValueLabelCollection> {
 public:
  using DualOf::DualOf;
  using ThisItem = IValueLabelCollection::ThisItem;
#define TC3D_MEMBERS "value_label_collection_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
