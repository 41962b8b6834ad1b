// Zone pieces of a cell.
//
// Each corner keeps a boundary chain, first the corner alone. The segments
// that cut off a corner peel pieces from it nearest first: a triangle, then
// quadrilaterals between neighbouring segments. Segments across the cell peel
// strips between the chains of the two corners on the side they start from.
// What is left, the four chains in turn, is the last piece.
#include <algorithm>

#include "cell_lists.h"
#include "levels.h"
#include "zone_pieces.h"

namespace vex3d {
namespace {

// The corner that list k cuts off: 0 (i+1, j), 1 (i+1, j+1), 2 (i, j+1), 3 (i, j).
PieceVertex corner(const GridWindow &g, int i, int j, int k) {
  static constexpr int kDi[4] = {1, 1, 0, 0}, kDj[4] = {0, 1, 1, 0};
  const int ci = i + kDi[k], cj = j + kDj[k];
  return PieceVertex{g.x[ci], g.y[cj], g.at(ci, cj), ci, cj, nullptr};
}

PieceVertex contour_vertex(const Vex3dContourPoint *p, double level) {
  return PieceVertex{p->x, p->y, level, -1, -1, p};
}

struct Chain {
  PieceVertex v[2];
  int n = 0;
};

class PieceBuilder {
 public:
  PieceBuilder(const std::vector<double> &levels, PieceFn fill) : levels_(levels), fill_(fill) {}

  void add(const Chain &c, bool reversed = false) {
    for (int k = 0; k < c.n; ++k) add(c.v[reversed ? c.n - 1 - k : k]);
  }
  void add(const PieceVertex &v) { piece_[n_++] = v; }

  void emit() {
    if (n_ >= 3) {
      double sum = 0;
      for (int k = 0; k < n_; ++k) sum += piece_[k].value;
      fill_(std::span<const PieceVertex>(piece_, std::size_t(n_)), zone_index(levels_, sum / n_));
    }
    n_ = 0;
  }

 private:
  const std::vector<double> &levels_;
  PieceFn fill_;
  PieceVertex piece_[8];
  int n_ = 0;
};

}  // namespace

bool zone_pieces(const ContourResult &result, const GridWindow &source, int i, int j, ZoneMethod method,
                 PieceFn fill) {
  const Vex3dContourCell cell = contour_cell(result, i, j);
  if (cell.hole) return false;
  Chain chain[4];
  for (int k = 0; k < 4; ++k) chain[k] = Chain{{corner(source, i, j, k)}, 1};
  PieceBuilder piece(result.levels, fill);
  auto level = [&](const Vex3dContourSegment &s) { return result.levels[std::size_t(s.level)]; };

  if (method == ZoneMethod::kContours) {
    for (int k = 0; k < 4; ++k)
      for (int n = 0; n < cell.list_count[k]; ++n) {
        const Vex3dContourSegment &s = cell.list[k][n];
        const PieceVertex a = contour_vertex(s.a, level(s)), b = contour_vertex(s.b, level(s));
        piece.add(chain[k], true);
        piece.add(a);
        piece.add(b);
        piece.emit();
        chain[k] = Chain{{a, b}, 2};
      }
    if (cell.list_count[kCrossList] > 0) {
      // Strips across the cell lie between the chains of the two corners on
      // the side the segments start from.
      const bool from_left = cell.list[kCrossList][0].side_a == kLeft;
      Chain &first = chain[from_left ? 3 : 0];
      Chain &second = chain[from_left ? 0 : 1];
      for (int n = 0; n < cell.list_count[kCrossList]; ++n) {
        const Vex3dContourSegment &s = cell.list[kCrossList][n];
        const PieceVertex a = contour_vertex(s.a, level(s)), b = contour_vertex(s.b, level(s));
        piece.add(b);
        piece.add(a);
        piece.add(first);
        piece.add(second);
        piece.emit();
        first = Chain{{a}, 1};
        second = Chain{{b}, 1};
      }
    }
  }
  for (const int k : {2, 3, 0, 1}) piece.add(chain[k]);
  piece.emit();
  return true;
}

bool zoned_mesh_pieces(const ContourResult &result, const GridWindow &source, int i, int j, ZoneMethod method,
                       unsigned edges, std::vector<PieceVertex> &scratch, MeshPieceFn draw) {
  const Vex3dContourCell cell = contour_cell(result, i, j);
  if (cell.hole) return false;
  struct EdgeOfCell {
    MeshEdge edge;
    int side;
    int from, to;  // corners, as numbered for the lists
  };
  static constexpr EdgeOfCell kEdges[] = {
      {kMeshBottom, kBottom, 3, 0}, {kMeshTop, kTop, 2, 1}, {kMeshRight, kRight, 0, 1}, {kMeshLeft, kLeft, 3, 2}};
  for (const EdgeOfCell &e : kEdges) {
    if (!(edges & e.edge)) continue;
    scratch.clear();
    scratch.push_back(corner(source, i, j, e.from));
    if (method == ZoneMethod::kContours)
      for (int list = 0; list < kLists; ++list)
        for (int n = 0; n < cell.list_count[list]; ++n) {
          const Vex3dContourSegment &s = cell.list[list][n];
          const double v = result.levels[std::size_t(s.level)];
          if (s.side_a == e.side) scratch.push_back(contour_vertex(s.a, v));
          if (s.side_b == e.side) scratch.push_back(contour_vertex(s.b, v));
        }
    const bool vertical = e.side == kLeft || e.side == kRight;
    std::stable_sort(scratch.begin() + 1, scratch.end(), [vertical](const PieceVertex &p, const PieceVertex &q) {
      return vertical ? p.y < q.y : p.x < q.x;
    });
    scratch.push_back(corner(source, i, j, e.to));
    for (std::size_t k = 0; k + 1 < scratch.size(); ++k)
      draw(scratch[k], scratch[k + 1], zone_index(result.levels, 0.5 * (scratch[k].value + scratch[k + 1].value)));
  }
  return true;
}

}  // namespace vex3d
