#include "enumerator.h"

namespace tc3d {
namespace enumerator_rows {
#define TC3D_MEMBERS "enumerator_members.def"
#include "member_table.inc"
}  // namespace enumerator_rows

const ClassInfo &Enumerator::class_info() const {
  static constexpr ClassInfo kInfo{kClassName, kClassName, "", enumerator_rows::kMembers};
  return kInfo;
}

Variant Enumerator::next() { return position_ < items_.size() ? items_[position_++] : Variant(); }

bool Enumerator::skip(std::int32_t count) {
  if (count < 0) raise(ErrorCode::tcErrorInvalidValue);
  const std::size_t left = items_.size() - position_;
  const bool all = static_cast<std::size_t>(count) <= left;
  position_ += all ? static_cast<std::size_t>(count) : left;
  return all;
}

ObjectRef Enumerator::clone() {
  auto copy = of(items_);
  copy->position_ = position_;
  return copy;
}

}  // namespace tc3d
