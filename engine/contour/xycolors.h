/* Per-cell colours: colours given to single cells (or bars) of the grid.
 *
 * The graph keeps a list of assignments (XY_COLORS), each for one x index
 * and one y index, where -1 stands for every index in its direction. Later
 * assignments win: a lookup searches from the end of the list. No two
 * assignments share a pair of indices. */
#ifndef TORVANE3D_XYCOLORS_H
#define TORVANE3D_XYCOLORS_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The colour of cell (x, y), or -1 when no assignment matches, for a null
 * graph, or for an index below -1. */
int Vex3dGetXYColor(Vex3dGraph *graph, int x, int y);
/* Assigns a colour to (x, y), moving the assignment to the end of the list;
 * the colour -1 removes the assignment of exactly this pair. An index below
 * -1 changes nothing. */
void Vex3dSetXYColor(Vex3dGraph *graph, int x, int y, int color);
/* Frees a null-terminated list of assignments made with malloc (records and
 * array); null is ignored. */
void Vex3dFreeXYColors(Vex3dXYColor **colors);

#ifdef __cplusplus
}
#endif

#endif
