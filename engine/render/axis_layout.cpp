// Laying out the axes: ticks, labels and titles beside the cube (or the flat
// map's rectangle), and the window that contains them for the fit.
//
// Choices this layout makes:
// - Each axis is annotated on one edge: among its axis edges the lowest on
//   the device for an axis that runs mostly horizontally, the leftmost for
//   one that runs mostly vertically.
// - The text lies in the plane of whichever of the two faces at that edge is
//   seen more squarely from the eye, set off outward from the edge by 0.6 of
//   a label height; outside a silhouette edge it cannot overlap the cube.
// - Where two annotated edges meet at a corner, a label that would cover text
//   of an axis laid out before it (x, then y, then z) is left out.
// - Labels of a horizontal axis run along the edge, centred on their ticks;
//   labels of a vertical axis run across it, starting (or ending) at the
//   offset. Text always reads left to right (bottom to top when it runs
//   within about 6 degrees of vertical) and is never mirrored.
// - The title runs along the edge, centred on it, its centre line the label
//   extent plus one title height beyond the labels' offset.
#include <algorithm>
#include <cmath>

#include "anno.h"
#include "basecube.h"
#include "text_frame.h"

namespace vex3d {
namespace {

// The space between an edge and its labels, in label heights.
constexpr double kLabelGap = 0.6;

Vec3 unit(int axis, double sign = 1) {
  Vec3 v;
  (axis == 0 ? v.x : axis == 1 ? v.y : v.z) = sign;
  return v;
}

double component(const Vec3 &v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

// Where an axis is annotated: the edge line through `middle` (the edge point
// at axis coordinate 0), the axis direction, and the outward direction within
// the plane that carries the text.
struct EdgeFrame {
  int axis = 0;
  Vec3 middle;
  Vec3 outward;
};

PlacedText place(TextRole role, const std::string &text, const TextFrame &f, const Vec3 &origin, double width,
                 double height) {
  PlacedText t;
  t.role = role;
  t.text = text;
  const Vec3 n = cross(f.u, f.v);
  const Vec3 columns[4] = {f.u, f.v, n, origin};
  for (int c = 0; c < 4; ++c) {
    t.placement.m[0][c] = columns[c].x;
    t.placement.m[1][c] = columns[c].y;
    t.placement.m[2][c] = columns[c].z;
    t.placement.m[3][c] = c == 3 ? 1 : 0;
  }
  const double xs[4] = {0, width, width, 0}, ys[4] = {-height / 2, -height / 2, height / 2, height / 2};
  for (int i = 0; i < 4; ++i) t.box[i] = origin + f.u * xs[i] + f.v * ys[i];
  return t;
}

// True when the projections of two text boxes overlap: no edge of either
// (convex) outline separates them.
bool boxes_overlap(const Projection &project, const Vec3 (&a)[4], const Vec3 (&b)[4]) {
  Vec2 pa[4], pb[4];
  for (int i = 0; i < 4; ++i) pa[i] = project(a[i]), pb[i] = project(b[i]);
  for (const Vec2 *poly : {pa, pb}) {
    for (int i = 0; i < 4; ++i) {
      const Vec2 p = poly[i], q = poly[(i + 1) % 4];
      const Vec2 n{q.y - p.y, p.x - q.x};
      double amin = 1e300, amax = -1e300, bmin = 1e300, bmax = -1e300;
      for (int k = 0; k < 4; ++k) {
        const double da = n.x * pa[k].x + n.y * pa[k].y, db = n.x * pb[k].x + n.y * pb[k].y;
        amin = std::min(amin, da), amax = std::max(amax, da), bmin = std::min(bmin, db), bmax = std::max(bmax, db);
      }
      if (amax <= bmin || bmax <= amin) return false;
    }
  }
  return true;
}

// True when a label would cover text of another axis placed before it.
bool covers_earlier_axis(const Projection &project, const PlacedText &label, const std::vector<PlacedText> &placed) {
  for (const PlacedText &t : placed)
    if (t.axis != label.axis && boxes_overlap(project, label.box, t.box)) return true;
  return false;
}

// Places the labels and the title of one axis on its edge frame.
void place_axis(const Vex3dGraph *graph, const ViewState &view, const Projection &project, const EdgeFrame &edge,
                const TextMeasure &measure, AxisAnnotation &a, std::vector<PlacedText> &out) {
  const double half = view.half[edge.axis];
  const Vec3 along = unit(edge.axis);
  const double label_h = measure.height(TextRole::kLabel);
  const double offset = label_h * kLabelGap;
  const Vec3 probe_at = edge.middle + edge.outward * offset;

  const TextFrame frame = a.vertical ? text_frame(project, probe_at, edge.outward, along)
                                     : text_frame(project, probe_at, along, edge.outward);
  double extent = 0;
  for (const AxisMark &mark : a.labels) {
    if (mark.text.empty()) continue;
    const double w = measure.width(TextRole::kLabel, mark.text);
    const double position = axis_position(a.ticks, half, mark.value);
    Vec3 origin;
    const Vec3 at = edge.middle + along * position;
    if (a.vertical) {
      const bool outward_reading = dot(frame.u, edge.outward) > 0;
      origin = at + edge.outward * (outward_reading ? offset : offset + w);
    } else {
      origin = at + edge.outward * (offset + label_h / 2) + frame.u * (-w / 2);
    }
    PlacedText label = place(TextRole::kLabel, mark.text, frame, origin, w, label_h);
    label.axis = edge.axis;
    if (covers_earlier_axis(project, label, out)) continue;
    extent = a.vertical ? std::max(extent, w) : label_h;
    out.push_back(std::move(label));
  }

  const Axis &record = edge.axis == 0 ? graph->x : edge.axis == 1 ? graph->y : graph->z;
  if (!record.title || record.title->empty()) return;
  const double title_h = measure.height(TextRole::kTitle);
  const double title_w = measure.width(TextRole::kTitle, *record.title);
  const Vec3 centre = edge.middle + edge.outward * (offset + extent + title_h);
  const TextFrame title_frame = text_frame(project, centre, along, edge.outward);
  out.push_back(place(TextRole::kTitle, *record.title, title_frame, centre + title_frame.u * (-title_w / 2), title_w,
                      title_h));
  out.back().axis = edge.axis;
}

// The frame of a cube edge, with the text in the face seen more squarely.
EdgeFrame cube_edge_frame(const ViewState &view, int e) {
  const CubeEdge &edge = kCubeEdges[e];
  const int b = (edge.axis + 1) % 3, c = (edge.axis + 2) % 3;
  const double pb = edge_position(edge, b), pc = edge_position(edge, c);
  EdgeFrame f;
  f.axis = edge.axis;
  f.middle = unit(b, pb * view.half[b]) + unit(c, pc * view.half[c]);
  const Vec3 to_eye = normalized(difference(Vec3{view.eye.x, view.eye.y, view.eye.z}, f.middle));
  // In the face b = pb the text runs outward along c, and the other way round.
  const bool in_face_b = std::fabs(component(to_eye, b)) >= std::fabs(component(to_eye, c));
  f.outward = in_face_b ? unit(c, pc) : unit(b, pb);
  return f;
}

// Which of an axis's flagged edges carries its annotation, or -1.
int choose_edge(const ViewState &view, const Projection &project, int axis, bool vertical) {
  int best = -1;
  double best_key = 0;
  for (int e = 0; e < 12; ++e) {
    if (kCubeEdges[e].axis != axis || !view.cube.flags.edges[e].axis) continue;
    const Vec2 m = project(cube_edge_frame(view, e).middle);
    const double key = vertical ? m.x : m.y;
    if (best < 0 || key < best_key) best = e, best_key = key;
  }
  return best;
}

// The projected direction that decides an axis's text orientation: its
// single axis edge, or the axis itself.
Vec2 axis_direction(const ViewState &view, const Projection &project, int axis) {
  int edges = 0, last = -1;
  for (int e = 0; e < 12; ++e)
    if (kCubeEdges[e].axis == axis && view.cube.flags.edges[e].axis) ++edges, last = e;
  const double h = view.half[axis];
  const Vec3 base = edges == 1 ? cube_edge_frame(view, last).middle : Vec3{};
  return project.direction(base + unit(axis, -h), unit(axis, 2 * h));
}

void grow(ProjectedWindow &w, double &right, double &top, const Vec2 &p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
  w.left = std::min(w.left, p.x);
  w.bottom = std::min(w.bottom, p.y);
  right = std::max(right, p.x);
  top = std::max(top, p.y);
}

bool axis_shown(const Vex3dGraph *graph, int axis) {
  return (axis == 0 ? graph->x : axis == 1 ? graph->y : graph->z).show != 0;
}

}  // namespace

ProjectedWindow lay_out_cube(const Vex3dGraph *graph, ViewState &view, const TextMeasure &measure) {
  const bool flat = view.mode == DrawMode::kFlat;
  const Projection project = scene_projection(view);

  CubeState &cube = view.cube;
  cube.texts.clear();
  const DataBox raw = data_box(graph);
  const double label_h = measure.height(TextRole::kLabel);
  for (int axis = 0; axis < 3; ++axis) {
    AxisAnnotation &a = cube.axes[axis];
    const Vec2 d = flat ? (axis == 0 ? Vec2{1, 0} : Vec2{0, 1}) : axis_direction(view, project, axis);
    a.vertical = std::fabs(d.y) > std::fabs(d.x);
    double extent = label_h, pitch = 2.0;
    if (!a.vertical) {
      std::string first, second;
      sample_labels(raw.min[axis], raw.max[axis], first, second);
      extent = std::max(measure.width(TextRole::kLabel, first), measure.width(TextRole::kLabel, second));
      pitch = 1.5;
    }
    const int n = label_count(extent, 2 * view.half[axis], pitch);
    const bool keep_exact = axis == 2 && graph->type == Vex3dTypeBar;
    a.ticks = compute_ticks(raw.min[axis], raw.max[axis], n, keep_exact);
    a.label_height = label_h;
    cube.box.min[axis] = a.ticks.lo;
    cube.box.max[axis] = a.ticks.hi;
    annotate_axis(graph, axis, a);

    a.annotated_edge = -1;
    if (!axis_shown(graph, axis)) continue;
    EdgeFrame frame;
    if (flat) {
      if (axis == 2) continue;
      // x below the rectangle, y to its left, in the plane z = 0.
      a.annotated_edge = axis == 0 ? 0 : 4;
      frame.axis = axis;
      frame.middle = axis == 0 ? Vec3{0, -view.half[1], 0} : Vec3{-view.half[0], 0, 0};
      frame.outward = axis == 0 ? Vec3{0, -1, 0} : Vec3{-1, 0, 0};
    } else {
      a.annotated_edge = choose_edge(view, project, axis, a.vertical);
      if (a.annotated_edge < 0) continue;
      frame = cube_edge_frame(view, a.annotated_edge);
    }
    place_axis(graph, view, project, frame, measure, a, cube.texts);
  }

  ProjectedWindow w{0, 0, 0, 0};
  double right = -1e300, top = -1e300;
  w.left = w.bottom = 1e300;
  for (const CubeCorner &c : kCubeCorners) {
    const Vec3 p{c.c[0] * view.half[0], c.c[1] * view.half[1], flat ? 0 : c.c[2] * view.half[2]};
    grow(w, right, top, project(p));
  }
  for (const PlacedText &t : cube.texts)
    for (const Vec3 &p : t.box) grow(w, right, top, project(p));
  w.width = right - w.left;
  w.height = top - w.bottom;
  return w;
}

}  // namespace vex3d
