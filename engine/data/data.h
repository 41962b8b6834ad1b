/* Data sets: create, copy, edit and free them; read and write data files.
 *
 * A data set (Vex3dData, types.h) is a regular grid, an irregular grid or
 * series of points, with a hole value: a value exactly equal to the hole
 * marks a missing point. A data set owns every array and row it holds; all
 * of them come from malloc, so that a caller may fill a data set made
 * without arrays with arrays of its own and still free it here. Every array
 * is made with at least one element and zero-filled.
 *
 * The graph does not copy a data set given through SURFACE_DATA or
 * ZONE_DATA: it must live as long as the graph uses it. */
#ifndef TORVANE3D_DATA_H
#define TORVANE3D_DATA_H

#include "out_file.h"
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A regular grid; with allocate set, its numx value rows of numy values are
 * made too. Null when memory runs out (nothing is left allocated). */
Vex3dData *Vex3dDataCreateGrid(int numx, int numy, double hole, double xstep, double ystep, double xorig,
                               double yorig, int allocate);
/* An irregular grid; with allocate set, xgrid (numx), ygrid (numy) and the
 * value rows are made too. */
Vex3dData *Vex3dDataCreateIrGrid(int numx, int numy, double hole, int allocate);
/* Point data with nseries series; the series array is always made. With
 * allocate set every series gets npoints zero points. */
Vex3dData *Vex3dDataCreatePoint(int nseries, int npoints, double hole, int allocate);
/* Replaces the series' points by npoints zero points (none for 0). 0 for a
 * negative size, a null series or when memory runs out (npoints then 0). */
int Vex3dDataSetSeriesSize(Vex3dSeries *series, int npoints);
/* Frees the record; with free_arrays set, every array and row it holds too. */
void Vex3dDataDestroy(Vex3dData *data, int free_arrays);
/* A deep copy, or null for no data, an unknown layout or when memory runs
 * out part-way (nothing of the copy is then left allocated). */
Vex3dData *Vex3dDataCopy(const Vex3dData *data);
/* Replaces every value exactly equal to old_value (for point data every x,
 * y and z) by new_value; returns how many were replaced. */
int Vex3dDataUpdateDataValue(Vex3dData *data, double old_value, double new_value);

/* Reads a data file (GRID, IRGRID or POINT). Null on failure, with the
 * reason copied into error (VEX3D_ERROR_SIZE bytes) when one is given, else
 * written to the engine's message output. */
Vex3dData *Vex3dDataRead(const char *file, char *error);
/* The same, and on failure sets *line to the line of the file where the text
 * went wrong (from 1), or to 0 when no line is to blame (the file could not
 * be opened, memory ran out, the graph type is unknown). */
Vex3dData *Vex3dDataReadWithLine(const char *file, char *error, int *line);
/* Writes a data set in the form the reader reads; 1 on success, 0 on
 * failure with the reason routed as for the reader. */
int Vex3dDataWrite(const Vex3dData *data, const char *file, char *error);
/* The same into an open output (out_file.h), which the caller commits; 0,
 * with the output failed for the reason, when the data set is missing or
 * lacks arrays its layout needs. */
int Vex3dDataWriteTo(const Vex3dData *data, Vex3dOutputFile *out);

/* Checks a data set as the graph does before drawing from it: 1 when it can
 * be drawn, else 0 with the first failing check's reason in `problem`
 * (VEX3D_ERROR_SIZE bytes, may be null). */
int Vex3dDataCheck(const Vex3dData *data, char *problem);

/* What a graph made of its surface data (SURFACE_DATA) and its x and y
 * bounds. The viewing portion is the part of the grid inside the bounds:
 * indexes first .. last, count points, on each axis, and its corner's
 * coordinates; the distribution range is the z range the levels are spread
 * over (VALUE_UNSET at each end when none). A graph without valid data, or
 * with point data, has no viewing portion (counts 0). */
typedef struct Vex3dSurfaceInfo {
  int valid; /* the data set passed every check */
  double hole;
  int first_x, last_x, count_x, first_y, last_y, count_y;
  double corner_x, corner_y;
  double distn_min, distn_max;
} Vex3dSurfaceInfo;
/* Fills *info; 0 for a null graph or record. */
int Vex3dGetSurfaceInfo(Vex3dGraph *graph, Vex3dSurfaceInfo *info);

/* Room an error buffer given to the file readers and writers must have. */
#define VEX3D_ERROR_SIZE 1024

#ifdef __cplusplus
}
#endif

#endif
