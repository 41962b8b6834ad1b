// Cutting a cell into zone pieces along its contour segments, and its mesh
// edges at the contour crossings.
#pragma once

#include <span>
#include <vector>

#include "contour_result.h"
#include "function_ref.h"

namespace vex3d {

// How zones are made (ZONE_METHOD).
enum class ZoneMethod { kContours = 0, kCells = 1 };

// A vertex of a zone piece or mesh piece: a corner of the cell or a contour point.
struct PieceVertex {
  double x = 0, y = 0;
  double value = 0;                          // the corner's value, or the level of the contour point
  int i = -1, j = -1;                        // window vertex of a corner
  const Vex3dContourPoint *point = nullptr;  // the contour point, or null for a corner
};

// Receives one piece with the zone of the mean of its vertex values.
using PieceFn = FunctionRef<void(std::span<const PieceVertex> piece, int zone)>;
// Receives one piece of a mesh edge with the zone of the mean of its two ends.
using MeshPieceFn = FunctionRef<void(const PieceVertex &a, const PieceVertex &b, int zone)>;

// Mesh edges of a cell, drawn in this order when asked for.
enum MeshEdge : unsigned { kMeshBottom = 1, kMeshTop = 2, kMeshRight = 4, kMeshLeft = 8 };

// Cuts cell (i, j) into its zone pieces and hands each to `fill`; a piece
// never has more than 8 vertices. False, with nothing handed, for a hole cell.
bool zone_pieces(const ContourResult &result, const GridWindow &source, int i, int j, ZoneMethod method,
                 PieceFn fill);

// Hands the pieces of the cell's mesh edges named by `edges` to `draw`: each
// edge runs from its corner of smaller coordinate to the other and, with
// zones from contours, is cut at the contour points on it. `scratch` is
// reused between calls. False, with nothing handed, for a hole cell.
bool zoned_mesh_pieces(const ContourResult &result, const GridWindow &source, int i, int j, ZoneMethod method,
                       unsigned edges, std::vector<PieceVertex> &scratch, MeshPieceFn draw);

}  // namespace vex3d
