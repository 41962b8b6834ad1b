// ILabelCollection: a view of a list of texts (LEGEND_STRINGS under the
// legend), each item an ILabel whose index is its position in the list.
#pragma once

#include "collection.h"
#include "dual.h"
#include "label.h"
#include "member_rows.h"

namespace tc3d {

class ILabelCollection : public ItemCollection<ILabel> {
  TC3D_MODEL_CLASS_BODY(ILabelCollection)
#define TC3D_MEMBERS "label_collection_members.def"
#include "typed_accessors.inc"

  // Inserts a label before the one Before selects (at the end when Before
  // is missing) and returns it.
  std::shared_ptr<ILabel> add(const std::string &text, const Variant &before);

 protected:
  std::span<const SelectorRow> selector() const override;
  int engine_count() override;
  void erase_from_engine(int position) override;

 private:
  int list() const;
};

class ILabelCollection_Dual : public DualOf<ILabelCollection> {
 public:
  using DualOf::DualOf;
  using ThisItem = ILabelCollection::ThisItem;
#define TC3D_MEMBERS "label_collection_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
