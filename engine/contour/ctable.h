/* Contour styles: how each level's line and each zone's fill are drawn.
 *
 * The graph holds a table of S styles (CONTOUR_STYLES), independent of the
 * number n of levels in use: level or zone k (0 ... n) uses style
 * floor((S - 1) * k / n + 0.5), style 0 when n is 0, so the first and last
 * zones always take the first and last styles. A new graph, and a graph given
 * an empty table, has the 100 default styles (blue through cyan, green and
 * yellow to red fills; black solid lines of width 1).
 *
 * Style tables handed out here are null-terminated arrays of style pointers,
 * array and styles made with malloc, freed with Vex3dFreeContourStyles. */
#ifndef TORVANE3D_CTABLE_H
#define TORVANE3D_CTABLE_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A copy of one style, valid until the next call on the same thread, or
 * null. With by_level clear, index is a position in the table
 * (0 <= index < S); with it set, a level or zone (0 <= index <= n). */
Vex3dContourStyle *get_cstyle(Vex3dGraph *graph, int index, int by_level);
/* Replaces the four fields of one style, indexed as for get_cstyle. A
 * change that shows (fills while zones are drawn, lines while contours are
 * drawn) repaints the chart and the legend. */
void set_cstyle(Vex3dGraph *graph, int index, const Vex3dContourStyle *style, int by_level);

/* The table position of the style level or zone `level` (0 <= level <= n)
 * uses; -1 out of range or with no styles. */
int Vex3dLevelStyleIndex(Vex3dGraph *graph, int level);
/* A style as one line of a styles file, without the line feed ("fill line
 * width pattern"), in a new text the caller frees with free(); null when
 * its pattern has no name. */
char *Vex3dContourStyleText(const Vex3dContourStyle *style);
/* Discards the graph's styles and installs the default table; repaints. */
void Vex3dResetContourStyles(Vex3dGraph *graph);

/* Reads a styles file: one style a line, "fill line width pattern" (colours
 * by name or "#rrggbb", the pattern by its long or short name); "!" lines
 * are comments. Null on failure, with the reason copied into error
 * (VEX3D_ERROR_SIZE bytes) when one is given, else written to the engine's
 * message output. A file without styles gives an empty table. */
Vex3dContourStyle **Vex3dReadContourStyles(const char *file, char *error);
/* Writes a styles file in the form the reader reads; 1 on success, 0 on
 * failure (also for a null table, after creating the file empty), with the
 * reason routed as for the reader. */
int Vex3dWriteContourStyles(Vex3dContourStyle *const *styles, const char *file, char *error);
/* Frees every style and the array; null is ignored. */
void Vex3dFreeContourStyles(Vex3dContourStyle **styles);

#ifdef __cplusplus
}
#endif

#endif
