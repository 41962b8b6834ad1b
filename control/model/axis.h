// IAxis and IAxisCollection: the three axes of the cube, each attached
// under its own part tag (X, Y or Z).
#pragma once

#include <array>

#include "axis_parts.h"
#include "collection.h"
#include "label.h"
#include "value_labels.h"

namespace tc3d {

class IAxis : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IAxis)
#define TC3D_MEMBERS "axis_members.def"
#include "typed_accessors.inc"

  std::string name() const;
  std::shared_ptr<ICubeFont> annotation_font() { return annotation_font_; }
  std::shared_ptr<ICubeFont> title_font() { return title_font_; }
  std::shared_ptr<IDerivedDouble> min() { return min_; }
  std::shared_ptr<IDerivedDouble> max() { return max_; }
  std::shared_ptr<IGridLines> major_grid() { return major_grid_; }
  std::shared_ptr<IValueLabelCollection> value_labels() { return value_labels_; }
  std::shared_ptr<ILabel> title() { return title_; }

 protected:
  std::span<const SelectorRow> selector() const override;
  void attach_children() override;
  void detach_children() override;

 private:
  std::shared_ptr<ICubeFont> annotation_font_ = std::make_shared<ICubeFont>();
  std::shared_ptr<ICubeFont> title_font_ = std::make_shared<ICubeFont>();
  std::shared_ptr<IDerivedDouble> min_ = std::make_shared<IDerivedDouble>();
  std::shared_ptr<IDerivedDouble> max_ = std::make_shared<IDerivedDouble>();
  std::shared_ptr<IGridLines> major_grid_ = std::make_shared<IGridLines>();
  std::shared_ptr<IValueLabelCollection> value_labels_ = std::make_shared<IValueLabelCollection>();
  std::shared_ptr<ILabel> title_ = std::make_shared<ILabel>();
};

class IAxisCollection : public ItemCollection<IAxis> {
  TC3D_MODEL_CLASS_BODY(IAxisCollection)
#define TC3D_MEMBERS "axis_collection_members.def"
#include "typed_accessors.inc"

  IAxisCollection();

 protected:
  std::vector<std::string> names() override;
  void attach_item(IAxis &axis, int position) override;
};

class IAxis_Dual : public DualOf<IAxis> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "axis_members.def"
#include "dual_interface.inc"
};

class IAxisCollection_Dual : public DualOf<IAxisCollection> {
 public:
  using DualOf::DualOf;
  using ThisItem = IAxisCollection::ThisItem;
#define TC3D_MEMBERS "axis_collection_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
