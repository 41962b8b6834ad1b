#include "model_object.h"

#include "3dctl.h"
#include "member_rows.h"
#include "parts.h"
#include "selector.h"

namespace tc3d {
namespace parent_rows {
#define TC3D_MEMBERS "parent_members.def"
#include "member_table.inc"
}  // namespace parent_rows

void ModelObject::attach(Chart3D *owner, Object *parent, PartTag tag, int index) {
  owner_ = owner;
  parent_ = parent;
  tag_ = tag;
  index_ = index;
  attach_children();
}

void ModelObject::detach() {
  detach_children();
  owner_ = nullptr;
  parent_ = nullptr;
}

int ModelObject::resource_for(int kind) const { return select_resource(selector(), kind, tag_, index_); }

Vex3dGraph *ModelObject::graph() const { return owner_ ? owner_->graph() : nullptr; }

Vex3dGraph *ModelObject::connected_graph() const {
  Vex3dGraph *g = graph();
  if (!g) raise(ErrorCode::tcErrorNotConnected);
  return g;
}

ObjectRef ModelObject::parent_object() {
  if (!parent_) raise(ErrorCode::tcErrorNotConnected);
  return parent_->shared_from_this();
}

void ModelObject::run_batched(const std::function<void()> &changes) {
  connected_graph();
  const bool was_batched = owner_->is_batched();
  if (!was_batched) owner_->set_is_batched(true);
  try {
    changes();
  } catch (...) {
    if (!was_batched && owner_) owner_->set_is_batched(false);
    throw;
  }
  if (!was_batched && owner_) owner_->set_is_batched(false);
}

void ModelObject::chart_changed() {
  if (owner_) owner_->run_chart_changed();
}

void ModelObject::modified_update() {
  if (owner_) owner_->run_modified_update();
}

template <class Names>
const ClassInfo &Part<Names>::class_info() const {
  static constexpr ClassInfo kInfo{Names::kName, Names::kName, Names::kDual, parent_rows::kMembers};
  return kInfo;
}

#define TC3D_PART(Class) template class Part<Class##Names>;
#include "parts.def"

std::span<const ClassInfo *const> part_classes() {
  static const ClassInfo *const kAll[] = {
#define TC3D_CLASS(Class) &Class::info(),
#include "model_classes.def"
#define TC3D_PART(Class) &Class().class_info(),
#include "parts.def"
  };
  return kAll;
}

}  // namespace tc3d
