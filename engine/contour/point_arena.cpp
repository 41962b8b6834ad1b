#include "contour_result.h"

namespace vex3d {

Vex3dContourPoint *PointArena::make(double x, double y, double z) {
  if (used_ == kChunk) {
    chunks_.push_back(std::make_unique_for_overwrite<Vex3dContourPoint[]>(kChunk));
    used_ = 0;
  }
  Vex3dContourPoint *p = &chunks_.back()[used_++];
  *p = Vex3dContourPoint{nullptr, x, y, z, 0, 0};
  ++count_;
  return p;
}

void PointArena::drop_last() {
  if (count_ == 0) return;
  --used_;
  --count_;
  if (used_ == 0) {
    chunks_.pop_back();
    used_ = kChunk;
  }
}

void PointArena::clear() { *this = PointArena(); }

}  // namespace vex3d
