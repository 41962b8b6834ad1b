#include "titles.h"

namespace tc3d {
namespace title_rows {
#define TC3D_MEMBERS "title_members.def"
#include "member_table.inc"
}  // namespace title_rows
namespace legend_rows {
#define TC3D_MEMBERS "legend_members.def"
#include "member_table.inc"
}  // namespace legend_rows

TC3D_MODEL_CLASS_INFO(ITitle, title_rows)
TC3D_MODEL_CLASS_INFO(ILegend, legend_rows)

namespace {

constexpr SelectorRow kTitleSelector[] = {
    row(kSelectAdjust, SelectorEntry{PartTag::kHeader, kAnyIndex, VEX3D_HEADER_ADJUST},
        SelectorEntry{PartTag::kFooter, kAnyIndex, VEX3D_FOOTER_ADJUST}),
    row(kSelectImageMinimumSize, SelectorEntry{PartTag::kHeader, kAnyIndex, VEX3D_HEADER_IMAGE_MINIMUM_SIZE},
        SelectorEntry{PartTag::kFooter, kAnyIndex, VEX3D_FOOTER_IMAGE_MINIMUM_SIZE}),
};

}  // namespace

std::span<const SelectorRow> ITitle::selector() const { return kTitleSelector; }

void ITitle::set_is_showing(bool show) {
  if (show == is_showing()) return;
  Vex3dGraph *g = connected_graph();
  const int minimum_size = resource_for(kSelectImageMinimumSize);
  if (show) {
    text_->set_is_showing(true);
    Vex3dSetValues(g, minimum_size, hidden_minimum_size_ ? 1 : 0, 0);
  } else {
    int on = 0;
    Vex3dGetValues(g, minimum_size, &on, 0);
    hidden_minimum_size_ = on != 0;
    Vex3dSetValues(g, minimum_size, 0, 0);
    text_->set_is_showing(false);
  }
}

void ITitle::attach_children() {
  FontOwner::attach_children();
  text_->attach(owner(), this, part_tag());
}

void ITitle::detach_children() {
  text_->detach();
  FontOwner::detach_children();
}

void ILegend::attach_children() {
  FontOwner::attach_children();
  text_->attach(owner(), this, part_tag());
  labels_->attach(owner(), this, part_tag());
}

void ILegend::detach_children() {
  labels_->detach();
  text_->detach();
  FontOwner::detach_children();
}

}  // namespace tc3d
