#include "cell_colors.h"

namespace vex3d {

CellColors::CellColors(const Vex3dGraph *graph) : colors_(&graph->xy_colors.items()) {
  // Each pair of indices appears once in the list; keep its position.
  for (std::size_t k = 0; k < colors_->size(); ++k) position_[key((*colors_)[k].x, (*colors_)[k].y)] = int(k);
}

int CellColors::at(int x, int y) const {
  if (empty() || x < 0 || y < 0) return COLOR_UNSET;
  int best = -1;
  for (std::uint64_t k : {key(x, y), key(-1, y), key(x, -1), key(-1, -1)}) {
    const auto hit = position_.find(k);
    if (hit != position_.end() && hit->second > best) best = hit->second;
  }
  return best < 0 ? COLOR_UNSET : (*colors_)[std::size_t(best)].color;
}

}  // namespace vex3d
