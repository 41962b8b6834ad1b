// The colours given to single cells or bars (XY_COLORS), looked up once per
// cell while a chart is drawn.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "graph.h"

namespace vex3d {

// Only four assignments can match a cell: its own pair of indices, its row,
// its column and all cells; of those present the one latest in the list wins.
// So a lookup costs four probes however long the list is.
class CellColors {
 public:
  explicit CellColors(const Vex3dGraph *graph);
  bool empty() const { return colors_ == nullptr || colors_->empty(); }
  // The colour of grid indices (x, y), or -1 when no assignment matches.
  int at(int x, int y) const;

 private:
  static std::uint64_t key(int x, int y) { return (std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y); }
  const std::vector<Vex3dXYColor> *colors_ = nullptr;
  std::unordered_map<std::uint64_t, int> position_;
};

}  // namespace vex3d
