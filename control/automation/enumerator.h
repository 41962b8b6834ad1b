// The enumerator a collection's _NewEnum returns: the items as they were when
// it was made, walked in order. Next gives the next item, or an empty value
// once the walk is over; Skip passes items and says whether there were that
// many; Clone gives an enumerator at the same place.
#pragma once

#include <vector>

#include "member_rows.h"

namespace tc3d {

class Enumerator : public Object {
 public:
  static constexpr std::string_view kClassName = "IEnumVARIANT";
  explicit Enumerator(std::vector<Variant> items) : items_(std::move(items)) {}
  static std::shared_ptr<Enumerator> of(std::vector<Variant> items) {
    return std::make_shared<Enumerator>(std::move(items));
  }
  const ClassInfo &class_info() const override;
#define TC3D_MEMBERS "enumerator_members.def"
#include "typed_accessors.inc"

  Variant next();
  bool skip(std::int32_t count);
  void reset() { position_ = 0; }
  ObjectRef clone();

 private:
  std::vector<Variant> items_;
  std::size_t position_ = 0;
};

}  // namespace tc3d
