#include "zone_batch.h"

#include <algorithm>

namespace vex3d {

void ZoneBatch::add(int zone, std::span<const ScreenPoint> piece, DrawFn draw) {
  if (zone < 0 || std::size_t(zone) >= buffers_.size() || piece.size() < 3 || piece.size() > 8) return;
  std::vector<ScreenPiece> &buffer = buffers_[std::size_t(zone)];
  if (buffer.capacity() == 0) buffer.reserve(kPiecesPerBatch);
  ScreenPiece &p = buffer.emplace_back();
  p.n = int(piece.size());
  std::copy(piece.begin(), piece.end(), p.v);
  if (buffer.size() == kPiecesPerBatch) {
    draw(zone, buffer);
    buffer.clear();
  }
}

void ZoneBatch::finish(DrawFn draw) {
  for (std::size_t zone = 0; zone < buffers_.size(); ++zone) {
    if (buffers_[zone].empty()) continue;
    draw(int(zone), buffers_[zone]);
    buffers_[zone].clear();
  }
}

}  // namespace vex3d
