// The free region and its largest rectangle. The pieces' edges cut the
// plane into a grid of cells, each wholly covered or not; the largest
// rectangle is then the classic largest rectangle of covered cells, with the
// cells' real widths and heights.
#include "free_region.h"

#include <algorithm>

#include "rect_ops.h"

namespace vex3d {

void subtract_rect(std::vector<Rect> &pieces, const Rect &taken) {
  if (empty_rect(taken)) return;
  std::vector<Rect> out;
  out.reserve(pieces.size() + 4);
  const long long tx1 = 1LL * taken.x + taken.width, ty1 = 1LL * taken.y + taken.height;
  for (const Rect &p : pieces) {
    if (!overlaps(p, taken)) {
      out.push_back(p);
      continue;
    }
    const long long px1 = 1LL * p.x + p.width, py1 = 1LL * p.y + p.height;
    const int top = std::max(p.y, taken.y), bottom = static_cast<int>(std::min(py1, ty1));
    if (taken.y > p.y) out.push_back(Rect{p.x, p.y, p.width, taken.y - p.y});
    if (ty1 < py1) out.push_back(Rect{p.x, static_cast<int>(ty1), p.width, static_cast<int>(py1 - ty1)});
    if (taken.x > p.x) out.push_back(Rect{p.x, top, taken.x - p.x, bottom - top});
    if (tx1 < px1) out.push_back(Rect{static_cast<int>(tx1), top, static_cast<int>(px1 - tx1), bottom - top});
  }
  pieces = std::move(out);
}

Rect largest_covered_rect(const std::vector<Rect> &pieces) {
  std::vector<long long> xs, ys;
  for (const Rect &p : pieces) {
    if (empty_rect(p)) continue;
    xs.insert(xs.end(), {p.x, 1LL * p.x + p.width});
    ys.insert(ys.end(), {p.y, 1LL * p.y + p.height});
  }
  if (xs.empty()) return Rect{};
  for (auto *edges : {&xs, &ys}) {
    std::sort(edges->begin(), edges->end());
    edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
  }
  const std::size_t columns = xs.size() - 1, rows = ys.size() - 1;
  std::vector<char> covered(columns * rows, 0);
  for (const Rect &p : pieces) {
    if (empty_rect(p)) continue;
    const std::size_t c0 = std::lower_bound(xs.begin(), xs.end(), p.x) - xs.begin();
    const std::size_t c1 = std::lower_bound(xs.begin(), xs.end(), 1LL * p.x + p.width) - xs.begin();
    const std::size_t r0 = std::lower_bound(ys.begin(), ys.end(), p.y) - ys.begin();
    const std::size_t r1 = std::lower_bound(ys.begin(), ys.end(), 1LL * p.y + p.height) - ys.begin();
    for (std::size_t r = r0; r < r1; ++r)
      for (std::size_t c = c0; c < c1; ++c) covered[r * columns + c] = 1;
  }
  // Row by row from the top, each column's covered run upward ending in the
  // row (in cells); for each column and each run length reaching up from
  // it, the widest span of columns that reach as high. The grid has at most
  // a few dozen cells a side, so the plain search is quick.
  std::vector<std::size_t> run(columns, 0);
  long long best_area = 0;
  Rect best;
  for (std::size_t r = 0; r < rows; ++r) {
    for (std::size_t c = 0; c < columns; ++c) run[c] = covered[r * columns + c] ? run[c] + 1 : 0;
    for (std::size_t c = 0; c < columns; ++c) {
      for (std::size_t up = 1; up <= run[c]; ++up) {
        std::size_t left = c, right = c + 1;
        while (left > 0 && run[left - 1] >= up) --left;
        while (right < columns && run[right] >= up) ++right;
        const long long w = xs[right] - xs[left], h = ys[r + 1] - ys[r + 1 - up];
        if (w * h > best_area) {
          best_area = w * h;
          best = Rect{static_cast<int>(xs[left]), static_cast<int>(ys[r + 1 - up]), static_cast<int>(w),
                      static_cast<int>(h)};
        }
      }
    }
  }
  return best;
}

}  // namespace vex3d
