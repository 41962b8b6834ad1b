// Contour lines and zones through the operation table.
#include "draw_contours.h"

#include <algorithm>
#include <climits>

#include "draw_ops.h"
#include "graph_contours.h"
#include "levels.h"
#include "styles.h"

namespace vex3d {
namespace {

constexpr int kPolylinePiece = 300;

// The style of level or zone k, or null without a style table.
const Vex3dContourStyle *style_of(const Vex3dGraph *graph, const ContourResult &r, int k) {
  const auto &styles = graph->contour_styles.items();
  if (styles.empty()) return nullptr;
  const int index = style_of_level(int(styles.size()), int(r.levels.size()), k);
  return index >= 0 && index < int(styles.size()) ? &styles[std::size_t(index)] : nullptr;
}

bool drawable(const Vex3dContourStyle *s) { return s && s->line_width != 0 && s->line_pattern != Vex3dLpatNone; }

// Selects the line style of a level, once for a run of segments of that level.
class LineStyles {
 public:
  LineStyles(Vex3dGraph *graph, const ContourResult &r) : graph_(graph), r_(r) {}
  bool select(int level) {
    if (level == selected_) return selected_ok_;
    selected_ = level;
    const Vex3dContourStyle *s = style_of(graph_, r_, level);
    selected_ok_ = drawable(s);
    if (selected_ok_) {
      const Vex3dDrawOps &ops = *graph_->draw_ops;
      ops.setforeground(graph_, s->line_color);
      ops.setdashes(graph_, s->line_pattern, 0, 0, nullptr);
      ops.setlineattributes(graph_, s->line_width, stroke_style(s->line_pattern == Vex3dLpatSolid), VEX3D_CAP_FLAT,
                            VEX3D_JOIN_BEVEL);
    }
    return selected_ok_;
  }

