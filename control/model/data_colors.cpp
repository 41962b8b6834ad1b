#include "data_colors.h"

#include <algorithm>
#include <vector>

#include "colors.h"
#include "xycolors.h"

namespace tc3d {
namespace data_index_rows {
#define TC3D_MEMBERS "data_index_members.def"
#include "member_table.inc"
}  // namespace data_index_rows
namespace data_color_rows {
#define TC3D_MEMBERS "data_color_members.def"
#include "member_table.inc"
}  // namespace data_color_rows
namespace data_color_collection_rows {
#define TC3D_MEMBERS "data_color_collection_members.def"
#include "member_table.inc"
}  // namespace data_color_collection_rows

TC3D_MODEL_CLASS_INFO(IDataIndex, data_index_rows)
TC3D_MODEL_CLASS_INFO(IDataColor, data_color_rows)
TC3D_MODEL_CLASS_INFO(IDataColorCollection, data_color_collection_rows)

namespace {

constexpr int kNoColor = -1;

std::vector<Vex3dXYColor> colors_of(Vex3dGraph *graph) {
  Vex3dXYColor **list = nullptr;
  Vex3dGetValues(graph, VEX3D_XY_COLORS, &list, 0);
  std::vector<Vex3dXYColor> all;
  for (Vex3dXYColor **p = list; p && *p; ++p) all.push_back(**p);
  return all;
}

// The engine's index of a 1-based row or column (0: every one).
int engine_index(std::int32_t model) {
  if (model < 0) raise(ErrorCode::tcErrorInvalidIndex);
  return model - 1;
}

// A colour a cell can hold: plain, and not "no colour".
int cell_color(std::int32_t color) {
  const int plain = plain_color(color);
  if (plain == kNoColor) raise(ErrorCode::tcErrorInvalidValue);
  return plain;
}

}  // namespace

std::int32_t IDataIndex::row() {
  connected_graph();
  return cell_->x + 1;
}

void IDataIndex::set_row(std::int32_t) {
  connected_graph();
  raise(ErrorCode::tcErrorReadOnly);
}

std::int32_t IDataIndex::column() {
  connected_graph();
  return cell_->y + 1;
}

void IDataIndex::set_column(std::int32_t) {
  connected_graph();
  raise(ErrorCode::tcErrorReadOnly);
}

std::int32_t IDataColor::color() {
  for (const Vex3dXYColor &c : colors_of(connected_graph()))
    if (DataCell{c.x, c.y} == *cell_) return c.color;
  raise(ErrorCode::tcErrorNoSuchItem);
}

void IDataColor::set_color(std::int32_t color) {
  const int plain = cell_color(color);
  this->color();  // the cell is still in the list
  Vex3dSetXYColor(connected_graph(), cell_->x, cell_->y, plain);
}

void IDataColorCollection::sync() {
  std::vector<std::shared_ptr<IDataColor>> kept;
  for (const Vex3dXYColor &c : colors_of(connected_graph())) {
    const DataCell cell{c.x, c.y};
    const auto same = std::find_if(items_.begin(), items_.end(), [&](const auto &i) { return i && i->cell() == cell; });
    if (same != items_.end()) {
      kept.push_back(std::move(*same));
    } else {
      kept.push_back(std::make_shared<IDataColor>());
      kept.back()->set_cell(cell);
    }
  }
  for (const auto &gone : items_)
    if (gone) gone->detach();
  items_ = std::move(kept);
  renumber();
}

int IDataColorCollection::find(const DataCell &cell) {
  sync();
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (items_[i]->cell() == cell) return i;
  raise(ErrorCode::tcErrorNoSuchItem);
}

void IDataColorCollection::erase_from_engine(int position) {
  const DataCell &cell = items_[position]->cell();
  Vex3dSetXYColor(connected_graph(), cell.x, cell.y, kNoColor);
}

std::shared_ptr<IDataColor> IDataColorCollection::add(std::int32_t row, std::int32_t column, std::int32_t color) {
  const DataCell cell{engine_index(row), engine_index(column)};
  Vex3dSetXYColor(connected_graph(), cell.x, cell.y, cell_color(color));
  auto made = items_[find(cell)];
  chart_changed();
  return made;
}

std::shared_ptr<IDataColor> IDataColorCollection::item(std::int32_t row, std::int32_t column) {
  return items_[find({engine_index(row), engine_index(column)})];
}

void IDataColorCollection::remove(std::int32_t row, std::int32_t column) {
  const DataCell cell{engine_index(row), engine_index(column)};
  find(cell);
  Vex3dSetXYColor(connected_graph(), cell.x, cell.y, kNoColor);
  sync();
  chart_changed();
}

}  // namespace tc3d
