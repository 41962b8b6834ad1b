// Batched zone output: pieces gathered per zone and drawn a hundred at a
// time, so that a whole surface changes fill colour once per batch rather
// than once per piece.
#pragma once

#include <span>
#include <vector>

#include "function_ref.h"

namespace vex3d {

struct ScreenPoint {
  int x = 0, y = 0;
};

// A filled piece in device coordinates; a piece has at most 8 vertices, the
// ninth place closes it when the drawing needs that.
struct ScreenPiece {
  int n = 0;
  ScreenPoint v[9];
};

class ZoneBatch {
 public:
  static constexpr std::size_t kPiecesPerBatch = 100;
  // Draws the pieces of one zone with that zone's fill.
  using DrawFn = FunctionRef<void(int zone, std::span<const ScreenPiece> pieces)>;

  // Zones 0 .. zones - 1; a zone's buffer is made when it first gets a piece.
  explicit ZoneBatch(int zones) : buffers_(std::size_t(zones > 0 ? zones : 0)) {}

  // Appends the piece to its zone's buffer and draws the buffer when it is
  // full. Pieces of fewer than 3 or more than 8 vertices, or of a zone out of
  // range, are not drawn.
  void add(int zone, std::span<const ScreenPoint> piece, DrawFn draw);
  // Draws what is left, zone by zone in order, and empties every buffer.
  void finish(DrawFn draw);

 private:
  std::vector<std::vector<ScreenPiece>> buffers_;
};

}  // namespace vex3d