 private:
  Vex3dGraph *graph_;
  const ContourResult &r_;
  int selected_ = INT_MIN;
  bool selected_ok_ = false;
};

// The contours to draw with, or null when none are current or nothing can be drawn.
const ContourState *drawing_state(const Vex3dGraph *graph) {
  return graph->draw_ops ? current_contours(graph) : nullptr;
}

ScreenPoint device(const PieceVertex &v, ProjectFn project) {
  return v.point ? ScreenPoint{v.point->sx, v.point->sy} : project(v.i, v.j);
}

int zone_fill_color(const Vex3dGraph *graph, const ContourResult &r, int zone, bool &has) {
  const Vex3dContourStyle *s = style_of(graph, r, zone);
  has = s != nullptr;
  return s ? s->fill_color : 0;
}

void fill_pieces(Vex3dGraph *graph, const ContourResult &r, int zone, std::span<const ScreenPiece> pieces,
                 bool rectangles) {
  bool has = false;
  const int color = zone_fill_color(graph, r, zone, has);
  if (!has) return;
  const Vex3dDrawOps &ops = *graph->draw_ops;
  ops.setsolidfill(graph, color);
  for (const ScreenPiece &p : pieces) {
    if (rectangles) {
      int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
      for (int k = 0; k < p.n; ++k) {
        x0 = std::min(x0, p.v[k].x), x1 = std::max(x1, p.v[k].x);
        y0 = std::min(y0, p.v[k].y), y1 = std::max(y1, p.v[k].y);
      }
      ops.primitives[0].fillrectangle(graph, x0, y0, x1 - x0, y1 - y0);
    } else {
      Vex3dDevicePoint points[9];
      for (int k = 0; k < p.n; ++k) points[k] = {p.v[k].x, p.v[k].y};
      ops.primitives[0].fillpolygon(graph, points, p.n, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
    }
  }
}

ZoneMethod zone_method(const Vex3dGraph *graph) {
  return graph->zone_method == Vex3dZoneCells ? ZoneMethod::kCells : ZoneMethod::kContours;
}

// Whole cells of one zone running down a column, filled as one polygon: its
// sides are the device positions of the grid points along the column's two
// grid lines. On a flat grid the cells of a column meet edge to edge without
// overlapping, so the polygon covers the pixels the cells would cover one by
// one, in one fill; on dense grids most cells are whole and sub-pixel.
class ColumnRun {
 public:
  ColumnRun(Vex3dGraph *graph, const ContourResult &r, ProjectFn project) : graph_(graph), r_(r), project_(project) {}

  // Adds cell (i, j) of `zone` to the run, ending the run first unless the
  // cell continues it.
  void add(int i, int j, int zone) {
    if (active_ && (zone != zone_ || i != i_ || j != next_j_)) end();
    if (!active_) {
      active_ = true;
      i_ = i, zone_ = zone;
      left_.clear(), right_.clear();
      push(left_, project_(i, j));
      push(right_, project_(i + 1, j));
    }
    push(left_, project_(i, j + 1));
    push(right_, project_(i + 1, j + 1));
    next_j_ = j + 1;
  }

  // Fills the run, if any, in its zone's colour.
  void end() {
    if (!active_) return;
    active_ = false;
    bool has = false;
    const int color = zone_fill_color(graph_, r_, zone_, has);
    if (!has) return;
    left_.insert(left_.end(), right_.rbegin(), right_.rend());
    if (left_.size() < 3) return;
    const Vex3dDrawOps &ops = *graph_->draw_ops;
    ops.setsolidfill(graph_, color);
    ops.primitives[0].fillpolygon(graph_, left_.data(), int(left_.size()), VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
  }

 private:
  // A point equal to the last adds nothing, and one in line with the last
  // two replaces the last: the outline stays the same with fewer vertices.
  static void push(std::vector<Vex3dDevicePoint> &side, ScreenPoint p) {
    const Vex3dDevicePoint d{p.x, p.y};
    const std::size_t n = side.size();
    if (n >= 1 && side[n - 1].x == d.x && side[n - 1].y == d.y) return;
    if (n >= 2) {
      const long long ax = side[n - 1].x - side[n - 2].x, ay = side[n - 1].y - side[n - 2].y;
      const long long bx = d.x - (long long)side[n - 1].x, by = d.y - (long long)side[n - 1].y;
      if (ax * by == ay * bx) {
        side[n - 1] = d;
        return;
      }
    }
    side.push_back(d);
  }

  Vex3dGraph *graph_;
  const ContourResult &r_;
  ProjectFn project_;
  std::vector<Vex3dDevicePoint> left_, right_;
  bool active_ = false;
  int i_ = 0, zone_ = 0, next_j_ = 0;
};

// The zone of a cell no contour segment crosses, as its one zone piece gets
// it (the mean of its corners); -1 for a hole cell or a cell that is cut.
int whole_cell_zone(const ContourResult &r, const GridWindow &g, int i, int j) {
  const Vex3dContourCell cell = contour_cell(r, i, j);
  if (cell.hole || cell.count != 0) return -1;
  const double mean = (g.at(i, j + 1) + g.at(i, j) + g.at(i + 1, j) + g.at(i + 1, j + 1)) / 4;
  return zone_index(r.levels, mean);
}

}  // namespace

void draw_cell_contours(Vex3dGraph *graph, int i, int j) {
  const ContourState *state = drawing_state(graph);
  if (!state) return;
  const Vex3dContourCell cell = contour_cell(state->result, i, j);
  LineStyles styles(graph, state->result);
  for (int list = 0; list < kLists; ++list)
    for (int n = 0; n < cell.list_count[list]; ++n) {
      const Vex3dContourSegment &s = cell.list[list][n];
      if (styles.select(s.level)) graph->draw_ops->primitives[0].drawline(graph, s.a->sx, s.a->sy, s.b->sx, s.b->sy);
    }
}

bool fill_cell_zones(Vex3dGraph *graph, int i, int j, ProjectFn project, ZoneBatch *batch) {
  const ContourState *state = drawing_state(graph);
  if (!state) return false;
  const ContourResult &r = state->result;
  const ZoneMethod method = zone_method(graph);
  // Batched zones from cells go out as rectangles.
  const bool rectangles = method == ZoneMethod::kCells;
  return zone_pieces(r, state->source, i, j, method, [&](std::span<const PieceVertex> piece, int zone) {
    ScreenPiece p;
    p.n = int(piece.size());
    for (int k = 0; k < p.n; ++k) p.v[k] = device(piece[std::size_t(k)], project);
    if (batch)
      batch->add(zone, std::span<const ScreenPoint>(p.v, std::size_t(p.n)),
                 [&](int z, std::span<const ScreenPiece> pieces) { fill_pieces(graph, r, z, pieces, rectangles); });
    else
      fill_pieces(graph, r, zone, std::span<const ScreenPiece>(&p, 1), false);
  });
}

int draw_cell_zoned_mesh(Vex3dGraph *graph, int i, int j, ProjectFn project, unsigned edges) {
  const ContourState *state = drawing_state(graph);
  if (!state) return 0;
  const ContourResult &r = state->result;
  const bool monochrome = graph->color_depth < 2;
  const int foreground = graph->graph_foreground != COLOR_UNSET ? graph->graph_foreground : graph->foreground;
  int selected = INT_MIN;
  const bool zoned = zoned_mesh_pieces(r, state->source, i, j, zone_method(graph), edges, state->mesh_scratch,
                                       [&](const PieceVertex &a, const PieceVertex &b, int zone) {
                                         bool has = true;
                                         const int color =
                                             monochrome ? foreground : zone_fill_color(graph, r, zone, has);
                                         if (!has) return;
                                         if (color != selected) graph->draw_ops->setsolidline(graph, color);
                                         selected = color;
                                         const ScreenPoint p = device(a, project), q = device(b, project);
                                         graph->draw_ops->primitives[0].drawline(graph, p.x, p.y, q.x, q.y);
                                       });
  return zoned ? 1 : 0;
}

void draw_contour_lines(Vex3dGraph *graph) {
  const ContourState *state = drawing_state(graph);
  if (!state) return;
  LineStyles styles(graph, state->result);
  std::vector<Vex3dDevicePoint> points;
  for (const Vex3dContourLine &line : state->result.lines) {
    if (!styles.select(line.level)) continue;
    points.clear();
    for (const Vex3dContourPoint *p = line.first; p; p = p->next) points.push_back({p->sx, p->sy});
    // Each piece starts at the last point of the one before.
    for (std::size_t from = 0; from + 1 < points.size(); from += kPolylinePiece - 1) {
      const std::size_t count = std::min<std::size_t>(kPolylinePiece, points.size() - from);
      graph->draw_ops->primitives[0].drawlines(graph, points.data() + from, int(count), VEX3D_COORD_ABSOLUTE);
    }
  }
}

void fill_all_zones(Vex3dGraph *graph, ProjectFn project, const Rect *repaint) {
  const ContourState *state = drawing_state(graph);
  if (!state) return;
  const ContourResult &r = state->result;
  const int nx = r.nx, ny = r.ny;
  if (nx < 2 || ny < 2) return;
  const bool cells = zone_method(graph) == ZoneMethod::kCells;
  ZoneBatch batch(int(r.levels.size()) + 1);
  auto draw = [&](int zone, std::span<const ScreenPiece> pieces) { fill_pieces(graph, r, zone, pieces, cells); };

  // A column or row of cells whose two grid lines land on the same device line covers nothing.
  auto same_line = [&](int i0, int j0, int i1, int j1, int i2, int j2, int i3, int j3) {
    const ScreenPoint a = project(i0, j0), b = project(i1, j1), c = project(i2, j2), d = project(i3, j3);
    return a.x == c.x && a.y == c.y && b.x == d.x && b.y == d.y;
  };
  std::vector<char> skip_row(std::size_t(ny - 1));
  for (int j = 0; j + 1 < ny; ++j) skip_row[std::size_t(j)] = same_line(0, j, nx - 1, j, 0, j + 1, nx - 1, j + 1);

  // Whole cells are gathered into column runs when zones come from the
  // contours and the whole grid is drawn.
  const bool runs = !cells && !repaint;
  ColumnRun run(graph, r, project);
  for (int i = 0; i + 1 < nx; ++i) {
    if (same_line(i, 0, i, ny - 1, i + 1, 0, i + 1, ny - 1)) continue;
    for (int j = 0; j + 1 < ny; ++j) {
      if (skip_row[std::size_t(j)]) continue;
      if (runs) {
        if (const int zone = whole_cell_zone(r, state->source, i, j); zone >= 0) {
          run.add(i, j, zone);
          continue;
        }
        run.end();
      }
      const ScreenPoint corner[4] = {project(i, j), project(i + 1, j), project(i + 1, j + 1), project(i, j + 1)};
      if (repaint) {
        int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
        for (const ScreenPoint &p : corner) {
          x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
          y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
        }
        if (x1 < repaint->x || y1 < repaint->y || x0 >= repaint->x + repaint->width ||
            y0 >= repaint->y + repaint->height)
          continue;
      }
      fill_cell_zones(graph, i, j, project, &batch);
    }
  }
  run.end();
  batch.finish(draw);
}

}  // namespace vex3d
