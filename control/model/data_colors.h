// The bars' cell colours: IDataColorCollection over XY_COLORS, its
// IDataColor items and their IDataIndex. A data colour is known by its cell,
// which the object model numbers from 1 (0: every row or every column) and
// the engine from 0 (-1: every index); the list's order is the engine's (a
// cell given a colour again moves to the end, where it wins).
#pragma once

#include <memory>

#include "collection.h"
#include "dual.h"
#include "member_rows.h"
#include "model_binding.h"
#include "selector.h"

namespace tc3d {

// A cell as the engine indexes it.
struct DataCell {
  int x = 0, y = 0;
  bool operator==(const DataCell &) const = default;
};

class IDataIndex : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IDataIndex)
#define TC3D_MEMBERS "data_index_members.def"
#include "typed_accessors.inc"

  // The index of a data colour's cell: Row and Column are read-only
  // (tcErrorReadOnly).
  explicit IDataIndex(std::shared_ptr<const DataCell> cell) : cell_(std::move(cell)) {}
  std::int32_t row();
  void set_row(std::int32_t row);
  std::int32_t column();
  void set_column(std::int32_t column);

 private:
  std::shared_ptr<const DataCell> cell_;
};

class IDataColor : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IDataColor)
#define TC3D_MEMBERS "data_color_members.def"
#include "typed_accessors.inc"

  const DataCell &cell() const { return *cell_; }
  void set_cell(DataCell cell) { *cell_ = cell; }
  // The cell's colour in the list; a cell no longer there raises
  // tcErrorNoSuchItem.
  std::int32_t color();
  void set_color(std::int32_t color);
  std::shared_ptr<IDataIndex> data_index() { return data_index_; }

 protected:
  void attach_children() override { data_index_->attach(owner(), this, part_tag(), index()); }
  void detach_children() override { data_index_->detach(); }

 private:
  std::shared_ptr<DataCell> cell_ = std::make_shared<DataCell>();
  std::shared_ptr<IDataIndex> data_index_ = std::make_shared<IDataIndex>(cell_);
};

class IDataColorCollection : public ItemCollection<IDataColor> {
  TC3D_MODEL_CLASS_BODY(IDataColorCollection)
#define TC3D_MEMBERS "data_color_collection_members.def"
#include "typed_accessors.inc"

  // Gives a cell its colour (a cell that has one keeps its object and moves
  // to the end) and returns its data colour. A row or column below 0 raises
  // tcErrorInvalidIndex, the colour -1 tcErrorInvalidValue.
  std::shared_ptr<IDataColor> add(std::int32_t row, std::int32_t column, std::int32_t color);
  std::shared_ptr<IDataColor> item(std::int32_t row, std::int32_t column);
  void remove(std::int32_t row, std::int32_t column);

 protected:
  void sync() override;
  void erase_from_engine(int position) override;

 private:
  int find(const DataCell &cell);
};

class IDataIndex_Dual : public DualOf<IDataIndex> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "data_index_members.def"
#include "dual_interface.inc"
};

class IDataColor_Dual : public DualOf<IDataColor> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "data_color_members.def"
#include "dual_interface.inc"
};

class IDataColorCollection_Dual : public DualOf<IDataColorCollection> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "data_color_collection_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
