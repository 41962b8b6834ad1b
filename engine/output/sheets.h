/* The check sheets: pictures a person looks at to judge what the back end
 * makes of the drawing operations and of the fonts of 3D text.
 *
 * Vex3dSheetOperations: every drawing operation of a graph's table drawn once
 * or more, labelled (line patterns and widths, caps and joins, arcs and pies,
 * polygons, rectangles, clipping, stipple, aligned text, border shades,
 * pictures in the image layouts). Vex3dSheetSpecimen: each font of 3D text
 * with its name and the characters 32 to 127, flat and tilted away. */
#ifndef TORVANE3D_SHEETS_H
#define TORVANE3D_SHEETS_H

#include "out_file.h"

#ifdef __cplusplus
extern "C" {
#endif

enum Vex3dSheet { Vex3dSheetOperations = 1, Vex3dSheetSpecimen = 2 };

/* Draws the sheet on a new graph at its own size and writes it into `out`
 * (out_file.h, committed by the caller): as a PNG picture, or with `svg` set
 * as an SVG document. 0, with `out` failed, when it cannot be drawn. */
int Vex3dWriteSheet(int sheet, int svg, Vex3dOutputFile *out);

#ifdef __cplusplus
}
#endif

#endif
