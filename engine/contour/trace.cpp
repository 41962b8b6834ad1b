// Seeding and tracing of contour lines.
//
// Vertices are visited row by row; every edge that a level crosses (a level
// equal to the lower end counts, one equal to the upper end does not) starts
// a trace of that level into the cells on both sides of the edge, unless an
// earlier trace already passed through it. A trace walks from cell to cell,
// leaving each through the first candidate side that the level crosses; the
// candidate order follows the turning sense, which keeps the higher values on
// the same hand and so settles saddle cells the same way for every level.
#include <algorithm>
#include <cmath>
#include <new>

#include "cell_lists.h"
#include "contour_result.h"
#include "levels.h"

namespace vex3d {
namespace {

constexpr std::uint32_t kNoCross = 0xFFFFFFFFu;
// Every crossing costs a point and a segment (about 64 bytes); beyond this
// many a chart would need gigabytes, so the lines are not computed at all.
constexpr std::uint64_t kMaxCrossings = std::uint64_t{1} << 25;

// An edge of the grid between vertex a and vertex b = a + one step in x or y.
struct Edge {
  int ia, ja, ib, jb;
  bool vertical;  // along y
  std::uint32_t index;
};

// The crossing of level v on the edge from value za at coordinate ca to zb at
// cb. Infinite or huge values keep the crossing on the edge.
double crossing(double za, double zb, double ca, double cb, double v) {
  if (za == zb) return 0.5 * (ca + cb);
  double r = ((v - za) * cb - (v - zb) * ca) / (zb - za);
  if (!std::isfinite(r)) {
    if (std::isinf(za) && std::isinf(zb)) return 0.5 * (ca + cb);
    double t = (0.5 * v - 0.5 * za) / (0.5 * zb - 0.5 * za);
    if (std::isinf(za)) t = 1;
    if (std::isinf(zb)) t = 0;
    r = std::isfinite(t) ? ca + std::clamp(t, 0.0, 1.0) * (cb - ca) : 0.5 * (ca + cb);
  }
  return std::clamp(r, std::min(ca, cb), std::max(ca, cb));
}

double along(double za, double zb, double ta, double tb, double t) {
  return za + (zb - za) * ((t - ta) / (tb - ta));
}

class Tracer {
 public:
  Tracer(const ContourInput &in, ContourResult &out)
      : in_(in), src_(in.source), out_(out), nx_(src_.nx), ny_(src_.ny), levels_(in.levels) {}

  ContourStatus run();

 private:
  std::uint32_t code(int i, int j) const { return codes_[std::size_t(i) * ny_ + j]; }
  std::uint32_t vertical_index(int i, int j) const { return std::uint32_t(i) * (ny_ - 1) + j; }
  std::uint32_t horizontal_index(int i, int j) const {
    return std::uint32_t(nx_) * (ny_ - 1) + std::uint32_t(i) * ny_ + j;
  }

  Edge side_edge(int ci, int cj, int side) const {
    switch (side) {
      case kRight: return {ci + 1, cj, ci + 1, cj + 1, true, vertical_index(ci + 1, cj)};
      case kTop: return {ci, cj + 1, ci + 1, cj + 1, false, horizontal_index(ci, cj + 1)};
      case kLeft: return {ci, cj, ci, cj + 1, true, vertical_index(ci, cj)};
      default: return {ci, cj, ci + 1, cj, false, horizontal_index(ci, cj)};
    }
  }

  // Levels [first, end) lie within the closed range of the edge's values.
  void closed_range(const Edge &e, std::uint32_t &first, std::uint32_t &end) const {
    const std::uint32_t p = code(e.ia, e.ja), q = code(e.ib, e.jb);
    if (p == kNoCross || q == kNoCross) {
      first = end = 0;
      return;
    }
    first = std::min(p >> 1, q >> 1);
    end = std::max((p >> 1) + (p & 1), (q >> 1) + (q & 1));
  }

