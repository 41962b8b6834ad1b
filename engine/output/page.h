/* Drawing a graph's page: the one route by which a graph is drawn.
 *
 * The page is the header, the footer, the legend, the chart area, the chart
 * labels attached by pixel and the whole-area border, laid out in the graph's
 * WIDTH x HEIGHT pixels. Vex3dDrawPage draws it into any drawing context with
 * a change mask (VEX3D_CHANGE_GRAPH 1, HEADER 2, FOOTER 4, LEGEND 8, DATA 16;
 * VEX3D_CHANGE_ALL 31 is a full redraw): the window repaint, the off-screen
 * buffer, picture files and every host draw through it.
 *
 * Drawing contexts are made and freed here; in C they are opaque. */
#ifndef TORVANE3D_PAGE_H
#define TORVANE3D_PAGE_H

#include <stdint.h>

#include "data.h" /* VEX3D_ERROR_SIZE */
#include "types.h"

#ifdef __cplusplus
namespace vex3d::platform {
class DrawContext;
}
typedef vex3d::platform::DrawContext Vex3dDrawContext;
extern "C" {
#else
typedef struct Vex3dDrawContext Vex3dDrawContext;
#endif

/* ---- Drawing contexts ---------------------------------------------------- */

/* A raster picture of width x height pixels (each 1 to 32767) at the screen
 * resolution, transparent until drawn; null when it cannot be made. */
Vex3dDrawContext *Vex3dCreateRasterContext(int width, int height);
/* Frees a context made here (null is ignored). A graph drawing into it must
 * have finished: contexts are current only during a drawing. */
void Vex3dDestroyDrawContext(Vex3dDrawContext *context);
/* The pixels of a raster context: premultiplied ARGB32, `stride` pixels a
 * row, valid until the next drawing into it; null for another kind. */
const uint32_t *Vex3dRasterContextPixels(Vex3dDrawContext *context, int *width, int *height, int *stride);
/* Writes a raster context's pixels as a PNG file, whole or not at all; false
 * with the reason in `error` (VEX3D_ERROR_SIZE bytes, may be null). */
int Vex3dWriteRasterPng(Vex3dDrawContext *context, const char *file, char *error);
/* The same into an open output (out_file.h), which the caller commits; 0,
 * with the output failed, for another kind of context or a failed write. */
int Vex3dWriteRasterPngTo(Vex3dDrawContext *context, Vex3dOutputFile *out);

/* ---- The page -------------------------------------------------------------- */

/* Draws the page into the context with the change mask or'ed with the
 * graph's pending mask (what changed since the last drawing); regions
 * outside the final mask, grown by the regions an erase overlaps, are left
 * as they are on the context. The context is current only during the call.
 * Afterwards nothing is pending, except on a graph with a window, whose next
 * repaint then draws the whole page. Draws whatever REPAINT says: REPAINT
 * governs the repaints that setting resources asks for. */
void Vex3dDrawPage(Vex3dGraph *graph, Vex3dDrawContext *context, int mask);
/* Draws the whole page into a new raster picture of the graph's WIDTH x
 * HEIGHT and writes it as a PNG file, whole or not at all. False (with the
 * reason in `error`, VEX3D_ERROR_SIZE bytes, may be null) when the size is
 * not 1 to 32767 on each side or the file cannot be written. */
int Vex3dWritePagePng(Vex3dGraph *graph, const char *file, char *error);

/* ---- The layout ------------------------------------------------------------ */

/* Lays the page out now, measuring text at the screen's resolution: the
 * header, footer, legend and chart area rectangles are then in their
 * resources (HEADER_X ... GRAPH_HEIGHT), as a drawing would place them. */
void Vex3dLayOutPage(Vex3dGraph *graph);

/* The legend's kind at the last layout. */
enum Vex3dLegendKindValue {
  VEX3D_LEGEND_NONE = 0,
  VEX3D_LEGEND_STEPPED_ZONES = 1,
  VEX3D_LEGEND_MESH_ZONES = 2,
  VEX3D_LEGEND_CONTOURS = 3,
  VEX3D_LEGEND_CONTINUOUS_HORIZONTAL = 4,
  VEX3D_LEGEND_CONTINUOUS_VERTICAL = 5,
  VEX3D_LEGEND_SERIES = 6
};
int Vex3dLegendKind(Vex3dGraph *graph);
/* The entries the legend draws at the last layout, in drawing order (the
 * highest interval first), and the label of entry k with its column escapes
 * ("\r", "\l", "\c"); the text is the graph's, valid until the next layout.
 * Null past the last entry. */
int Vex3dLegendEntryCount(Vex3dGraph *graph);
const char *Vex3dLegendEntryLabel(Vex3dGraph *graph, int k);

/* With `on`, the chart area shows the plot cube alone (axes, titles, grid
 * lines, edges) around no chart body, for looking at the cube and its
 * annotation; off by default. */
void Vex3dSetPlotCubeOnly(Vex3dGraph *graph, int on);

#ifdef __cplusplus
}
#endif

#endif
