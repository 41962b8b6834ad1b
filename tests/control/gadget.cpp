#include "gadget.h"

namespace tc3d {
namespace gadget_rows {
#define TC3D_MEMBERS "gadget_members.def"
#include "member_table.inc"
}  // namespace gadget_rows

const ClassInfo &Gadget::class_info() const {
  static constexpr ClassInfo kInfo{"IGadget", "IGadget", "IGadget_Dual", gadget_rows::kMembers};
  return kInfo;
}

double Gadget::slot(std::int16_t index) const {
  if (index < 1 || index > static_cast<int>(slots_.size())) raise(ErrorCode::tcErrorInvalidIndex);
  return slots_[index - 1];
}

void Gadget::set_slot(std::int16_t index, double value) {
  if (index < 1 || index > static_cast<int>(slots_.size())) raise(ErrorCode::tcErrorInvalidIndex);
  slots_[index - 1] = value;
}

double Gadget::scale(double factor, const Variant &shape) {
  if (!shape.is_missing()) shape_ = shape.to_int32();
  ratio_ *= factor;
  return ratio_;
}

void Gadget::swap(Variant &left, Variant &right) {
  const Variant l = left.dereferenced();
  left.assign(right.dereferenced());
  right.assign(l);
}

}  // namespace tc3d
