/* Contour levels: the levels in use, where a value falls among them, and the
 * levels file.
 *
 * The levels in use are the user's table (DISTN_TABLE) when DISTN_METHOD is
 * DistnFromTable and a table is set; otherwise NUM_DISTN_LEVELS levels spread
 * evenly strictly inside the distribution range of the data, each rounded to
 * a printed form that shows the step's first significant digit. They are
 * computed when first needed after any change they depend on.
 *
 * Tables handed out here are made with malloc and freed with
 * Vex3dFreeDistnTable; their array always has room for one level. */
#ifndef TORVANE3D_DTABLE_H
#define TORVANE3D_DTABLE_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A new table holding the levels in use: with DistnFromTable a copy of the
 * user's table (null when none is set); otherwise the computed levels, an
 * empty table when the distribution range is empty. Null when memory runs
 * out or for a null graph. */
Vex3dDistnTable *Vex3dGetDistnTable(Vex3dGraph *graph);
/* Frees a table and its array; null is ignored. */
void Vex3dFreeDistnTable(Vex3dDistnTable *table);
/* The levels in use, ascending, and their number in *count (may be null),
 * computed first when needed: the graph's own array, valid until the next
 * change they depend on. Null (count 0) for none or a null graph. */
const double *Vex3dLevelsInUse(Vex3dGraph *graph, int *count);

/* Reads a levels file: one value per line, "!" lines are comments, lines
 * that do not start with a number are skipped. The values come back sorted
 * ascending without duplicates. Null on failure, with the reason copied into
 * error (VEX3D_ERROR_SIZE bytes) when one is given, else written to the
 * engine's message output. */
Vex3dDistnTable *Vex3dReadDistnTable(const char *file, char *error);
/* Writes a levels file (six significant digits a level); 1 on success, 0 on
 * failure (also for a null table, after creating the file empty), with the
 * reason routed as for the reader. */
int Vex3dWriteDistnTable(const Vex3dDistnTable *table, const char *file, char *error);

/* The zone of z among the levels in use: the number of levels strictly below
 * it. A value equal to a level belongs to the zone below the level. */
int Vex3dCalcDistnIndex(Vex3dGraph *graph, double z);

#ifdef __cplusplus
}
#endif

#endif
