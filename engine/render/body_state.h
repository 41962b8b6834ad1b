// What the chart body keeps from one preparation to the next: the mode bits,
// the view flags, the eye cell, the projected grid with its flags, the mesh
// flags and the drawing order of point data. Kept in the graph's `body` slot.
#pragma once

#include <cstdint>
#include <vector>

#include "graph.h"
#include "text_placement.h"

namespace vex3d {

// What the surface shows (DRAW_MESH, DRAW_SHADED, DRAW_ZONES, DRAW_CONTOURS).
enum ModeBit : int { kModeMesh = 1, kModeShaded = 2, kModeZones = 4, kModeContours = 8 };

// Where the eye lies: beyond which x and y ends of the data box (ties count
// as beyond), and from which side the floor is seen (exactly one of the two).
enum ViewFlag : int {
  kEyeBeyondXMax = 1,
  kEyeBeyondXMin = 2,
  kEyeBeyondYMax = 4,
  kEyeBeyondYMin = 8,
  kEyeSideBits = 15,
  kFloorFromAbove = 16,
  kFloorFromBelow = 32,
};

// From which side of the eye the traversal reaches a cell: the eye cell, the
// eye's column with rows above or below the eye, the eye's row with columns
// above or below, and the four quadrants (columns above or below, then rows
// above or below). The cell drawers choose corner orders, walls and bar
// faces by it.
enum TraversalTag : int {
  kTagEyeCell = 1,
  kTagColumnAbove = 2,
  kTagColumnBelow = 3,
  kTagRowAbove = 4,
  kTagRowBelow = 5,
  kTagAboveAbove = 6,
  kTagAboveBelow = 7,
  kTagBelowAbove = 8,
  kTagBelowBelow = 9,
};
// The tags of the eye's strips run from kTagColumnAbove to kTagRowBelow, the
// quadrants' from kTagAboveAbove to kTagBelowBelow.
constexpr int kTraversalTags = kTagBelowBelow + 1;  // table size: tag 0 stands for no tag

// How one direction of the grid splits about the eye: elements (cells, or
// points for fixed bars and scatter) first .. last_below lie below the eye,
// first_above .. last above it; one element between them is the eye's strip.
struct AxisSplit {
  int eye = 0;  // the element whose interval holds the eye coordinate
  int first = 0, last_below = -1, first_above = 0, last = -1;
  bool has_strip() const { return first_above - last_below == 2; }
};

// The eye cell: the split of the columns (x) and of the rows (y).
struct EyeCell {
  AxisSplit columns, rows;
};

// Flags of a projected grid point.
enum GridFlag : std::uint8_t { kPointHole = 1, kSymbolDrawn = 2, kCellDrawn = 4 };

// The heights of a grid's cells gathered in square blocks of cells: the
// lowest and highest value that is no hole among each block's points (lo >
// hi for a block of holes), and the grid lines between the blocks. Picking
// makes them on its first pick of a projected grid, to pass over the blocks
// a line of sight runs above or below without reading their cells.
struct HeightBlocks {
  int size = 0;  // cells a side; 0 before they are made
  int nx = 0, ny = 0;
  std::vector<double> lo, hi;  // by block, x index outermost
  std::vector<double> x_lines, y_lines;
};

// The visible grid points in device coordinates, with a hole projected at
// ZMIN. The drawn flags of a cell (or a bar or symbol) sit on its first
// corner. Points are stored along the direction the drawing walks fastest
// (rows along x when `along_x`), so that neighbouring cells lie side by side
// in memory.
struct ProjectedGrid {
  int nx = 0, ny = 0;
  bool along_x = false;
  std::vector<DevicePoint> points;
  std::vector<std::uint8_t> flags;
  // The lowest and highest value of the points that are no holes (lo > hi
  // when every point is one): picking skips the stretches of a line of sight
  // that pass above or below all of them.
  double z_lo = 0, z_hi = -1;
  HeightBlocks height_blocks;  // dropped with every projection

  std::size_t index(int i, int j) const {
    return along_x ? std::size_t(j) * std::size_t(nx) + std::size_t(i)
                   : std::size_t(i) * std::size_t(ny) + std::size_t(j);
  }
  DevicePoint at(int i, int j) const { return points[index(i, j)]; }
  bool hole(int i, int j) const { return flags[index(i, j)] & kPointHole; }
};

// One point of point data with its distance from the eye.
struct OrderedPoint {
  int series = 0, index = 0;
  double distance = 0;
};

// What the point order was made for: the data's series and the eye in data
// units. Any change makes a new order.
struct PointOrderKey {
  const void *series = nullptr;
  int nseries = 0;
  long long points = 0;
  double eye[3] = {0, 0, 0};
  bool operator==(const PointOrderKey &) const = default;
};

struct BodyState final : LayerState {
  int mode = 0;        // ModeBit set
  int view_flags = 0;  // ViewFlag set
  EyeCell eye;
  ProjectedGrid grid;
  ProjectedGrid plane_grid;               // the grid on the floor or the ceiling, while a projection is drawn
  std::vector<std::uint8_t> row_mesh;     // per visible row (a line of constant y): 1 when meshed
  std::vector<std::uint8_t> column_mesh;  // per visible column (a line of constant x)
  std::vector<OrderedPoint> point_order;  // farthest first
  PointOrderKey point_order_key;
  bool point_order_valid = false;
};

// The graph's body state, made on first use.
BodyState &body_state(Vex3dGraph *graph);

}  // namespace vex3d
