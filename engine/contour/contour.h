/* Contour lines and zones of a surface chart.
 *
 * The graph traces its contour lines over the viewing portion and keeps, for
 * every grid cell, the contour segments that cross it; the chart drawing cuts
 * each cell into zone pieces from those segments. Contour lines can also be
 * taken out of a graph as point data (Vex3dDataContours). */
#ifndef TORVANE3D_CONTOUR_H
#define TORVANE3D_CONTOUR_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* One point of a contour line, in data coordinates. sx, sy are the point's
 * device position, filled in by the chart drawing after projecting it. */
typedef struct Vex3dContourPoint {
  struct Vex3dContourPoint *next; /* the following point of the line, or null */
  double x, y, z;
  int sx, sy;
} Vex3dContourPoint;

/* One piece of a contour line inside a cell, from a point on side_a to a point
 * on side_b. Sides: 0 right, 1 top, 2 left, 3 bottom. */
typedef struct Vex3dContourSegment {
  int level; /* index of the level among the levels in use */
  unsigned char side_a, side_b;
  Vex3dContourPoint *a, *b;
} Vex3dContourSegment;

/* One traced polyline: its first point and its level index. */
typedef struct Vex3dContourLine {
  Vex3dContourPoint *first;
  int level;
} Vex3dContourLine;

/* The contour segments crossing one grid cell, in five lists: lists 0 to 3
 * hold the segments that cut off one corner (list k joins side k - 1 to side
 * k, point a on side k - 1), list 4 those that cross between opposite sides
 * (point a on the left or the bottom side). Each list is ordered by point b
 * counter-clockwise around the cell, so in a corner list the segment nearest
 * the corner comes first. A hole cell has a hole corner and no segments. */
typedef struct Vex3dContourCell {
  int hole;
  int count; /* segments in all five lists */
  int list_count[5];
  const Vex3dContourSegment *list[5];
} Vex3dContourCell;

/* The contour lines of levels first .. last (clamped to the levels in use),
 * every filter-th level from first, as point data: one series per level, each
 * holding point a of every segment of that level, cells in order. Null when
 * the graph is not a surface chart, draws neither contours nor zones, or
 * first > last. The caller frees the result with Vex3dDataDestroy(data, 1). */
Vex3dData *Vex3dDataContours(Vex3dGraph *graph, int first, int last, int filter);

#ifdef __cplusplus
}
#endif

#endif