  bool bit(const Edge &e, int level) const {
    const std::uint64_t k = std::uint64_t(base_[e.index] + level);
    return bits_[k >> 6] >> (k & 63) & 1;
  }
  void set_bit(const Edge &e, int level) {
    const std::uint64_t k = std::uint64_t(base_[e.index] + level);
    bits_[k >> 6] |= std::uint64_t{1} << (k & 63);
  }

  bool crosses(const Edge &e, int level) const {
    std::uint32_t first, end;
    closed_range(e, first, end);
    return std::uint32_t(level) >= first && std::uint32_t(level) < end;
  }

  bool prepare();
  void mark_holes();
  void seed_edge(const Edge &e, int ci, int cj, int side, int ci2, int cj2, int side2, bool ccw);
  void trace(const Edge &start, int level, int ci, int cj, int entry, bool ccw);
  Vex3dContourPoint *make_point(const Edge &e, int ci, int cj, int side, int level);
  double point_z(int ci, int cj, int side, double x, double y, double v) const;

  const ContourInput &in_;
  const GridWindow &src_;
  ContourResult &out_;
  const int nx_, ny_;
  std::span<const double> levels_;
  std::uint32_t trace_first_ = 0, trace_end_ = 0;  // the finite levels
  std::vector<std::uint32_t> codes_;  // per vertex: zone << 1 | equals a level
  std::vector<std::int32_t> base_;    // per edge: bit index of level 0
  std::vector<std::uint64_t> bits_;
  // Per row j, i << 1 | vertical: filled x index outermost, so each row runs by
  // x index with the horizontal edge of a vertex before its vertical one.
  std::vector<std::vector<std::uint32_t>> seeds_;
  std::vector<RawSegment> raw_;
};

// Vertex codes, the bit offsets of every edge and the seed edges of each row.
bool Tracer::prepare() {
  while (trace_first_ < levels_.size() && !std::isfinite(levels_[trace_first_])) ++trace_first_;
  trace_end_ = trace_first_;
  while (trace_end_ < levels_.size() && std::isfinite(levels_[trace_end_])) ++trace_end_;

  codes_.assign(std::size_t(nx_) * ny_, kNoCross);
  const std::uint32_t n = std::uint32_t(levels_.size());
  std::uint32_t z = 0;  // the zone of the vertex before, which a smooth grid mostly stays in
  for (int i = 0; i < nx_; ++i) {
    const double *row = src_.rows[i];
    for (int j = 0; j < ny_; ++j) {
      const double v = row[j];
      if (v == src_.hole || std::isnan(v)) continue;
      if (!((z == 0 || levels_[z - 1] < v) && (z == n || v <= levels_[z])))
        z = std::uint32_t(zone_index(out_.levels, v));
      std::uint32_t c = z;
      // Levels that are not finite are never traced: keep every code inside the finite run.
      c = std::clamp(c, trace_first_, trace_end_);
      const bool on_level = c < trace_end_ && c == z && levels_[c] == v;
      codes_[std::size_t(i) * ny_ + j] = c << 1 | (on_level ? 1 : 0);
    }
  }

  const std::size_t edges = std::size_t(nx_) * (ny_ - 1) + std::size_t(nx_ - 1) * ny_;
  base_.assign(edges, 0);
  seeds_.assign(std::size_t(ny_), {});
  std::uint64_t offset = 0;
  auto add_edge = [&](const Edge &e) {
    // Most edges lie within one zone without touching a level: nothing crosses them.
    const std::uint32_t p = code(e.ia, e.ja);
    if (p == code(e.ib, e.jb) && !(p & 1)) return;
    std::uint32_t first, end;
    closed_range(e, first, end);
    if (first >= end) return;
    base_[e.index] = std::int32_t(std::int64_t(offset) - first);
    offset += end - first;
    // Seeds are the levels in [lower end, upper end): zones differ.
    if ((code(e.ia, e.ja) >> 1) != (code(e.ib, e.jb) >> 1))
      seeds_[std::size_t(e.ja)].push_back(std::uint32_t(e.ia) << 1 | (e.vertical ? 1 : 0));
  };
  for (int i = 0; i < nx_ && offset <= kMaxCrossings; ++i)
    for (int j = 0; j < ny_; ++j) {
      if (i < nx_ - 1) add_edge({i, j, i + 1, j, false, horizontal_index(i, j)});
      if (j < ny_ - 1) add_edge({i, j, i, j + 1, true, vertical_index(i, j)});
    }
  if (offset > kMaxCrossings) return false;
  bits_.assign(std::size_t((offset + 63) / 64), 0);
  return true;
}

void Tracer::mark_holes() {
  for (int i = 0; i < nx_; ++i)
    for (int j = 0; j < ny_; ++j) {
      if (!src_.is_hole(i, j)) continue;
      for (int ci = i - 1; ci <= i; ++ci)
        for (int cj = j - 1; cj <= j; ++cj)
          if (out_.has_cell(ci, cj)) out_.hole[std::size_t(out_.cell_index(ci, cj))] = 1;
    }
}

double Tracer::point_z(int ci, int cj, int side, double x, double y, double v) const {
  const GridWindow *s = in_.surface;
  if (!s) return v;
  auto ends_hole = [&](int ia, int ja, int ib, int jb) { return s->is_hole(ia, ja) || s->is_hole(ib, jb); };
  switch (side) {
    case kLeft:
      if (ends_hole(ci, cj, ci, cj + 1)) return s->hole;
      return along(s->at(ci, cj), s->at(ci, cj + 1), s->y[cj], s->y[cj + 1], y);
    case kBottom:
    case kTop: {
      const int j = side == kBottom ? cj : cj + 1;
      if (ends_hole(ci, j, ci + 1, j)) return s->hole;
      return along(s->at(ci, j), s->at(ci + 1, j), s->x[ci], s->x[ci + 1], x);
    }
    default: {
      if (ends_hole(ci, cj, ci + 1, cj + 1) || ends_hole(ci + 1, cj, ci, cj + 1)) return s->hole;
      const double z00 = s->at(ci, cj), z10 = s->at(ci + 1, cj), z11 = s->at(ci + 1, cj + 1), z01 = s->at(ci, cj + 1);
      const double x0 = s->x[ci], x1 = s->x[ci + 1], y0 = s->y[cj], y1 = s->y[cj + 1];
      const double x_first = along(along(z00, z10, x0, x1, x), along(z01, z11, x0, x1, x), y0, y1, y);
      const double y_first = along(along(z00, z01, y0, y1, y), along(z10, z11, y0, y1, y), x0, x1, x);
      return 0.5 * (x_first + y_first);
    }
  }
}

Vex3dContourPoint *Tracer::make_point(const Edge &e, int ci, int cj, int side, int level) {
  const double v = levels_[std::size_t(level)];
  const double za = src_.at(e.ia, e.ja), zb = src_.at(e.ib, e.jb);
  double x, y;
  if (e.vertical) {
    x = src_.x[e.ia];
    y = crossing(za, zb, src_.y[e.ja], src_.y[e.jb], v);
  } else {
    x = crossing(za, zb, src_.x[e.ia], src_.x[e.ib], v);
    y = src_.y[e.ja];
  }
  return out_.points.make(x, y, point_z(ci, cj, side, x, y, v));
}

void Tracer::trace(const Edge &start, int level, int ci, int cj, int entry, bool ccw) {
  Vex3dContourPoint *last = nullptr;
  for (;;) {
    if (!out_.has_cell(ci, cj)) return;
    const int cell = out_.cell_index(ci, cj);
    if (out_.hole[std::size_t(cell)]) return;
    if (!last) {
      last = make_point(start, ci, cj, entry, level);
      out_.lines.push_back({last, level});
    }
    int exit = -1;
    Edge exit_edge{};
    for (int step = 1; step <= 3; ++step) {
      const int side = (entry + (ccw ? step : 4 - step)) & 3;
      const Edge e = side_edge(ci, cj, side);
      if (e.index == start.index || (crosses(e, level) && !bit(e, level))) {
        exit = side;
        exit_edge = e;
        break;
      }
    }
    if (exit < 0) {
      // A line that cannot leave its first cell is no line.
      if (out_.lines.back().first == last && !last->next) {
        out_.lines.pop_back();
        out_.points.drop_last();
      }
      return;
    }
    Vex3dContourPoint *p = make_point(exit_edge, ci, cj, exit, level);
    last->next = p;
    raw_.push_back(make_raw_segment(std::uint32_t(cell), level, entry, last, exit, p));
    set_bit(exit_edge, level);
    if (exit_edge.index == start.index) return;
    last = p;
    switch (exit) {
      case kRight: ++ci; break;
      case kTop: ++cj; break;
      case kLeft: --ci; break;
      default: --cj; break;
    }
    entry = (exit + 2) & 3;
  }
}

void Tracer::seed_edge(const Edge &e, int ci, int cj, int side, int ci2, int cj2, int side2, bool ccw) {
  const std::uint32_t p = code(e.ia, e.ja) >> 1, q = code(e.ib, e.jb) >> 1;
  for (std::uint32_t level = std::min(p, q); level < std::max(p, q); ++level) {
    if (bit(e, int(level))) continue;
    trace(e, int(level), ci, cj, side, ccw);
    if (!bit(e, int(level))) trace(e, int(level), ci2, cj2, side2, !ccw);
  }
}

ContourStatus Tracer::run() {
  out_.hole.assign(std::size_t(out_.cell_count()), 0);
  mark_holes();
  if (!in_.trace_lines) return ContourStatus::kDone;
  if (!prepare()) return ContourStatus::kTooManyCrossings;
  for (int j = 0; j < ny_; ++j)
    for (const std::uint32_t s : seeds_[std::size_t(j)]) {
      const int i = int(s >> 1);
      const double z0 = src_.at(i, j);
      if (s & 1)
        seed_edge({i, j, i, j + 1, true, vertical_index(i, j)}, i, j, kLeft, i - 1, j, kRight, z0 > src_.at(i, j + 1));
      else
        seed_edge({i, j, i + 1, j, false, horizontal_index(i, j)}, i, j, kBottom, i, j - 1, kTop,
                  z0 <= src_.at(i + 1, j));
    }
  codes_ = {};
  base_ = {};
  bits_ = {};
  seeds_ = {};
  build_cell_lists(raw_, out_);
  out_.lines_traced = true;
  return ContourStatus::kDone;
}

}  // namespace

ContourStatus compute_contours(const ContourInput &in, ContourResult &out) {
  out = ContourResult{};
  out.nx = in.source.nx;
  out.ny = in.source.ny;
  if (out.cell_count() == 0) return ContourStatus::kDone;
  for (std::size_t k = 0; k < in.levels.size(); ++k)
    if (std::isnan(in.levels[k]) || (k > 0 && !(in.levels[k - 1] < in.levels[k]))) {
      out = ContourResult{};
      return ContourStatus::kBadLevels;
    }
  out.levels.assign(in.levels.begin(), in.levels.end());
  ContourStatus status;
  try {
    ContourInput own = in;
    own.levels = out.levels;
    status = Tracer(own, out).run();
  } catch (const std::bad_alloc &) {
    status = ContourStatus::kOutOfMemory;
  }
  // Nothing partial stays behind: without its records no cell is drawn.
  if (status != ContourStatus::kDone) out = ContourResult{};
  return status;
}

}  // namespace vex3d
