#include "axis.h"

namespace tc3d {
namespace axis_rows {
#define TC3D_MEMBERS "axis_members.def"
#include "member_table.inc"
}  // namespace axis_rows
namespace axis_collection_rows {
using ThisCollection = IAxisCollection;
using ThisItem = IAxis;
#define TC3D_MEMBERS "axis_collection_members.def"
#include "member_table.inc"
}  // namespace axis_collection_rows

TC3D_MODEL_CLASS_INFO(IAxis, axis_rows)
TC3D_MODEL_CLASS_INFO(IAxisCollection, axis_collection_rows)

namespace {

// By position: the part tags and names of the three axes.
constexpr PartTag kAxisTags[] = {PartTag::kXAxis, PartTag::kYAxis, PartTag::kZAxis};
constexpr const char *kAxisNames[] = {"X", "Y", "Z"};

// Only the Z axis has an origin (the level bars are filled from).
constexpr SelectorRow kAxisSelector[] = {
    per_axis(kSelectAxisShow, VEX3D_XAXIS_SHOW, VEX3D_YAXIS_SHOW, VEX3D_ZAXIS_SHOW),
    per_axis(kSelectAnnotationMethod, VEX3D_XANNO_METHOD, VEX3D_YANNO_METHOD, VEX3D_ZANNO_METHOD),
    per_axis(kSelectOrigin, 0, 0, VEX3D_ZORIGIN),
};

}  // namespace

std::span<const SelectorRow> IAxis::selector() const { return kAxisSelector; }

std::string IAxis::name() const {
  for (int i = 0; i < static_cast<int>(std::size(kAxisTags)); ++i)
    if (kAxisTags[i] == part_tag()) return kAxisNames[i];
  raise(ErrorCode::tcErrorNotConnected);
}

void IAxis::attach_children() {
  annotation_font_->attach(owner(), this, part_tag(), static_cast<int>(CubeFontUse::kAnnotation));
  title_font_->attach(owner(), this, part_tag(), static_cast<int>(CubeFontUse::kTitle));
  min_->attach(owner(), this, part_tag(), static_cast<int>(Bound::kMin));
  max_->attach(owner(), this, part_tag(), static_cast<int>(Bound::kMax));
  major_grid_->attach(owner(), this, part_tag());
  value_labels_->attach(owner(), this, part_tag());
  title_->attach(owner(), this, part_tag());
}

void IAxis::detach_children() {
  title_->detach();
  value_labels_->detach();
  major_grid_->detach();
  max_->detach();
  min_->detach();
  title_font_->detach();
  annotation_font_->detach();
}

IAxisCollection::IAxisCollection() {
  for (std::size_t i = 0; i < std::size(kAxisTags); ++i) items_.push_back(std::make_shared<IAxis>());
}

std::vector<std::string> IAxisCollection::names() { return {std::begin(kAxisNames), std::end(kAxisNames)}; }

void IAxisCollection::attach_item(IAxis &axis, int position) { axis.attach(owner(), this, kAxisTags[position]); }

}  // namespace tc3d
