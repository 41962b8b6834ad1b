/* Z values from a graph's data and new data sets made from old ones.
 *
 * The surface height at any (x, y) of the grid, the z value that puts a
 * data point under a pixel (for dragging it up and down), resampling a grid
 * onto a new regular grid, smoothing a grid in place and a shaded-relief map
 * of a grid. A hole (a value exactly equal to the data set's hole value) is
 * never interpolated across: whatever touches one becomes a hole.
 *
 * Refusals are reported through the engine's message routine; the data sets
 * given are never changed by a refused call. */
#ifndef TORVANE3D_METHODS_H
#define TORVANE3D_METHODS_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* How Vex3dDataWindow interpolates between the old grid lines. Any value
 * other than the cubic spline is taken as the linear one. */
enum Vex3dInterpolation { VEX3D_INTERPOLATE_LINEAR_SPLINE = 1, VEX3D_INTERPOLATE_CUBIC_SPLINE = 2 };

/* The height of the graph's surface grid at (x, y), by bilinear
 * interpolation in the grid cell holding the point (the last cell on the
 * last grid line). The hole value when a corner of that cell is a hole, and
 * also for point data. VALUE_UNSET when the point lies outside the grid,
 * the chart type is not a surface or there is no valid grid (with DEBUG on
 * a message says which); 0 without a graph. */
double Vex3dZInterpolate(Vex3dGraph *graph, double x, double y);

/* The z value at which data point (i, j) of the surface data (grid: x index
 * and y index; point data: series and point) is drawn on the line through
 * pixel (px, py) of the last view: the point is moved along the z axis to
 * the place nearest the pixel. The point's own z when the view cannot tell
 * (a flat map, a view seen along z, no view computed yet); the surface hole
 * value for indices out of range, a hole or no valid surface data;
 * VALUE_UNSET without a graph. */
double Vex3dComputeZValue(Vex3dGraph *graph, int i, int j, int px, int py);

/* A new regular grid of nx x ny points spanning (x0, y0) to (x1, y1) (each
 * pair taken in increasing order), resampled from a grid or an irregular
 * grid along x and then along y with a linear or a cubic spline through the
 * values that are not holes. A new point outside the old grid, or inside an
 * old grid interval one of whose ends is a hole, is a hole. Null for no data,
 * fewer than 2 points per side, an empty or non-finite window, point data,
 * an invalid grid, or a result larger than the memory available. */
Vex3dData *Vex3dDataWindow(const Vex3dData *data, double x0, double y0, double x1, double y1, int nx, int ny,
                           int method);

/* Replaces every value of a grid that is not a hole by the mean of itself
 * (with weight w) and its eight neighbours (sharing 1 - w in inverse
 * proportion to their distance), leaving out neighbours that are holes or
 * beyond the edge and renormalising the weights of the others. Every new
 * value comes from the values before smoothing. Nothing happens for w
 * outside [0, 1), no data, point data or an invalid grid. */
void Vex3dDataSmooth(Vex3dData *data, double w);

/* A new data set of the grid's layout and coordinates whose values are the
 * light a surface of the grid reflects from a light at the sweep (degrees
 * about z from the x axis) and rise (degrees above the xy plane): shade x
 * intensity + ambient, clamped to [0, 1], with the hole value -100 wherever
 * a value involved is a hole. The scale flattens the heights (normals
 * (-dz/dx, -dz/dy, scale^2)); 0 (or a value that is not finite) takes sqrt(3)
 * times the grid's mean slope size, or 1 when there is none. Null
 * for no data, point data, an invalid grid, fewer than 2 x 2 points or when
 * memory runs out. */
Vex3dData *Vex3dDataShaded(const Vex3dData *data, double sweep, double rise, double scale, double ambient,
                           double intensity);

/* The hole value of every shaded-relief data set. */
#define VEX3D_SHADED_HOLE (-100.0)

#ifdef __cplusplus
}
#endif

#endif
