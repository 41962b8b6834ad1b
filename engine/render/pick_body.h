// What a pixel shows of the chart body: the first face its line of sight
// meets, and the displayed data point nearest to it. Indices are those of
// the viewing portion (point (i, j) is data point (first_x + i, first_y + j)).
#pragma once

#include <cstdint>
#include <optional>

#include "body_state.h"
#include "pick_ray.h"
#include "view_state.h"

namespace vex3d {

// The first point of the body on a line of sight: the surface's cells as
// they are drawn (one quadrilateral as two triangles, a folded cell as four
// about its centre; cells with a hole corner are not drawn) or, for bar
// charts, the bars' boxes. Only the cells under the line are visited; the
// grid's height blocks are made on the first pick.
struct BodyHit {
  int i = -1, j = -1;  // the cell, or the bar
  double t = 0;        // along the line
  Vec3 data;           // the point in data coordinates
};
std::optional<BodyHit> first_body_hit(const Vex3dGraph *graph, const ViewState &view, BodyState &body,
                                      const SightLine &sight);

// A displayed point nearest to a device point; i = j = -1 when none is.
struct NearestPoint {
  int i = -1, j = -1;         // grid indices, or series and point
  std::int64_t squared = -1;  // squared device distance
  bool found() const { return i >= 0; }
};

// Among the grid points of the cells the line of sight crosses (with the
// grid's outer points when it passes just outside), holes and points outside
// `area` left out. Of two at the same distance, the one nearer the eye.
NearestPoint nearest_grid_point_on_sight(const Vex3dGraph *graph, const ViewState &view, const BodyState &body,
                                         const SightLine &sight, DevicePoint at, const Rect &area);

// Among all visible grid points of a flat map, holes and points outside
// `area` left out; of two at the same distance the one drawn later (the
// larger x index, then the larger y index). Searches outward from the
// nearest grid line crossing, so a pick need not look at every point.
NearestPoint nearest_grid_point_flat(const BodyState &body, DevicePoint at, const Rect &area);

// Among the points of point data in their drawing order (farthest first), a
// later one winning a tie.
NearestPoint nearest_data_point(const Vex3dGraph *graph, const ViewState &view, BodyState &body, DevicePoint at,
                                const Rect &area);

}  // namespace vex3d
