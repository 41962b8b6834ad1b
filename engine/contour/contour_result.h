// The computation of contour lines and cell records over a grid window, and
// the records it produces. Nothing here knows the graph: graph_contours.cpp
// builds the input from the graph's prepared data and keeps the result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "contour.h"

namespace vex3d {

// Sides of a cell; going 0, 1, 2, 3 runs counter-clockwise.
enum Side : unsigned char { kRight = 0, kTop = 1, kLeft = 2, kBottom = 3 };
constexpr int kCrossList = 4;  // the list of segments joining opposite sides
constexpr int kLists = 5;

// A rectangular part of a grid: vertex (i, j) has coordinates (x[i], y[j]) and
// value rows[i][j]; a value equal to `hole` is missing.
struct GridWindow {
  int nx = 0, ny = 0;
  const double *x = nullptr;
  const double *y = nullptr;
  const double *const *rows = nullptr;
  double hole = 0;

  double at(int i, int j) const { return rows[i][j]; }
  bool is_hole(int i, int j) const { return rows[i][j] == hole; }
};

struct ContourInput {
  GridWindow source;                    // the values that are contoured and zoned
  const GridWindow *surface = nullptr;  // gives the z of contour points; null: z is the level
  std::span<const double> levels;       // ascending, no two equal
  bool trace_lines = true;              // false: hole flags only
};

enum class ContourStatus {
  kDone,
  kTooManyCrossings,  // the lines would need more memory than a chart may take
  kBadLevels,         // levels not strictly ascending
  kOutOfMemory,
};

// Contour points live in chunks that never move, so that lines and segments
// can point at them.
class PointArena {
 public:
  Vex3dContourPoint *make(double x, double y, double z);
  // Takes back the point made last.
  void drop_last();
  void clear();
  std::size_t size() const { return count_; }

 private:
  static constexpr std::size_t kChunk = 4096;
  std::vector<std::unique_ptr<Vex3dContourPoint[]>> chunks_;
  std::size_t used_ = kChunk;  // points used in the last chunk
  std::size_t count_ = 0;
};

struct ContourResult {
  int nx = 0, ny = 0;  // vertices of the window
  std::vector<double> levels;
  bool lines_traced = false;
  std::vector<Vex3dContourLine> lines;  // in the order of tracing
  PointArena points;
  std::vector<std::uint8_t> hole;  // per cell
  // Segments of cell c are segments[cell_start[c] .. cell_start[c + 1]),
  // list by list, each list in its order. Empty when nothing was traced.
  std::vector<std::uint32_t> cell_start;
  std::vector<Vex3dContourSegment> segments;

  int cell_count() const { return nx > 1 && ny > 1 ? (nx - 1) * (ny - 1) : 0; }
  // Cells are numbered x index outermost.
  int cell_index(int i, int j) const { return (ny - 1) * i + j; }
  bool has_cell(int i, int j) const { return i >= 0 && j >= 0 && i < nx - 1 && j < ny - 1; }
};

// Traces the lines and builds the cell records; on any status but kDone the
// result is left empty.
ContourStatus compute_contours(const ContourInput &in, ContourResult &out);

// The record of cell (i, j); a cell outside the window is an empty hole cell.
Vex3dContourCell contour_cell(const ContourResult &result, int i, int j);

}  // namespace vex3d
